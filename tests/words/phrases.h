// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Known phrases for the words tests: a number typed as the first operand of the whole compute
// command, and what the report holds after its wordsHeading line.

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "support/calculator.h"

namespace velmora::testing {

inline constexpr std::string_view wordsHeading = "Сумата словом:\r\n";

struct Phrase {
    const char* name;
    std::string number;
    std::string words;  // everything after the wordsHeading line
};

inline std::string wordsOf(const std::string& number) {
    Calculator calculator;
    const std::string report = calculator.compute(number, "");
    const std::size_t start = report.find(wordsHeading);
    if (start == std::string::npos) {
        return "(no wordsHeading in: " + report + ")";
    }
    return report.substr(start + wordsHeading.size());
}

inline void expectPhrases(const std::vector<Phrase>& phrases) {
    for (const Phrase& phrase : phrases) {
        EXPECT_EQ(wordsOf(phrase.number), phrase.words)
            << phrase.name << " (" << phrase.number << ")";
    }
}

}  // namespace velmora::testing

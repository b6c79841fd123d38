// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// The words of the report against a second, independent rule set: libnumbertext's Bulgarian
// rules, written for an office suite. Its numbers reach below 10^27; seeded numbers of up to 27
// digits, dense ones and sparse ones whose groups are mostly zeros or the values where Bulgarian
// forms change, must read alike, word for word, once the report's lines are joined into one.

#include <gtest/gtest.h>

#include <Numbertext.hxx>
#include <array>
#include <random>
#include <string>

#include "support/calculator.h"
#include "support/words_reader.h"

namespace velmora::testing {
namespace {

// The two tables differ in one scale name only: the exercise's "квадралион" is libnumbertext's
// "квадрилион".
std::string withTheirScaleNames(std::string words) {
    const std::string ours = "квадралион";
    for (std::size_t at = words.find(ours); at != std::string::npos; at = words.find(ours, at)) {
        words.replace(at, ours.size(), "квадрилион");
    }
    return words;
}

// The report's words as one line: every run of blanks and line breaks becomes one blank.
std::string oneLine(std::string_view words) {
    std::string line;
    for (const char c : words) {
        const bool blank = c == ' ' || c == '\r' || c == '\n';
        if (!blank) {
            line += c;
        } else if (!line.empty() && line.back() != ' ') {
            line += ' ';
        }
    }
    if (!line.empty() && line.back() == ' ') {
        line.pop_back();
    }
    return line;
}

class Numbers {
public:
    // Up to nine groups, the first one not zero.
    std::string dense() {
        std::string digits = std::to_string(pick(1, 999));
        for (int groups = pick(0, 8); groups > 0; --groups) {
            digits += threeDigits(pick(0, 999));
        }
        return digits;
    }

    // Groups mostly zero, or one of the values whose words change form.
    std::string sparse() {
        static constexpr std::array<int, 10> telling = {1, 2, 10, 11, 20, 21, 100, 101, 500, 999};
        const auto group = [this] {
            return pick(0, 2) == 0 ? telling.at(static_cast<std::size_t>(pick(0, 9))) : 0;
        };
        std::string digits = std::to_string(telling.at(static_cast<std::size_t>(pick(0, 9))));
        for (int groups = pick(0, 8); groups > 0; --groups) {
            digits += threeDigits(group());
        }
        return digits;
    }

private:
    int pick(int low, int high) { return std::uniform_int_distribution(low, high)(random_); }

    static std::string threeDigits(int value) {
        std::string digits = std::to_string(value);
        return std::string(3 - digits.size(), '0') + digits;
    }

    std::mt19937 random_{20261208};
};

TEST(NumbertextOracle, WordsReadAsLibnumbertextWritesThem) {
    Numbertext oracle;
    oracle.set_prefix(VELMORA_NUMBERTEXT_DATA "/");
    Numbers numbers;
    int checked = 0;
    int differences = 0;
    std::string first;
    for (int round = 0; round < 3000; ++round) {
        for (const std::string& number : {numbers.dense(), numbers.sparse()}) {
            Calculator calculator;
            const std::string ours =
                oneLine(wordsPartOf(calculator.compute(number, "")).value_or("(no words)"));
            std::string theirs = number;
            ASSERT_TRUE(oracle.numbertext(theirs, "bg")) << "libnumbertext's Bulgarian rules";
            ++checked;
            if (withTheirScaleNames(ours) != theirs && ++differences <= 10) {
                first += number + ":\n  ours:   " + ours + "\n  theirs: " + theirs + "\n";
            }
        }
    }
    EXPECT_EQ(differences, 0) << "of " << checked << " numbers, first:\n" << first;
}

}  // namespace
}  // namespace velmora::testing

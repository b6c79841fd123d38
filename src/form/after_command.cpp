// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form/after_command.h"

#include <algorithm>

namespace velmora {

bool enterComputesIn(Box box) {
    return box == firstOperandBox || box == secondOperandBox || box == resultBox;
}

AfterCommand afterCommand(Button button, SumHeard heard, std::string_view sum,
                          std::string_view spelled) {
    switch (button) {
        case computeButton: {
            std::string words = asPhrase(spelled);
            if (heard == SumHeard::inResultBox) {
                return {resultBox, {}, std::move(words)};
            }
            return {std::nullopt, "Сума " + std::string(sum) + ", словом: " + words, {}};
        }
        case clearButton:
            return {focusAtStart, {}, {}};
    }
    return {};
}

// Line by line: each is appended at once, without the blanks at its ends.
std::string asPhrase(std::string_view spelled) {
    constexpr std::string_view blanks = " \r";
    std::string words;
    std::size_t lineStart = 0;
    while (lineStart < spelled.size()) {
        const std::size_t lineEnd = std::min(spelled.find('\n', lineStart), spelled.size());
        const std::string_view line = spelled.substr(lineStart, lineEnd - lineStart);
        const std::size_t first = line.find_first_not_of(blanks);
        if (first != std::string_view::npos) {
            words += words.empty() ? "" : " ";
            words.append(line.substr(first, line.find_last_not_of(blanks) + 1 - first));
        }
        lineStart = lineEnd + 1;
    }
    return words;
}

}  // namespace velmora

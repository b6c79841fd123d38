// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form/after_command.h"

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

std::string asPhrase(std::string_view spelled) {
    std::string words;
    for (const char c : spelled) {
        const bool blank = c == ' ' || c == '\r' || c == '\n';
        if (!blank) {
            words.push_back(c);
        } else if (!words.empty() && words.back() != ' ') {
            words.push_back(' ');
        }
    }
    if (!words.empty() && words.back() == ' ') {
        words.pop_back();
    }
    return words;
}

}  // namespace velmora

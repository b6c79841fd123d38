// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form/after_command.h"

#include "form/commands.h"
#include "words/number_words.h"

namespace velmora {

bool enterComputesIn(Box box) {
    return box == firstOperandBox || box == secondOperandBox || box == resultBox;
}

std::string AfterCommand::spoken() const {
    if (sum.empty()) {
        return {};
    }
    return "Сума " + sum + ", словом: " + sumInWords;
}

AfterCommand afterCommand(int button, const Boxes& boxes) {
    switch (button) {
        case computeButton:
            return {std::nullopt, boxes.text(resultBox), sumInWords(boxes.text(reportBox))};
        case clearButton:
            return {focusAtStart, {}, {}};
        default:
            return {};
    }
}

// The lines of the words start with a blank and a units group may end in one, so every run of
// blanks and line breaks becomes one blank.
std::string sumInWords(std::string_view report) {
    const std::size_t heading = report.find(wordsHeading);
    if (heading == std::string_view::npos) {
        return {};
    }
    std::string words;
    for (const char c : report.substr(heading + wordsHeading.size())) {
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

// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form/after_command.h"

#include <algorithm>

namespace velmora {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\r';
}

std::string_view withoutBlankEnds(std::string_view line) {
    while (!line.empty() && isBlank(line.front())) {
        line.remove_prefix(1);
    }
    while (!line.empty() && isBlank(line.back())) {
        line.remove_suffix(1);
    }
    return line;
}

// "Сума <sum>, словом: <words>", put together in one buffer.
std::string sumAnnouncement(std::string_view sum, std::string_view words) {
    constexpr std::string_view sumLead = "Сума ";
    constexpr std::string_view wordsLead = ", словом: ";
    std::string announcement;
    announcement.reserve(sumLead.size() + sum.size() + wordsLead.size() + words.size());
    announcement.append(sumLead).append(sum).append(wordsLead).append(words);
    return announcement;
}

}  // namespace

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
            return {std::nullopt, sumAnnouncement(sum, words), {}};
        }
        case clearButton:
            return {focusAtStart, {}, {}};
    }
    return {};
}

// Line by line, each appended at once; the phrase is never longer than the spelled text, so one
// reservation is enough.
std::string asPhrase(std::string_view spelled) {
    std::string phrase;
    phrase.reserve(spelled.size());
    while (!spelled.empty()) {
        const std::size_t lineEnd = std::min(spelled.find('\n'), spelled.size());
        const std::string_view line = withoutBlankEnds(spelled.substr(0, lineEnd));
        spelled.remove_prefix(std::min(lineEnd + 1, spelled.size()));
        if (!line.empty()) {
            if (!phrase.empty()) {
                phrase += ' ';
            }
            phrase.append(line);
        }
    }
    return phrase;
}

}  // namespace velmora

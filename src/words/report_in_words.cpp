// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// The report in words: the digit string of the result, its digit count, the heading, and then
// "Нула" or one run of the group speller for each non-zero group of three digits.

#include <string>
#include <string_view>

#include "arithmetic/digit_characters.h"
#include "words/number_words.h"

namespace velmora {

namespace {

// Bulgarian counts one digit with "брой" and every other number of them with "броя".
std::string_view digitCountNoun(int count) {
    return count == 1 ? " брой цифри " : " броя цифри ";
}

// The group that starts at position is the last one spoken when it holds the last digit that is
// not zero.
bool isLastSpoken(const std::string& digitString, std::size_t position) {
    const std::size_t lastNonZero = digitString.find_last_not_of('0');
    return lastNonZero != std::string::npos && lastNonZero >= position &&
           lastNonZero < position + 3;
}

}  // namespace

void NumberWords::ReportInWords() {
    const std::string resultText = boxes_.text(resultBox);
    std::string digitString;
    keepDigits(resultText, digitString);
    state_.digitCount = static_cast<int>(digitString.size());

    appendToReport(boxes_, {digitString, lineBreak});
    appendToReport(boxes_,
                   {"Абсолютната стойност на сумата е с ", std::to_string(state_.digitCount),
                    digitCountNoun(state_.digitCount), lineBreak});
    appendToReport(boxes_, {wordsHeading, lineBreak});

    if (resultText.starts_with("+0")) {
        appendToReport(boxes_, "Нула\r\n");
        return;
    }
    // A result beyond the last scale fails on its leading group, before any line is gathered.
    WordLines words;
    spellGroups(digitString, words);
    appendToReport(boxes_, words.text());
}

// Cuts the digits into groups of three from the right; the leftmost group takes what is left
// over. The last group spoken after a higher one, the units or the lowest group that is not all
// zeros, is spelled with the conjunction flag set: Bulgarian puts "и" before the last part of a
// number. The lines of all groups are gathered in words.
void NumberWords::spellGroups(const std::string& digitString, WordLines& words) {
    int remaining = state_.digitCount;
    int firstLength = remaining % 3 == 0 ? 3 : remaining % 3;
    std::size_t position = 0;
    int groupLength = firstLength;
    state_.hundredsFlag = 0;
    state_.andFlag = 0;
    while (remaining > 0) {
        state_.currentGroup.assign(digitString, position, static_cast<std::size_t>(groupLength));
        state_.groupIndex = (remaining - firstLength) / 3;
        if (state_.currentGroup.find_first_not_of('0') != std::string::npos) {
            spellGroup(words);
        }
        remaining -= groupLength;
        position += static_cast<std::size_t>(groupLength);
        groupLength = 3;
        firstLength = 3;
        state_.andFlag = isLastSpoken(digitString, position) ? 1 : 0;
    }
}

}  // namespace velmora

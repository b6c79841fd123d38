// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// The group speller: one group of up to three digits as Bulgarian words with its scale word.
// Every piece begins with a blank; a group's line normally ends with a blank, the plural scale
// word and CR LF. The conjunction "и" goes before the last spoken word of a group that has
// words before it, and before the only word of the units group after higher groups.

#include <stdexcept>
#include <string>

#include "words/group_value.h"
#include "words/number_words.h"
#include "words/word_lines.h"

namespace velmora {

namespace {

constexpr int teenBase = 10;
constexpr int tensBase = 20;
constexpr int hundredsBase = 30;

[[noreturn]] void refuseScale(int groupIndex) {
    throw IndexOutOfRange(Table::scaleWords, groupIndex, lastScale());
}

void appendWord(WordLines& line, std::string_view word) {
    line.add(' ');
    line.add(word);
}

}  // namespace

void refuseLongWords(std::size_t room) {
    throw std::length_error("думите на числото не се побират в " + std::to_string(room) + " байта");
}

void NumberWords::SpellGroup() {
    WordLines line;
    spellGroup(line);
    if (!line.empty()) {
        appendToReport(boxes_, line.text());
    }
}

void NumberWords::spellGroup(WordLines& line) {
    state_.hundredsFlag = 0;
    const int value = groupValue(state_.currentGroup);
    if (value < 1) {
        return;
    }
    const int hundredsDigit = value / 100;
    const int lastTwo = value % 100;
    const int tensDigit = lastTwo / 10;
    const int unitsDigit = value % 10;

    if (lastTwo == 0 && state_.andFlag > 0) {
        line.add(" и");
    }
    if (hundredsDigit > 0) {
        appendWord(line, numeral(hundredsBase + hundredsDigit));
        state_.andFlag = 1;
        state_.hundredsFlag = 1;
    }
    if (lastTwo == 0) {
        appendScaleEnding(line);
        return;
    }
    if (lastTwo > 10 && lastTwo < 20) {
        appendLastWord(numeral(teenBase + unitsDigit), line);
        return;
    }
    if (unitsDigit == 0) {
        appendLastWord(numeral(tensBase + tensDigit), line);
        return;
    }
    if (tensDigit > 0) {
        appendWord(line, numeral(tensBase + tensDigit));
    }
    spellUnits(unitsDigit, tensDigit > 0, line);
}

// The units word follows a hundreds or tens word of this group, or the higher groups.
void NumberWords::spellUnits(int unitsDigit, bool afterTens, WordLines& line) const {
    const bool joined = state_.andFlag > 0 || state_.hundredsFlag > 0 || afterTens;
    if (unitsDigit < 3 && state_.groupIndex < 2) {
        spellOneOrTwo(unitsDigit, joined, state_.hundredsFlag > 0 || afterTens, line);
    } else if (unitsDigit == 1) {
        spellUnitGroup(line);
    } else {
        line.add(joined ? " и " : " ");
        line.add(numeral(unitsDigit));
        appendScaleEnding(line);
    }
}

// Units digit 1 or 2 in the units or thousands group: the counting forms "едно" and "две", which
// end the report without a line break, and "хиляда" alone, "една хиляди" after other words of the
// group, "две хиляди".
void NumberWords::spellOneOrTwo(int unitsDigit, bool joined, bool afterWords,
                                WordLines& line) const {
    if (joined) {
        line.add(" и");
    }
    if (state_.groupIndex == 0) {
        line.add(unitsDigit == 1 ? " едно " : " две ");
    } else if (unitsDigit == 1 && !afterWords) {
        line.add(" хиляда ");
        line.add(lineBreak);
    } else {
        line.add(unitsDigit == 1 ? " една " : " две ");
        line.add(scaleWord());
        line.add(lineBreak);
    }
}

// The last word of a teen or of exact tens, joined with "и" after a hundreds word or the higher
// groups, then the scale ending.
void NumberWords::appendLastWord(const std::string& word, WordLines& line) const {
    line.add(state_.andFlag > 0 || state_.hundredsFlag > 0 ? " и " : " ");
    line.add(word);
    appendScaleEnding(line);
}

void NumberWords::appendScaleEnding(WordLines& line) const {
    const std::string& scale = scaleWord();
    line.add(' ');
    line.add(scale);
    line.add(lineBreak);
}

// The plural scale word of the current group. A scale the program has no name for (beyond
// "вигинтилиона") is refused rather than spelled without its scale word, which would name
// another number.
const std::string& NumberWords::scaleWord() const {
    const std::string& word = state_.scaleWords.at(state_.groupIndex);
    if (word.empty() && state_.groupIndex > 0) [[unlikely]] {
        refuseScale(state_.groupIndex);
    }
    return word;
}

const std::string& NumberWords::numeral(int index) const {
    return state_.numeralWords.at(index);
}

}  // namespace velmora

// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The result in Bulgarian words. LoadWordTables fills the two word tables once. ReportInWords reads
// the signed result from the result box, reports its digits and their count, and cuts them into
// groups of three from the right; SpellGroup writes each non-zero group as one line with its
// scale word, and hands a group of the millions or above that ends in 1 to SpellUnitGroup.
// ReportInWords gathers the lines of all groups on the stack and appends them to the report box
// at once; SpellGroup and SpellUnitGroup run on their own append their piece themselves.

#include <string>
#include <string_view>

#include "state/boxes.h"
#include "state/calculator_state.h"
#include "words/word_lines.h"

namespace velmora {

// The line of the report that the words follow.
inline constexpr std::string_view wordsHeading = "Сумата словом:";

// The highest group index with a scale word: the last entry of the word table.
int lastScale();

class NumberWords {
public:
    NumberWords(CalculatorState& state, Boxes& boxes) : state_(state), boxes_(boxes) {}

    void LoadWordTables();
    void ReportInWords();
    void SpellGroup();
    void SpellUnitGroup();

private:
    void spellGroups(const std::string& digitString, WordLines& words);
    void spellGroup(WordLines& line);
    void spellUnitGroup(WordLines& line) const;
    void spellUnits(int unitsDigit, bool afterTens, WordLines& line) const;
    void spellOneOrTwo(int unitsDigit, bool joined, bool afterWords, WordLines& line) const;
    void appendLastWord(const std::string& word, WordLines& line) const;
    void appendScaleEnding(WordLines& line) const;
    const std::string& scaleWord() const;
    const std::string& numeral(int index) const;

    CalculatorState& state_;
    Boxes& boxes_;
};

}  // namespace velmora

// The group speller: one group of up to three digits as Bulgarian words with its scale word.
// Every piece begins with a blank; a group's line normally ends with a blank, the plural scale
// word and CR LF. The conjunction "и" goes before the last spoken word of a group that has
// words before it, and before the only word of the units group after higher groups.

#include <string>

#include "words/group_value.h"
#include "words/number_words.h"

namespace velmora {

namespace {

constexpr int teenBase = 10;
constexpr int tensBase = 20;
constexpr int hundredsBase = 30;

}  // namespace

void NumberWords::SpellGroup() {
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
        appendToReport(boxes_, " и");
    }
    if (hundredsDigit > 0) {
        appendToReport(boxes_, " " + numeral(hundredsBase + hundredsDigit));
        state_.andFlag = 1;
        state_.hundredsFlag = 1;
    }
    if (lastTwo == 0) {
        appendToReport(boxes_, scaleEnding());
        return;
    }
    if (lastTwo > 10 && lastTwo < 20) {
        appendToReport(boxes_, joiner() + numeral(teenBase + unitsDigit) + scaleEnding());
        return;
    }
    if (unitsDigit == 0) {
        appendToReport(boxes_, joiner() + numeral(tensBase + tensDigit) + scaleEnding());
        return;
    }
    if (tensDigit > 0) {
        appendToReport(boxes_, " " + numeral(tensBase + tensDigit));
    }
    // The units word follows a hundreds or tens word of this group, or the higher groups.
    const bool joined = state_.andFlag > 0 || state_.hundredsFlag > 0 || tensDigit > 0;
    if (unitsDigit < 3 && state_.groupIndex < 2) {
        spellOneOrTwo(unitsDigit, joined);
    } else if (unitsDigit == 1) {
        SpellUnitGroup();
    } else {
        appendToReport(boxes_, (joined ? " и " : " ") + numeral(unitsDigit) + scaleEnding());
    }
}

// Units digit 1 or 2 in the units or thousands group: the counting forms "едно" and "две", which
// end the report without a line break, and "хиляда", "една хиляди", "две хиляди".
void NumberWords::spellOneOrTwo(int unitsDigit, bool joined) {
    std::string piece = joined ? " и" : "";
    if (state_.groupIndex == 0) {
        piece += unitsDigit == 1 ? " едно " : " две ";
    } else if (unitsDigit == 1 && !joined) {
        piece += " хиляда " + std::string(lineBreak);
    } else {
        piece += (unitsDigit == 1 ? " една " : " две ") + scaleWord() + std::string(lineBreak);
    }
    appendToReport(boxes_, piece);
}

std::string NumberWords::joiner() const {
    return state_.andFlag > 0 || state_.hundredsFlag > 0 ? " и " : " ";
}

std::string NumberWords::scaleEnding() const {
    return " " + scaleWord() + std::string(lineBreak);
}

// The plural scale word of the current group. A scale the program has no name for (beyond
// "вигинтилиона") is refused rather than spelled without its scale word, which would name
// another number.
const std::string& NumberWords::scaleWord() const {
    const std::string& word = state_.scaleWords.at(state_.groupIndex);
    if (word.empty() && state_.groupIndex > 0) {
        throw IndexOutOfRange("scaleWords", state_.groupIndex, 21);
    }
    return word;
}

const std::string& NumberWords::numeral(int index) const {
    return state_.numeralWords.at(index);
}

}  // namespace velmora

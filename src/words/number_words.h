#pragma once
// The result in Bulgarian words. LoadWordTables fills the two word tables once. ReportInWords reads
// the signed result from the result box, reports its digits and their count, and cuts them into
// groups of three from the right; SpellGroup writes each non-zero group as one line with its
// scale word, and hands a group of the millions or above that ends in 1 to SpellUnitGroup.

#include <string>

#include "state/boxes.h"
#include "state/calculator_state.h"

namespace velmora {

class NumberWords {
public:
    NumberWords(CalculatorState& state, Boxes& boxes) : state_(state), boxes_(boxes) {}

    void LoadWordTables();
    void ReportInWords();
    void SpellGroup();
    void SpellUnitGroup();

private:
    void spellGroups(const std::string& digitString);
    void spellOneOrTwo(int unitsDigit, bool joined);
    std::string joiner() const;
    std::string scaleEnding() const;
    const std::string& scaleWord() const;
    const std::string& numeral(int index) const;

    CalculatorState& state_;
    Boxes& boxes_;
};

}  // namespace velmora

// Operand intake: from the texts of the two operand boxes to digits1, digits2, rows 1 and 2 of
// the digit table, the two "Число" report lines, the operation and the sign of the result.

#include <cstdlib>

#include "arithmetic/arithmetic.h"
#include "arithmetic/digit_characters.h"

namespace velmora {

namespace {

constexpr int firstDigitPosition = 2;  // position 1 is the sign column

std::string signCharacter(int sign) {
    return sign == 1 ? "-" : "+";
}

}  // namespace

void Arithmetic::PrepareOperands() {
    const Operand first = readOperand(firstOperandBox, 1, state_.digits1);
    const Operand second = readOperand(secondOperandBox, 2, state_.digits2);

    const int missing = std::abs(first.length - second.length);
    std::string& shorter = first.length < second.length ? state_.digits1 : state_.digits2;
    shorter.insert(0, static_cast<std::size_t>(missing), '0');
    state_.digits1.insert(0, signCharacter(first.sign));
    state_.digits2.insert(0, signCharacter(second.sign));

    appendToReport(boxes_, "Число 1: " + state_.digits1 + std::string(lineBreak));
    appendToReport(boxes_, "Число 2: " + state_.digits2 + std::string(lineBreak));

    chooseOperation(first, second);
    ComputeSum();
}

// Scans one box by character code: a "-" in first place gives the sign, every digit character is
// kept and stored in the operand's row from position 2 on, everything else is passed over.
Arithmetic::Operand Arithmetic::readOperand(int box, int row, std::string& digits) {
    digits.clear();
    state_.operandText = boxes_.text(box);
    const std::string& text = state_.operandText;
    const int sign = !text.empty() && text.front() == '-' ? 1 : 0;

    int position = firstDigitPosition;
    for (const char c : text) {
        if (isDigitCharacter(c)) {
            state_.digitTable.at(position, row) = static_cast<std::int16_t>(digitValue(c));
            digits.push_back(c);
            ++position;
        }
    }
    return {sign, static_cast<int>(digits.size())};
}

void Arithmetic::chooseOperation(Operand first, Operand second) {
    if (first.sign == 0 && second.sign == 0) {
        state_.operation = 0;
        state_.resultSign = 0;
    } else if (first.sign == 1 && second.sign == 1) {
        state_.operation = 1;
        state_.resultSign = 1;
    } else {
        rankOppositeSigns(first, second);
    }
}

// Operands of opposite signs are ranked by magnitude. Both digit strings have the same length
// after padding, so the first differing digit from the most significant one decides; zeros typed
// at the left therefore never make the smaller magnitude the minuend.
void Arithmetic::rankOppositeSigns(Operand first, Operand second) {
    const std::string& digits1 = state_.digits1;
    const std::string& digits2 = state_.digits2;
    for (std::size_t i = 1; i < digits1.size(); ++i) {
        if (digits1.at(i) > digits2.at(i)) {
            state_.operation = 2;
            state_.resultSign = first.sign;
            return;
        }
        if (digits2.at(i) > digits1.at(i)) {
            state_.operation = 3;
            state_.resultSign = second.sign;
            return;
        }
    }
    state_.operation = 99;
    state_.resultSign = 0;
    zeroForEqualMagnitudes();
}

// Equal magnitudes: ComputeSum computes nothing and finds the zero result in row 0, so every
// position it reads for these strings is cleared in all three rows.
void Arithmetic::zeroForEqualMagnitudes() {
    const int digitCount = static_cast<int>(state_.digits1.size()) - 1;
    for (int position = 1; position <= digitCount + 2; ++position) {
        for (int row = 0; row <= DigitTable::lastRow; ++row) {
            state_.digitTable.at(position, row) = 0;
        }
    }
}

}  // namespace velmora

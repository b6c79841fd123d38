// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// Operand intake: from the texts of the two operand boxes to digits1, digits2, rows 1 and 2 of
// the digit table, the two "Число" report lines, the operation and the sign of the result.

#include <algorithm>
#include <cstdlib>

#include "arithmetic/arithmetic.h"
#include "arithmetic/digit_characters.h"

namespace velmora {

namespace {

constexpr int firstDigitPosition = 2;  // position 1 is the sign column
constexpr char signCharacter(int sign) {
    return sign == 1 ? '-' : '+';
}

}  // namespace

void Arithmetic::PrepareOperands() {
    const Operand first = readOperand(firstOperandBox, 1, state_.digits1);
    const Operand second = readOperand(secondOperandBox, 2, state_.digits2);

    const int missing = std::abs(first.length - second.length);
    std::string& shorter = first.length < second.length ? state_.digits1 : state_.digits2;
    shorter.insert(0, static_cast<std::size_t>(missing), '0');
    state_.digits1.insert(0, 1, signCharacter(first.sign));
    state_.digits2.insert(0, 1, signCharacter(second.sign));

    appendToReport(boxes_, {"Число 1: ", state_.digits1, lineBreak});
    appendToReport(boxes_, {"Число 2: ", state_.digits2, lineBreak});

    chooseOperation(first, second);
    ComputeSum();
}

// Scans one box by character code: a "-" in first place gives the sign, every digit character is
// kept and stored in the operand's row from position 2 on, everything else is passed over.
Arithmetic::Operand Arithmetic::readOperand(Box box, int row, std::string& digits) {
    state_.operandText = boxes_.text(box);
    const std::string& text = state_.operandText;
    const int sign = !text.empty() && text.front() == '-' ? 1 : 0;

    // The digits are gathered first and stored in the table after.
    keepDigits(text, digits);

    // The digits that fit are stored; the first one that does not raises the table's error.
    const int length = static_cast<int>(digits.size());
    const int fitting = std::min(length, DigitTable::lastPosition - firstDigitPosition + 1);
    const auto cells =
        state_.digitTable.positions(row, firstDigitPosition, firstDigitPosition + fitting - 1);
    std::transform(digits.begin(), digits.begin() + fitting, cells.begin(), digitValue16);
    if (fitting < length) {
        state_.digitTable.at(firstDigitPosition + fitting, row) = digitValue16(digits.at(fitting));
    }
    return {sign, length};
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
    const auto [one, two] =
        std::mismatch(digits1.begin() + 1, digits1.end(), digits2.begin() + 1, digits2.end());
    if (one == digits1.end()) {
        state_.operation = 99;
        state_.resultSign = 0;
        zeroForEqualMagnitudes();
    } else if (*one > *two) {
        state_.operation = 2;
        state_.resultSign = first.sign;
    } else {
        state_.operation = 3;
        state_.resultSign = second.sign;
    }
}

// Equal magnitudes: ComputeSum computes nothing and finds the zero result in row 0, so every
// position it reads for these strings is cleared in all three rows.
void Arithmetic::zeroForEqualMagnitudes() {
    const int digitCount = static_cast<int>(state_.digits1.size()) - 1;
    for (int row = 0; row <= DigitTable::lastRow; ++row) {
        const auto cells = state_.digitTable.positions(row, 1, digitCount + 2);
        std::fill(cells.begin(), cells.end(), 0);
    }
}

}  // namespace velmora

// Operand intake: from the texts of the two operand boxes to digits1, digits2, rows 1 and 2 of
// the digit table, the two "Число" report lines, the operation and the sign of the result.

#include <algorithm>
#include <cstdlib>

#include "arithmetic/arithmetic.h"
#include "arithmetic/digit_characters.h"

namespace velmora {

namespace {

constexpr int firstDigitPosition = 2;  // position 1 is the sign column
constexpr std::size_t operandLabelSize = std::string_view("Число 1: ").size();

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

    // One buffer for both lines: every allocation shows in the time of a compute.
    std::string line;
    line.reserve(operandLabelSize + state_.digits1.size() + lineBreak.size());
    const auto reportOperand = [&](std::string_view label, const std::string& digits) {
        line.assign(label).append(digits).append(lineBreak);
        appendToReport(boxes_, line);
    };
    reportOperand("Число 1: ", state_.digits1);
    reportOperand("Число 2: ", state_.digits2);

    chooseOperation(first, second);
    ComputeSum();
}

// Scans one box by character code: a "-" in first place gives the sign, every digit character is
// kept and stored in the operand's row from position 2 on, everything else is passed over.
Arithmetic::Operand Arithmetic::readOperand(int box, int row, std::string& digits) {
    state_.operandText = boxes_.text(box);
    const std::string& text = state_.operandText;
    const int sign = !text.empty() && text.front() == '-' ? 1 : 0;

    // The digits are gathered first and stored in the table after: a loop that appends to the
    // string and writes the table at once has to reload the string at every step.
    digits.resize(text.size());
    const auto end = std::copy_if(text.begin(), text.end(), digits.begin(), isDigitCharacter);
    digits.erase(end, digits.end());

    DigitTable& table = state_.digitTable;
    int position = firstDigitPosition;
    for (const char c : digits) {
        table.at(position, row) = static_cast<std::int16_t>(c - '0');
        ++position;
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
    for (int position = 1; position <= digitCount + 2; ++position) {
        for (int row = 0; row <= DigitTable::lastRow; ++row) {
            state_.digitTable.at(position, row) = 0;
        }
    }
}

}  // namespace velmora

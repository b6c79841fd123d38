// The digit-wise sum and difference: reload the operand rows from the padded digit strings,
// combine them from the units upward into row 0, and report and publish the signed result.

#include "arithmetic/arithmetic.h"
#include "arithmetic/digit_characters.h"

namespace velmora {

namespace {

constexpr int resultRow = 0;
constexpr int firstRow = 1;
constexpr int secondRow = 2;

}  // namespace

void Arithmetic::ComputeSum() {
    const int length = static_cast<int>(state_.digits1.size());
    reloadOperandRows(length);
    combineDigits(length);
    buildResultText(length);

    appendToReport(boxes_, state_.digits1 + std::string(lineBreak));
    appendToReport(boxes_, state_.digits2 + std::string(lineBreak));
    appendToReport(boxes_, state_.operandText + std::string(lineBreak));
    boxes_.setText(resultBox, state_.operandText);
}

// Character i of each digit string goes to position i; the sign character gives 0.
void Arithmetic::reloadOperandRows(int length) {
    for (int i = 1; i <= length; ++i) {
        const auto index = static_cast<std::size_t>(i - 1);
        state_.digitTable.at(i, firstRow) =
            static_cast<std::int16_t>(digitValue(state_.digits1.at(index)));
        state_.digitTable.at(i, secondRow) =
            static_cast<std::int16_t>(digitValue(state_.digits2.at(index)));
    }
}

// Row 0 is one position to the right of the operand rows: the digit computed from operand
// position p lands at p + 1, and position 2 takes the carry out of the sign column.
void Arithmetic::combineDigits(int length) {
    const int operation = state_.operation;
    if (operation < 0 || operation > 3) {
        return;  // 99: equal magnitudes, row 0 already holds the zero result
    }
    const bool adding = operation <= 1;
    int carry = 0;
    for (int i = length + 1; i >= 2; --i) {
        const int a = state_.digitTable.at(i - 1, firstRow);
        const int b = state_.digitTable.at(i - 1, secondRow);
        int s = carry;
        if (adding) {
            s += a + b;
            carry = s > 9 ? 1 : 0;
            s %= 10;
        } else {
            s += operation == 2 ? a - b : b - a;
            carry = s < 0 ? -1 : 0;
            s = s < 0 ? s + 10 : s;
        }
        state_.digitTable.at(i, resultRow) = static_cast<std::int16_t>(s);
    }
}

// The sign, then the digits of row 0 from the first non-zero one; exactly "+0" for zero.
void Arithmetic::buildResultText(int length) {
    int first = 2;
    while (first <= length + 1 && state_.digitTable.at(first, resultRow) == 0) {
        ++first;
    }
    std::string& result = state_.operandText;
    if (first > length + 1) {
        result = "+0";
        return;
    }
    result = state_.resultSign == 0 ? "+" : "-";
    for (int i = first; i <= length + 1; ++i) {
        result.push_back(static_cast<char>('0' + state_.digitTable.at(i, resultRow)));
    }
}

}  // namespace velmora

// The digit-wise sum and difference: reload the operand rows from the padded digit strings,
// combine them from the units upward into row 0, and report and publish the signed result.

#include "arithmetic/arithmetic.h"
#include "arithmetic/digit_characters.h"

namespace velmora {

namespace {

constexpr int resultRow = 0;
constexpr int firstRow = 1;
constexpr int secondRow = 2;

// Every value in the operand rows is a digit, so a column sum lies between 0 and 19 and a column
// difference between -10 and 9: one carry or borrow brings it back to a digit.
void addRows(DigitTable& table, int length) {
    int carry = 0;
    for (int i = length + 1; i >= 2; --i) {
        const int s = table.at(i - 1, firstRow) + table.at(i - 1, secondRow) + carry;
        carry = s > 9 ? 1 : 0;
        table.at(i, resultRow) = static_cast<std::int16_t>(s - 10 * carry);
    }
}

void subtractRows(DigitTable& table, int length, int minuendRow, int subtrahendRow) {
    int borrow = 0;
    for (int i = length + 1; i >= 2; --i) {
        const int s = table.at(i - 1, minuendRow) - table.at(i - 1, subtrahendRow) + borrow;
        borrow = s < 0 ? -1 : 0;
        table.at(i, resultRow) = static_cast<std::int16_t>(s - 10 * borrow);
    }
}

}  // namespace

void Arithmetic::ComputeSum() {
    const int length = static_cast<int>(state_.digits1.size());
    reloadOperandRows(length);
    combineDigits(length);
    buildResultText(length);

    // One buffer for the three lines.
    std::string line;
    line.reserve(state_.operandText.size() + state_.digits1.size() + lineBreak.size());
    for (const std::string* piece : {&state_.digits1, &state_.digits2, &state_.operandText}) {
        line.assign(*piece).append(lineBreak);
        appendToReport(boxes_, line);
    }
    boxes_.setText(resultBox, state_.operandText);
}

// Character i of each digit string goes to position i; the sign character gives 0.
void Arithmetic::reloadOperandRows(int length) {
    DigitTable& table = state_.digitTable;
    const std::string& digits1 = state_.digits1;
    const std::string& digits2 = state_.digits2;
    for (int i = 1; i <= length; ++i) {
        const auto index = static_cast<std::size_t>(i - 1);
        table.at(i, firstRow) = static_cast<std::int16_t>(digitValue(digits1.at(index)));
        table.at(i, secondRow) = static_cast<std::int16_t>(digitValue(digits2.at(index)));
    }
}

// Row 0 is one position to the right of the operand rows: the digit computed from operand
// position p lands at p + 1, and position 2 takes the carry out of the sign column.
void Arithmetic::combineDigits(int length) {
    DigitTable& table = state_.digitTable;
    switch (state_.operation) {
        case 0:
        case 1:
            addRows(table, length);
            break;
        case 2:
            subtractRows(table, length, firstRow, secondRow);
            break;
        case 3:
            subtractRows(table, length, secondRow, firstRow);
            break;
        default:
            break;  // 99: equal magnitudes, row 0 already holds the zero result
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

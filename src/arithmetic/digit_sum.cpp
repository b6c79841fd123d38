// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// The digit-wise sum and difference: reload the operand rows from the padded digit strings,
// combine them from the units upward into row 0, and report and publish the signed result.

#include <algorithm>
#include <span>

#include "arithmetic/arithmetic.h"
#include "arithmetic/digit_characters.h"

namespace velmora {

namespace {

constexpr int resultRow = 0;
constexpr int firstRow = 1;
constexpr int secondRow = 2;

// The operand columns 1 to n and the result positions 2 to n + 1, each run checked once: the
// digit computed from operand position p lands one position further right.
struct Columns {
    std::span<const std::int16_t> first;
    std::span<const std::int16_t> second;
    std::span<std::int16_t> result;

    Columns(DigitTable& table, int length, int minuendRow, int subtrahendRow)
        : first(table.positions(minuendRow, 1, length)),
          second(table.positions(subtrahendRow, 1, length)),
          result(table.positions(resultRow, 2, length + 1)) {}
};

// Every value in the operand rows is a digit, so a column sum lies between 0 and 19 and a column
// difference between -10 and 9: one carry or borrow brings it back to a digit.
void addRows(DigitTable& table, int length) {
    const Columns columns(table, length, firstRow, secondRow);
    int carry = 0;
    for (std::size_t k = columns.result.size(); k-- > 0;) {
        const int s = columns.first[k] + columns.second[k] + carry;
        carry = s > 9 ? 1 : 0;
        columns.result[k] = static_cast<std::int16_t>(s - 10 * carry);
    }
}

void subtractRows(DigitTable& table, int length, int minuendRow, int subtrahendRow) {
    const Columns columns(table, length, minuendRow, subtrahendRow);
    int borrow = 0;
    for (std::size_t k = columns.result.size(); k-- > 0;) {
        const int s = columns.first[k] - columns.second[k] + borrow;
        borrow = s < 0 ? -1 : 0;
        columns.result[k] = static_cast<std::int16_t>(s - 10 * borrow);
    }
}

}  // namespace

void Arithmetic::ComputeSum() {
    const int length = static_cast<int>(state_.digits1.size());
    reloadOperandRows();
    combineDigits(length);
    buildResultText(length);

    appendToReport(boxes_, {state_.digits1, lineBreak});
    appendToReport(boxes_, {state_.digits2, lineBreak});
    appendToReport(boxes_, {state_.operandText, lineBreak});
    boxes_.setText(resultBox, state_.operandText);
}

// Character i of each digit string goes to position i; the sign character gives 0.
void Arithmetic::reloadOperandRows() {
    const auto reload = [this](const std::string& digits, int row) {
        const auto cells = state_.digitTable.positions(row, 1, static_cast<int>(digits.size()));
        std::transform(digits.begin(), digits.end(), cells.begin(), digitValue16);
    };
    reload(state_.digits1, firstRow);
    reload(state_.digits2, secondRow);
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
    const auto digits = state_.digitTable.positions(resultRow, 2, length + 1);
    const auto first =
        std::find_if(digits.begin(), digits.end(), [](std::int16_t d) { return d != 0; });
    std::string& result = state_.operandText;
    if (first == digits.end()) {
        result = "+0";
        return;
    }
    result.resize(1 + static_cast<std::size_t>(digits.end() - first));
    result.front() = state_.resultSign == 0 ? '+' : '-';
    std::transform(first, digits.end(), result.begin() + 1,
                   [](std::int16_t d) { return static_cast<char>('0' + d); });
}

}  // namespace velmora

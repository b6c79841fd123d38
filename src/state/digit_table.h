// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The digit table of the long-integer arithmetic: positions 0 to 120 by rows 0 to 2, 16-bit
// signed digits. Row 0 holds the result, rows 1 and 2 the operands. Every index is checked: one
// cell at a time through at(), or a run of positions of one row as a whole through positions(),
// which the arithmetic's loops use so that the check is made once per run and not once per digit.

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>

#include "state/checked_table.h"

namespace velmora {

class DigitTable {
public:
    static constexpr int lastPosition = 120;
    static constexpr int lastRow = 2;

    std::int16_t& at(int position, int row) {
        return cells_[rowIndex(row)][positionIndex(position)];
    }
    std::int16_t at(int position, int row) const {
        return cells_[rowIndex(row)][positionIndex(position)];
    }

    // Positions first to last of one row (empty when last is first - 1). A run that reaches past
    // the table raises the error for its first position outside it.
    std::span<std::int16_t> positions(int row, int first, int last) {
        return std::span(cells_[rowIndex(row)])
            .subspan(runStart(first, last), runLength(first, last));
    }
    std::span<const std::int16_t> positions(int row, int first, int last) const {
        return std::span(cells_[rowIndex(row)])
            .subspan(runStart(first, last), runLength(first, last));
    }

private:
    static std::size_t runStart(int first, int last) {
        if (last > lastPosition) [[unlikely]] {
            throwPositionOutOfRange(std::max(first, lastPosition + 1));
        }
        return positionIndex(first);
    }
    static std::size_t runLength(int first, int last) {
        return last < first ? 0 : static_cast<std::size_t>(last - first + 1);
    }

    // The checks stay inline because the arithmetic touches the table for every digit; only the
    // rare failure leaves the line.
    static std::size_t positionIndex(int position) {
        if (position < 0 || position > lastPosition) [[unlikely]] {
            throwPositionOutOfRange(position);
        }
        return static_cast<std::size_t>(position);
    }
    static std::size_t rowIndex(int row) {
        if (row < 0 || row > lastRow) [[unlikely]] {
            throwRowOutOfRange(row);
        }
        return static_cast<std::size_t>(row);
    }
    [[noreturn]] static void throwPositionOutOfRange(int position);
    [[noreturn]] static void throwRowOutOfRange(int row);

    std::array<std::array<std::int16_t, lastPosition + 1>, lastRow + 1> cells_{};
};

}  // namespace velmora

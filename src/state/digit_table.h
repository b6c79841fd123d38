#pragma once
// The digit table of the long-integer arithmetic: positions 0 to 120 by rows 0 to 2, 16-bit
// signed digits. Row 0 holds the result, rows 1 and 2 the operands. Both indices are checked.

#include <array>
#include <cstdint>

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

private:
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

#include "state/digit_table.h"

namespace velmora {

std::size_t DigitTable::positionIndex(int position) {
    if (position < 0 || position > lastPosition) {
        throw IndexOutOfRange("digitTable", position, lastPosition);
    }
    return static_cast<std::size_t>(position);
}

std::size_t DigitTable::rowIndex(int row) {
    if (row < 0 || row > lastRow) {
        throw IndexOutOfRange("digitTable row", row, lastRow);
    }
    return static_cast<std::size_t>(row);
}

}  // namespace velmora

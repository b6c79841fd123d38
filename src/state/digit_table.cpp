#include "state/digit_table.h"

namespace velmora {

void DigitTable::throwPositionOutOfRange(int position) {
    throw IndexOutOfRange("digitTable", position, lastPosition);
}

void DigitTable::throwRowOutOfRange(int row) {
    throw IndexOutOfRange("digitTable row", row, lastRow);
}

}  // namespace velmora

#include "state/digit_table.h"

namespace velmora {

void DigitTable::throwPositionOutOfRange(int position) {
    throw IndexOutOfRange(Table::digitTable, position, lastPosition);
}

void DigitTable::throwRowOutOfRange(int row) {
    throw IndexOutOfRange(Table::digitTableRow, row, lastRow);
}

}  // namespace velmora

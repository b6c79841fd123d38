// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "state/digit_table.h"

namespace velmora {

void DigitTable::throwPositionOutOfRange(int position) {
    throw IndexOutOfRange(Table::digitTable, position, lastPosition);
}

void DigitTable::throwRowOutOfRange(int row) {
    throw IndexOutOfRange(Table::digitTableRow, row, lastRow);
}

}  // namespace velmora

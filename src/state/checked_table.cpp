// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "state/checked_table.h"

namespace velmora {

std::string_view tableName(Table table) {
    switch (table) {
        case Table::digitTable:
            return "digitTable";
        case Table::digitTableRow:
            return "digitTable row";
        case Table::scaleWords:
            return "scaleWords";
        case Table::numeralWords:
            return "numeralWords";
        case Table::pole:
            return "Pole";
    }
    return "?";
}

IndexOutOfRange::IndexOutOfRange(Table table, int index, int lastIndex)
    : std::out_of_range(std::string(tableName(table)) + ": index " + std::to_string(index) +
                        " outside 0.." + std::to_string(lastIndex)),
      table_(table),
      index_(index),
      lastIndex_(lastIndex) {}

}  // namespace velmora

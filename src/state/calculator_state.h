// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The one record that every procedure of the calculator reads and writes: the digit table, the two
// word tables and the scalar working variables. The form session owns exactly one; the procedures
// get it by reference and keep nothing of their own between runs.

#include <string>

#include "state/checked_table.h"
#include "state/digit_table.h"

namespace velmora {

struct CalculatorState {
    DigitTable digitTable;
    CheckedTable<std::string, 166> scaleWords{Table::scaleWords};
    CheckedTable<std::string, 170> numeralWords{Table::numeralWords};

    int digitCount = 0;    // digits in the result box
    int andFlag = 0;       // 1: the next word of the group is joined with "и"
    int hundredsFlag = 0;  // 1 once the group's hundreds word is written
    int groupIndex = 0;    // scale of the group being spelled: 0 units, 1 thousands, ...
    int operation = 0;     // 0, 1: add magnitudes; 2, 3: subtract; 99: the result is zero
    int resultSign = 0;    // 0: "+", 1: "-"

    std::string currentGroup;  // one to three digit characters of the group being spelled
    std::string operandText;   // the operand being read, later the result being built
    std::string digits1;       // sign, then the first operand's digits, zero-padded
    std::string digits2;       // likewise for the second operand; as long as digits1
};

}  // namespace velmora

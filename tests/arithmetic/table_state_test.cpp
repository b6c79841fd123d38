// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// What the digit table keeps from one computation to the next, and operands longer than the boxes
// admit handed in through the box interface: up to the table's size they are computed, beyond it
// the run stops with IndexOutOfRange and never touches memory outside the table.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "arithmetic_run.h"
#include "state/checked_table.h"
#include "support/gmp_oracle.h"

namespace velmora::testing {
namespace {

const std::string nines65 = repeated('9', 65);

TEST(TableState, EarlierComputationDoesNotChangeTheNextResult) {
    struct Sequence {
        const char* name;
        std::string earlierFirst;
        std::string earlierSecond;
        std::string first;
        std::string second;
    };
    const Sequence sequences[] = {
        {"long sum, then short sum", nines65, nines65, "5", "7"},
        {"long negative, then short positive", "-" + nines65, "-1", "3", "4"},
        {"long difference, then equal magnitudes", "1" + repeated('0', 64), "-1", "-25", "25"},
        {"long first operand, then only a second", nines65, "", "", "8"},
        {"negative result, then zeros typed at the left", "-5", "-7", "-0005", "5"},
        {"carry, then no carry", "999", "1", "1", "1"},
        {"long subtraction, then a shorter one", "-" + nines65, "1", "10", "-1"},
    };
    for (const Sequence& sequence : sequences) {
        ArithmeticRun run;
        run.run(sequence.earlierFirst, sequence.earlierSecond);
        EXPECT_EQ(run.run(sequence.first, sequence.second),
                  expectedArithmeticReport(sequence.first, sequence.second))
            << sequence.name;
        EXPECT_EQ(run.result(), expectedResultText(sequence.first, sequence.second))
            << sequence.name;
    }
}

TEST(TableState, ShortOperandsLeaveTheLongerDigitsBeyondThem) {
    ArithmeticRun run;
    run.run(nines65, nines65);  // row 0: 1, 64 nines, 8 at positions 2 to 67
    run.run("5", "7");

    struct Cell {
        const char* name;
        int position;
        int row;
        int value;
    };
    const Cell cells[] = {
        {"new first operand", 2, 1, 5},        {"new second operand", 2, 2, 7},
        {"new units of the result", 3, 0, 2},  {"old first operand", 3, 1, 9},
        {"old second operand", 66, 2, 9},      {"old result digit", 4, 0, 9},
        {"old units of the result", 67, 0, 8},
    };
    for (const Cell& cell : cells) {
        EXPECT_EQ(run.state.digitTable.at(cell.position, cell.row), cell.value) << cell.name;
    }
}

TEST(TableState, EqualMagnitudesClearTheirPositionsOnly) {
    struct Case {
        const char* name;
        std::string earlierFirst;
        std::string earlierSecond;
        std::string first;
        std::string second;
        int digitCount;  // L: the digits of the longer operand
    };
    const Case cases[] = {
        {"after a negative result", "-" + nines65, "-" + nines65, "-123", "123", 3},
        {"after a positive result", nines65, nines65, "00000", "-0", 5},
        {"signs alone", nines65, nines65, "-", "", 0},
    };
    for (const Case& c : cases) {
        ArithmeticRun run;
        run.run(c.earlierFirst, c.earlierSecond);
        run.run(c.first, c.second);
        EXPECT_EQ(run.state.operation, 99) << c.name;
        EXPECT_EQ(run.state.resultSign, 0) << c.name;
        EXPECT_EQ(run.result(), "+0") << c.name;
        for (int row = 0; row <= 2; ++row) {
            EXPECT_EQ(run.state.digitTable.at(c.digitCount + 2, row), 0)
                << c.name << " row " << row;
            EXPECT_EQ(run.state.digitTable.at(c.digitCount + 3, row), 9)
                << c.name << " row " << row;
        }
        for (int position = 1; position <= c.digitCount + 2; ++position) {
            EXPECT_EQ(run.state.digitTable.at(position, 0), 0) << c.name << " at " << position;
        }
    }
}

TEST(TableState, OperandsUpTo118DigitsFitTheTable) {
    for (int digits = 100; digits <= 125; ++digits) {
        const std::string first = repeated('9', digits);
        for (const std::string& second : {std::string("1"), "-" + first}) {
            ArithmeticRun run;
            const bool fits = digits <= 118;
            try {
                EXPECT_EQ(run.run(first, second), expectedArithmeticReport(first, second))
                    << digits << " digits";
                EXPECT_TRUE(fits) << digits << " digits must not fit";
            } catch (const IndexOutOfRange& error) {
                EXPECT_FALSE(fits) << digits << " digits must fit";
                EXPECT_EQ(error.table(), Table::digitTable);
                EXPECT_EQ(error.index(), 121) << digits << " digits";
            }
        }
    }
}

TEST(TableState, OperandsBeyondTheTableStopAtPosition121) {
    struct Case {
        const char* name;
        std::string first;
        std::string second;
        std::size_t linesKept;  // report lines written before the run stopped
        int row;                // the row whose last position shows how far the run wrote
        int lastValue;          // digitTable(120, row) when the run stopped
    };
    const std::string sevens119 = repeated('7', 119);
    const Case cases[] = {
        {"120 digits in the first box", repeated('7', 120), "1", 0, 1, 7},
        {"120 digits in the second box", "1", repeated('7', 120), 0, 2, 7},
        {"1000 digits", repeated('7', 1000), "", 0, 1, 7},
        {"119 digits: the sum has no room for its units", sevens119, "1", 2, 1, 7},
        {"119 digits of opposite signs: the clearing has no room", sevens119, "-" + sevens119, 2, 0,
         0},
    };
    for (const Case& c : cases) {
        ArithmeticRun run;
        run.boxes.setText(resultBox, "+1");
        try {
            run.run(c.first, c.second);
            ADD_FAILURE() << c.name << ": the run must stop";
        } catch (const IndexOutOfRange& error) {
            EXPECT_EQ(error.table(), Table::digitTable) << c.name;
            EXPECT_EQ(error.index(), 121) << c.name;
        }
        const std::vector<std::string> lines = reportLines(run.boxes.text(reportBox));
        EXPECT_EQ(lines.size(), c.linesKept) << c.name;
        if (c.linesKept == 2) {
            EXPECT_EQ(lines.at(0), "Число 1: +" + c.first) << c.name;
        }
        EXPECT_EQ(run.result(), "+1") << c.name;
        EXPECT_EQ(run.state.digitTable.at(120, c.row), c.lastValue) << c.name;
    }
}

TEST(TableState, JunkDoesNotCountTowardsTheTableSize) {
    std::string first;
    for (int i = 0; i < 118; ++i) {
        first += "9 я";
    }
    ArithmeticRun run;
    EXPECT_EQ(run.run(first, "1"), expectedArithmeticReport(first, "1"));
    EXPECT_EQ(run.result(), "+1" + repeated('0', 118));
}

}  // namespace
}  // namespace velmora::testing

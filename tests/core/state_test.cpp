// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// The bounds of the calculator's tables: every index outside them raises IndexOutOfRange and
// leaves the table as it was.

#include <gtest/gtest.h>

#include "state/calculator_state.h"
#include "state/memory_boxes.h"
#include "support/recording_boxes.h"

namespace velmora {
namespace {

struct BadIndex {
    const char* name;
    int position;
    int row;
};

TEST(DigitTable, RejectsEveryIndexOutsideItsBounds) {
    DigitTable table;
    table.at(120, 2) = 9;
    table.at(0, 0) = 4;
    const BadIndex cases[] = {
        {"position past the end", 121, 0}, {"negative position", -1, 1}, {"row past the end", 5, 3},
        {"negative row", 5, -1},           {"far position", 100000, 2},
    };
    for (const auto& bad : cases) {
        EXPECT_THROW(table.at(bad.position, bad.row) = 1, IndexOutOfRange) << bad.name;
    }
    EXPECT_EQ(table.at(120, 2), 9);
    EXPECT_EQ(table.at(0, 0), 4);
    EXPECT_EQ(table.at(0, 1), 0);
}

TEST(WordTables, HaveTheirBounds) {
    CalculatorState state;
    EXPECT_NO_THROW(state.scaleWords.at(166));
    EXPECT_NO_THROW(state.numeralWords.at(170));
    EXPECT_THROW(state.numeralWords.at(171), IndexOutOfRange);
}

TEST(MemoryBoxes, RejectsABoxThatDoesNotExist) {
    MemoryBoxes boxes;
    EXPECT_THROW(boxes.setText(static_cast<Box>(5), "x"), IndexOutOfRange);
    EXPECT_THROW(boxes.text(static_cast<Box>(-1)), IndexOutOfRange);
    appendToReport(boxes, "а");
    appendToReport(boxes, "б\r\n");
    EXPECT_EQ(boxes.text(reportBox), "аб\r\n");
}

// Appending in place leaves the text that reading it, joining the parts and writing it back
// leaves, append after append, whatever the box held before.
TEST(MemoryBoxes, AppendInPlaceGivesTheTextOfReadJoinWrite) {
    const std::initializer_list<std::string_view> appends[] = {
        {"Число 1: ", "+5", "\r\n"}, {}, {"", ""}, {" две хиляди"}, {"\r\n", "Нула\r\n"},
    };
    for (const std::string before : {"", "typed by the pupil\r\n", "ж"}) {
        MemoryBoxes inPlace;
        testing::RecordingBoxes byTheRule;
        inPlace.setText(reportBox, before);
        byTheRule.setText(reportBox, before);
        for (const auto& parts : appends) {
            inPlace.append(reportBox, parts);
            byTheRule.append(reportBox, parts);
            EXPECT_EQ(inPlace.text(reportBox), byTheRule.text(reportBox)) << before;
        }
    }
}

}  // namespace
}  // namespace velmora

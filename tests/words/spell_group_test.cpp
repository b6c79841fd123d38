// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// The group speller run on its own, as the report in words runs it for one group: the piece it
// appends in one write to the report box, and the flags it leaves for the next group.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "state/calculator_state.h"
#include "support/recording_boxes.h"
#include "words/number_words.h"

namespace velmora::testing {
namespace {

struct OneGroup {
    const char* name;
    std::string group;
    int groupIndex;
    int andFlag;  // as the caller sets it
    std::string piece;
    int andFlagAfter;
    int hundredsFlagAfter;
};

TEST(SpellGroup, AppendsTheGroupInOneWriteAndSetsTheFlags) {
    const std::vector<OneGroup> groups = {
        {"zeros at the left count for nothing", "007", 0, 1, " и седем \r\n", 1, 0},
        {"a group of zeros writes nothing", "000", 0, 1, "", 1, 0},
        {"a hundreds word sets both flags", "101", 0, 0, " сто и едно ", 1, 1},
        {"a hundreds word above the units", "300", 4, 0, " триста трилиона\r\n", 1, 1},
        {"tens leave the flags alone", "21", 1, 0, " двадесет и една хиляди\r\n", 0, 0},
        {"a teen in the millions", "11", 2, 0, " единадесет милиона\r\n", 0, 0},
        {"one at the highest scale", "1", 21, 0, "един вигинтилион\r\n", 0, 0},
        {"hundred and one at the highest scale", "101", 21, 0, " сто и един вигинтилиона\r\n", 1,
         1},
    };
    for (const OneGroup& one : groups) {
        CalculatorState state;
        RecordingBoxes boxes;
        NumberWords words(state, boxes);
        words.LoadWordTables();
        state.currentGroup = one.group;
        state.groupIndex = one.groupIndex;
        state.andFlag = one.andFlag;
        state.hundredsFlag = 1;  // left over from an earlier group
        boxes.forget();

        words.SpellGroup();

        const std::vector<std::string> oneAppend = {"read 1", "set 1"};
        EXPECT_EQ(boxes.journal(), one.piece.empty() ? std::vector<std::string>{} : oneAppend)
            << one.name;
        EXPECT_EQ(boxes.text(reportBox), one.piece) << one.name;
        EXPECT_EQ(state.andFlag, one.andFlagAfter) << one.name;
        EXPECT_EQ(state.hundredsFlag, one.hundredsFlagAfter) << one.name;
    }
}

TEST(SpellUnitGroup, FinishesTheLineAfterWhatIsOnIt) {
    CalculatorState state;
    RecordingBoxes boxes;
    NumberWords words(state, boxes);
    words.LoadWordTables();
    boxes.setText(reportBox, " двеста");
    state.currentGroup = "201";
    state.groupIndex = 3;

    words.SpellUnitGroup();

    EXPECT_EQ(boxes.text(reportBox), " двеста и един милиарда\r\n");
    EXPECT_EQ(state.groupIndex, 3);
}

}  // namespace
}  // namespace velmora::testing

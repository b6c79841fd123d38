// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// The three commands on in-memory boxes: the order of their steps, what compute replaces and what
// clear leaves alone, and how an out-of-bounds operand stops compute.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "form/commands.h"
#include "form/failure_message.h"
#include "state/checked_table.h"
#include "support/calculator.h"
#include "support/recording_boxes.h"

namespace velmora::testing {
namespace {

const std::string defaultReport =
    "Число 1: +43252003274489856000\r\n"
    "Число 2: +00000000000000000000\r\n"
    "+43252003274489856000\r\n"
    "+00000000000000000000\r\n"
    "+43252003274489856000\r\n"
    "43252003274489856000\r\n"
    "Абсолютната стойност на сумата е с 20 броя цифри \r\n"
    "Сумата словом:\r\n"
    " четиридесет и три квинтилиона\r\n"
    " двеста петдесет и два квадралиона\r\n"
    " три трилиона\r\n"
    " двеста седемдесет и четири милиарда\r\n"
    " четиристотин осемдесет и девет милиона\r\n"
    " осемстотин петдесет и шест хиляди\r\n";

TEST(ComputeCommand, RunsItsStepsInOrder) {
    CalculatorState state;
    RecordingBoxes boxes("5", "-7");
    Commands commands(state, boxes);
    commands.load();
    commands.click(computeButton);

    // Empty the report, read both operands, two operand lines, three result lines, publish the
    // result, read it back, three lines about it, the words, and lock the report last.
    const std::vector<std::string> expected = {
        "set 1", "read 3", "read 4", "read 1", "set 1", "read 1", "set 1",  "read 1",
        "set 1", "read 1", "set 1",  "read 1", "set 1", "set 2",  "read 2", "read 1",
        "set 1", "read 1", "set 1",  "read 1", "set 1", "read 1", "set 1",  "lock",
    };
    EXPECT_EQ(boxes.journal(), expected);
    EXPECT_EQ(boxes.text(resultBox), "-2");
    EXPECT_EQ(boxes.text(reportBox),
              "Число 1: +5\r\nЧисло 2: -7\r\n+5\r\n-7\r\n-2\r\n2\r\n"
              "Абсолютната стойност на сумата е с 1 брой цифри \r\nСумата словом:\r\n две ");
}

TEST(ComputeCommand, DefaultOperandsGiveTheWholeReport) {
    Calculator calculator;
    EXPECT_EQ(calculator.compute("43252003274489856000", ""), defaultReport);
    EXPECT_TRUE(calculator.boxes.reportLocked());
}

TEST(ComputeCommand, SecondComputeReplacesTheReport) {
    Calculator calculator;
    calculator.compute("999", "1");
    EXPECT_EQ(calculator.compute("43252003274489856000", ""), defaultReport);
}

TEST(ClearCommand, EmptiesTheWorkingBoxesAndLeavesTaskAndStateAlone) {
    Calculator calculator;
    calculator.boxes.setText(taskBox, "условие");
    calculator.compute("-123", "45");
    const std::string digits1 = calculator.state.digits1;
    const int storedDigit = calculator.state.digitTable.at(3, 0);

    calculator.commands.click(clearButton);

    for (const Box box : {reportBox, resultBox, firstOperandBox, secondOperandBox}) {
        EXPECT_EQ(calculator.boxes.text(box), "") << "box " << box;
    }
    EXPECT_EQ(calculator.boxes.text(taskBox), "условие");
    EXPECT_FALSE(calculator.boxes.reportLocked());
    EXPECT_EQ(calculator.state.digits1, digits1);
    EXPECT_EQ(calculator.state.digitTable.at(3, 0), storedDigit);
}

TEST(ClickCommand, IndexWithoutAButtonDoesNothing) {
    CalculatorState state;
    RecordingBoxes boxes("1", "2");
    Commands commands(state, boxes);
    for (const int index : {-1, 2, 99}) {
        commands.click(index);
    }
    EXPECT_TRUE(boxes.journal().empty());
}

TEST(ComputeCommand, OperandLongerThanTheTableStopsWithTheReportSoFar) {
    Calculator calculator;
    calculator.boxes.setText(resultBox, "+1");
    calculator.boxes.setText(firstOperandBox, std::string(120, '7'));
    try {
        calculator.commands.click(computeButton);
        FAIL() << "an operand of 120 digits must not fit the digit table";
    } catch (const IndexOutOfRange& error) {
        EXPECT_EQ(error.table(), Table::digitTable);
        EXPECT_EQ(error.index(), 121);
        EXPECT_NE(failureMessage(error).find("позиция 121"), std::string::npos);
    }
    EXPECT_EQ(calculator.boxes.text(reportBox), "");  // emptied, nothing appended yet
    EXPECT_EQ(calculator.boxes.text(resultBox), "+1");
    EXPECT_TRUE(calculator.compute("2", "3").starts_with("Число 1: +2\r\nЧисло 2: +3\r\n"));
    EXPECT_EQ(calculator.result(), "+5");
}

}  // namespace
}  // namespace velmora::testing

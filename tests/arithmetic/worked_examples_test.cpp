// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// The worked examples of operand intake and of the digit-wise sum: what the report, the result box,
// the operation codes and row 0 of the digit table hold after each of them.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "arithmetic_case.h"

namespace velmora::testing {
namespace {

TEST(WorkedExamples, OperandIntake) {
    const std::string zeros20 = repeated('0', 20);
    expectCases({
        {"default operand", "43252003274489856000", "", "+43252003274489856000", "+" + zeros20, 0,
         0, "+43252003274489856000"},
        {"negative first, shorter second", "-123", "45", "-123", "+045", 2, 1, "-78"},
        {"blank and letter inside", "12 345", "-12a346", "+12345", "-12346", 3, 1, "-1"},
        {"differ in the middle digit", "909", "-919", "+909", "-919", 3, 1, "-10"},
        {"both negative, padded", "-8", "-15", "-08", "-15", 1, 1, "-23"},
        {"plus sign against minus", "+7", "-7", "+7", "-7", 99, 0, "+0"},
        {"minus in the middle", "5-6", "-56", "+56", "-56", 99, 0, "+0"},
        {"minus zero and zero", "-0", "0", "-0", "+0", 99, 0, "+0"},
        {"blank before the minus", " -5", "3", "+5", "+3", 0, 0, "+8"},
        {"both empty", "", "", "+", "+", 0, 0, "+0"},
        {"minus alone and empty", "-", "", "-", "+", 99, 0, "+0"},
    });
}

struct SumExample {
    ArithmeticCase arithmetic;
    std::vector<int> resultRow;  // row 0 from position 2 to one past the last operand position
};

TEST(WorkedExamples, DigitWiseSum) {
    const std::string given = "43252003274489856000";
    std::vector<int> givenRow = {0};
    for (const char c : given) {
        givenRow.push_back(c - '0');
    }
    const std::vector<SumExample> rows = {
        {{"one-digit sum", "5", "7", "+5", "+7", 0, 0, "+12"}, {1, 2}},
        {{"carry into a new digit", "999", "1", "+999", "+001", 0, 0, "+1000"}, {1, 0, 0, 0}},
        {{"zeros typed at the left", "007", "1", "+007", "+001", 0, 0, "+8"}, {0, 0, 0, 8}},
        {{"both negative", "-3", "-4", "-3", "-4", 1, 1, "-7"}, {0, 7}},
        {{"both negative with carry", "-999", "-1", "-999", "-001", 1, 1, "-1000"}, {1, 0, 0, 0}},
        {{"first larger", "100", "-1", "+100", "-001", 2, 0, "+99"}, {0, 0, 9, 9}},
        {{"leading digits cancel", "43", "-41", "+43", "-41", 2, 0, "+2"}, {0, 0, 2}},
        {{"second larger", "5", "-12", "+05", "-12", 3, 1, "-7"}, {0, 0, 7}},
        {{"second larger by three digits", "1", "-1000", "+0001", "-1000", 3, 1, "-999"},
         {0, 0, 9, 9, 9}},
        {{"equal magnitudes", "-25", "25", "-25", "+25", 99, 0, "+0"}, {0, 0, 0}},
        {{"zeros", "0", "0", "+0", "+0", 0, 0, "+0"}, {0, 0}},
        {{"negative zeros", "-0", "-0", "-0", "-0", 1, 1, "+0"}, {0, 0}},
        {{"no digits", "", "", "+", "+", 0, 0, "+0"}, {0}},
        {{"default operand", given, "", "+" + given, "+" + repeated('0', 20), 0, 0, "+" + given},
         givenRow},
    };
    for (const SumExample& row : rows) {
        ArithmeticRun run;
        expectCase(run, row.arithmetic);
        EXPECT_EQ(run.resultRow(), row.resultRow) << row.arithmetic.name;
    }
}

// Boxes that keep a copy of the digit table as it stands when the second operand line is
// appended: what intake stored before the sum reloads the operand rows.
class IntakeSnapshotBoxes : public MemoryBoxes {
public:
    IntakeSnapshotBoxes(const CalculatorState& state, std::string first, std::string second)
        : MemoryBoxes(std::move(first), std::move(second)), state_(state) {}

    void append(Box box, std::initializer_list<std::string_view> parts) override {
        if (box == reportBox && !taken_ && parts.size() != 0 && *parts.begin() == "Число 2: ") {
            snapshot = state_.digitTable;
            taken_ = true;
        }
        MemoryBoxes::append(box, parts);
    }

    DigitTable snapshot;

private:
    const CalculatorState& state_;
    bool taken_ = false;
};

TEST(WorkedExamples, IntakeStoresTheDigitsAsTypedAndTheSumReloadsThemPadded) {
    CalculatorState state;
    IntakeSnapshotBoxes boxes(state, "-123", "45");
    Arithmetic(state, boxes).PrepareOperands();

    struct Cell {
        const char* name;
        int position;
        int row;
        int afterIntake;
        int afterSum;
    };
    const Cell cells[] = {
        {"first operand, most significant digit", 2, 1, 1, 1},
        {"first operand, units", 4, 1, 3, 3},
        {"second operand, first typed digit", 2, 2, 4, 0},
        {"second operand, second typed digit", 3, 2, 5, 4},
        {"second operand, units after padding", 4, 2, 0, 5},
    };
    for (const Cell& cell : cells) {
        EXPECT_EQ(boxes.snapshot.at(cell.position, cell.row), cell.afterIntake) << cell.name;
        EXPECT_EQ(state.digitTable.at(cell.position, cell.row), cell.afterSum) << cell.name;
    }
    EXPECT_EQ(boxes.text(resultBox), "-78");
}

}  // namespace
}  // namespace velmora::testing

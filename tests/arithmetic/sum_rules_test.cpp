// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// The rules of the signed sum, one test per rule: how the signs choose the operation, carries and
// borrows through every digit, zero results, empty boxes, characters that are not digits, and
// operands typed with zeros at their left.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "arithmetic_case.h"

namespace velmora::testing {
namespace {

const std::string nines65 = repeated('9', 65);
const std::string nines64 = repeated('9', 64);
const std::string one65 = repeated('0', 64) + "1";    // 1 written with 65 digits
const std::string power64 = "1" + repeated('0', 64);  // 10^64, 65 digits
const std::string power65 = "1" + repeated('0', 65);  // 10^65, 66 digits

TEST(SumRules, SignsChooseTheOperation) {
    expectCases({
        {"both positive", "5", "7", "+5", "+7", 0, 0, "+12"},
        {"both negative", "-5", "-7", "-5", "-7", 1, 1, "-12"},
        {"positive, then a larger negative", "5", "-7", "+5", "-7", 3, 1, "-2"},
        {"negative, then a larger positive", "-5", "7", "-5", "+7", 3, 0, "+2"},
        {"larger positive, then a negative", "7", "-5", "+7", "-5", 2, 0, "+2"},
        {"larger negative, then a positive", "-7", "5", "-7", "+5", 2, 1, "-2"},
        {"same length, the last digit decides", "123", "-124", "+123", "-124", 3, 1, "-1"},
        {"same length, the first digit decides", "-923", "124", "-923", "+124", 2, 1, "-799"},
        {"longer negative first", "-1000", "1", "-1000", "+0001", 2, 1, "-999"},
        {"longer positive second", "-1", "1000", "-0001", "+1000", 3, 0, "+999"},
    });
}

TEST(SumRules, CarryRunsThroughEveryDigit) {
    const std::vector<ArithmeticCase> rows = {
        {"65 nines plus 1", nines65, "1", "+" + nines65, "+" + one65, 0, 0, "+" + power65},
        {"1 plus 65 nines", "1", nines65, "+" + one65, "+" + nines65, 0, 0, "+" + power65},
        {"minus 65 nines minus 1", "-" + nines65, "-1", "-" + nines65, "-" + one65, 1, 1,
         "-" + power65},
        {"65 nines twice", nines65, nines65, "+" + nines65, "+" + nines65, 0, 0,
         "+1" + nines64 + "8"},
        {"65 fives twice", repeated('5', 65), repeated('5', 65), "+" + repeated('5', 65),
         "+" + repeated('5', 65), 0, 0, "+" + repeated('1', 65) + "0"},
        {"one digit into two", "5", "5", "+5", "+5", 0, 0, "+10"},
    };
    for (const ArithmeticCase& row : rows) {
        ArithmeticRun run;
        expectCase(run, row);
        EXPECT_EQ(run.state.digitTable.at(2, 0), 1) << row.name << ": the carry position";
    }
}

TEST(SumRules, BorrowRunsThroughEveryDigit) {
    const std::string nearly = repeated('4', 59) + "399999";  // 1 less than 44...400000
    const std::vector<ArithmeticCase> rows = {
        {"10^64 minus 1", power64, "-1", "+" + power64, "-" + one65, 2, 0, "+" + nines64},
        {"1 minus 10^64", "1", "-" + power64, "+" + one65, "-" + power64, 3, 1, "-" + nines64},
        {"minus 10^64 plus 1", "-" + power64, "1", "-" + power64, "+" + one65, 2, 1, "-" + nines64},
        {"10^64 minus 64 nines", power64, "-" + nines64, "+" + power64, "-0" + nines64, 2, 0, "+1"},
        {"65 digits that cancel but for a borrowed 1", repeated('4', 60) + "00000", "-" + nearly,
         "+" + repeated('4', 60) + "00000", "-" + nearly, 2, 0, "+1"},
    };
    for (const ArithmeticCase& row : rows) {
        ArithmeticRun run;
        expectCase(run, row);
        EXPECT_EQ(run.state.digitTable.at(2, 0), 0) << row.name << ": no borrow is left over";
    }
}

TEST(SumRules, ZeroResultIsAlwaysPlusZero) {
    expectCases({
        {"minus seven and seven", "-7", "7", "-7", "+7", 99, 0, "+0"},
        {"65 nines of opposite signs", "-" + nines65, nines65, "-" + nines65, "+" + nines65, 99, 0,
         "+0"},
        {"equal after zeros at the left", "123", "-0123", "+0123", "-0123", 99, 0, "+0"},
        {"many zeros against minus zero", "000", "-0", "+000", "-000", 99, 0, "+0"},
        {"two negative zeros", "-0", "-0", "-0", "-0", 1, 1, "+0"},
        {"negative zeros of different lengths", "-000", "-0", "-000", "-000", 1, 1, "+0"},
        {"65 zeros, both positive", repeated('0', 65), "0", "+" + repeated('0', 65),
         "+" + repeated('0', 65), 0, 0, "+0"},
    });
}

TEST(SumRules, EmptyAndSignOnlyBoxesHaveNoDigits) {
    expectCases({
        {"minus alone, then empty", "-", "", "-", "+", 99, 0, "+0"},
        {"empty, then minus alone", "", "-", "+", "-", 99, 0, "+0"},
        {"minus alone twice", "-", "-", "-", "-", 1, 1, "+0"},
        {"plus alone", "+", "", "+", "+", 0, 0, "+0"},
        {"empty, then digits", "", "42", "+00", "+42", 0, 0, "+42"},
        {"minus alone against digits", "-", "42", "-00", "+42", 3, 0, "+42"},
        {"digits against minus alone", "42", "-", "+42", "-00", 2, 0, "+42"},
        {"negative digits, then empty", "-42", "", "-42", "+00", 2, 1, "-42"},
        {"empty, then negative digits", "", "-42", "+00", "-42", 3, 1, "-42"},
    });
}

TEST(SumRules, CharactersOtherThanDigitsArePassedOver) {
    expectCases({
        {"separators", "1,000.50", "'2_0", "+100050", "+000020", 0, 0, "+100070"},
        {"plus in first place is no sign", "+5", "-3", "+5", "-3", 2, 0, "+2"},
        {"two minus signs", "--5", "2", "-5", "+2", 2, 1, "-3"},
        {"minus at the end", "5-", "-2", "+5", "-2", 2, 0, "+3"},
        {"plus and minus between digits", "1+2-3", "-4-5", "+123", "-045", 2, 0, "+78"},
        {"Cyrillic letters", "пет5", "-три3", "+5", "-3", 2, 0, "+2"},
        {"Arabic-Indic and fullwidth digits", "٣٤1", "５2", "+1", "+2", 0, 0, "+3"},
        {"superscripts and fractions", "²½9", "-¹1", "+9", "-1", 2, 0, "+8"},
        {"emoji", "😀7😀", "-🙂3", "+7", "-3", 2, 0, "+4"},
        {"tab, no-break space, line break", "\t4\u00a05", "1\r\n0", "+45", "+10", 0, 0, "+55"},
        {"Unicode minus sign is no sign", "\u22125", "3", "+5", "+3", 0, 0, "+8"},
        {"only letters in both", "abc", "-xyz", "+", "-", 99, 0, "+0"},
    });
}

TEST(SumRules, ZerosAtTheLeftDoNotRankAnOperand) {
    expectCases({
        {"negative with zeros against a larger positive", "-0005", "12", "-0005", "+0012", 3, 0,
         "+7"},
        {"larger positive against negative with zeros", "12", "-0005", "+0012", "-0005", 2, 0,
         "+7"},
        {"positive with zeros against a larger negative", "0005", "-12", "+0005", "-0012", 3, 1,
         "-7"},
        {"equal magnitudes, one typed with zeros", "-0005", "5", "-0005", "+0005", 99, 0, "+0"},
        {"zeros in front of the larger magnitude", "-0105", "12", "-0105", "+0012", 2, 1, "-93"},
        {"63 zeros in front of 1", "-" + repeated('0', 63) + "1", "2",
         "-" + repeated('0', 63) + "1", "+" + repeated('0', 63) + "2", 3, 0, "+1"},
        {"zeros against minus zero", "0000", "-0", "+0000", "-0000", 99, 0, "+0"},
        {"nearly cancelling, zeros in front", "-0099", "100", "-0099", "+0100", 3, 0, "+1"},
        {"1 in 65 digits against minus 1", one65, "-1", "+" + one65, "-" + one65, 99, 0, "+0"},
    });
}

}  // namespace
}  // namespace velmora::testing

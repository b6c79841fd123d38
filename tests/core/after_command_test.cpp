// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// What a pupil at the keyboard or with a screen reader meets after each command: where the focus
// goes and what is spoken, from the report the core really wrote.

#include <gtest/gtest.h>

#include <string>

#include "form/after_command.h"
#include "support/calculator.h"

namespace velmora::testing {
namespace {

struct SpokenCase {
    const char* name;
    const char* first;
    const char* second;
    const char* sum;
    const char* words;
};

TEST(AfterCompute, SpeaksTheSumThenItsWordsWithoutMovingTheFocus) {
    const SpokenCase cases[] = {
        {"zero", "5", "-5", "+0", "Нула"},
        {"a units group that ends the report without a line break", "1", "", "+1", "едно"},
        {"groups joined by single blanks", "-2001", "", "-2001", "две хиляди и едно"},
        {"a million", "1000000", "", "+1000000", "един милион"},
    };
    for (const auto& c : cases) {
        Calculator calculator;
        calculator.compute(c.first, c.second);
        const AfterCommand after = afterCommand(computeButton, calculator.boxes);
        EXPECT_EQ(after.focus, std::nullopt) << c.name;
        EXPECT_EQ(after.sum, c.sum) << c.name;
        EXPECT_EQ(after.sumInWords, c.words) << c.name;
        EXPECT_EQ(after.spoken(), std::string("Сума ") + c.sum + ", словом: " + c.words) << c.name;
    }
}

TEST(AfterCompute, AReportWithoutWordsHasNoneToSpeak) {
    EXPECT_EQ(sumInWords("Число 1: +5\r\nЧисло 2: +0\r\n"), "");
}

TEST(AfterClear, TheFocusGoesToTheFirstOperandAndNothingIsSpoken) {
    Calculator calculator;
    calculator.compute("12", "3");
    calculator.commands.clear();
    const AfterCommand after = afterCommand(clearButton, calculator.boxes);
    EXPECT_EQ(after.focus, firstOperandBox);
    EXPECT_EQ(after.spoken(), "");
}

}  // namespace
}  // namespace velmora::testing

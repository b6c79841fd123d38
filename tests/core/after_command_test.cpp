// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// What a pupil at the keyboard or with a screen reader meets after each command, as one session
// of the form answers it: where the focus goes and what is spoken, from the words the speller
// really wrote, for a front end that announces and for one whose result box speaks.

#include <gtest/gtest.h>

#include <string>

#include "form/after_command.h"
#include "form/form_session.h"

namespace velmora::testing {
namespace {

struct SpokenCase {
    const char* name;
    const char* first;
    const char* second;
    const char* sum;
    const char* words;
};

constexpr SpokenCase spokenCases[] = {
    {"zero", "5", "-5", "+0", "Нула"},
    {"a units group that ends the report without a line break", "1", "", "+1", "едно"},
    {"groups joined by single blanks", "-2001", "", "-2001", "две хиляди и едно"},
    {"a million", "1000000", "", "+1000000", "един милион"},
    {"a last group after higher ones", "1001000", "", "+1001000", "един милион и хиляда"},
};

SessionAnswer computeIn(FormSession& session, const SpokenCase& c) {
    session.typed(firstOperandBox, c.first);
    session.typed(secondOperandBox, c.second);
    return session.click(computeButton);
}

TEST(AfterCompute, AnnouncedSpeaksTheSumThenItsWordsWithoutMovingTheFocus) {
    for (const SpokenCase& c : spokenCases) {
        FormSession session(SumHeard::announced);
        const SessionAnswer answer = computeIn(session, c);
        EXPECT_EQ(answer.failure, std::nullopt) << c.name;
        EXPECT_EQ(answer.after.focus, std::nullopt) << c.name;
        EXPECT_EQ(answer.after.announcement, std::string("Сума ") + c.sum + ", словом: " + c.words)
            << c.name;
        EXPECT_EQ(answer.after.resultDescription, "") << c.name;
    }
}

TEST(AfterCompute, WithoutAnnouncementsTheResultBoxTakesTheFocusAndHoldsTheWords) {
    for (const SpokenCase& c : spokenCases) {
        FormSession session(SumHeard::inResultBox);
        const SessionAnswer answer = computeIn(session, c);
        EXPECT_EQ(answer.after.focus, resultBox) << c.name;
        EXPECT_EQ(answer.after.announcement, "") << c.name;
        EXPECT_EQ(answer.after.resultDescription, c.words) << c.name;
        EXPECT_EQ(session.text(resultBox), c.sum) << c.name;
    }
}

TEST(AfterClear, TheFocusGoesToTheFirstOperandAndNothingIsSpoken) {
    for (const SumHeard heard : {SumHeard::announced, SumHeard::inResultBox}) {
        FormSession session(heard);
        session.click(computeButton);
        const SessionAnswer answer = session.click(clearButton);
        EXPECT_EQ(answer.after.focus, firstOperandBox);
        EXPECT_EQ(answer.after.announcement, "");
        EXPECT_EQ(answer.after.resultDescription, "");
    }
}

// What the speller writes, and what a pupil may have typed into the report since, as one phrase.
TEST(AsPhrase, JoinsTheLinesWithoutTheBlanksAtTheirEnds) {
    const struct {
        const char* spelled;
        const char* phrase;
    } cases[] = {
        {"", ""},
        {" сто\r\n", "сто"},
        {" две хиляди\r\n и едно\r\n", "две хиляди и едно"},
        {"едно", "едно"},
        {"  \r\n \r\n", ""},
        {"\r\n сто \r\n\r\n и две  \r\n", "сто и две"},
        {"сто\nдве\r", "сто две"},
        {"сто  и  две", "сто  и  две"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(asPhrase(c.spelled), c.phrase) << c.spelled;
    }
}

}  // namespace
}  // namespace velmora::testing

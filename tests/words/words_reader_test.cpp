// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// The checks that the round trips rely on: the words reader understands the correct forms and
// refuses the faulty ones a speller could write, and the layout check notices broken lines.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "support/words_reader.h"
#include "words/report_layout.h"

namespace velmora::testing {
namespace {

struct Reading {
    const char* name;
    std::string words;
    std::optional<std::string> digits;
};

TEST(WordsReader, ReadsTheCorrectForms) {
    const std::vector<Reading> readings = {
        {"zero", "Нула\r\n", "0"},
        {"one, last line without a line break", " едно ", "1"},
        {"tens and one", " двадесет и едно ", "21"},
        {"hundreds, tens and units", " деветстотин деветдесет и девет \r\n", "999"},
        {"one thousand", " хиляда \r\n", "1000"},
        {"feminine one before thousands", " сто двадесет и една хиляди\r\n", "121000"},
        {"one million", "един милион\r\n", "1000000"},
        {"twenty-one million", " двадесет и един милиона\r\n", "21000000"},
        {"groups skipped in between", "един милион\r\n хиляда \r\n и едно ", "1001001"},
        {"units group after higher groups", " пет милиарда\r\nедин милион\r\n и сто \r\n",
         "5001000100"},
        {"a last thousand after higher groups", "един милион\r\n и хиляда \r\n", "1001000"},
        {"a last hundred thousand", "един милион\r\n и петстотин хиляди\r\n", "1500000"},
        {"a last million", "един милиард\r\n и един милион\r\n", "1001000000"},
        {"a last group with its own conjunction", " два милиарда\r\n двадесет и една хиляди\r\n",
         "2000021000"},
        {"highest scale, masculine two", " два вигинтилиона\r\n", "2" + std::string(63, '0')},
    };
    for (const Reading& reading : readings) {
        const ReadBack read = readBack(reading.words);
        EXPECT_EQ(read.digits, reading.digits) << reading.name << ": " << read.fault;
    }
}

TEST(WordsReader, RefusesFaultyForms) {
    const std::vector<Reading> faulty = {
        {"misspelt nine hundred", " деветстостин \r\n", std::nullopt},
        {"no conjunction between tens and units", " двадесет едно ", std::nullopt},
        {"no conjunction in a higher group", " четиридесет три квинтилиона\r\n", std::nullopt},
        {"a conjunction before the tens of three words", " сто и двадесет и едно ", std::nullopt},
        {"a lone word joined in a higher group", " и пет хиляди\r\n", std::nullopt},
        {"units group after higher groups not joined", " хиляда \r\n пет \r\n", std::nullopt},
        {"a last thousand not joined", "един милион\r\n хиляда \r\n", std::nullopt},
        {"a last group of one word not joined", " два милиарда\r\n пет милиона\r\n", std::nullopt},
        {"a last million not joined", "един милиард\r\nедин милион\r\n", std::nullopt},
        {"a conjunction before a thousand not last", " и хиляда \r\n и пет \r\n", std::nullopt},
        {"masculine one in the units group", " един \r\n", std::nullopt},
        {"one thousand after other words", " двадесет хиляда \r\n", std::nullopt},
        {"hundred and one thousand as хиляда", " сто и хиляда \r\n", std::nullopt},
        {"feminine one alone before thousands", " една хиляди\r\n", std::nullopt},
        {"masculine two before thousands", " два хиляди\r\n", std::nullopt},
        {"counting two before millions", " две милиона\r\n", std::nullopt},
        {"counting two at the highest scale", " две вигинтилиона\r\n", std::nullopt},
        {"plural after one alone", "един милиона\r\n", std::nullopt},
        {"singular after other words", " двадесет и един милион\r\n", std::nullopt},
        {"a teen followed by units", " петнадесет и три \r\n", std::nullopt},
        {"ten followed by units", " десет и три \r\n", std::nullopt},
        {"two hundreds words", " сто и двеста \r\n", std::nullopt},
        {"scales rising", " пет хиляди\r\n три милиона\r\n", std::nullopt},
        {"a scale twice", " пет хиляди\r\n шест хиляди\r\n", std::nullopt},
        {"an empty line between groups", " пет хиляди\r\n\r\n и три \r\n", std::nullopt},
        {"a scale word alone", " милиона\r\n", std::nullopt},
        {"nothing", "", std::nullopt},
    };
    for (const Reading& reading : faulty) {
        const ReadBack read = readBack(reading.words);
        EXPECT_EQ(read.digits, std::nullopt) << reading.name;
        EXPECT_FALSE(read.fault.empty()) << reading.name;
    }
}

struct Layout {
    const char* name;
    std::string fromDigitString;
    bool correct;
};

std::string countLine(int digits) {
    return "Абсолютната стойност на сумата е с " + std::to_string(digits) +
           (digits == 1 ? " брой" : " броя") + " цифри \r\n";
}

TEST(ReportLayout, NoticesBrokenLinesAndBlanks) {
    const std::string heading = "Сумата словом:\r\n";
    const std::vector<Layout> layouts = {
        {"zero", "0\r\n" + countLine(1) + heading + "Нула\r\n", true},
        {"counting form ends the report",
         "1001\r\n" + countLine(4) + heading + " хиляда \r\n и едно ", true},
        {"line break after the counting form",
         "1001\r\n" + countLine(4) + heading + " хиляда \r\n и едно \r\n", false},
        {"no line break after the last line", "5\r\n" + countLine(1) + heading + " пет ", false},
        {"two blanks in a row", "5\r\n" + countLine(1) + heading + " пет  \r\n", false},
        {"conjunction twice", "1005\r\n" + countLine(4) + heading + " хиляда \r\n и и пет \r\n",
         false},
        {"a group line missing", "1005\r\n" + countLine(4) + heading + " хиляда \r\n", false},
        {"wrong digit count", "1005\r\n" + countLine(3) + heading + " хиляда \r\n и пет \r\n",
         false},
        {"one digit counted in the plural",
         "5\r\nАбсолютната стойност на сумата е с 1 броя цифри \r\n" + heading + " пет \r\n",
         false},
        {"zeros at the left", "05\r\n" + countLine(2) + heading + " пет \r\n", false},
        {"no blank at the start", "5\r\n" + countLine(1) + heading + "пет \r\n", false},
    };
    for (const Layout& layout : layouts) {
        const std::optional<std::string> fault = wordsReportLayoutFault(layout.fromDigitString);
        EXPECT_EQ(!fault.has_value(), layout.correct) << layout.name << ": " << fault.value_or("");
    }
}

TEST(ReportLayout, ChecksTheOperandAndResultLines) {
    const std::string words = "5\r\n" + countLine(1) + "Сумата словом:\r\n пет \r\n";
    const std::vector<Layout> reports = {
        {"a whole report", "Число 1: +2\r\nЧисло 2: +3\r\n+2\r\n+3\r\n+5\r\n" + words, true},
        {"operands of different lengths",
         "Число 1: +12\r\nЧисло 2: +3\r\n+12\r\n+3\r\n+5\r\n" + words, false},
        {"result other than the digit string",
         "Число 1: +2\r\nЧисло 2: +4\r\n+2\r\n+4\r\n+6\r\n" + words, false},
        {"result with a zero at the left",
         "Число 1: +2\r\nЧисло 2: +3\r\n+2\r\n+3\r\n+05\r\n" + words, false},
        {"two boxes without digits",
         "Число 1: +\r\nЧисло 2: +\r\n+\r\n+\r\n+0\r\n0\r\n" + countLine(1) +
             "Сумата словом:\r\nНула\r\n",
         true},
        {"a result without digits", "Число 1: +\r\nЧисло 2: +\r\n+\r\n+\r\n+\r\n" + words, false},
        {"too short", "Число 1: +2\r\n", false},
    };
    for (const Layout& report : reports) {
        const std::optional<std::string> fault = reportLayoutFault(report.fromDigitString);
        EXPECT_EQ(!fault.has_value(), report.correct) << report.name << ": " << fault.value_or("");
    }
}

}  // namespace
}  // namespace velmora::testing

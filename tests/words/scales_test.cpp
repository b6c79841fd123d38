// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// The scales of the report: every scale word in both forms, the largest sum that typed operands
// give, and results too long for the last scale; also zero and negative results.

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "state/checked_table.h"
#include "words/phrases.h"

namespace velmora::testing {
namespace {

// Every scale from 10^3 to 10^63: five of it in the plural, one of it in the singular.
TEST(NumberWords, EveryScaleWord) {
    struct Scale {
        int power;  // of 1000
        const char* plural;
        const char* one;
    };
    const std::vector<Scale> scales = {
        {1, "хиляди", " хиляда "},
        {2, "милиона", "един милион"},
        {3, "милиарда", "един милиард"},
        {4, "трилиона", "един трилион"},
        {5, "квадралиона", "един квадралион"},
        {6, "квинтилиона", "един квинтилион"},
        {7, "секстилиона", "един секстилион"},
        {8, "септилиона", "един септилион"},
        {9, "октилиона", "един октилион"},
        {10, "нонилиона", "един нонилион"},
        {11, "децилиона", "един децилион"},
        {12, "индецилиона", "един индецилион"},
        {13, "дуодецилиона", "един дуодецилион"},
        {14, "тридецилиона", "един тридецилион"},
        {15, "куадродецилиона", "един куадродецилион"},
        {16, "куиндецилиона", "един куиндецилион"},
        {17, "сексдецилиона", "един сексдецилион"},
        {18, "септемдецилиона", "един септемдецилион"},
        {19, "октодецилиона", "един октодецилион"},
        {20, "новемдецилиона", "един новемдецилион"},
        {21, "вигинтилиона", "един вигинтилион"},
    };
    for (const Scale& scale : scales) {
        const std::string zeros(static_cast<std::size_t>(3 * scale.power), '0');
        EXPECT_EQ(wordsOf("5" + zeros), " пет " + std::string(scale.plural) + "\r\n")
            << "five at 1000^" << scale.power;
        EXPECT_EQ(wordsOf("1" + zeros), std::string(scale.one) + "\r\n")
            << "one at 1000^" << scale.power;
    }
}

TEST(NumberWords, ZeroIsNulaWithOneDigit) {
    const std::string zeroTail =
        "+0\r\n0\r\nАбсолютната стойност на сумата е с 1 брой цифри \r\nСумата словом:\r\nНула\r\n";
    const std::vector<std::pair<std::string, std::string>> zeros = {
        {"0", ""}, {"000", "-0"}, {"17", "-17"}, {"-999", "999"}, {"", ""}};
    for (const auto& [first, second] : zeros) {
        Calculator calculator;
        const std::string report = calculator.compute(first, second);
        EXPECT_TRUE(report.ends_with(zeroTail)) << first << " + " << second << ":\n" << report;
        EXPECT_EQ(calculator.result(), "+0") << first << " + " << second;
    }
}

TEST(NumberWords, NegativeResultIsSpelledLikeItsMagnitude) {
    Calculator calculator;
    EXPECT_TRUE(
        calculator.compute("3", "-1004")
            .ends_with("-1001\r\n1001\r\nАбсолютната стойност на сумата е с 4 броя цифри \r\n"
                       "Сумата словом:\r\n хиляда \r\n и едно "));
    expectPhrases({
        {"negative one", "-1", " едно "},
        {"negative feminine thousands", "-21000", " двадесет и една хиляди\r\n"},
        {"negative million", "-1000000", "един милион\r\n"},
    });
}

TEST(NumberWords, LargestSumOfSixtyFiveDigitOperands) {
    Calculator calculator;
    const std::string nines(65, '9');
    const std::string report = calculator.compute(nines, nines);
    const std::string digits = "1" + std::string(64, '9') + "8";
    EXPECT_EQ(calculator.result(), "+" + digits);
    const std::string expectedTail = digits +
                                     "\r\nАбсолютната стойност на сумата е с 66 броя цифри \r\n"
                                     "Сумата словом:\r\n"
                                     " сто деветдесет и девет вигинтилиона\r\n"
                                     " деветстотин деветдесет и девет новемдецилиона\r\n"
                                     " деветстотин деветдесет и девет октодецилиона\r\n"
                                     " деветстотин деветдесет и девет септемдецилиона\r\n"
                                     " деветстотин деветдесет и девет сексдецилиона\r\n"
                                     " деветстотин деветдесет и девет куиндецилиона\r\n"
                                     " деветстотин деветдесет и девет куадродецилиона\r\n"
                                     " деветстотин деветдесет и девет тридецилиона\r\n"
                                     " деветстотин деветдесет и девет дуодецилиона\r\n"
                                     " деветстотин деветдесет и девет индецилиона\r\n"
                                     " деветстотин деветдесет и девет децилиона\r\n"
                                     " деветстотин деветдесет и девет нонилиона\r\n"
                                     " деветстотин деветдесет и девет октилиона\r\n"
                                     " деветстотин деветдесет и девет септилиона\r\n"
                                     " деветстотин деветдесет и девет секстилиона\r\n"
                                     " деветстотин деветдесет и девет квинтилиона\r\n"
                                     " деветстотин деветдесет и девет квадралиона\r\n"
                                     " деветстотин деветдесет и девет трилиона\r\n"
                                     " деветстотин деветдесет и девет милиарда\r\n"
                                     " деветстотин деветдесет и девет милиона\r\n"
                                     " деветстотин деветдесет и девет хиляди\r\n"
                                     " деветстотин деветдесет и осем \r\n";
    EXPECT_TRUE(report.ends_with("+" + digits + "\r\n" + expectedTail)) << report;
}

// Results of more than 66 digits have a leading group beyond "вигинтилиона": the command stops
// there rather than spell a number it has no word for.
TEST(NumberWords, ResultBeyondTheLastScaleIsRefused) {
    struct Beyond {
        const char* name;
        std::string first;
        std::string second;
        int groupIndex;
    };
    const std::vector<Beyond> cases = {
        {"67 digits from a carry", std::string(66, '9'), "1", 22},
        {"70 digits typed", "7" + std::string(69, '0'), "", 23},
        {"no half line of a leading group of three words", "123" + std::string(66, '0'), "", 22},
        {"71 digits from two 70-digit operands", std::string(70, '9'), std::string(70, '9'), 23},
    };
    for (const Beyond& beyond : cases) {
        Calculator calculator;
        try {
            calculator.compute(beyond.first, beyond.second);
            ADD_FAILURE() << beyond.name << ": no error";
        } catch (const IndexOutOfRange& error) {
            EXPECT_EQ(error.table(), Table::scaleWords) << beyond.name;
            EXPECT_EQ(error.index(), beyond.groupIndex) << beyond.name;
            EXPECT_TRUE(calculator.boxes.text(reportBox).ends_with(wordsHeading)) << beyond.name;
        }
    }
}

// The words are put together in a buffer of fixed room: a word table changed to hold a longer
// word stops the command with an error, and no part of the words reaches the report.
TEST(NumberWords, WordsLongerThanTheirRoomAreRefused) {
    Calculator calculator;
    calculator.state.scaleWords.at(1) = std::string(3000, 'x');
    EXPECT_THROW(calculator.compute("5000", ""), std::length_error);
    EXPECT_TRUE(calculator.boxes.text(reportBox).ends_with(wordsHeading));
}

}  // namespace
}  // namespace velmora::testing

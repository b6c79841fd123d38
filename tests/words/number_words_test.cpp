// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// Known Bulgarian phrases, one table per rule, each driven through the whole compute command
// with the number as the first operand: what the report holds after its heading line.

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "words/phrases.h"

namespace velmora::testing {
namespace {

TEST(NumberWords, OneToNineteenAlone) {
    expectPhrases({
        {"one takes the counting form and ends the report", "1", " едно "},
        {"two takes the counting form and ends the report", "2", " две "},
        {"three", "3", " три \r\n"},
        {"four", "4", " четири \r\n"},
        {"five", "5", " пет \r\n"},
        {"six", "6", " шест \r\n"},
        {"seven", "7", " седем \r\n"},
        {"eight", "8", " осем \r\n"},
        {"nine", "9", " девет \r\n"},
        {"ten", "10", " десет \r\n"},
        {"eleven is a teen, not one", "11", " единадесет \r\n"},
        {"twelve is a teen, not two", "12", " дванадесет \r\n"},
        {"thirteen", "13", " тринадесет \r\n"},
        {"fourteen", "14", " четиринадесет \r\n"},
        {"fifteen", "15", " петнадесет \r\n"},
        {"sixteen", "16", " шестнадесет \r\n"},
        {"seventeen", "17", " седемнадесет \r\n"},
        {"eighteen", "18", " осемнадесет \r\n"},
        {"nineteen", "19", " деветнадесет \r\n"},
    });
}

TEST(NumberWords, ExactTensAndTensWithUnits) {
    expectPhrases({
        {"twenty", "20", " двадесет \r\n"},
        {"thirty", "30", " тридесет \r\n"},
        {"forty", "40", " четиридесет \r\n"},
        {"fifty", "50", " петдесет \r\n"},
        {"sixty", "60", " шестдесет \r\n"},
        {"seventy", "70", " седемдесет \r\n"},
        {"eighty", "80", " осемдесет \r\n"},
        {"ninety", "90", " деветдесет \r\n"},
        {"tens and one: conjunction, counting form", "21", " двадесет и едно "},
        {"tens and two: conjunction, counting form", "22", " двадесет и две "},
        {"tens and three", "33", " тридесет и три \r\n"},
        {"tens and four", "44", " четиридесет и четири \r\n"},
        {"tens and five", "55", " петдесет и пет \r\n"},
        {"tens and six", "66", " шестдесет и шест \r\n"},
        {"tens and seven", "77", " седемдесет и седем \r\n"},
        {"tens and eight", "88", " осемдесет и осем \r\n"},
        {"ninety-one", "91", " деветдесет и едно "},
        {"ninety-nine", "99", " деветдесет и девет \r\n"},
    });
}

TEST(NumberWords, HundredsWithAndWithoutConjunction) {
    expectPhrases({
        {"exact hundred", "100", " сто \r\n"},
        {"two hundred", "200", " двеста \r\n"},
        {"three hundred", "300", " триста \r\n"},
        {"four hundred", "400", " четиристотин \r\n"},
        {"five hundred", "500", " петстотин \r\n"},
        {"six hundred", "600", " шестстотин \r\n"},
        {"seven hundred", "700", " седемстотин \r\n"},
        {"eight hundred", "800", " осемстотин \r\n"},
        {"nine hundred is spelt with -стотин", "900", " деветстотин \r\n"},
        {"hundred and one", "101", " сто и едно "},
        {"hundred and two", "102", " сто и две "},
        {"hundred and a units word", "305", " триста и пет \r\n"},
        {"hundred and ten", "110", " сто и десет \r\n"},
        {"hundred and a teen", "111", " сто и единадесет \r\n"},
        {"hundred and nineteen", "519", " петстотин и деветнадесет \r\n"},
        {"hundred and exact tens", "120", " сто и двадесет \r\n"},
        {"hundred and forty", "640", " шестстотин и четиридесет \r\n"},
        {"conjunction only before the last word", "121", " сто двадесет и едно "},
        {"three words", "777", " седемстотин седемдесет и седем \r\n"},
        {"largest group", "999", " деветстотин деветдесет и девет \r\n"},
    });
}

TEST(NumberWords, UnitsGroupAfterHigherGroups) {
    expectPhrases({
        {"one after the thousands", "1001", " хиляда \r\n и едно "},
        {"two after the thousands", "2002", " две хиляди\r\n и две "},
        {"a single word takes the conjunction", "1005", " хиляда \r\n и пет \r\n"},
        {"group 007 is spelled by its value", "3007", " три хиляди\r\n и седем \r\n"},
        {"exact tens", "1020", " хиляда \r\n и двадесет \r\n"},
        {"a teen", "1011", " хиляда \r\n и единадесет \r\n"},
        {"exact hundred takes the conjunction", "1100", " хиляда \r\n и сто \r\n"},
        {"exact two hundred", "1200", " хиляда \r\n и двеста \r\n"},
        {"tens and units: one conjunction", "2021", " две хиляди\r\n двадесет и едно "},
        {"tens and units", "1099", " хиляда \r\n деветдесет и девет \r\n"},
        {"hundred and one", "1101", " хиляда \r\n сто и едно "},
        {"three words", "1121", " хиляда \r\n сто двадесет и едно "},
        {"two groups", "12345", " дванадесет хиляди\r\n триста четиридесет и пет \r\n"},
    });
}

TEST(NumberWords, ThousandsForms) {
    expectPhrases({
        {"one thousand", "1000", " хиляда \r\n"},
        {"two thousand", "2000", " две хиляди\r\n"},
        {"three thousand", "3000", " три хиляди\r\n"},
        {"a teen of thousands", "11000", " единадесет хиляди\r\n"},
        {"twelve thousand", "12000", " дванадесет хиляди\r\n"},
        {"exact tens of thousands", "20000", " двадесет хиляди\r\n"},
        {"twenty-one thousand: feminine one", "21000", " двадесет и една хиляди\r\n"},
        {"twenty-two thousand", "22000", " двадесет и две хиляди\r\n"},
        {"twenty-five thousand", "25000", " двадесет и пет хиляди\r\n"},
        {"exact hundred thousand", "100000", " сто хиляди\r\n"},
        {"hundred and one thousand", "101000", " сто и една хиляди\r\n"},
        {"hundred and two thousand", "102000", " сто и две хиляди\r\n"},
        {"hundred twenty-one thousand", "121000", " сто двадесет и една хиляди\r\n"},
        {"largest thousands group", "999000", " деветстотин деветдесет и девет хиляди\r\n"},
    });
}

TEST(NumberWords, MillionsForms) {
    expectPhrases({
        {"one million: singular, no leading blank", "1000000", "един милион\r\n"},
        {"two million: masculine two, plural", "2000000", " два милиона\r\n"},
        {"a teen of millions is no one", "11000000", " единадесет милиона\r\n"},
        {"exact tens of millions", "20000000", " двадесет милиона\r\n"},
        {"twenty-one million keeps the plural", "21000000", " двадесет и един милиона\r\n"},
        {"twenty-two million", "22000000", " двадесет и два милиона\r\n"},
        {"hundred and one million", "101000000", " сто и един милиона\r\n"},
        {"hundred and two million", "102000000", " сто и два милиона\r\n"},
        {"hundred twenty-one million", "121000000", " сто двадесет и един милиона\r\n"},
        {"one billion", "1000000000", "един милиард\r\n"},
        {"five billion", "5000000000", " пет милиарда\r\n"},
    });
}

TEST(NumberWords, WholeResultsOfSeveralGroups) {
    expectPhrases({
        {"million and thousand: the last group spoken is joined", "1001000",
         "един милион\r\n и хиляда \r\n"},
        {"a last group of hundreds of thousands", "1500000",
         "един милион\r\n и петстотин хиляди\r\n"},
        {"a last million after a billion", "1001000000", "един милиард\r\n и един милион\r\n"},
        {"a last group with a conjunction of its own", "2021000",
         " два милиона\r\n двадесет и една хиляди\r\n"},
        {"a last teen of millions", "3011000000", " три милиарда\r\n и единадесет милиона\r\n"},
        {"a last two thousand", "1002000", "един милион\r\n и две хиляди\r\n"},
        {"million and one", "1000001", "един милион\r\n и едно "},
        {"million, thousand and one", "1001001", "един милион\r\n хиляда \r\n и едно "},
        {"million and three", "3000003", " три милиона\r\n и три \r\n"},
        {"group 001 as the last group", "5001000000", " пет милиарда\r\n и един милион\r\n"},
        {"group 001 between others", "7001000005", " седем милиарда\r\nедин милион\r\n и пет \r\n"},
        {"groups of one and two mixed", "2001002000",
         " два милиарда\r\nедин милион\r\n и две хиляди\r\n"},
        {"the default operand", "43252003274489856000",
         " четиридесет и три квинтилиона\r\n двеста петдесет и два квадралиона\r\n"
         " три трилиона\r\n двеста седемдесет и четири милиарда\r\n"
         " четиристотин осемдесет и девет милиона\r\n осемстотин петдесет и шест хиляди\r\n"},
    });
}

}  // namespace
}  // namespace velmora::testing

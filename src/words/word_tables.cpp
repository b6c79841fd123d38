// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// The words of the report: the plural scale words by power of 1000 and the numerals in four
// blocks of ten (units, teens, tens, hundreds). The entry at each block's base is a marker that
// no report ever shows, since digit 0 is never spoken.

#include <array>
#include <string_view>

#include "words/number_words.h"

namespace velmora {

namespace {

constexpr std::array<std::string_view, 22> scaleTable = {
    "",
    "хиляди",
    "милиона",
    "милиарда",
    "трилиона",
    "квадралиона",
    "квинтилиона",
    "секстилиона",
    "септилиона",
    "октилиона",
    "нонилиона",
    "децилиона",
    "индецилиона",
    "дуодецилиона",
    "тридецилиона",
    "куадродецилиона",
    "куиндецилиона",
    "сексдецилиона",
    "септемдецилиона",
    "октодецилиона",
    "новемдецилиона",
    "вигинтилиона",
};

constexpr std::array<std::string_view, 40> numeralTable = {
    // units
    "!!! 1-ci",
    "един",
    "два",
    "три",
    "четири",
    "пет",
    "шест",
    "седем",
    "осем",
    "девет",
    // teens
    "!!! 11-19-ci",
    "единадесет",
    "дванадесет",
    "тринадесет",
    "четиринадесет",
    "петнадесет",
    "шестнадесет",
    "седемнадесет",
    "осемнадесет",
    "деветнадесет",
    // tens
    "!!! 10-ci",
    "десет",
    "двадесет",
    "тридесет",
    "четиридесет",
    "петдесет",
    "шестдесет",
    "седемдесет",
    "осемдесет",
    "деветдесет",
    // hundreds
    "!!! 100-ci",
    "сто",
    "двеста",
    "триста",
    "четиристотин",
    "петстотин",
    "шестстотин",
    "седемстотин",
    "осемстотин",
    "деветстотин",
};

}  // namespace

int lastScale() {
    return static_cast<int>(scaleTable.size()) - 1;
}

void NumberWords::LoadWordTables() {
    for (std::size_t i = 0; i < scaleTable.size(); ++i) {
        state_.scaleWords.at(static_cast<int>(i)) = scaleTable[i];
    }
    for (std::size_t i = 0; i < numeralTable.size(); ++i) {
        state_.numeralWords.at(static_cast<int>(i)) = numeralTable[i];
    }
}

}  // namespace velmora

// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// A group of the millions or above whose last spoken word is "един". Alone it takes the singular
// scale word ("един милион"), joined with "и" when it is the last group spoken after higher ones;
// after a hundreds or tens word it is joined with "и" and keeps the plural ("двадесет и един
// милиона").

#include <string>
#include <string_view>

#include "words/group_value.h"
#include "words/number_words.h"
#include "words/word_lines.h"

namespace velmora {

namespace {

// Drops the last character of a UTF-8 word: its lead byte and any continuation bytes.
std::string_view withoutLastCharacter(std::string_view word) {
    std::size_t end = word.size();
    while (end > 0 && (static_cast<unsigned char>(word[end - 1]) & 0xC0) == 0x80) {
        --end;
    }
    return word.substr(0, end > 0 ? end - 1 : 0);
}

}  // namespace

void NumberWords::SpellUnitGroup() {
    WordLines line;
    spellUnitGroup(line);
    appendToReport(boxes_, line.text());
}

void NumberWords::spellUnitGroup(WordLines& line) const {
    const std::string& plural = scaleWord();
    if (groupValue(state_.currentGroup) == 1) {
        line.add(state_.andFlag > 0 ? " и един " : "един ");
        line.add(withoutLastCharacter(plural));
    } else {
        line.add(" и един ");
        line.add(plural);
    }
    line.add(lineBreak);
}

}  // namespace velmora

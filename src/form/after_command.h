// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What follows a command for a pupil at the keyboard or with a screen reader, decided once for
// both front ends. The focus starts in the first operand box and goes back there after a clear,
// so the next number is typed at once. After a compute a screen reader hears the sum, then the
// sum in words: announced, with the focus left where the pupil is, where the front end can
// announce a text; otherwise from the result box, which takes the focus and whose description
// holds the words until the next command. A command that stopped on an error has nothing to
// follow: its message says why.

#include <optional>
#include <string>
#include <string_view>

#include "form/commands.h"
#include "state/boxes.h"

namespace velmora {

// How a front end has a screen reader hear the sum after a compute.
enum class SumHeard {
    announced,    // told at once; the focus stays where the pupil is
    inResultBox,  // the result box takes the focus; its description holds the words
};

// The page announces through a status region. The window announces where its Qt can, from 6.8
// on (QAccessibleAnnouncementEvent); an older Qt cannot, and there the result box speaks.
inline constexpr SumHeard pageSumHeard = SumHeard::announced;
constexpr SumHeard windowSumHeard(bool qtAnnounces) {
    return qtAnnounces ? SumHeard::announced : SumHeard::inResultBox;
}

inline constexpr Box focusAtStart = firstOperandBox;

// Enter in a box that holds a number computes: in an operand box, and in the result box, where a
// compute may leave the focus.
bool enterComputesIn(Box box);

struct AfterCommand {
    std::optional<Box> focus;       // the box that takes the focus, when it moves
    std::string announcement;       // told to a screen reader at once; "" for nothing
    std::string resultDescription;  // the result box's description; "" for its tooltip
};

// After a command that ran to its end. sum is the result box's text and spelled the words as the
// speller wrote them, both only after a compute.
AfterCommand afterCommand(Button button, SumHeard heard, std::string_view sum,
                          std::string_view spelled);

// Words as the speller writes them, one line per group with blanks at both ends, as one phrase:
// the lines without those blanks, joined by one blank.
std::string asPhrase(std::string_view spelled);

}  // namespace velmora

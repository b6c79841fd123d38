// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What follows a command for a pupil at the keyboard or with a screen reader, decided once for
// both front ends. The focus starts in the first operand box and goes back there after a clear,
// so the next number is typed at once. A compute leaves the focus where the pupil is and has the
// sum spoken, then the sum in words. A command that stopped on an error has nothing to follow:
// its message says why.

#include <optional>
#include <string>
#include <string_view>

#include "state/boxes.h"

namespace velmora {

inline constexpr Box focusAtStart = firstOperandBox;

// Enter in a box that holds a number computes: in an operand box, and in the result box, where a
// compute may leave the focus.
bool enterComputesIn(Box box);

struct AfterCommand {
    std::optional<Box> focus;  // the box that takes the focus, when it moves
    std::string sum;           // for a screen reader after a compute: the signed sum,
    std::string sumInWords;    // then the sum in words; both empty after a clear

    // The sum and the words as one message, or "" when there is nothing to speak.
    std::string spoken() const;
};

// After a command that ran to its end.
AfterCommand afterCommand(int button, const Boxes& boxes);

// The words of a report as one phrase: its lines after the words' heading, joined by blanks.
std::string sumInWords(std::string_view report);

}  // namespace velmora

// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// One session of the form, as each front end holds it: the one CalculatorState, the five boxes
// in memory, started with the control table's texts, and the three commands, the load run at
// once. A front end hands in what the user typed and the click of a button; the session runs the
// command and answers with what to show: the boxes the program wrote, the report's lock, the
// failure message of a command that stopped, and where the focus goes and what a screen reader
// is told after one that ended. The front end keeps no texts of its own.

#include <optional>
#include <string>
#include <string_view>

#include "form/after_command.h"
#include "form/commands.h"
#include "form/session_boxes.h"
#include "state/calculator_state.h"

namespace velmora {

struct SessionAnswer {
    SessionBoxes::Written written{};     // the boxes whose text the front end is to show anew
    bool reportLocked = true;            // the report box's lock after the command
    std::optional<std::string> failure;  // why the command stopped, when it did
    AfterCommand after;                  // after a command that ended
};

class FormSession {
public:
    explicit FormSession(SumHeard sumHeard);
    FormSession(const FormSession&) = delete;
    FormSession& operator=(const FormSession&) = delete;

    // The text of a box, exactly as the program wrote it or the user typed it (UTF-8, CR LF).
    std::string_view text(Box box) const { return boxes_.view(box); }
    bool reportLocked() const { return boxes_.reportLocked(); }

    void typed(Box box, std::string text) { boxes_.takeTyped(box, std::move(text)); }

    // The click of Buton(index); an index without a button does nothing and writes nothing.
    SessionAnswer click(int index);

    // The boxes as the procedures see them, for a tool or test that stands in for the program; what
    // is written here is in the next answer.
    Boxes& boxes() { return boxes_; }

private:
    CalculatorState state_;
    SessionBoxes boxes_;
    Commands commands_;
    SumHeard sumHeard_;
};

}  // namespace velmora

// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The form of the browser edition, as the page's script holds it: it owns the one CalculatorState,
// the five boxes (in memory, started with the control table's texts) and the three commands, the
// way the window does. Before a command the page hands in the texts the user changed; after it
// the page reads every text back and shows it. A command that stops keeps what it had written
// and gives the window's failure message instead of ""; one that ended tells where the focus goes
// and what a screen reader is told.

#include <string>

#include "form/commands.h"
#include "state/calculator_state.h"
#include "state/memory_boxes.h"

namespace velmora {

class WebForm {
public:
    WebForm();
    WebForm(const WebForm&) = delete;
    WebForm& operator=(const WebForm&) = delete;

    // The script names a box by its number.
    std::string text(int box) const { return boxes_.text(boxAt(box)); }
    void setText(int box, std::string text) { boxes_.setText(boxAt(box), std::move(text)); }
    bool reportLocked() const { return boxes_.reportLocked(); }

    // The click of Buton(index): "" when the command ended, else why it stopped.
    std::string click(int index);

    // After a click that ended, as one JSON text: the box that takes the focus (noBox when the
    // focus stays) and what a screen reader is told ("" for nothing).
    std::string afterCommandJson(int index) const;

private:
    CalculatorState state_;
    MemoryBoxes boxes_;
    Commands commands_;
};

}  // namespace velmora

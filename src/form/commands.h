// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The three commands of the form: load fills the word tables; compute empties the report box,
// reads both operands and computes (PrepareOperands ends with ComputeSum), spells the result and
// locks the report box; clear empties the four working boxes and unlocks the report box.
// Errors of the procedures pass through unchanged: the form session catches them.

#include <optional>

#include "arithmetic/arithmetic.h"
#include "state/boxes.h"
#include "state/calculator_state.h"
#include "words/number_words.h"

namespace velmora {

enum Button : int { computeButton = 0, clearButton = 1 };

// The button of Buton(index), or none for an index without a button.
std::optional<Button> buttonAt(int index);

class Commands {
public:
    Commands(CalculatorState& state, Boxes& boxes);

    void load();

    // The click of Buton(index); an index without a button does nothing.
    void click(int index);

private:
    void compute();
    void clear();
    void ClearFields();

    Boxes& boxes_;
    Arithmetic arithmetic_;
    NumberWords words_;
};

}  // namespace velmora

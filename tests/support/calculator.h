// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A calculator on in-memory boxes with its word tables loaded, as a form session has it after
// start.

#include <string>

#include "form/commands.h"
#include "state/calculator_state.h"
#include "state/memory_boxes.h"

namespace velmora::testing {

struct Calculator {
    CalculatorState state;
    MemoryBoxes boxes;
    Commands commands{state, boxes};

    Calculator() { commands.load(); }

    // Types both operands and presses "Изчисли"; returns the whole report.
    std::string compute(std::string first, std::string second) {
        boxes.setText(firstOperandBox, std::move(first));
        boxes.setText(secondOperandBox, std::move(second));
        commands.click(computeButton);
        return boxes.text(reportBox);
    }
    std::string result() const { return boxes.text(resultBox); }
};

}  // namespace velmora::testing

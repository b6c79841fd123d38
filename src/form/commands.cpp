// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form/commands.h"

namespace velmora {

Commands::Commands(CalculatorState& state, Boxes& boxes)
    : boxes_(boxes), arithmetic_(state, boxes), words_(state, boxes) {}

void Commands::load() {
    words_.LoadWordTables();
}

void Commands::compute() {
    boxes_.setText(reportBox, "");
    arithmetic_.PrepareOperands();
    words_.ReportInWords();
    boxes_.setReportLocked(true);
}

void Commands::clear() {
    ClearFields();
    boxes_.setReportLocked(false);
}

std::optional<Button> buttonAt(int index) {
    switch (index) {
        case computeButton:
            return computeButton;
        case clearButton:
            return clearButton;
        default:
            return std::nullopt;
    }
}

void Commands::click(int index) {
    const std::optional<Button> button = buttonAt(index);
    if (button == computeButton) {
        compute();
    } else if (button == clearButton) {
        clear();
    }
}

void Commands::ClearFields() {
    for (const Box box : {reportBox, resultBox, firstOperandBox, secondOperandBox}) {
        boxes_.setText(box, "");
    }
}

}  // namespace velmora

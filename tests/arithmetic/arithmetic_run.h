// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The arithmetic alone on in-memory boxes, as the compute command runs it: the report box is
// emptied, then PrepareOperands reads both boxes and ends with ComputeSum. One state serves every
// run, so what an earlier run left in the digit table is there for the next one, as in the window.

#include <string>
#include <vector>

#include "arithmetic/arithmetic.h"
#include "state/calculator_state.h"
#include "state/memory_boxes.h"

namespace velmora::testing {

struct ArithmeticRun {
    CalculatorState state;
    MemoryBoxes boxes;
    Arithmetic arithmetic{state, boxes};

    // Types both operands and runs the arithmetic; returns the report box.
    std::string run(std::string first, std::string second) {
        boxes.setText(firstOperandBox, std::move(first));
        boxes.setText(secondOperandBox, std::move(second));
        boxes.setText(reportBox, "");
        arithmetic.PrepareOperands();
        return boxes.text(reportBox);
    }
    std::string result() const { return boxes.text(resultBox); }

    // Row 0 from position 2 to one past the last operand position.
    std::vector<int> resultRow() const {
        std::vector<int> digits;
        const int last = static_cast<int>(state.digits1.size()) + 1;
        for (int position = 2; position <= last; ++position) {
            digits.push_back(state.digitTable.at(position, 0));
        }
        return digits;
    }
};

// The lines of a report, without their CR LF endings.
inline std::vector<std::string> reportLines(const std::string& report) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end = report.find("\r\n"); end != std::string::npos;
         end = report.find("\r\n", start)) {
        lines.push_back(report.substr(start, end - start));
        start = end + 2;
    }
    if (start < report.size()) {
        lines.push_back(report.substr(start));
    }
    return lines;
}

inline std::string repeated(char c, int count) {
    return std::string(static_cast<std::size_t>(count), c);
}

}  // namespace velmora::testing

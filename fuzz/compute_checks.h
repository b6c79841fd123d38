// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The fuzzer's judgement of one compute command on in-memory boxes. From the operand texts alone
// it foresees one of three outcomes and checks the boxes against it: a complete report whose
// result equals GMP's and whose words read back to that result; a stop at the first scale
// without a name (a result of more than 66 digits) after the arithmetic is complete; or a stop at
// the end of the digit table (an operand of more than 118 digits) before any result is written.
// A failed check prints the case and aborts, which the fuzzer reports as a crash.

#include <string>
#include <string_view>

#include "support/calculator.h"

namespace velmora::fuzzing {

enum class Outcome { report, beyondScaleWords, beyondDigitTable };

Outcome expectedOutcome(std::string_view first, std::string_view second);

// Types both texts into the calculator's boxes, presses "Изчисли" and checks what it left.
void computeAndCheck(testing::Calculator& calculator, const std::string& first,
                     const std::string& second);

}  // namespace velmora::fuzzing

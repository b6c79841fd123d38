// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Long-integer arithmetic on the digit table. PrepareOperands reads the two operand boxes into
// zero-padded digit strings and rows 1 and 2 of digitTable, reports both operands, chooses the
// operation and the sign of the result, and ends by running ComputeSum, which adds or subtracts
// the magnitudes digit by digit into row 0 and writes the signed result into the result box.

#include "state/boxes.h"
#include "state/calculator_state.h"

namespace velmora {

class Arithmetic {
public:
    Arithmetic(CalculatorState& state, Boxes& boxes) : state_(state), boxes_(boxes) {}

    void PrepareOperands();
    void ComputeSum();

private:
    struct Operand {
        int sign;    // 1 when the text begins with "-"
        int length;  // digit characters found, leading zeros included
    };

    Operand readOperand(Box box, int row, std::string& digits);
    void chooseOperation(Operand first, Operand second);
    void rankOppositeSigns(Operand first, Operand second);
    void zeroForEqualMagnitudes();
    void reloadOperandRows();
    void combineDigits(int length);
    void buildResultText(int length);

    CalculatorState& state_;
    Boxes& boxes_;
};

}  // namespace velmora

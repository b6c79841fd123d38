// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// One named case of the arithmetic: two operand texts and everything the run must leave behind,
// the padded operands, the operation, the sign code and the result text. expectCase checks all
// five report lines, the result box and the two codes.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "arithmetic_run.h"

namespace velmora::testing {

struct ArithmeticCase {
    std::string name;
    std::string first;
    std::string second;
    std::string digits1;
    std::string digits2;
    int operation;
    int resultSign;
    std::string result;
};

inline void expectCase(ArithmeticRun& run, const ArithmeticCase& row) {
    SCOPED_TRACE(row.name);
    const std::vector<std::string> expected = {
        "Число 1: " + row.digits1, "Число 2: " + row.digits2, row.digits1, row.digits2, row.result,
    };
    const std::string report = run.run(row.first, row.second);
    EXPECT_EQ(reportLines(report), expected);
    EXPECT_TRUE(report.ends_with("\r\n"));
    EXPECT_EQ(run.result(), row.result);
    EXPECT_EQ(run.state.operation, row.operation);
    EXPECT_EQ(run.state.resultSign, row.resultSign);
}

inline void expectCases(const std::vector<ArithmeticCase>& rows) {
    for (const ArithmeticCase& row : rows) {
        ArithmeticRun run;
        expectCase(run, row);
    }
}

}  // namespace velmora::testing

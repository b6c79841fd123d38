// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// An independent oracle for the arithmetic: it reads two operand texts by the calculator's own
// rules (only the ASCII digits "0" to "9" count, the sign is "-" only in first place) and computes
// the signed sum with GMP, so it shares no code with the digit table. It gives the result text
// ("+0", "+N" or "-N") and the five report lines of the arithmetic. Header-only: a program that
// includes it links GMP (pkg-config module "gmp").

#include <gmp.h>

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

namespace velmora::testing {

struct OracleOperand {
    bool negative = false;
    std::string digits;  // every digit character of the text, leading zeros kept
};

inline OracleOperand readOracleOperand(std::string_view text) {
    OracleOperand operand;
    operand.negative = !text.empty() && text.front() == '-';
    for (const char c : text) {
        if (c >= '0' && c <= '9') {
            operand.digits.push_back(c);
        }
    }
    return operand;
}

// Owns one mpz_t for the lifetime of a computation.
class OracleInteger {
public:
    explicit OracleInteger(const OracleOperand& operand) {
        mpz_init(value_);
        if (!operand.digits.empty()) {
            mpz_set_str(value_, operand.digits.c_str(), 10);
        }
        if (operand.negative) {
            mpz_neg(value_, value_);
        }
    }
    ~OracleInteger() { mpz_clear(value_); }
    OracleInteger(const OracleInteger&) = delete;
    OracleInteger& operator=(const OracleInteger&) = delete;

    mpz_ptr get() { return value_; }

private:
    mpz_t value_;
};

// The signed sum of the two operand texts: "+0" for zero, else the sign and the digits without
// zeros at the left.
inline std::string expectedResultText(std::string_view first, std::string_view second) {
    OracleInteger sum(readOracleOperand(first));
    OracleInteger addend(readOracleOperand(second));
    mpz_add(sum.get(), sum.get(), addend.get());
    if (mpz_sgn(sum.get()) == 0) {
        return "+0";
    }
    const bool negative = mpz_sgn(sum.get()) < 0;
    mpz_abs(sum.get(), sum.get());
    std::string digits(mpz_sizeinbase(sum.get(), 10) + 1, '\0');
    mpz_get_str(digits.data(), 10, sum.get());
    digits.resize(digits.find('\0'));
    return (negative ? "-" : "+") + digits;
}

// The operand as the report shows it: its sign, then its digits padded with zeros at the left to
// the digit count of the longer operand.
inline std::string expectedPaddedOperand(const OracleOperand& operand, std::size_t width) {
    const std::size_t missing = width - operand.digits.size();
    return (operand.negative ? "-" : "+") + std::string(missing, '0') + operand.digits;
}

// The five lines of the arithmetic, without their line breaks: both "Число" lines, both padded
// operands, the result text.
inline std::array<std::string, 5> expectedArithmeticLines(std::string_view first,
                                                          std::string_view second) {
    const OracleOperand one = readOracleOperand(first);
    const OracleOperand two = readOracleOperand(second);
    const std::size_t width = std::max(one.digits.size(), two.digits.size());
    const std::string padded1 = expectedPaddedOperand(one, width);
    const std::string padded2 = expectedPaddedOperand(two, width);
    return {"Число 1: " + padded1, "Число 2: " + padded2, padded1, padded2,
            expectedResultText(first, second)};
}

// The report box after the arithmetic alone: the five lines, each ending with CR LF.
inline std::string expectedArithmeticReport(std::string_view first, std::string_view second) {
    std::string report;
    for (const std::string& line : expectedArithmeticLines(first, second)) {
        report += line + "\r\n";
    }
    return report;
}

}  // namespace velmora::testing

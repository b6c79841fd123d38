// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// The arithmetic of one compute on in-memory boxes against GMP on the same two operands of 65
// digits and opposite signs: reading both operands, the five report lines and the result box,
// against reading both numbers, one subtraction and writing the result.

#include <benchmark/benchmark.h>
#include <gmp.h>

#include <array>
#include <string>

#include "arithmetic/arithmetic.h"
#include "state/calculator_state.h"
#include "state/memory_boxes.h"

namespace {

// A difference that keeps all 65 digits, so both sides read, subtract and write whole numbers.
const std::string firstMagnitude =
    "98765432109876543210987654321098765432109876543210987654321098765";
const std::string secondMagnitude =
    "12345678901234567890123456789012345678901234567890123456789012345";
const std::string difference = "86419753208641975320864197532086419753208641975320864197532086420";

void BM_ArithmeticReport(benchmark::State& state) {
    velmora::CalculatorState calculator;
    velmora::MemoryBoxes boxes(firstMagnitude, "-" + secondMagnitude);
    velmora::Arithmetic arithmetic(calculator, boxes);
    for (auto _ : state) {
        boxes.setText(velmora::reportBox, "");
        arithmetic.PrepareOperands();
        benchmark::DoNotOptimize(calculator.operandText.data());
        benchmark::ClobberMemory();
    }
    if (calculator.operandText != "+" + difference) {
        state.SkipWithError("the arithmetic gave a wrong result");
    }
}
BENCHMARK(BM_ArithmeticReport);

void BM_GmpReference(benchmark::State& state) {
    mpz_t first;
    mpz_t second;
    mpz_t result;
    mpz_inits(first, second, result, nullptr);
    std::array<char, 70> text{};
    for (auto _ : state) {
        mpz_set_str(first, firstMagnitude.c_str(), 10);
        mpz_set_str(second, secondMagnitude.c_str(), 10);
        mpz_sub(result, first, second);
        mpz_get_str(text.data(), 10, result);
        benchmark::DoNotOptimize(text.data());
        benchmark::ClobberMemory();
    }
    if (std::string(text.data()) != difference) {
        state.SkipWithError("GMP gave a wrong result");
    }
    mpz_clears(first, second, result, nullptr);
}
BENCHMARK(BM_GmpReference);

}  // namespace

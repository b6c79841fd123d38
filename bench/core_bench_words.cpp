// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// The whole compute command on in-memory boxes for a result that fills every scale, against ICU
// spelling out in Bulgarian the largest number it can take (18 digits), which is far less work;
// and the same compute as a front end's session of the form runs it, for the browser edition's
// benchmark (bench/web/core_in_wasm.mjs) to compare its compute in wasm with.

#include <benchmark/benchmark.h>
#include <unicode/locid.h>
#include <unicode/rbnf.h>
#include <unicode/unistr.h>
#include <unicode/utypes.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "form/after_command.h"
#include "form/commands.h"
#include "form/form_session.h"
#include "state/calculator_state.h"
#include "state/memory_boxes.h"

namespace {

// 65 digits each; their sum has 22 groups of three digits and none of them is zero, so every
// scale word from the units to "вигинтилиона" is spelled.
constexpr const char* firstOperand =
    "43141592653589793238462643383279502884197169399375105820974944592";
constexpr const char* secondOperand =
    "52718281828459045235360287471352662497757247093699959574966967627";

// The heading line, then one line per group: 22 CR LF after the heading.
int groupLines(std::string_view report) {
    const std::size_t heading = report.find("Сумата словом:\r\n");
    int lines = 0;
    for (std::size_t at = report.find("\r\n", heading); at != std::string::npos;
         at = report.find("\r\n", at + 2)) {
        ++lines;
    }
    return lines - 1;
}

void BM_FullReport(benchmark::State& state) {
    velmora::CalculatorState calculator;
    velmora::MemoryBoxes boxes(firstOperand, secondOperand);
    velmora::Commands commands(calculator, boxes);
    commands.load();
    commands.click(velmora::computeButton);
    if (groupLines(boxes.text(velmora::reportBox)) != 22) {
        state.SkipWithError("the operands no longer give 22 group lines");
        return;
    }
    for (auto _ : state) {
        commands.click(velmora::computeButton);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_FullReport);

// Both operands typed, then "Изчисли", as the page hands them in and clicks: the session answers
// with what follows the compute, the words a screen reader is told among it.
void BM_SessionCompute(benchmark::State& state) {
    velmora::FormSession session(velmora::pageSumHeard);
    const auto compute = [&session] {
        session.typed(velmora::firstOperandBox, firstOperand);
        session.typed(velmora::secondOperandBox, secondOperand);
        return session.click(velmora::computeButton);
    };
    if (compute().failure || groupLines(session.text(velmora::reportBox)) != 22) {
        state.SkipWithError("the operands no longer give 22 group lines");
        return;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(compute());
    }
}
BENCHMARK(BM_SessionCompute);

void BM_IcuSpelloutReference(benchmark::State& state) {
    UErrorCode status = U_ZERO_ERROR;
    const icu::RuleBasedNumberFormat format(icu::URBNF_SPELLOUT, icu::Locale("bg"), status);
    if (U_FAILURE(status)) {
        state.SkipWithError(u_errorName(status));
        return;
    }
    constexpr std::int64_t largest = 999999999999999999;
    for (auto _ : state) {
        icu::UnicodeString words;
        format.format(largest, words);
        benchmark::DoNotOptimize(words);
    }
}
BENCHMARK(BM_IcuSpelloutReference);

}  // namespace

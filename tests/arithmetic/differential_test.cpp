// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// The arithmetic against GMP on seeded operand pairs: the five report lines and the result box
// must match the oracle for every pair. One calculator state serves the whole run, as in the
// window, so digits left in the table by one pair are there for the next. VELMORA_SEED chooses
// the seed and VELMORA_DIFFERENTIAL_PAIRS the number of pairs (fewer under a sanitizer).

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <string>

#include "arithmetic_run.h"
#include "operand_generator.h"
#include "support/gmp_oracle.h"

namespace velmora::testing {
namespace {

constexpr std::uint64_t defaultSeed = 20240611;
constexpr std::uint64_t defaultPairs = 200000;

std::uint64_t numberFromEnvironment(const char* name, std::uint64_t fallback) {
    const char* text = std::getenv(name);
    if (text == nullptr || *text == '\0') {
        return fallback;
    }
    char* end = nullptr;
    const std::uint64_t value = std::strtoull(text, &end, 10);
    if (*end != '\0') {
        ADD_FAILURE() << name << " is not a whole number: " << text;
        return fallback;
    }
    return value;
}

// How often the run met the cases that the generator is meant to favour.
struct Coverage {
    std::uint64_t operations[5] = {};  // 0, 1, 2, 3, 99
    std::uint64_t carriedOut = 0;      // the sum has one digit more than the operands
    std::uint64_t cancelled = 0;       // a difference at least ten digits shorter than its operands
    std::uint64_t withJunk = 0;

    void count(const CalculatorState& state, const std::string& result, bool junk) {
        const int operation = state.operation;
        ++operations[operation == 99 ? 4 : operation];
        const std::size_t digits = state.digits1.size() - 1;
        carriedOut += operation <= 1 && result.size() - 1 > digits ? 1 : 0;
        cancelled += (operation == 2 || operation == 3) && result.size() + 9 < digits ? 1 : 0;
        withJunk += junk ? 1 : 0;
    }

    void print() const {
        std::cout << "operations 0, 1, 2, 3, 99: " << operations[0] << ", " << operations[1] << ", "
                  << operations[2] << ", " << operations[3] << ", " << operations[4]
                  << "; carried out " << carriedOut << ", nearly cancelled " << cancelled
                  << ", with junk " << withJunk << "\n";
    }

    // A generator that drifted away from the hard cases would pass without testing them.
    void expectTheHardCases(std::uint64_t pairs) const {
        const std::uint64_t share = pairs / 100;
        for (const std::uint64_t count : operations) {
            EXPECT_GE(count, share) << "an operation code is rarely reached";
        }
        EXPECT_GE(carriedOut, share) << "carries out of the top digit are rare";
        EXPECT_GE(cancelled, share) << "nearly cancelling differences are rare";
        EXPECT_GE(withJunk, share) << "operands with junk characters are rare";
    }
};

bool hasJunk(const std::string& text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool sign = i == 0 && text[i] == '-';
        if (!sign && (text[i] < '0' || text[i] > '9')) {
            return true;
        }
    }
    return false;
}

std::string runOrDescribeFailure(ArithmeticRun& run, const std::string& a, const std::string& b) {
    try {
        return run.run(a, b);
    } catch (const std::exception& error) {
        return std::string("exception: ") + error.what();
    }
}

TEST(ArithmeticAgainstGmp, SeededPairsMatchTheOracle) {
    const std::uint64_t seed = numberFromEnvironment("VELMORA_SEED", defaultSeed);
    const std::uint64_t pairs = numberFromEnvironment("VELMORA_DIFFERENTIAL_PAIRS", defaultPairs);
    std::cout << "VELMORA_SEED=" << seed << ", " << pairs << " pairs\n";

    OperandGenerator generator(seed);
    ArithmeticRun run;
    Coverage coverage;
    std::pair<std::string, std::string> previous;
    int failures = 0;
    for (std::uint64_t i = 0; i < pairs && failures < 5; ++i) {
        const auto [first, second] = generator.next();
        const std::string report = runOrDescribeFailure(run, first, second);
        const std::string expected = expectedArithmeticReport(first, second);
        if (report != expected || run.result() != expectedResultText(first, second)) {
            ++failures;
            ADD_FAILURE() << "VELMORA_SEED=" << seed << ", pair " << i << "\nfirst:  \"" << first
                          << "\"\nsecond: \"" << second << "\"\nafter the pair \"" << previous.first
                          << "\", \"" << previous.second << "\"\nexpected:\n"
                          << expected << "got:\n"
                          << report << "result box: " << run.result();
        }
        coverage.count(run.state, run.result(), hasJunk(first) || hasJunk(second));
        previous = {first, second};
    }

    coverage.print();
    coverage.expectTheHardCases(pairs);
}

}  // namespace
}  // namespace velmora::testing

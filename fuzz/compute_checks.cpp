// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fuzz/compute_checks.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "state/checked_table.h"
#include "support/gmp_oracle.h"
#include "support/words_reader.h"
#include "words/report_layout.h"

namespace velmora::fuzzing {

namespace {

// Positions 2 to 120 of a row take 119 digits; the result needs one position more, so the last
// operand length that computes is 118 digits.
constexpr std::size_t longestComputedOperand = 118;
// "вигинтилиона" is the last scale word: 22 groups of three digits.
constexpr std::size_t longestSpelledResult = 66;

constexpr std::string_view crlf = "\r\n";

std::string line(std::string_view text) {
    return std::string(text) + std::string(crlf);
}

struct Case {
    std::string_view first;
    std::string_view second;
};

std::size_t digitCount(std::string_view text) {
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }));
}

std::string printable(std::string_view text) {
    std::string shown;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7f && c != '\\') {
            shown.push_back(c);
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02x", byte);
            shown += escaped;
        }
    }
    return shown;
}

void require(bool holds, const char* what, const Case& inputs, std::string_view report) {
    if (holds) {
        return;
    }
    std::fprintf(stderr,
                 "compute check failed: %s\nfirst:  \"%s\"\nsecond: \"%s\"\nreport: \"%s\"\n", what,
                 printable(inputs.first).c_str(), printable(inputs.second).c_str(),
                 printable(report).c_str());
    std::abort();
}

// The eight lines before the words: the five of the arithmetic, the digit string of the result,
// its digit count and the heading.
std::string expectedHeading(const Case& inputs) {
    const std::string digits = testing::expectedResultText(inputs.first, inputs.second).substr(1);
    return testing::expectedArithmeticReport(inputs.first, inputs.second) + line(digits) +
           line("Абсолютната стойност на сумата е с " + std::to_string(digits.size()) +
                (digits.size() == 1 ? " брой цифри " : " броя цифри ")) +
           line("Сумата словом:");
}

// The lines of the words (one per non-zero group, line breaks, blanks) pass the layout check,
// and the words, read back with a vocabulary of their own, name the result.
void checkWords(std::string_view fromDigitString, std::string_view words, std::string_view digits,
                const Case& inputs) {
    const std::optional<std::string> layoutFault = testing::wordsReportLayoutFault(fromDigitString);
    require(!layoutFault.has_value(), layoutFault.value_or("").c_str(), inputs, fromDigitString);
    const testing::ReadBack readBack = testing::readBack(words);
    require(readBack.digits.has_value(), readBack.fault.c_str(), inputs, words);
    require(*readBack.digits == digits, "the words name the result", inputs, words);
}

void checkCompleteReport(const testing::Calculator& calculator, const Case& inputs) {
    const std::string report = calculator.boxes.text(reportBox);
    const std::string expectedResult = testing::expectedResultText(inputs.first, inputs.second);
    require(calculator.result() == expectedResult, "the result box holds GMP's sum", inputs,
            report);
    const std::string arithmetic = testing::expectedArithmeticReport(inputs.first, inputs.second);
    const std::string heading = expectedHeading(inputs);
    require(report.starts_with(heading), "the report begins with its eight fixed lines", inputs,
            report);
    const std::string_view whole(report);
    checkWords(whole.substr(arithmetic.size()), whole.substr(heading.size()),
               std::string_view(expectedResult).substr(1), inputs);
    require(calculator.boxes.reportLocked(), "compute locks the report box", inputs, report);
}

// The words stop at the highest group, before its scale word: the arithmetic is complete and
// the report holds the fixed lines and at most the start of that group's line.
void checkScaleWordsStop(const testing::Calculator& calculator, const Case& inputs) {
    const std::string report = calculator.boxes.text(reportBox);
    require(calculator.result() == testing::expectedResultText(inputs.first, inputs.second),
            "the result box holds GMP's sum before the words stop", inputs, report);
    const std::string heading = expectedHeading(inputs);
    require(report.starts_with(heading), "the fixed lines are written before the words stop",
            inputs, report);
    require(report.find(crlf, heading.size()) == std::string::npos,
            "no group line is finished without its scale word", inputs, report);
}

// Both texts are read before anything is reported, so a text of more than 119 digits leaves
// the report empty; 119 digits are read and reported, and the sum stops at position 121.
void checkDigitTableStop(const testing::Calculator& calculator, const Case& inputs,
                         const std::string& resultBefore) {
    const std::string report = calculator.boxes.text(reportBox);
    require(calculator.result() == resultBefore, "the result box keeps the previous result", inputs,
            report);
    const auto arithmeticLines = testing::expectedArithmeticLines(inputs.first, inputs.second);
    const std::size_t longest = std::max(digitCount(inputs.first), digitCount(inputs.second));
    const std::string expected = longest > longestComputedOperand + 1
                                     ? ""
                                     : line(arithmeticLines[0]) + line(arithmeticLines[1]);
    require(report == expected, "the report keeps only the lines written before the stop", inputs,
            report);
}

}  // namespace

Outcome expectedOutcome(std::string_view first, std::string_view second) {
    if (std::max(digitCount(first), digitCount(second)) > longestComputedOperand) {
        return Outcome::beyondDigitTable;
    }
    if (testing::expectedResultText(first, second).size() - 1 > longestSpelledResult) {
        return Outcome::beyondScaleWords;
    }
    return Outcome::report;
}

void computeAndCheck(testing::Calculator& calculator, const std::string& first,
                     const std::string& second) {
    const Case inputs{first, second};
    const Outcome expected = expectedOutcome(first, second);
    const std::string resultBefore = calculator.result();
    bool stopped = false;
    try {
        calculator.compute(first, second);
    } catch (const IndexOutOfRange& error) {
        stopped = true;
        require(expected != Outcome::report, "no error within the bounds", inputs,
                calculator.boxes.text(reportBox));
        require(error.table() ==
                    (expected == Outcome::beyondDigitTable ? Table::digitTable : Table::scaleWords),
                "the error names the table whose bound was reached", inputs,
                calculator.boxes.text(reportBox));
    }
    switch (expected) {
        case Outcome::report:
            checkCompleteReport(calculator, inputs);
            break;
        case Outcome::beyondScaleWords:
            require(stopped, "a result past the scale words stops", inputs,
                    calculator.boxes.text(reportBox));
            checkScaleWordsStop(calculator, inputs);
            break;
        case Outcome::beyondDigitTable:
            require(stopped, "an operand past the digit table stops", inputs,
                    calculator.boxes.text(reportBox));
            checkDigitTableStop(calculator, inputs, resultBefore);
            break;
    }
}

}  // namespace velmora::fuzzing

// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// Round trips: the words of the report, read back by a reader with its own vocabulary, name the
// number in the result box; and the report keeps its line structure and its blanks. Run over every
// number below 10 000, every group value at every scale, and seeded random results.

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "support/calculator.h"
#include "support/words_reader.h"
#include "words/number_words.h"
#include "words/report_layout.h"

namespace velmora::testing {
namespace {

// Counts the faults of many reports and keeps the first few for the failure message.
class Faults {
public:
    void check(const std::string& resultText, const std::string& report,
               const std::optional<std::string>& layoutFault) {
        ++checked_;
        const std::string digits = resultText.substr(1);
        const std::optional<std::string_view> words = wordsPartOf(report);
        const ReadBack read = readBack(words.value_or(""));
        if (read.digits != digits) {
            note(resultText, "read back as " + read.digits.value_or("nothing: " + read.fault));
        } else if (layoutFault) {
            note(resultText, *layoutFault);
        }
    }

    int checked() const { return checked_; }
    int count() const { return count_; }
    std::string first() const { return first_; }

private:
    void note(const std::string& resultText, const std::string& fault) {
        if (++count_ <= 10) {
            first_ += resultText + ": " + fault + "\n";
        }
    }

    int checked_ = 0;
    int count_ = 0;
    std::string first_;
};

class RoundTrip : public ::testing::Test {
protected:
    // The report in words alone, for a result text put into the result box.
    void spell(const std::string& resultText) {
        calculator_.boxes.setText(resultBox, resultText);
        calculator_.boxes.setText(reportBox, "");
        words_.ReportInWords();
        const std::string report = calculator_.boxes.text(reportBox);
        faults_.check(resultText, report, wordsReportLayoutFault(report));
    }

    // The whole compute command; the result box must also hold the sum the test expects.
    void compute(const std::string& first, const std::string& second, const std::string& sum) {
        const std::string report = calculator_.compute(first, second);
        const std::string resultText = calculator_.result();
        faults_.check(resultText, report, reportLayoutFault(report));
        EXPECT_EQ(resultText, sum) << first << " + " << second;
    }

    void expectNoFaults(int atLeast) const {
        EXPECT_GE(faults_.checked(), atLeast);
        EXPECT_EQ(faults_.count(), 0) << faults_.first();
    }

    Calculator calculator_;
    NumberWords words_{calculator_.state, calculator_.boxes};
    Faults faults_;
};

std::string zeros(int count) {
    return std::string(static_cast<std::size_t>(count), '0');
}

std::string threeDigits(int value) {
    const std::string digits = std::to_string(value);
    return zeros(3 - static_cast<int>(digits.size())) + digits;
}

TEST_F(RoundTrip, EveryNumberBelowTenThousand) {
    for (int n = 0; n < 10000; ++n) {
        const std::string number = std::to_string(n);
        compute(number, "", "+" + number);
    }
    compute("-42", "", "-42");
    expectNoFaults(10001);
}

// Alone, the group leads the result; after a leading "1" it follows a higher group.
TEST_F(RoundTrip, EveryGroupValueAtEveryScale) {
    for (int power = 0; power <= 21; ++power) {
        for (int value = 1; value <= 999; ++value) {
            spell("+" + std::to_string(value) + zeros(3 * power));
            if (power < 21) {
                spell("-1" + threeDigits(value) + zeros(3 * power));
            }
        }
    }
    expectNoFaults(2 * 21 * 999 + 999);
}

// Groups drawn so that zeros, ones, twos, teens and hundreds-and-one come up often.
std::string randomResult(std::mt19937_64& random) {
    static constexpr int tricky[] = {0, 1, 2, 10, 11, 12, 20, 21, 22, 100, 101, 102, 110, 111, 121};
    std::uniform_int_distribution<int> groups(1, 22);
    std::uniform_int_distribution<int> kind(0, 2);
    std::uniform_int_distribution<std::size_t> pick(0, std::size(tricky) - 1);
    std::uniform_int_distribution<int> any(0, 999);
    std::string digits;
    for (int count = groups(random); count > 0; --count) {
        digits += threeDigits(kind(random) == 0 ? tricky[pick(random)] : any(random));
    }
    const std::size_t first = digits.find_first_not_of('0');
    const std::string magnitude = first == std::string::npos ? "0" : digits.substr(first);
    const bool negative = magnitude != "0" && random() % 2 == 1;
    return (negative ? "-" : "+") + magnitude;
}

TEST_F(RoundTrip, SeededRandomResultsOfUpToSixtySixDigits) {
    std::mt19937_64 random(20260607);
    for (int i = 0; i < 20000; ++i) {
        spell(randomResult(random));
    }
    expectNoFaults(20000);
}

// Random operands of up to 65 digits through the whole compute; a sum of magnitudes keeps the
// result's digits predictable without an arithmetic of the test's own: equal signs, and the
// second operand made only of zeros and ones under a first one made only of digits up to 8.
TEST_F(RoundTrip, SeededRandomOperandsThroughTheWholeCompute) {
    std::mt19937_64 random(65);
    std::uniform_int_distribution<int> length(1, 65);
    for (int i = 0; i < 2000; ++i) {
        const int digits = length(random);
        std::string first;
        std::string second;
        std::string sum;
        for (int d = 0; d < digits; ++d) {
            const int a = static_cast<int>(random() % 9);
            const int b = static_cast<int>(random() % 2);
            first += static_cast<char>('0' + a);
            second += static_cast<char>('0' + b);
            sum += static_cast<char>('0' + a + b);
        }
        const std::size_t lead = sum.find_first_not_of('0');
        const std::string magnitude = lead == std::string::npos ? "0" : sum.substr(lead);
        const bool negative = magnitude != "0" && random() % 2 == 1;
        const std::string sign = negative ? "-" : "";
        compute(sign + first, sign + second, (negative ? "-" : "+") + magnitude);
    }
    expectNoFaults(2000);
}

}  // namespace
}  // namespace velmora::testing

// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Seeded operand pairs for the differential run, biased towards the hard cases of the digit-wise
// sum: lengths near 0 and near the box limit (and a few up to the table's 118 digits), runs of 0s
// and 9s, zeros at the left, second operands that copy the first one's leading digits so the two
// nearly cancel or carry through every digit, every sign combination, and characters that are not
// digits between the digits. The same seed gives the same pairs on every platform.

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <random>
#include <string>
#include <utility>

namespace velmora::testing {

class OperandGenerator {
public:
    static constexpr int tableDigits = 118;  // the longest operand the digit table takes

    explicit OperandGenerator(std::uint64_t seed) : random_(seed) {}

    std::pair<std::string, std::string> next() {
        const std::string first = digits(digitCount());
        const std::string second = chance(60) ? related(first) : digits(digitCount());
        return {decorate(first, chance(50)), decorate(second, chance(50))};
    }

private:
    std::size_t below(std::size_t bound) { return static_cast<std::size_t>(random_() % bound); }
    bool chance(std::size_t percent) { return below(100) < percent; }
    char anyDigit() { return static_cast<char>('0' + below(10)); }
    int between(int low, int high) {
        return low + static_cast<int>(below(static_cast<std::size_t>(high - low + 1)));
    }

    int digitCount() {
        const std::size_t kind = below(100);
        if (kind < 25) {
            return between(0, 3);
        }
        if (kind < 50) {
            return between(60, 65);
        }
        return kind < 92 ? between(0, 65) : between(66, tableDigits);
    }

    // Random digits, digits drawn from 0 and 9 only, or runs of one digit; sometimes zeros first.
    std::string digits(int count) {
        std::string text;
        const std::size_t style = below(3);
        while (static_cast<int>(text.size()) < count) {
            if (style == 0) {
                text.push_back(anyDigit());
            } else if (style == 1) {
                text.push_back(chance(50) ? '0' : '9');
            } else {
                const char c = chance(70) ? (chance(50) ? '0' : '9') : anyDigit();
                text.append(static_cast<std::size_t>(between(1, 20)), c);
            }
        }
        text.resize(static_cast<std::size_t>(count));
        if (count > 0 && chance(25)) {
            std::fill_n(text.begin(), between(1, count), '0');
        }
        return text;
    }

    std::string related(const std::string& first);
    std::string decorate(const std::string& digits, bool negative);
    std::string junk();

    std::mt19937_64 random_;
};

// A second operand made from the first: equal, equal but for one digit near the units, equal in
// its leading digits only, the nines complement (the sum carries through every digit), or the
// same digits behind other zeros.
inline std::string OperandGenerator::related(const std::string& first) {
    std::string second = first;
    const std::size_t kind = below(5);
    if (kind == 1 && !second.empty()) {
        const std::size_t at = second.size() - 1 - below(std::min<std::size_t>(second.size(), 4));
        const bool up = second[at] == '0' || (second[at] != '9' && chance(50));
        second[at] = static_cast<char>(second[at] + (up ? 1 : -1));
    } else if (kind == 2) {
        const std::size_t kept = below(second.size() + 1);
        for (std::size_t i = kept; i < second.size(); ++i) {
            second[i] = anyDigit();
        }
    } else if (kind == 3) {
        for (char& c : second) {
            c = static_cast<char>('9' - (c - '0'));
        }
    } else if (kind == 4) {
        while (!second.empty() && second.front() == '0' && chance(50)) {
            second.erase(0, 1);
        }
        second.insert(0, std::min<std::size_t>(below(6), tableDigits - second.size()), '0');
    }
    return second;
}

// The sign as the user might type it, and now and then characters that are not digits: before
// the sign (which then no longer counts), between the digits and after them.
inline std::string OperandGenerator::decorate(const std::string& digits, bool negative) {
    std::string text;
    if (chance(5)) {
        text += junk();
    }
    if (negative) {
        text += chance(10) ? "--" : "-";
    } else if (chance(10)) {
        text += "+";
    }
    const bool junky = chance(30);
    for (const char c : digits) {
        if (junky && chance(15)) {
            text += junk();
        }
        text.push_back(c);
    }
    if (junky && chance(30)) {
        text += junk();
    }
    return text;
}

inline std::string OperandGenerator::junk() {
    static constexpr const char* pieces[] = {
        " ",      "a",      "Z",      "e",      "ж",      "Я",      "+",
        "-",      ",",      ".",      "_",      "'",      "#",      "\t",
        "\u00a0", "\u2212", "\u0663", "\uff15", "\u00bd", "\u00b2", "\U0001F600",
    };
    return pieces[below(std::size(pieces))];
}

}  // namespace velmora::testing

// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Digit characters are exactly "0" to "9", tested by character code. In UTF-8 every byte of a
// non-ASCII character is 0x80 or above, so testing bytes finds the same digits as testing
// characters.

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>

namespace velmora {

constexpr bool isDigitCharacter(char c) {
    return c >= '0' && c <= '9';
}

// The numeric value of a one-character string: the digit's value, 0 for a sign or anything else.
constexpr int digitValue(char c) {
    return isDigitCharacter(c) ? c - '0' : 0;
}

// The same, as the 16-bit value the digit table holds.
constexpr std::int16_t digitValue16(char c) {
    return static_cast<std::int16_t>(digitValue(c));
}

// The digit characters of text, in their order, into digits.
inline void keepDigits(std::string_view text, std::string& digits) {
    digits.clear();
    std::copy_if(text.begin(), text.end(), std::back_inserter(digits), isDigitCharacter);
}

}  // namespace velmora

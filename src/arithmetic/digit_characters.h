#pragma once
// Digit characters are exactly "0" to "9", tested by character code. In UTF-8 every byte of a
// non-ASCII character is 0x80 or above, so testing bytes finds the same digits as testing
// characters.

namespace velmora {

constexpr bool isDigitCharacter(char c) {
    return c >= '0' && c <= '9';
}

// The numeric value of a one-character string: the digit's value, 0 for a sign or anything else.
constexpr int digitValue(char c) {
    return isDigitCharacter(c) ? c - '0' : 0;
}

}  // namespace velmora

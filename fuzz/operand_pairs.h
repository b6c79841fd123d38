// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// How the fuzzer's bytes become operand texts: NUL bytes separate the texts, each is cut to 300
// bytes, and consecutive texts pair up as the first and second operand of one compute (a lone
// last text is paired with an empty one). Most inputs hold one pair; more pairs make a sequence
// of computes on one calculator, which reaches what one compute leaves for the next. The texts
// are raw bytes, not necessarily UTF-8, which is more than the window ever hands the core. 300
// bytes reach past both limits of the core: 118 digits for the digit table and 66 result digits
// for the words.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::fuzzing {

inline constexpr std::size_t longestOperand = 300;
inline constexpr std::size_t mostPairs = 4;

struct OperandPair {
    std::string first;
    std::string second;
};

inline std::vector<OperandPair> splitOperandPairs(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> texts;
    std::size_t start = 0;
    while (texts.size() < 2 * mostPairs) {
        const std::size_t separator = bytes.find('\0', start);
        const std::size_t end = separator == std::string_view::npos ? bytes.size() : separator;
        texts.emplace_back(bytes.substr(start, std::min(end - start, longestOperand)));
        if (separator == std::string_view::npos) {
            break;
        }
        start = separator + 1;
    }
    std::vector<OperandPair> pairs;
    for (std::size_t i = 0; i < texts.size(); i += 2) {
        pairs.push_back({texts[i], i + 1 < texts.size() ? texts[i + 1] : std::string()});
    }
    return pairs;
}

}  // namespace velmora::fuzzing

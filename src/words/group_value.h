// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The numeric value of a group of up to three digit characters; zeros at the left do not count.

#include <string_view>

#include "arithmetic/digit_characters.h"

namespace velmora {

constexpr int groupValue(std::string_view group) {
    int value = 0;
    for (const char c : group) {
        value = value * 10 + digitValue(c);
    }
    return value;
}

}  // namespace velmora

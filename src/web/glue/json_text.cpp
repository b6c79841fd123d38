// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "web/glue/json_text.h"

#include <array>
#include <cstdio>

namespace velmora {

void appendJsonString(std::string& out, std::string_view text) {
    out += '"';
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            std::array<char, 7> escaped{};
            std::snprintf(escaped.data(), escaped.size(), "\\u%04x", static_cast<unsigned>(c));
            out += escaped.data();
        } else {
            out += c;
        }
    }
    out += '"';
}

}  // namespace velmora

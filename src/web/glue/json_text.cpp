// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "web/glue/json_text.h"

namespace velmora {

namespace {

bool needsEscape(char c) {
    return c == '"' || c == '\\' || static_cast<unsigned char>(c) < 0x20;
}

// A control character as \u00XX, written by hand: snprintf would bring all of printf into the
// page's wasm.
void appendEscaped(std::string& out, char c) {
    if (c == '"' || c == '\\') {
        out += '\\';
        out += c;
        return;
    }
    constexpr std::string_view hexDigits = "0123456789abcdef";
    const auto code = static_cast<unsigned char>(c);  // below 0x20
    out += "\\u00";
    out += hexDigits[code >> 4];
    out += hexDigits[code & 0xf];
}

}  // namespace

// Each run of characters that JSON takes as they are is appended at once.
void appendJsonString(std::string& out, std::string_view text) {
    out += '"';
    std::size_t runStart = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (needsEscape(text[at])) {
            out.append(text.substr(runStart, at - runStart));
            appendEscaped(out, text[at]);
            runStart = at + 1;
        }
    }
    out.append(text.substr(runStart));
    out += '"';
}

}  // namespace velmora

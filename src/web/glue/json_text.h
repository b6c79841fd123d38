// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Texts handed to a script as JSON: strings, in which UTF-8 passes through as it is and quotes,
// backslashes and control characters (the CR LF of the report among them) are escaped, and objects
// of named numbers, flags, strings and nested objects.

#include <string>
#include <string_view>
#include <utility>

namespace velmora {

void appendJsonString(std::string& out, std::string_view text);

// A JSON object built field by field: a value reaches the page as one JSON text that it parses in
// one call, rather than field by field, each a crossing between wasm and JavaScript.
class JsonObject {
public:
    void number(std::string_view name, int value) { key(name) += std::to_string(value); }
    void flag(std::string_view name, bool value) { key(name) += value ? "true" : "false"; }
    void text(std::string_view name, std::string_view value) { appendJsonString(key(name), value); }
    void nested(std::string_view name, const std::string& json) { key(name) += json; }

    std::string close() {
        out_ += out_.empty() ? "{}" : "}";
        return std::move(out_);
    }

private:
    std::string& key(std::string_view name) {
        out_ += out_.empty() ? '{' : ',';
        appendJsonString(out_, name);
        out_ += ':';
        return out_;
    }

    std::string out_;
};

}  // namespace velmora

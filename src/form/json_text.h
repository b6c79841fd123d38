// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Texts handed to a script as JSON strings: UTF-8 passes through as it is; quotes, backslashes
// and control characters (the CR LF of the report among them) are escaped.

#include <string>
#include <string_view>

namespace velmora {

void appendJsonString(std::string& out, std::string_view text);

}  // namespace velmora

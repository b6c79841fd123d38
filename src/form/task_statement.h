// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The task statement that the task box shows: a fixed Bulgarian text about the names of large
// numbers and the exercise built on them. UTF-8, lines separated by CR LF; the window only shows
// it, the calculator never reads it.

#include <string_view>

namespace velmora {

std::string_view taskStatement();

}  // namespace velmora

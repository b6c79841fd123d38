// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The shared form layer as JSON texts for the page: every row of the control table as an object
// with all its fields, and the window's own client area and background. module_api.js hands
// them to the page parsed, as plain values; the page builds its form from these and writes none
// of them a second time.

#include <string>

namespace velmora {

std::string controlTableJson();
std::string clientAreaJson();
std::string formBackgroundJson();

}  // namespace velmora

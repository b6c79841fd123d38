// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The Bulgarian text of the message box that tells the user why a command stopped.

#include <exception>
#include <string>

namespace velmora {

std::string failureMessage(const std::exception& error);

}  // namespace velmora

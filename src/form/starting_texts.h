// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The boxes as the window starts: each box's text from the control table and the report box's
// lock. A front end that keeps its boxes in memory, or a tool that stands in for the window,
// starts them from here.

#include "state/boxes.h"

namespace velmora {

void setStartingTexts(Boxes& boxes);

}  // namespace velmora

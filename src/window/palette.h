// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The colours the form and its controls draw with. Each palette is complete in every colour
// group and comes from the control table and Qt's light palette alone, so a dark or
// high-contrast desktop theme cannot put light text on the form's light faces. Tooltips keep the
// desktop's own colours.

#include <QPalette>

#include "form/control_table.h"

namespace velmora {

// Qt's own light palette, built once per form and shared by the form's palettes below.
QPalette lightPalette();

// The form's own palette: its background colour over the light palette.
QPalette formPalette(const QPalette& light);

// A control's palette: its background and text colours in the roles its kind draws with.
QPalette controlPalette(const ControlDescriptor& row, const QPalette& light);

}  // namespace velmora

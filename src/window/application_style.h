// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The style every widget of the program is drawn in, chosen once for the whole application before
// the QApplication exists.

namespace velmora {

// Qt's Windows style, unless the user named one (-style, QT_STYLE_OVERRIDE): its sunken boxes and
// raised buttons with solid faces show the form's colours as laid out. Qt's default on Linux,
// Fusion, draws the buttons' faces as gradients of paler colours.
void preferWindowsStyle();

// The name of that style among Qt's styles.
inline constexpr char windowsStyle[] = "Windows";

}  // namespace velmora

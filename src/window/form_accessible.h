// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// How screen readers see the form: as the program's frame, named by its caption, since Qt takes a
// plain top-level widget for a filler inside some window; and its single-line boxes through
// LineBoxAccessible, which Orca reads to their last character.

namespace velmora {

// Installs the factories through which Qt's accessibility finds the form's interface and the
// single-line boxes'; installing them again changes nothing.
void installAccessibleInterfaces();

}  // namespace velmora

// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Qt's own texts in the window, such as the boxes' context menus and the message box's button,
// in Bulgarian like the rest of the form: Qt's translation from the folder Qt keeps its
// translations in (Debian's qt6-translations-l10n).

#include <QTranslator>

namespace velmora {

// Loads Qt's Bulgarian translation into the translator, which must outlive its use, and installs
// it in the application. Without the file Qt's texts stay in English, which is all the program
// can do about it.
void installQtTranslation(QTranslator& translator);

}  // namespace velmora

// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// Starts the program: one window, shown until the user closes it.

#include <QApplication>
#include <QTranslator>
#include <algorithm>
#include <array>

#include "window/application_style.h"
#include "window/qt_translation.h"
#include "window/velmora.h"

namespace {

// The form's font is the program's before any widget exists: a text box lays out its first text
// in the program's font before it takes its parent's, and the desktop's font is then never
// loaded at start. Tooltips, menus and message boxes keep the desktop's fonts.
void useFormFont() {
    constexpr std::array<const char*, 4> popups{"QTipLabel", "QMenu", "QMessageBox",
                                                "QMessageBoxLabel"};
    std::array<QFont, popups.size()> desktop;
    std::transform(popups.begin(), popups.end(), desktop.begin(),
                   [](const char* popup) { return QApplication::font(popup); });
    QApplication::setFont(velmora::formFont());
    for (std::size_t i = 0; i < popups.size(); ++i) {
        QApplication::setFont(desktop.at(i), popups.at(i));
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    velmora::preferWindowsStyle();
    QApplication application(argc, argv);
    useFormFont();
    // Installed before the window is built, so every text Qt supplies comes up in Bulgarian.
    QTranslator qtTexts;
    velmora::installQtTranslation(qtTexts);
    velmora::Velmora window;
    window.show();
    return QApplication::exec();
}

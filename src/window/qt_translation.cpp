// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/qt_translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace velmora {

void installQtTranslation(QTranslator& translator) {
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (translator.load(QStringLiteral("qtbase_bg"), folder)) {
        QCoreApplication::installTranslator(&translator);
    }
}

}  // namespace velmora

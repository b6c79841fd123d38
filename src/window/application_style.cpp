// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/application_style.h"

#include <QByteArray>
#include <QtGlobal>

namespace velmora {

// QApplication reads the variable as it starts; a -style argument still overrides it.
void preferWindowsStyle() {
    if (qEnvironmentVariableIsEmpty("QT_STYLE_OVERRIDE")) {
        qputenv("QT_STYLE_OVERRIDE", QByteArray(windowsStyle));
    }
}

}  // namespace velmora

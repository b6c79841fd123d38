// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/form_accessible.h"

#include <QAccessibleWidget>

#include "window/line_box_accessible.h"
#include "window/velmora.h"

namespace velmora {

namespace {

// Asked first with a box's own class name, QLineEdit, since LineBox adds no meta-object.
QAccessibleInterface* lineBoxInterface(const QString& /*className*/, QObject* object) {
    auto* box = dynamic_cast<LineBox*>(object);
    return box != nullptr ? new LineBoxAccessible(box) : nullptr;
}

QAccessibleInterface* formInterface(const QString& className, QObject* object) {
    auto* form = qobject_cast<Velmora*>(object);
    if (form == nullptr || className != QLatin1String(Velmora::staticMetaObject.className())) {
        return nullptr;
    }
    return new QAccessibleWidget(form, QAccessible::Window);
}

}  // namespace

void installAccessibleInterfaces() {
    QAccessible::installFactory(formInterface);
    QAccessible::installFactory(lineBoxInterface);
}

}  // namespace velmora

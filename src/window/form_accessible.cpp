#include "window/form_accessible.h"

#include <QAccessibleWidget>

#include "window/velmora.h"

namespace velmora {

namespace {

QAccessibleInterface* formInterface(const QString& className, QObject* object) {
    auto* form = qobject_cast<Velmora*>(object);
    if (form == nullptr || className != QLatin1String(Velmora::staticMetaObject.className())) {
        return nullptr;
    }
    return new QAccessibleWidget(form, QAccessible::Window);
}

}  // namespace

void presentFormAsFrame() {
    QAccessible::installFactory(formInterface);
}

}  // namespace velmora

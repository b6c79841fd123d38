#include "window/form_accessible.h"

#include <QAccessibleWidget>

#include "window/velmora.h"

namespace velmora {

namespace {

QAccessibleInterface* formInterface(const QString& className, QObject* object) {
    if (className != QLatin1String(Velmora::staticMetaObject.className())) {
        return nullptr;
    }
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
}

}  // namespace

void presentFormAsFrame() {
    QAccessible::installFactory(formInterface);
}

}  // namespace velmora

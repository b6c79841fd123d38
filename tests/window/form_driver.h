#pragma once
// Drives the window the way a user does in the window tests: finds controls by their object
// names and types into them key by key.

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <string>

#include "window/velmora.h"

namespace velmora::testing {

template <typename Control>
Control* control(const Velmora& form, const char* objectName) {
    auto* found = form.findChild<Control*>(QString::fromLatin1(objectName));
    if (found == nullptr) {
        qFatal("no control named %s", objectName);
    }
    return found;
}

inline QLineEdit* lineBox(const Velmora& form, const char* name) {
    return control<QLineEdit>(form, name);
}
inline QPlainTextEdit* textBox(const Velmora& form, const char* name) {
    return control<QPlainTextEdit>(form, name);
}

// keyClicks() cannot send characters outside Latin-1, so every character goes as its own key.
inline void type(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

inline void press(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(widget, key, modifiers);
}

inline void compute(const Velmora& form) {
    control<QPushButton>(form, "Buton0")->click();
}
inline void clear(const Velmora& form) {
    control<QPushButton>(form, "Buton1")->click();
}

// Shows the form and waits until it has the keyboard.
inline bool showActive(Velmora& form) {
    form.show();
    form.activateWindow();
    return QTest::qWaitForWindowActive(&form);
}

inline QString fromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace velmora::testing

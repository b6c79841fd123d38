// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Drives the real window in the window, fault and soak tests as a user does: controls are found by
// their object names, the way a test tool outside the program finds them; text reaches them as key
// events; a message box is read and closed in place of the user; and what the window shows is
// compared with what the core gives for the same operand texts on in-memory boxes.

#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QString>
#include <QTest>
#include <QTimer>
#include <string>

#include "form/commands.h"
#include "state/boxes.h"
#include "support/calculator.h"
#include "window/velmora.h"

namespace velmora::testing {

// The control of this object name and kind; a missing one ends the test program at once.
template <typename Control>
Control* control(const Velmora& form, const QString& objectName) {
    auto* found = form.findChild<Control*>(objectName);
    if (found == nullptr) {
        qFatal("no %s named %s", Control::staticMetaObject.className(), qPrintable(objectName));
    }
    return found;
}

QLineEdit* lineBox(const Velmora& form, Box box);       // the result and operand boxes
QPlainTextEdit* textBox(const Velmora& form, Box box);  // the task and report boxes
QPushButton* button(const Velmora& form, Button button);

inline QString shownReport(const Velmora& form) {
    return textBox(form, reportBox)->toPlainText();
}

// Types text as the keyboard does: printable ASCII a few characters at a time, every other
// character alone with its text (QTest::keyClicks takes only Latin-1), and a character outside
// the BMP as one key press with both halves of its surrogate pair.
void typeText(QWidget* widget, const QString& text, int charactersAtOnce = 1);

inline void press(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(widget, key, modifiers);
}

inline void compute(const Velmora& form) {
    button(form, computeButton)->click();
}
inline void clear(const Velmora& form) {
    button(form, clearButton)->click();
}

// Shows the form and waits until it has the keyboard.
bool showActive(Velmora& form);

// The form on the screen from its construction on, for tests that click and type as a user.
class ShownForm : public Velmora {
public:
    ShownForm();
};

// Watches for a modal message box while it lives, notes what the box said and closes it, so that
// a test of a command that fails does not wait for a user.
class MessageBoxCloser {
public:
    MessageBoxCloser();

    int closed() const { return closed_; }
    const QString& lastTitle() const { return title_; }
    const QString& lastText() const { return text_; }
    QMessageBox::Icon lastIcon() const { return icon_; }

private:
    void closeModalBox();

    QTimer timer_;
    int closed_ = 0;
    QString title_;
    QString text_;
    QMessageBox::Icon icon_ = QMessageBox::NoIcon;
};

// The UTF-8 text that the core reads from a box showing this text.
std::string coreText(const QString& shown);

// A report of the core as the report box shows it: each CR LF is one line break.
QString asShown(const std::string& report);

// What the core gives for two operand texts when it computes on this calculator; an error is
// kept as the text of the message that the window shows for it.
struct CoreOutcome {
    QString report;
    QString result;
    QString failure;  // empty when the compute ran to its end
};
CoreOutcome computeOnCore(Calculator& calculator, const QString& first, const QString& second);

}  // namespace velmora::testing

// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/window_driver.h"

#include <QApplication>
#include <exception>

#include "form/failure_message.h"

namespace velmora::testing {

namespace {

bool isPrintableAscii(QChar c) {
    return c.unicode() >= 0x20 && c.unicode() < 0x7f;
}

}  // namespace

QLineEdit* lineBox(const Velmora& form, Box box) {
    return control<QLineEdit>(form, QStringLiteral("Pole%1").arg(box));
}

QPlainTextEdit* textBox(const Velmora& form, Box box) {
    return control<QPlainTextEdit>(form, QStringLiteral("Pole%1").arg(box));
}

QPushButton* button(const Velmora& form, Button button) {
    return control<QPushButton>(form, QStringLiteral("Buton%1").arg(button));
}

void typeText(QWidget* widget, const QString& text, int charactersAtOnce) {
    qsizetype next = 0;
    while (next < text.size()) {
        qsizetype end = next;
        while (end < text.size() && end - next < charactersAtOnce && isPrintableAscii(text[end])) {
            ++end;
        }
        if (end > next) {
            QTest::keyClicks(widget, text.mid(next, end - next));
            next = end;
            continue;
        }
        const qsizetype length = text[next].isHighSurrogate() && next + 1 < text.size() ? 2 : 1;
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, text.mid(next, length),
                            Qt::NoModifier);
        next += length;
    }
}

bool showActive(Velmora& form) {
    form.show();
    form.activateWindow();
    return QTest::qWaitForWindowActive(&form);
}

ShownForm::ShownForm() {
    show();
    if (!QTest::qWaitForWindowExposed(this)) {
        qFatal("the window was not shown");
    }
}

MessageBoxCloser::MessageBoxCloser() {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] { closeModalBox(); });
    timer_.start();
}

void MessageBoxCloser::closeModalBox() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) {
        return;
    }
    ++closed_;
    title_ = box->windowTitle();
    text_ = box->text();
    icon_ = box->icon();
    box->done(QMessageBox::Ok);
}

std::string coreText(const QString& shown) {
    return shown.toStdString();
}

QString asShown(const std::string& report) {
    std::string shown;
    shown.reserve(report.size());
    for (std::size_t i = 0; i < report.size(); ++i) {
        if (report[i] == '\r' && i + 1 < report.size() && report[i + 1] == '\n') {
            continue;
        }
        shown.push_back(report[i]);
    }
    return QString::fromStdString(shown);
}

CoreOutcome computeOnCore(Calculator& calculator, const QString& first, const QString& second) {
    CoreOutcome outcome;
    try {
        calculator.compute(coreText(first), coreText(second));
    } catch (const std::exception& error) {
        outcome.failure = QString::fromStdString(failureMessage(error));
    }
    outcome.report = asShown(calculator.boxes.text(reportBox));
    outcome.result = QString::fromStdString(calculator.result());
    return outcome;
}

}  // namespace velmora::testing

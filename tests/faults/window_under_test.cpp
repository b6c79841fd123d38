#include "faults/window_under_test.h"

#include <QApplication>
#include <QTest>
#include <exception>

#include "form/failure_message.h"

namespace velmora::testing {

namespace {

template <typename Control>
Control* findControl(const QWidget& form, const QString& name) {
    auto* control = form.findChild<Control*>(name);
    if (control == nullptr) {
        qFatal("the window has no control named %s of the expected kind", qPrintable(name));
    }
    return control;
}

bool isPrintableAscii(QChar c) {
    return c.unicode() >= 0x20 && c.unicode() < 0x7f;
}

}  // namespace

WindowUnderTest::WindowUnderTest() {
    form_.show();
    if (!QTest::qWaitForWindowExposed(&form_)) {
        qFatal("the window was not shown");
    }
}

QLineEdit* WindowUnderTest::lineBox(int box) const {
    return findControl<QLineEdit>(form_, QStringLiteral("Pole%1").arg(box));
}

QPlainTextEdit* WindowUnderTest::reportBox() const {
    return findControl<QPlainTextEdit>(form_, QStringLiteral("Pole%1").arg(velmora::reportBox));
}

QPushButton* WindowUnderTest::button(int index) const {
    return findControl<QPushButton>(form_, QStringLiteral("Buton%1").arg(index));
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
    text_ = box->text();
    icon_ = box->icon();
    box->done(QMessageBox::Ok);
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
        // A character outside the BMP is one key press with two UTF-16 units of text.
        const qsizetype length = text[next].isHighSurrogate() && next + 1 < text.size() ? 2 : 1;
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, text.mid(next, length),
                            Qt::NoModifier);
        next += length;
    }
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

#pragma once
// The real window for the fault tests and the soak test. The form's controls are found by their
// object names, the way a test tool outside the program finds them; text reaches the operand
// boxes as key events or through the clipboard; and what the window shows is compared with what
// the core gives for the same operand texts on in-memory boxes.

#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QString>
#include <QTimer>
#include <string>

#include "support/calculator.h"
#include "window/velmora.h"

namespace velmora::testing {

class WindowUnderTest {
public:
    WindowUnderTest();

    QLineEdit* lineBox(int box) const;  // result and operand boxes
    QPlainTextEdit* reportBox() const;
    QPushButton* button(int index) const;

    QString shownReport() const { return reportBox()->toPlainText(); }

private:
    Velmora form_;
};

// Watches for a modal message box while it lives, notes what the box said and closes it, so that
// a test of a command that fails does not wait for a user.
class MessageBoxCloser {
public:
    MessageBoxCloser();

    int closed() const { return closed_; }
    const QString& lastText() const { return text_; }
    QMessageBox::Icon lastIcon() const { return icon_; }

private:
    void closeModalBox();

    QTimer timer_;
    int closed_ = 0;
    QString text_;
    QMessageBox::Icon icon_ = QMessageBox::NoIcon;
};

// Types text into a widget as the keyboard does: printable ASCII a few characters at a time,
// every other character alone with its text (QTest::keyClicks takes only Latin-1).
void typeText(QWidget* widget, const QString& text, int charactersAtOnce);

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

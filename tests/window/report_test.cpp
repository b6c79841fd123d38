// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// The form as the core fills it: the report and result boxes give back exactly what the core
// wrote on in-memory boxes, copying the report gives the same text, and a command stopped by an
// error keeps what it had written and says why in a message box.

#include <QApplication>
#include <QClipboard>
#include <memory>

#include "form/failure_message.h"
#include "support/calculator.h"
#include "support/window_driver.h"

namespace velmora::testing {

class ReportTest : public QObject {
    Q_OBJECT

private slots:
    void init() { form_ = std::make_unique<Velmora>(); }
    void cleanup() { form_.reset(); }

    void reportMatchesCore_data();
    void reportMatchesCore();
    void editedOperandIsReadAgain();
    void copiedReportEqualsCoreText();
    void failureKeepsWhatWasWritten_data();
    void failureKeepsWhatWasWritten();

private:
    void enterOperands(const QString& first, const QString& second);

    std::unique_ptr<Velmora> form_;
};

void ReportTest::enterOperands(const QString& first, const QString& second) {
    lineBox(*form_, firstOperandBox)->clear();
    lineBox(*form_, secondOperandBox)->clear();
    typeText(lineBox(*form_, firstOperandBox), first);
    typeText(lineBox(*form_, secondOperandBox), second);
}

void ReportTest::reportMatchesCore_data() {
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::newRow("the operands shown at start") << "43252003274489856000"
                                                 << "";
    QTest::newRow("opposite signs, second larger") << "-5"
                                                   << "7";
    QTest::newRow("equal magnitudes give zero") << "12"
                                                << "-12";
    QTest::newRow("report ending without a line break") << "1"
                                                        << "";
    QTest::newRow("carry through sixty digits") << QString(60, QLatin1Char('9')) << "1";
    QTest::newRow("both negative") << "-999"
                                   << "-1";
    QTest::newRow("other characters passed over") << "1а2 3"
                                                  << "x-4";
}

void ReportTest::reportMatchesCore() {
    QFETCH(QString, first);
    QFETCH(QString, second);
    Calculator core;
    const std::string expected = core.compute(first.toStdString(), second.toStdString());

    // Twice: the second compute must replace the report of the first, in the widget as well.
    for (int round = 0; round < 2; ++round) {
        enterOperands(first, second);
        compute(*form_);
        QCOMPARE(form_->boxes().text(reportBox), expected);
        QCOMPARE(shownReport(*form_), asShown(expected));
        QCOMPARE(form_->boxes().text(resultBox), core.result());
        QCOMPARE(lineBox(*form_, resultBox)->text(), QString::fromStdString(core.result()));
    }
}

void ReportTest::editedOperandIsReadAgain() {
    compute(*form_);
    typeText(lineBox(*form_, secondOperandBox), QStringLiteral("-1"));
    compute(*form_);
    QCOMPARE(lineBox(*form_, resultBox)->text(), QStringLiteral("+43252003274489855999"));
}

void ReportTest::copiedReportEqualsCoreText() {
    compute(*form_);
    QPlainTextEdit* report = textBox(*form_, reportBox);
    report->selectAll();
    report->copy();
    QCOMPARE(QGuiApplication::clipboard()->text(),
             QString::fromStdString(form_->boxes().text(reportBox)));

    QTextCursor cursor(report->document());
    cursor.movePosition(QTextCursor::Down, QTextCursor::KeepAnchor, 2);
    report->setTextCursor(cursor);
    report->copy();
    QCOMPARE(
        QGuiApplication::clipboard()->text(),
        QStringLiteral("Число 1: +43252003274489856000\r\nЧисло 2: +00000000000000000000\r\n"));
}

void ReportTest::failureKeepsWhatWasWritten_data() {
    QTest::addColumn<QString>("first");
    QTest::newRow("more digits than the digit table holds") << QString(200, QLatin1Char('7'));
    QTest::newRow("a result past the last scale name") << QString(90, QLatin1Char('7'));
}

void ReportTest::failureKeepsWhatWasWritten() {
    QFETCH(QString, first);
    // The core goes the same way as the form: the operands shown at start, then the long one.
    Calculator core;
    core.compute("43252003274489856000", "");
    std::string expectedMessage;
    try {
        core.compute(first.toStdString(), "");
    } catch (const std::exception& error) {
        expectedMessage = failureMessage(error);
    }
    QVERIFY2(!expectedMessage.empty(), "the core must stop on this operand");

    compute(*form_);
    // Typing stops at 65 characters; the program can still write a longer operand.
    form_->boxes().setText(firstOperandBox, first.toStdString());
    {
        MessageBoxCloser closer;
        compute(*form_);
        QVERIFY2(closer.closed() > 0, "a message box must tell the user");
        QCOMPARE(closer.lastTitle(), QStringLiteral("Velmora — грешка"));
        QCOMPARE(closer.lastText(), QString::fromStdString(expectedMessage));
    }
    QCOMPARE(form_->boxes().text(reportBox), core.boxes.text(reportBox));
    QCOMPARE(shownReport(*form_), asShown(core.boxes.text(reportBox)));
    QCOMPARE(lineBox(*form_, resultBox)->text(), QString::fromStdString(core.result()));
    QCOMPARE(lineBox(*form_, firstOperandBox)->text(), first);

    clear(*form_);
    typeText(lineBox(*form_, firstOperandBox), QStringLiteral("5"));
    MessageBoxCloser quiet;
    compute(*form_);
    QCOMPARE(quiet.closed(), 0);
    QCOMPARE(lineBox(*form_, resultBox)->text(), QStringLiteral("+5"));
}

}  // namespace velmora::testing

QTEST_MAIN(velmora::testing::ReportTest)
#include "report_test.moc"

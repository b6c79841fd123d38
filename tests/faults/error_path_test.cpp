// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// The error path of the real window: an operand text longer than the digit table holds, or a
// result longer than the words can name, is put into the boxes by the program (typing stops at
// 65 characters). The compute stops, a Bulgarian message box says why, the boxes keep what had
// been written until then, and the next compute on ordinary operands gives the right report.

#include <QClipboard>
#include <QGuiApplication>
#include <algorithm>

#include "support/window_driver.h"

namespace velmora::testing {

class ErrorPathTest : public QObject {
    Q_OBJECT

private slots:
    void stopsTellsAndRecovers_data();
    void stopsTellsAndRecovers();
    void clearAfterAStopRestoresTheLimit();
};

namespace {

// Puts a text of any length into an operand box, past the limit that binds the user.
void putLongText(QLineEdit* box, const QString& text) {
    box->setMaxLength(std::max(box->maxLength(), static_cast<int>(text.size())));
    box->setText(text);
}

void computeOrdinaryPair(const Velmora& form, Calculator& core) {
    for (const Box box : {firstOperandBox, secondOperandBox}) {
        lineBox(form, box)->clear();
    }
    typeText(lineBox(form, firstOperandBox), QStringLiteral("-0005"), 3);
    typeText(lineBox(form, secondOperandBox), QStringLiteral("12"), 3);
    QTest::mouseClick(button(form, computeButton), Qt::LeftButton);
    const CoreOutcome expected = computeOnCore(core, QStringLiteral("-0005"), QStringLiteral("12"));
    QCOMPARE(shownReport(form), expected.report);
    QCOMPARE(lineBox(form, resultBox)->text(), QStringLiteral("+7"));
}

}  // namespace

void ErrorPathTest::stopsTellsAndRecovers_data() {
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<int>("keptLines");  // complete report lines written before the stop
    QTest::addColumn<QString>("fact");   // what the message must name

    QTest::newRow("200 digits in the first box")
        << QString(200, u'7') << QStringLiteral("5") << 0 << QStringLiteral("121");
    QTest::newRow("130 digits in the second box, junk between them")
        << QStringLiteral("-3") << QStringLiteral("1a2б").repeated(65) << 0
        << QStringLiteral("121");
    QTest::newRow("119 digits are read but their sum needs position 121")
        << QString(119, u'9') << QStringLiteral("1") << 2 << QStringLiteral("121");
    QTest::newRow("119 digits of equal magnitude and opposite signs")
        << (QStringLiteral("-") + QString(119, u'4')) << QString(119, u'4') << 2
        << QStringLiteral("121");
    QTest::newRow("a 67-digit result has no scale word")
        << QString(66, u'9') << QStringLiteral("1") << 8 << QStringLiteral("вигинтилион");
    QTest::newRow("a 118-digit result stops the words, not the sum")
        << QString(118, u'5') << QString(118, u'4') << 8 << QStringLiteral("вигинтилион");
}

void ErrorPathTest::stopsTellsAndRecovers() {
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(int, keptLines);
    QFETCH(QString, fact);

    ShownForm form;
    Calculator core;
    computeOrdinaryPair(form, core);
    if (QTest::currentTestFailed()) {
        return;
    }
    const QString resultBefore = lineBox(form, resultBox)->text();

    putLongText(lineBox(form, firstOperandBox), first);
    putLongText(lineBox(form, secondOperandBox), second);
    const CoreOutcome expected = computeOnCore(core, first, second);
    QVERIFY2(!expected.failure.isEmpty(), "the core must stop for this case");
    {
        MessageBoxCloser closer;
        QTest::mouseClick(button(form, computeButton), Qt::LeftButton);
        QCOMPARE(closer.closed(), 1);
        QCOMPARE(closer.lastIcon(), QMessageBox::Critical);
        QCOMPARE(closer.lastText(), expected.failure);
        QVERIFY2(closer.lastText().contains(fact), qPrintable(closer.lastText()));
    }
    QCOMPARE(shownReport(form), expected.report);
    QCOMPARE(shownReport(form).count(u'\n'), keptLines);
    QCOMPARE(lineBox(form, resultBox)->text(), expected.result);
    if (keptLines < 8) {
        QCOMPARE(lineBox(form, resultBox)->text(), resultBefore);
    }
    QCOMPARE(lineBox(form, firstOperandBox)->text(), first);

    MessageBoxCloser closer;
    Calculator fresh;
    computeOrdinaryPair(form, fresh);
    QCOMPARE(closer.closed(), 0);
}

// The program may write past the 65 characters that bind the user; once "Изчисти" has emptied
// the boxes after such a text, a paste is cut at 65 again.
void ErrorPathTest::clearAfterAStopRestoresTheLimit() {
    ShownForm form;
    putLongText(lineBox(form, firstOperandBox), QString(200, u'7'));
    putLongText(lineBox(form, secondOperandBox), QString(130, u'3'));
    {
        MessageBoxCloser closer;
        QTest::mouseClick(button(form, computeButton), Qt::LeftButton);
        QCOMPARE(closer.closed(), 1);
    }
    QTest::mouseClick(button(form, clearButton), Qt::LeftButton);
    for (const Box box : {firstOperandBox, secondOperandBox}) {
        QLineEdit* operand = lineBox(form, box);
        QCOMPARE(operand->text(), QString());
        QGuiApplication::clipboard()->setText(QString(10000, u'9'));
        operand->paste();
        QCOMPARE(operand->text(), QString(65, u'9'));
    }
}

}  // namespace velmora::testing

QTEST_MAIN(velmora::testing::ErrorPathTest)
#include "error_path_test.moc"

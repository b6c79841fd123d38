// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// Pasting into the operand boxes: whatever the clipboard holds, a box keeps at most 65 characters
// (as Qt counts them: UTF-16 code units of the QString), and the report is the one that the core
// gives for exactly the text the box kept.

#include <QClipboard>
#include <QGuiApplication>
#include <QRandomGenerator>

#include "support/window_driver.h"

namespace velmora::testing {

class PasteTest : public QObject {
    Q_OBJECT

private slots:
    void keepsAtMost65AndComputesWhatItKept_data();
    void keepsAtMost65AndComputesWhatItKept();
};

namespace {

constexpr int operandLimit = 65;

enum class PasteBy { shortcut, pasteSlot };

void paste(QLineEdit* box, const QString& text, PasteBy how) {
    QGuiApplication::clipboard()->setText(text);
    box->setFocus();
    box->end(false);
    if (how == PasteBy::shortcut) {
        press(box, Qt::Key_V, Qt::ControlModifier);
    } else {
        box->paste();
    }
}

// Ten thousand characters of every kind: digits, signs, blanks, Latin and Cyrillic letters,
// characters outside the BMP, marks and controls.
QString mixedText() {
    const QStringList pieces = {
        QStringLiteral("0"),      QStringLiteral("7"), QStringLiteral("9"),
        QStringLiteral("-"),      QStringLiteral(" "), QStringLiteral("x"),
        QStringLiteral("ж"),      QStringLiteral("😀"), QStringLiteral("\u0301"),
        QStringLiteral("\u200f"), QString(QChar(0)),   QStringLiteral("\t"),
    };
    QRandomGenerator generator(20261208);
    QString text;
    while (text.size() < 10000) {
        text += pieces[generator.bounded(static_cast<int>(pieces.size()))];
    }
    return text;
}

}  // namespace

void PasteTest::keepsAtMost65AndComputesWhatItKept_data() {
    QTest::addColumn<Box>("box");
    QTest::addColumn<QString>("before");  // typed into the box before the paste
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<int>("how");

    const struct {
        const char* name;
        QString before;
        QString pasted;
    } cases[] = {
        {"10,000 digits", {}, QString(10000, u'8')},
        {"10,000 digits after a minus", {}, QStringLiteral("-") + QString(9999, u'3')},
        {"10,000 characters of every kind", {}, mixedText()},
        {"10,000 digits after 60 typed ones", QString(60, u'1'), QString(10000, u'2')},
        {"NUL between digits", {}, QStringLiteral("12") + QChar(0) + QStringLiteral("34")},
        {"NUL before the minus", {}, QString(QChar(0)) + QStringLiteral("-56")},
        {"right-to-left marks around the digits",
         {},
         QStringLiteral("\u200f-\u200e123\u202b45\u202c")},
        {"emoji between digits", {}, QStringLiteral("1😀2👍🏽3-4")},
        {"emoji across the limit", {}, QString(64, u'6') + QStringLiteral("😀9")},
        {"emoji across the limit after typed digits", QString(20, u'1'),
         QString(44, u'6') + QStringLiteral("😀9")},
        {"combining marks on digits and sign", {}, QStringLiteral("-\u03031\u03012\u03083")},
        {"byte order mark before the minus", {}, QStringLiteral("\ufeff-5")},
        {"byte order mark after the minus", {}, QStringLiteral("-\ufeff5")},
    };
    for (const auto& pasteCase : cases) {
        for (const Box box : {firstOperandBox, secondOperandBox}) {
            for (const PasteBy how : {PasteBy::shortcut, PasteBy::pasteSlot}) {
                QTest::addRow("%s into box %d by %s", pasteCase.name, box,
                              how == PasteBy::shortcut ? "ctrl+V" : "paste()")
                    << box << pasteCase.before << pasteCase.pasted << static_cast<int>(how);
            }
        }
    }
}

void PasteTest::keepsAtMost65AndComputesWhatItKept() {
    QFETCH(Box, box);
    QFETCH(QString, before);
    QFETCH(QString, pasted);
    QFETCH(int, how);

    ShownForm form;
    QLineEdit* target = lineBox(form, box);
    target->clear();
    typeText(target, before, 5);
    paste(target, pasted, static_cast<PasteBy>(how));

    // Qt counts UTF-16 units; a character cut in two at the limit is left out whole.
    QString whole = (before + pasted).left(operandLimit);
    if (whole.back().isHighSurrogate()) {
        whole.chop(1);
    }
    const QString kept = target->text();
    QVERIFY2(kept.size() <= operandLimit, qPrintable(QString::number(kept.size())));
    QCOMPARE(kept, whole);
    QVERIFY(!kept.toUtf8().contains("\xEF\xBF\xBD"));  // no replacement character

    press(target, Qt::Key_Return);
    Calculator core;
    const CoreOutcome expected = computeOnCore(core, lineBox(form, firstOperandBox)->text(),
                                               lineBox(form, secondOperandBox)->text());
    QVERIFY2(expected.failure.isEmpty(), qPrintable(expected.failure));
    QCOMPARE(shownReport(form), expected.report);
    QCOMPARE(lineBox(form, resultBox)->text(), expected.result);
}

}  // namespace velmora::testing

QTEST_MAIN(velmora::testing::PasteTest)
#include "paste_test.moc"

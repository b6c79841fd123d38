// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "soak/soak_run.h"

#include <QCoreApplication>
#include <QFile>

namespace velmora::testing {

namespace {

constexpr int operandLimit = 65;

int operandIndex(Box box) {
    return box == firstOperandBox ? 0 : 1;
}

// Characters a keyboard or an input method can give, beyond ASCII: emoji (one of them with a
// skin-tone modifier), combining marks, digits of other scripts, and format characters such
// as direction marks, the byte order mark and the zero-width joiner.
QStringList unusualCharacters() {
    return {
        QStringLiteral("😀"),      QStringLiteral("👍🏽"), QStringLiteral("\u0301"),
        QStringLiteral("\u0308"), QStringLiteral("\uff19"),   QStringLiteral("\u0663"),
        QStringLiteral("\u200f"), QStringLiteral("\u200e"),   QStringLiteral("\ufeff"),
        QStringLiteral("\u200d"), QStringLiteral("€"),        QStringLiteral("中"),
    };
}

}  // namespace

SoakRun::SoakRun(quint32 seed) : generator_(seed), unusual_(unusualCharacters()) {
    for (const Box box : {firstOperandBox, secondOperandBox}) {
        expectedOperand_[operandIndex(box)] = lineBox(form_, box)->text();
    }
}

void SoakRun::playRound() {
    for (const Box box : {firstOperandBox, secondOperandBox}) {
        if (generator_.bounded(100) < 70) {
            editOperand(box);
        }
    }
    if (generator_.bounded(100) < 3) {
        typeIntoReport();  // locked after a compute: nothing may change
    }
    compute();
    if (generator_.bounded(100) < 5) {
        clear();
    }
    // Between two user actions the program's event loop runs: it paints and delivers what the
    // widgets posted (queued signals of the scroll bars, update requests). Without it those
    // events would pile up and look like a leak.
    QCoreApplication::processEvents();
}

void SoakRun::startMeasuring() {
    figures_.residentAtStartKb = residentMemoryKb();
}

SoakFigures SoakRun::figures() const {
    SoakFigures now = figures_;
    now.residentNowKb = residentMemoryKb();
    now.messageBoxes = closer_.closed();
    return now;
}

namespace {

// What the box holds after typing at its end: keys past the limit are lost, as they are for the
// user, and so is a character outside the BMP that no longer fits whole.
QString typedAtEnd(QString text, const QString& typed) {
    for (qsizetype i = 0; i < typed.size();) {
        const bool pair =
            typed[i].isHighSurrogate() && i + 1 < typed.size() && typed[i + 1].isLowSurrogate();
        const qsizetype length = pair ? 2 : 1;
        const bool loneHalf = typed[i].isHighSurrogate() && !pair;
        if (!loneHalf && text.size() + length <= operandLimit) {
            text += typed.mid(i, length);
        }
        i += length;
    }
    return text;
}

}  // namespace

// Replaces the text (select all, delete, type) or types more at its end.
void SoakRun::editOperand(Box box) {
    QLineEdit* widget = lineBox(form_, box);
    QString& expected = expectedOperand_[operandIndex(box)];
    const QString typed = randomText(randomLength());
    if (generator_.bounded(100) < 75) {
        press(widget, Qt::Key_A, Qt::ControlModifier);
        press(widget, Qt::Key_Delete);
        expected.clear();
    } else {
        press(widget, Qt::Key_End);
    }
    typeText(widget, typed, 1 + static_cast<int>(generator_.bounded(6)));
    expected = typedAtEnd(expected, typed);
    QCOMPARE(widget->text(), expected);
}

void SoakRun::compute() {
    if (generator_.bounded(2) == 0) {
        const Box box = generator_.bounded(2) == 0 ? firstOperandBox : secondOperandBox;
        press(lineBox(form_, box), Qt::Key_Return);
    } else {
        QTest::mouseClick(button(form_, computeButton), Qt::LeftButton);
    }
    ++figures_.computes;
    const CoreOutcome expected = computeOnCore(core_, expectedOperand_[0], expectedOperand_[1]);
    QCOMPARE(shownReport(form_), expected.report);
    QCOMPARE(lineBox(form_, resultBox)->text(), expected.result);
    QVERIFY(textBox(form_, reportBox)->isReadOnly());
}

void SoakRun::clear() {
    QTest::mouseClick(button(form_, clearButton), Qt::LeftButton);
    core_.commands.click(clearButton);
    ++figures_.clears;
    for (QString& operand : expectedOperand_) {
        operand.clear();
    }
    for (const Box box : {resultBox, firstOperandBox, secondOperandBox}) {
        QCOMPARE(lineBox(form_, box)->text(), QString());
    }
    QCOMPARE(shownReport(form_), QString());
    if (generator_.bounded(2) == 0) {
        typeIntoReport();  // unlocked after a clear: the user may write there
    }
}

void SoakRun::typeIntoReport() {
    QPlainTextEdit* report = textBox(form_, reportBox);
    const QString before = report->toPlainText();
    const QString typed = randomText(1 + static_cast<int>(generator_.bounded(12)));
    press(report, Qt::Key_End, Qt::ControlModifier);
    typeText(report, typed, 4);
    QCOMPARE(report->toPlainText(), report->isReadOnly() ? before : before + typed);
}

QString SoakRun::randomText(int length) {
    QString text;
    while (text.size() < length) {
        text += randomCharacter();
    }
    return text;
}

QString SoakRun::randomCharacter() {
    const int pick = static_cast<int>(generator_.bounded(100));
    if (pick < 68) {
        return QChar(u'0' + generator_.bounded(10));
    }
    if (pick < 78) {
        return QString(QStringLiteral("-- +").at(generator_.bounded(4)));
    }
    if (pick < 84) {
        return QChar(u'!' + generator_.bounded(94));  // any printable ASCII
    }
    if (pick < 93) {
        return QChar(u'а' + generator_.bounded(32));  // Cyrillic а to я
    }
    return unusual_.at(generator_.bounded(static_cast<int>(unusual_.size())));
}

// Mostly short operands, often near the limit, and some past it.
int SoakRun::randomLength() {
    const int band = static_cast<int>(generator_.bounded(10));
    if (band < 4) {
        return generator_.bounded(0, 9);
    }
    if (band < 7) {
        return generator_.bounded(9, 41);
    }
    if (band < 9) {
        return generator_.bounded(58, 70);
    }
    return generator_.bounded(66, 90);
}

long residentMemoryKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return -1;
    }
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').first().toLong();
        }
    }
    return -1;
}

}  // namespace velmora::testing

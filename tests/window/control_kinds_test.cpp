// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// The window builds each box from its row of the control table: the widget's kind from the row's
// multi-line flag and the typing limit from its limit, 0 for none. Each case changes one row of a
// copy of the table and checks that the window built from it follows, and still computes.

#include <QLineEdit>
#include <QPlainTextEdit>
#include <vector>

#include "support/window_driver.h"

namespace velmora::testing {

namespace {

QString shown(const QWidget* box) {
    if (const auto* lines = qobject_cast<const QPlainTextEdit*>(box)) {
        return lines->toPlainText();
    }
    return qobject_cast<const QLineEdit*>(box)->text();
}

}  // namespace

class ControlKindsTest : public QObject {
    Q_OBJECT

private slots:
    void boxFollowsItsRow_data();
    void boxFollowsItsRow();
};

void ControlKindsTest::boxFollowsItsRow_data() {
    QTest::addColumn<int>("box");
    QTest::addColumn<bool>("multiLine");
    QTest::addColumn<int>("limit");
    QTest::addColumn<QString>("typed");  // into the first operand box
    QTest::addColumn<QString>("sum");
    const QString pastTheLimit(66, QLatin1Char('1'));  // the table's limit is 65
    QTest::newRow("the sum in a multi-line box") << int(resultBox) << true << 69 << "5"
                                                 << "+5";
    QTest::newRow("the report in a single-line box") << int(reportBox) << false << 0 << "5"
                                                     << "+5";
    QTest::newRow("an operand box without a limit")
        << int(firstOperandBox) << false << 0 << pastTheLimit << "+" + pastTheLimit;
    QTest::newRow("an operand box with a limit of 3")
        << int(firstOperandBox) << false << 3 << "12345"
        << "+123";
}

void ControlKindsTest::boxFollowsItsRow() {
    QFETCH(int, box);
    QFETCH(bool, multiLine);
    QFETCH(int, limit);
    QFETCH(QString, typed);
    QFETCH(QString, sum);
    std::vector<ControlDescriptor> table(controlTable().begin(), controlTable().end());
    for (ControlDescriptor& row : table) {
        if (row.array == ControlArray::pole && row.index == box) {
            row.multiLine = multiLine;
            row.maxLength = limit;
        }
    }
    Velmora form(table);
    QWidget* changed = form.pole(boxAt(box));
    QCOMPARE(qobject_cast<QPlainTextEdit*>(changed) != nullptr, multiLine);
    QCOMPARE(qobject_cast<QLineEdit*>(changed) != nullptr, !multiLine);

    QWidget* operand = form.pole(firstOperandBox);
    qobject_cast<QLineEdit*>(operand)->clear();
    typeText(operand, typed);
    compute(form);
    QCOMPARE(shown(form.pole(resultBox)), sum);
    QVERIFY(shown(form.pole(reportBox)).contains(QStringLiteral("Сумата словом:")));
}

}  // namespace velmora::testing

QTEST_MAIN(velmora::testing::ControlKindsTest)
#include "control_kinds_test.moc"

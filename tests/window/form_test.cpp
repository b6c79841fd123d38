// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// The form as a user meets it: what it shows at start, its names for screen readers, the tab
// order, the limits on typing and pasting, which boxes are locked when, and Enter to compute.

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QLabel>
#include <QRegularExpression>
#include <memory>

#include "support/window_driver.h"

namespace velmora::testing {

namespace {

QString shownText(const QWidget* widget) {
    if (const auto* line = qobject_cast<const QLineEdit*>(widget)) {
        return line->text();
    }
    if (const auto* box = qobject_cast<const QPlainTextEdit*>(widget)) {
        return box->toPlainText();
    }
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        return label->text();
    }
    return qobject_cast<const QAbstractButton*>(widget)->text();
}

const char* const cubeNumber = "43252003274489856000";

}  // namespace

class FormTest : public QObject {
    Q_OBJECT

private slots:
    void init() { form_ = std::make_unique<Velmora>(); }
    void cleanup() { form_.reset(); }

    void initialTexts_data();
    void initialTexts();
    void taskStatementNamesTheScalesInOrder();
    void windowProperties();
    void namesForScreenReaders_data();
    void namesForScreenReaders();
    void tabOrder();
    void typingIsLimited_data();
    void typingIsLimited();
    void lockedAfterCompute_data();
    void lockedAfterCompute();
    void reportEditableAfterClear();
    void undoAfterClear();
    void enterComputes_data();
    void enterComputes();
    void focusFollowsThePupil();
    void longestSumShownWhole();

private:
    std::unique_ptr<Velmora> form_;
};

void FormTest::initialTexts_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");
    QTest::newRow("first operand holds the cube number") << "Pole3" << cubeNumber;
    QTest::newRow("second operand is empty") << "Pole4"
                                             << "";
    QTest::newRow("result box is empty") << "Pole2"
                                         << "";
    QTest::newRow("report box is empty") << "Pole1"
                                         << "";
    QTest::newRow("title") << "Etiket0"
                           << "Информатика - сумата словом";
    QTest::newRow("label of the result") << "Etiket1"
                                         << "Сума";
    QTest::newRow("label of operand 1") << "Etiket2"
                                        << "Число 1";
    QTest::newRow("label of operand 2") << "Etiket3"
                                        << "Число 2";
    QTest::newRow("compute button") << "Buton0"
                                    << "Изчисли";
    QTest::newRow("clear button") << "Buton1"
                                  << "Изчисти";
}

void FormTest::initialTexts() {
    QFETCH(QString, name);
    QFETCH(QString, expected);
    QCOMPARE(shownText(control<QWidget>(*form_, name)), expected);
}

void FormTest::taskStatementNamesTheScalesInOrder() {
    const QString statement = QString::fromStdString(form_->boxes().text(taskBox));
    QVERIFY2(statement.size() > 2700 && statement.size() < 3100, "about 2,900 characters");
    QVERIFY(statement.contains(QStringLiteral("\r\n")));
    QVERIFY(!statement.contains(QRegularExpression(QStringLiteral("[^\r]\n"))));
    QVERIFY(!textBox(*form_, taskBox)->toPlainText().contains(QLatin1Char('\r')));
    QVERIFY(textBox(*form_, taskBox)->isReadOnly());

    qsizetype from = 0;
    int zeros = 3;
    for (const char* scale :
         {"хиляда",       "милион",       "милиард",        "трилион",      "квадралион",
          "квинтилион",   "секстилион",   "септилион",      "октилион",     "нонилион",
          "децилион",     "индецилион",   "дуодецилион",    "тридецилион",  "куадродецилион",
          "куиндецилион", "сексдецилион", "септемдецилион", "октодецилион", "новемдецилион",
          "вигинтилион"}) {
        const QString entry = QString::fromUtf8(scale) + QStringLiteral(" - %1 нули").arg(zeros);
        const qsizetype at = statement.indexOf(entry, from);
        QVERIFY2(at >= 0, qPrintable(entry));
        from = at + entry.size();
        zeros += 3;
    }
    QVERIFY(statement.endsWith(QStringLiteral("43 252 003 274 489 856 000.")));
}

void FormTest::windowProperties() {
    QCOMPARE(form_->windowTitle(),
             QStringLiteral("Извеждане на сума от естествени числа словом - чрез текст"));

    QCOMPARE(form_->minimumSize(), QSize(625, 431));
    QCOMPARE(form_->maximumSize(), QSize(625, 431));
    QCOMPARE(form_->palette().color(QPalette::Window), QColor(128, 128, 255));

    const QImage icon = form_->windowIcon().pixmap(32, 32).toImage();
    QCOMPARE(icon.size(), QSize(32, 32));
    QVERIFY(icon.pixelColor(16, 16).alpha() == 255);

    const QFontInfo font(lineBox(*form_, firstOperandBox)->font());
    QCOMPARE(font.pointSize(), 12);
    QCOMPARE(font.family(), QStringLiteral("Liberation Serif"));
}

void FormTest::namesForScreenReaders_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("accessibleName");
    QTest::newRow("task box") << "Pole0"
                              << "Условие на задачата";
    QTest::newRow("report box") << "Pole1"
                                << "Отчет";
    QTest::newRow("result box takes its label") << "Pole2"
                                                << "Сума";
    QTest::newRow("operand 1 takes its label") << "Pole3"
                                               << "Число 1";
    QTest::newRow("operand 2 takes its label") << "Pole4"
                                               << "Число 2";
    QTest::newRow("compute button") << "Buton0"
                                    << "Изчисли";
    QTest::newRow("clear button") << "Buton1"
                                  << "Изчисти";
    QTest::newRow("title") << "Etiket0"
                           << "Информатика - сумата словом";
    QTest::newRow("label of the result") << "Etiket1"
                                         << "Сума";
    QTest::newRow("label of operand 1") << "Etiket2"
                                        << "Число 1";
    QTest::newRow("label of operand 2") << "Etiket3"
                                        << "Число 2";
}

void FormTest::namesForScreenReaders() {
    QFETCH(QString, name);
    QFETCH(QString, accessibleName);
    const QWidget* widget = control<QWidget>(*form_, name);
    QCOMPARE(widget->accessibleName(), accessibleName);
    // The description is the tooltip, or nothing, and never says the name again.
    QCOMPARE(widget->accessibleDescription(), widget->toolTip());
    QVERIFY(!widget->accessibleDescription().contains(accessibleName, Qt::CaseInsensitive));
}

void FormTest::tabOrder() {
    QVERIFY(showActive(*form_));
    textBox(*form_, taskBox)->setFocus();

    QStringList visited{form_->focusWidget()->objectName()};
    for (int step = 0; step < 7; ++step) {
        press(form_->focusWidget(), Qt::Key_Tab);
        visited << form_->focusWidget()->objectName();
    }
    const QStringList expected{"Pole0", "Buton0", "Buton1", "Pole1",
                               "Pole2", "Pole3",  "Pole4",  "Pole0"};
    QCOMPARE(visited, expected);
}

void FormTest::typingIsLimited_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("before");
    QTest::addColumn<bool>("paste");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("after");
    const QString full(65, QLatin1Char('1'));
    const QString sixtySix = QStringLiteral("1234567890").repeated(7).left(66);
    const QString eighty = QStringLiteral("9876543210").repeated(8);
    QTest::newRow("66th typed digit") << "Pole3" << full << false << "2" << full;
    QTest::newRow("66th typed Cyrillic letter") << "Pole4" << full << false << "я" << full;
    QTest::newRow("66 digits typed") << "Pole4"
                                     << "" << false << sixtySix << sixtySix.left(65);
    QTest::newRow("long paste is cut") << "Pole3"
                                       << "" << true << eighty << eighty.left(65);
    QTest::newRow("paste into a nearly full box")
        << "Pole4" << QString(60, QLatin1Char('5')) << true << "1234567890"
        << QString(60, QLatin1Char('5')) + "12345";
}

void FormTest::typingIsLimited() {
    QFETCH(QString, name);
    QFETCH(QString, before);
    QFETCH(bool, paste);
    QFETCH(QString, input);
    QFETCH(QString, after);
    QLineEdit* box = control<QLineEdit>(*form_, name);
    box->setText(before);
    if (paste) {
        QGuiApplication::clipboard()->setText(input);
        press(box, Qt::Key_V, Qt::ControlModifier);
    } else {
        typeText(box, input);
    }
    QCOMPARE(box->text(), after);
    QCOMPARE(QString::fromStdString(form_->boxes().text(boxAt(name.back().digitValue()))), after);
}

void FormTest::lockedAfterCompute_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("task box") << "Pole0";
    QTest::newRow("report box") << "Pole1";
    QTest::newRow("result box") << "Pole2";
}

void FormTest::lockedAfterCompute() {
    QFETCH(QString, name);
    compute(*form_);
    QWidget* box = control<QWidget>(*form_, name);
    const QString before = shownText(box);
    QVERIFY(!before.isEmpty());

    QGuiApplication::clipboard()->setText(QStringLiteral("55"));
    press(box, Qt::Key_End, Qt::ControlModifier);
    typeText(box, QStringLiteral("7я "));
    press(box, Qt::Key_Backspace);
    press(box, Qt::Key_Home, Qt::ControlModifier);
    press(box, Qt::Key_Delete);
    press(box, Qt::Key_V, Qt::ControlModifier);
    press(box, Qt::Key_Return);
    QCOMPARE(shownText(box), before);
}

void FormTest::reportEditableAfterClear() {
    compute(*form_);
    clear(*form_);
    for (const Box box : {resultBox, firstOperandBox, secondOperandBox}) {
        QCOMPARE(lineBox(*form_, box)->text(), QString());
    }
    QPlainTextEdit* report = textBox(*form_, reportBox);
    QCOMPARE(report->toPlainText(), QString());
    QVERIFY(!report->isReadOnly());

    typeText(report, QStringLiteral("абв"));
    press(report, Qt::Key_Return);
    typeText(report, QStringLiteral("12"));
    QCOMPARE(report->toPlainText(), QStringLiteral("абв\n12"));
    QCOMPARE(form_->boxes().text(reportBox), std::string("абв\r\n12"));
}

// A clear by mistake: Ctrl+Z in an operand box brings back what it held, and the next compute
// takes it.
void FormTest::undoAfterClear() {
    QLineEdit* first = lineBox(*form_, firstOperandBox);
    QLineEdit* second = lineBox(*form_, secondOperandBox);
    typeText(second, QStringLiteral("-17"));
    clear(*form_);
    press(second, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(second->text(), QStringLiteral("-17"));
    press(first, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(first->text(), QString::fromLatin1(cubeNumber));
    compute(*form_);
    QCOMPARE(lineBox(*form_, resultBox)->text(), QStringLiteral("+43252003274489855983"));
}

void FormTest::enterComputes_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("Enter in the first box") << "Pole3";
    QTest::newRow("Enter in the second box") << "Pole4";
}

void FormTest::enterComputes() {
    QFETCH(QString, name);
    typeText(lineBox(*form_, secondOperandBox), QStringLiteral("7"));
    press(control<QLineEdit>(*form_, name), Qt::Key_Return);
    QCOMPARE(lineBox(*form_, resultBox)->text(), QStringLiteral("+43252003274489856007"));
    QVERIFY(shownReport(*form_).startsWith(QStringLiteral("Число 1: +")));
    QVERIFY(textBox(*form_, reportBox)->isReadOnly());
}

// A pupil at the keyboard: each step, the key pressed where the focus is (or the clear button
// clicked), and where the focus is then. The sum's words stay in its description until a clear.
void FormTest::focusFollowsThePupil() {
    QVERIFY(showActive(*form_));
    struct Step {
        const char* what;
        Qt::Key key;  // Qt::Key_unknown: click "Изчисти"
        Qt::KeyboardModifiers modifiers;
        const char* focus;
    };
    // A Qt that can announce the sum leaves the focus where the pupil is; an older one moves it
    // to the sum, which then speaks.
    const bool announces = QT_VERSION >= QT_VERSION_CHECK(6, 8, 0);
    const char* const afterCompute = announces ? "Pole4" : "Pole2";
    const Step steps[] = {
        {"Tab to the second operand", Qt::Key_Tab, {}, "Pole4"},
        {"Enter computes", Qt::Key_Return, {}, afterCompute},
        {"Enter computes again", Qt::Key_Return, {}, afterCompute},
        {"Tab leads on", Qt::Key_Tab, {}, announces ? "Pole0" : "Pole3"},
        {"a clear brings the focus back to the first operand", Qt::Key_unknown, {}, "Pole3"},
    };
    QCOMPARE(form_->focusWidget()->objectName(), QStringLiteral("Pole3"));
    QLineEdit* result = lineBox(*form_, resultBox);
    for (const Step& step : steps) {
        if (step.key == Qt::Key_unknown) {
            clear(*form_);
        } else {
            press(form_->focusWidget(), step.key, step.modifiers);
        }
        QCOMPARE(form_->focusWidget()->objectName(), QString::fromLatin1(step.focus));
        const bool computed = !result->text().isEmpty();
        QCOMPARE(result->accessibleDescription().contains(QStringLiteral("квинтилиона")),
                 computed && !announces);
    }
    QCOMPARE(result->accessibleDescription(), result->toolTip());
    typeText(form_->focusWidget(), QStringLiteral("5"));
    QCOMPARE(lineBox(*form_, firstOperandBox)->text(), QStringLiteral("5"));
}

// The longest sum the boxes give, 66 digits and the sign, from its first character to its last
// within the box at the form's size, with nothing scrolled away.
void FormTest::longestSumShownWhole() {
    QVERIFY(showActive(*form_));
    const QString nines(65, QLatin1Char('9'));
    for (const Box box : {firstOperandBox, secondOperandBox}) {
        lineBox(*form_, box)->setText(nines);
    }
    compute(*form_);
    QLineEdit* result = lineBox(*form_, resultBox);
    QCOMPARE(result->text().size(), 67);
    // The compute leaves the cursor after the last character. Had the box scrolled to show it, the
    // cursor would come closer to the start than one advance of the text when moved there.
    const auto cursorX = [result] {
        return result->inputMethodQuery(Qt::ImCursorRectangle).toRect().left();
    };
    result->repaint();  // the box scrolls as it paints
    const int end = cursorX();
    result->setCursorPosition(0);
    result->repaint();
    const qreal shown = end - cursorX();
    QCOMPARE_GE(shown, QFontMetricsF(result->font()).horizontalAdvance(result->text()) - 1);
}

}  // namespace velmora::testing

QTEST_MAIN(velmora::testing::FormTest)
#include "form_test.moc"

// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// The window as drawn on the offscreen platform: the picture is saved in the build folder, and
// sample pixels show the colours of the form, the labels and the buttons, and that the captions
// and texts were drawn with real glyphs, centred where the labels centre them.

#include <QFontMetrics>
#include <QLabel>
#include <algorithm>

#include "support/window_driver.h"

namespace velmora::testing {

namespace {

bool isInk(QColor colour) {
    return colour.red() < 90 && colour.green() < 90 && colour.blue() < 90;
}

struct Ink {
    int pixels = 0;
    int left = 0;
    int right = 0;
    double middle() const { return (left + right) / 2.0; }
};

Ink inkIn(const QImage& image, QRect area) {
    Ink ink{0, area.right(), area.left()};
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (isInk(image.pixelColor(x, y))) {
                ++ink.pixels;
                ink.left = std::min(ink.left, x);
                ink.right = std::max(ink.right, x);
            }
        }
    }
    return ink;
}

}  // namespace

class ScreenshotTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void colours_data();
    void colours();
    void textDrawn_data();
    void textDrawn();
    void captionsHaveGlyphs();

private:
    Velmora form_;
    QImage picture_;
};

void ScreenshotTest::initTestCase() {
    form_.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form_));
    picture_ = form_.grab().toImage();
    QCOMPARE(picture_.size(), QSize(625, 431));
    QVERIFY(picture_.save(QStringLiteral(VELMORA_SCREENSHOT)));
}

void ScreenshotTest::colours_data() {
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QColor>("expected");
    const QColor form(128, 128, 255);
    const QColor label(255, 192, 128);
    QTest::newRow("form between the report and the buttons") << QPoint(470, 300) << form;
    QTest::newRow("form right of the boxes") << QPoint(621, 200) << form;
    QTest::newRow("form below the report") << QPoint(300, 425) << form;
    QTest::newRow("title label") << QPoint(140, 11) << label;
    QTest::newRow("label of the result") << QPoint(10, 242) << label;
    QTest::newRow("label of operand 1") << QPoint(10, 178) << label;
    QTest::newRow("label of operand 2") << QPoint(70, 230) << label;
    QTest::newRow("face of the compute button") << QPoint(517, 301) << QColor(0, 255, 0);
    QTest::newRow("face of the clear button") << QPoint(517, 341) << form;
    QTest::newRow("empty second operand box") << QPoint(300, 220) << QColor(Qt::white);
}

void ScreenshotTest::colours() {
    QFETCH(QPoint, at);
    QFETCH(QColor, expected);
    QCOMPARE(picture_.pixelColor(at), expected);
}

void ScreenshotTest::textDrawn_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("centred");
    QTest::newRow("title caption") << "Etiket0" << true;
    QTest::newRow("caption of the result label") << "Etiket1" << true;
    QTest::newRow("caption of label 1") << "Etiket2" << true;
    QTest::newRow("compute button caption") << "Buton0" << true;
    QTest::newRow("clear button caption") << "Buton1" << true;
    QTest::newRow("first operand digits") << "Pole3" << false;
    QTest::newRow("task statement") << "Pole0" << false;
}

void ScreenshotTest::textDrawn() {
    QFETCH(QString, name);
    QFETCH(bool, centred);
    const QRect area = control<QWidget>(form_, name)->geometry().adjusted(3, 3, -3, -3);
    const Ink ink = inkIn(picture_, area);
    // Even the four letters of "Сума" at 12 pt leave dozens of dark pixels.
    QVERIFY2(ink.pixels > 40, qPrintable(QString::number(ink.pixels)));
    if (centred) {
        QVERIFY2(qAbs(ink.middle() - area.center().x()) < 3,
                 qPrintable(QString::number(ink.middle())));
    }
}

// A font without Cyrillic would draw empty boxes of the same size for every letter.
void ScreenshotTest::captionsHaveGlyphs() {
    const QFontMetrics metrics(control<QLabel>(form_, "Etiket0")->font());
    const QString captions =
        QStringLiteral("Информатика - сумата словом Число Сума Изчисли Изчисти");
    for (const QChar c : captions) {
        QVERIFY2(metrics.inFont(c), qPrintable(QString(c)));
    }
    QVERIFY(metrics.horizontalAdvance(QStringLiteral("Ш")) >
            metrics.horizontalAdvance(QStringLiteral("г")));
}

}  // namespace velmora::testing

QTEST_MAIN(velmora::testing::ScreenshotTest)
#include "screenshot_test.moc"

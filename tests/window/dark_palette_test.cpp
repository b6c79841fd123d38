// The form on a desktop with a dark theme, saved as a picture in the build folder: every caption
// and box text is still dark on its light face, and the desktop's dark tooltip stays readable.

#include <QApplication>
#include <QTest>
#include <QToolTip>
#include <algorithm>
#include <array>

#include "window/velmora.h"

namespace velmora::testing {

// Grey levels inside the frame: the face (its first pixel), the darkest pixel, and the count of
// pixels clearly lighter than the face, as light text on it would be.
std::array<int, 3> shadesOf(QWidget* widget) {
    const QImage image = widget->grab().toImage();
    const QRect inside = image.rect().adjusted(3, 3, -3, -3);
    std::array<int, 3> shades{qGray(image.pixel(inside.topLeft())), 255, 0};
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const int grey = qGray(image.pixel(x, y));
            shades[1] = std::min(shades[1], grey);
            shades[2] += grey > shades[0] + 30 ? 1 : 0;
        }
    }
    return shades;
}

class DarkPaletteTest : public QObject {
    Q_OBJECT

private slots:
    void drawnReadably_data() {
        QTest::addColumn<QString>("name");
        for (const char* name : {"Etiket0", "Etiket2", "Buton0", "Buton1", "Pole0", "Pole3", ""}) {
            QTest::newRow(*name != '\0' ? name : "tooltip") << QString::fromLatin1(name);
        }
    }

    void drawnReadably() {
        QFETCH(QString, name);
        QPalette dark(QColor(53, 53, 53));  // light text on dark faces, in every group
        dark.setColor(QPalette::ToolTipBase, QColor(40, 40, 40));
        dark.setColor(QPalette::ToolTipText, QColor(230, 230, 230));
        QApplication::setPalette(dark);
        QToolTip::setPalette(dark);
        Velmora form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QVERIFY(form.grab().save(QStringLiteral(VELMORA_DARK_SCREENSHOT)));
        const bool tip = name.isEmpty();
        if (tip) {
            QToolTip::showText(form.buton(0)->mapToGlobal(QPoint(9, 9)), form.buton(0)->toolTip(),
                               form.buton(0));
            name = QStringLiteral("qtooltip_label");
        }
        QWidget* widget = form.findChild<QWidget*>(name);
        QVERIFY(widget != nullptr);
        const auto [face, darkest, lighter] = shadesOf(widget);
        const QString shades = QStringLiteral("%1 %2 %3").arg(face).arg(darkest).arg(lighter);
        QVERIFY2(tip ? face < 100 && lighter > 40 : face > 120 && darkest < 60 && lighter == 0,
                 qPrintable(shades));
        QToolTip::hideText();
    }
};

}  // namespace velmora::testing

QTEST_MAIN(velmora::testing::DarkPaletteTest)
#include "dark_palette_test.moc"

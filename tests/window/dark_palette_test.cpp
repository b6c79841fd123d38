// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// The form on a desktop with a dark theme, saved as a picture in the build folder: it looks just
// as on a light desktop, and its captions stay black on their light faces.

#include <QApplication>
#include <QStyleHints>
#include <algorithm>
#include <array>
#include <utility>

#include "support/window_driver.h"

namespace velmora::testing {

// The darkest and the lightest grey inside the widget's frame.
std::pair<int, int> greys(QWidget* widget) {
    const QImage image = widget->grab().toImage().convertToFormat(QImage::Format_Grayscale8);
    std::pair<int, int> range{255, 0};
    for (int y = 3; y < image.height() - 3; ++y) {
        const auto [low, high] = std::minmax_element(image.constScanLine(y) + 3,
                                                     image.constScanLine(y) + image.width() - 3);
        range = {std::min<int>(range.first, *low), std::max<int>(range.second, *high)};
    }
    return range;
}

class DarkPaletteTest : public QObject {
    Q_OBJECT

private slots:
    void drawnAsOnALightDesktop() {
        QGuiApplication::styleHints()->setCursorFlashTime(0);  // the caret alike in both pictures
        const QImage onLightDesktop = ShownForm().grab().toImage();
        QApplication::setPalette(QPalette(QColor(53, 53, 53)));  // light text on dark faces
        ShownForm form;
        QVERIFY(form.grab().save(QStringLiteral(VELMORA_DARK_SCREENSHOT)));
        QVERIFY(form.grab().toImage() == onLightDesktop);
        // Black captions on the orange, green and blue faces, and nothing lighter on them.
        for (QWidget* widget :
             std::array<QWidget*, 3>{control<QWidget>(form, "Etiket0"), button(form, computeButton),
                                     button(form, clearButton)}) {
            const auto [darkest, lightest] = greys(widget);
            QVERIFY2(darkest < 60 && lightest < 240, qPrintable(widget->objectName()));
        }
    }
};

}  // namespace velmora::testing

QTEST_MAIN(velmora::testing::DarkPaletteTest)
#include "dark_palette_test.moc"

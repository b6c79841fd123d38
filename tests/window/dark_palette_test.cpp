// The form on a desktop with a dark theme, saved as a picture in the build folder: it looks just
// as on a light desktop, its captions are dark, and the desktop's dark tooltip stays readable.

#include <QApplication>
#include <QStyleHints>
#include <QTest>
#include <QToolTip>
#include <algorithm>
#include <array>
#include <memory>
#include <utility>

#include "window/velmora.h"

namespace velmora::testing {

// The darkest and the lightest grey inside the widget's frame.
std::pair<int, int> greys(QWidget* widget) {
    const QImage image = widget->grab().toImage();
    std::pair<int, int> range{255, 0};
    for (int y = 3; y < image.height() - 3; ++y) {
        for (int x = 3; x < image.width() - 3; ++x) {
            const int grey = qGray(image.pixel(x, y));
            range = {std::min(range.first, grey), std::max(range.second, grey)};
        }
    }
    return range;
}

std::unique_ptr<Velmora> shownForm() {
    auto form = std::make_unique<Velmora>();
    form->show();
    return QTest::qWaitForWindowExposed(form.get()) ? std::move(form) : nullptr;
}

class DarkPaletteTest : public QObject {
    Q_OBJECT

private slots:
    void drawnAsOnALightDesktop() {
        QGuiApplication::styleHints()->setCursorFlashTime(0);  // the caret alike in both pictures
        auto form = shownForm();
        QVERIFY(form != nullptr);
        const QImage onLightDesktop = form->grab().toImage();
        form.reset();
        QPalette dark(QColor(53, 53, 53));  // light text on dark faces, in every group
        dark.setColor(QPalette::ToolTipBase, QColor(40, 40, 40));
        dark.setColor(QPalette::ToolTipText, QColor(230, 230, 230));
        QApplication::setPalette(dark);
        QToolTip::setPalette(dark);
        form = shownForm();
        QVERIFY(form != nullptr);
        QVERIFY(form->grab().save(QStringLiteral(VELMORA_DARK_SCREENSHOT)));
        QVERIFY(form->grab().toImage() == onLightDesktop);
        // Black captions on the orange, green and blue faces, and nothing lighter on them.
        const std::array<QWidget*, 3> captioned{form->etiket(0), form->buton(0), form->buton(1)};
        for (QWidget* control : captioned) {
            const auto [darkest, lightest] = greys(control);
            QVERIFY2(darkest < 60 && lightest < 240, qPrintable(control->objectName()));
        }
        QToolTip::showText(form->buton(0)->mapToGlobal(QPoint(9, 9)), form->buton(0)->toolTip(),
                           form->buton(0));
        auto* tip = form->findChild<QWidget*>(QStringLiteral("qtooltip_label"));
        QVERIFY(tip != nullptr);
        const auto [darkest, lightest] = greys(tip);
        QVERIFY(darkest < 60 && lightest > 200);
    }
};

}  // namespace velmora::testing

QTEST_MAIN(velmora::testing::DarkPaletteTest)
#include "dark_palette_test.moc"

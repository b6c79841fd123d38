// The form on a desktop with a dark theme: every caption and box text is still drawn dark on its
// light face, and the desktop's own dark tooltip stays readable over the form. The picture of the
// form is saved in the build folder.

#include <QApplication>
#include <QTest>
#include <QToolTip>
#include <algorithm>
#include <memory>

#include "window/velmora.h"

namespace velmora::testing {

namespace {

// Light text on dark faces in every colour group, tooltips included.
QPalette darkDesktop() {
    QPalette dark(QColor(53, 53, 53));
    dark.setColor(QPalette::ToolTipBase, QColor(40, 40, 40));
    dark.setColor(QPalette::ToolTipText, QColor(230, 230, 230));
    return dark;
}

struct Shades {
    int face = 0;  // grey level of the first pixel inside the frame
    int darkest = 255;
    int lighter = 0;  // pixels clearly lighter than the face: light text on it
};

Shades shadesOf(QWidget* widget) {
    const QImage image = widget->grab().toImage();
    const QRect inside = image.rect().adjusted(3, 3, -3, -3);
    Shades shades{qGray(image.pixel(inside.topLeft()))};
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const int grey = qGray(image.pixel(x, y));
            shades.darkest = std::min(shades.darkest, grey);
            shades.lighter += grey > shades.face + 30 ? 1 : 0;
        }
    }
    return shades;
}

}  // namespace

class DarkPaletteTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void textStaysDark_data();
    void textStaysDark();
    void toolTipReadable();

private:
    QWidget* named(const char* name) const {
        return form_->findChild<QWidget*>(QString::fromLatin1(name));
    }

    std::unique_ptr<Velmora> form_;
};

void DarkPaletteTest::initTestCase() {
    QApplication::setPalette(darkDesktop());
    QToolTip::setPalette(darkDesktop());
    form_ = std::make_unique<Velmora>();
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
    QVERIFY(form_->grab().save(QStringLiteral(VELMORA_DARK_SCREENSHOT)));
}

void DarkPaletteTest::textStaysDark_data() {
    QTest::addColumn<QString>("name");
    for (const char* name : {"Etiket0", "Etiket2", "Buton0", "Buton1", "Pole0", "Pole3"}) {
        QTest::newRow(name) << QString::fromLatin1(name);
    }
}

void DarkPaletteTest::textStaysDark() {
    QFETCH(QString, name);
    QWidget* control = named(qPrintable(name));
    QVERIFY(control != nullptr);
    const Shades shades = shadesOf(control);
    QVERIFY2(shades.face > 120, qPrintable(QString::number(shades.face)));
    QVERIFY2(shades.darkest < 60, qPrintable(QString::number(shades.darkest)));
    QCOMPARE(shades.lighter, 0);
}

void DarkPaletteTest::toolTipReadable() {
    QWidget* button = named("Buton0");
    QToolTip::showText(button->mapToGlobal(button->rect().center()), button->toolTip(), button);
    const QWidgetList windows = QApplication::topLevelWidgets();
    const auto tip = std::find_if(windows.begin(), windows.end(), [](const QWidget* window) {
        return window->inherits("QTipLabel") && window->isVisible();
    });
    QVERIFY(tip != windows.end());
    const Shades shades = shadesOf(*tip);
    // The desktop's own colours: light text on a dark tip.
    QVERIFY2(shades.face < 100, qPrintable(QString::number(shades.face)));
    QVERIFY2(shades.lighter > 40, qPrintable(QString::number(shades.lighter)));
    QToolTip::hideText();
}

}  // namespace velmora::testing

QTEST_MAIN(velmora::testing::DarkPaletteTest)
#include "dark_palette_test.moc"

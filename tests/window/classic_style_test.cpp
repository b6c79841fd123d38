// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// The form's classic style draws each frame as Qt's Windows style does, pixel for pixel, in a
// palette where every colour a bevel could take differs from the others.

#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionFrame>
#include <QTest>
#include <memory>

#include "window/classic_style.h"

namespace velmora::testing {

QImage drawn(const QStyle& style, QStyle::PrimitiveElement element, QStyleOption& option) {
    int hue = 0;
    for (const QPalette::ColorRole role :
         {QPalette::Dark, QPalette::Light, QPalette::Shadow, QPalette::Button, QPalette::Midlight,
          QPalette::Window}) {
        option.palette.setColor(role, QColor::fromHsv(hue += 50, 255, 200));
    }
    QImage image(option.rect.size() + QSize(6, 6), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::gray);
    QPainter painter(&image);
    painter.translate(3, 3);
    style.drawPrimitive(element, &option, &painter);
    return image;
}

class ClassicStyleTest : public QObject {
    Q_OBJECT

private slots:
    void sameFrames_data() {
        QTest::addColumn<QStyle::PrimitiveElement>("element");
        QTest::addColumn<int>("state");
        QTest::addColumn<int>("lineWidth");
        QTest::addColumn<QSize>("size");
        const int sunken = QStyle::State_Sunken;
        QTest::newRow("line edit") << QStyle::PE_FrameLineEdit << sunken << 2 << QSize(537, 27);
        QTest::newRow("line edit, one pixel")
            << QStyle::PE_FrameLineEdit << sunken << 1 << QSize(80, 20);
        QTest::newRow("text box") << QStyle::PE_Frame << sunken << 2 << QSize(609, 121);
        QTest::newRow("three pixels") << QStyle::PE_Frame << sunken << 3 << QSize(40, 30);
        QTest::newRow("raised") << QStyle::PE_Frame << int(QStyle::State_Raised) << 2
                                << QSize(60, 30);
        QTest::newRow("smallest with both rings") << QStyle::PE_Frame << sunken << 2 << QSize(5, 5);
        QTest::newRow("no room for the inner ring")
            << QStyle::PE_Frame << sunken << 2 << QSize(4, 9);
        const int raised = QStyle::State_Raised;
        const QStyle::PrimitiveElement button = QStyle::PE_PanelButtonCommand;
        QTest::newRow("button") << button << raised << 0 << QSize(89, 27);
        QTest::newRow("focused button")
            << button << (raised | QStyle::State_HasFocus) << 0 << QSize(89, 27);
        QTest::newRow("pressed button") << button << sunken << 0 << QSize(89, 27);
        QTest::newRow("checked button")
            << button << (raised | QStyle::State_On) << 0 << QSize(89, 27);
    }

    void sameFrames() {
        QFETCH(QStyle::PrimitiveElement, element);
        QFETCH(int, state);
        QFETCH(int, lineWidth);
        QFETCH(QSize, size);
        const std::unique_ptr<QStyle> windows(QStyleFactory::create(QStringLiteral("Windows")));
        QVERIFY(windows != nullptr);
        const ClassicStyle classic(QStyleFactory::create(QStringLiteral("Windows")));
        QStyleOptionFrame frame;
        QStyleOptionButton button;
        QStyleOption& option = element == QStyle::PE_PanelButtonCommand
                                   ? static_cast<QStyleOption&>(button)
                                   : static_cast<QStyleOption&>(frame);
        option.rect = QRect(QPoint(0, 0), size);
        option.state = QStyle::State(state) | QStyle::State_Enabled;
        frame.lineWidth = lineWidth;
        QCOMPARE(drawn(classic, element, option), drawn(*windows, element, option));
    }
};

}  // namespace velmora::testing

QTEST_MAIN(velmora::testing::ClassicStyleTest)
#include "classic_style_test.moc"

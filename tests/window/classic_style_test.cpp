// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// The form's classic style draws frames, buttons and scroll bar parts as Qt's Windows style does,
// pixel for pixel, in a palette where every colour a bevel could take is different.

#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionSlider>
#include <QTest>
#include <memory>

#include "window/classic_style.h"

namespace velmora::testing {

using S = QStyle;
constexpr int control = 1 << 20;  // marks a control element among the primitive ones

struct Case {
    const char* name;
    int element;
    int state;
    QSize size;
};

constexpr std::array<Case, 10> cases{{
    {"line edit", S::PE_FrameLineEdit, S::State_Sunken, {537, 27}},
    {"text box", S::PE_Frame, S::State_Sunken, {609, 121}},
    {"raised frame", S::PE_Frame, S::State_Raised, {60, 30}},
    {"no room for the inner ring", S::PE_Frame, S::State_Sunken, {4, 9}},
    {"button", S::PE_PanelButtonCommand, S::State_Raised | S::State_HasFocus, {89, 27}},
    {"pressed button", S::PE_PanelButtonCommand, S::State_Sunken, {89, 27}},
    {"slider", control | S::CE_ScrollBarSlider, 0, {17, 30}},
    {"down arrow", control | S::CE_ScrollBarAddLine, 0, {17, 17}},
    {"left arrow", control | S::CE_ScrollBarSubLine, S::State_Horizontal, {17, 17}},
    {"pressed arrow", control | S::CE_ScrollBarAddLine, S::State_Sunken, {17, 17}},
}};

// Frames get the boxes' line width of two pixels.
QImage drawn(const QStyle& style, const Case& row) {
    QStyleOptionSlider option;
    option.rect = QRect(QPoint(0, 0), row.size);
    option.state = S::State(row.state) | S::State_Enabled;
    int hue = 0;
    for (const QPalette::ColorRole role :
         {QPalette::Dark, QPalette::Light, QPalette::Shadow, QPalette::Button, QPalette::Midlight,
          QPalette::Window}) {
        option.palette.setColor(role, QColor::fromHsv(hue += 50, 255, 200));
    }
    QStyleOptionFrame frame;
    QStyleOptionButton button;
    frame.QStyleOption::operator=(option);
    frame.lineWidth = 2;
    button.QStyleOption::operator=(option);
    QImage image(row.size + QSize(6, 6), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::gray);
    QPainter painter(&image);
    painter.translate(3, 3);
    if ((row.element & control) != 0) {
        style.drawControl(S::ControlElement(row.element & ~control), &option, &painter);
    } else {
        const bool isButton = row.element == S::PE_PanelButtonCommand;
        style.drawPrimitive(S::PrimitiveElement(row.element),
                            isButton ? static_cast<QStyleOption*>(&button) : &frame, &painter);
    }
    return image;
}

class ClassicStyleTest : public QObject {
    Q_OBJECT

private slots:
    void drawnAsWindows() {
        const std::unique_ptr<QStyle> windows(QStyleFactory::create(QStringLiteral("Windows")));
        QVERIFY(windows != nullptr);
        const ClassicStyle classic(QStyleFactory::create(QStringLiteral("Windows")));
        for (const Case& row : cases) {
            QVERIFY2(drawn(classic, row) == drawn(*windows, row), row.name);
        }
    }
};

}  // namespace velmora::testing

QTEST_MAIN(velmora::testing::ClassicStyleTest)
#include "classic_style_test.moc"

// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The controls' style: Qt's classic Windows style, with its two-pixel bevels (the frames of the
// text boxes, and the buttons, scroll bar arrows and sliders at rest) drawn as filled one-pixel
// rectangles. Qt draws each bevel as four polylines through its cosmetic stroker, pixel by pixel,
// which made the boxes' frames the dearest part of the first frame; the rectangles cover exactly
// the same pixels in the same colours.

#include <QProxyStyle>

namespace velmora {

class ClassicStyle : public QProxyStyle {
public:
    // Takes the Windows style it draws like; without one, Qt's default style.
    explicit ClassicStyle(QStyle* windows);

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
};

}  // namespace velmora

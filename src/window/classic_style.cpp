// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/classic_style.h"

#include <QPainter>
#include <QStyleOption>

namespace velmora {

namespace {

// The colours of a bevel from the outside in: top and left, bottom and right, for each ring.
struct Bevel {
    QColor outerTopLeft;
    QColor outerBottomRight;
    QColor innerTopLeft;
    QColor innerBottomRight;
};

// Each ring is an L at the top left and one at the bottom right; the bottom-right L of a ring
// also takes the corner pixels the top-left one leaves.
void drawBevel(QPainter* painter, const QRect& rect, const Bevel& bevel) {
    const int x = rect.x();
    const int y = rect.y();
    const int w = rect.width();
    const int h = rect.height();
    painter->fillRect(QRect(x, y, 1, h - 1), bevel.outerTopLeft);
    painter->fillRect(QRect(x + 1, y, w - 2, 1), bevel.outerTopLeft);
    painter->fillRect(QRect(x, y + h - 1, w, 1), bevel.outerBottomRight);
    painter->fillRect(QRect(x + w - 1, y, 1, h - 1), bevel.outerBottomRight);
    painter->fillRect(QRect(x + 1, y + 1, 1, h - 3), bevel.innerTopLeft);
    painter->fillRect(QRect(x + 2, y + 1, w - 4, 1), bevel.innerTopLeft);
    painter->fillRect(QRect(x + 1, y + h - 2, w - 2, 1), bevel.innerBottomRight);
    painter->fillRect(QRect(x + w - 2, y + 1, 1, h - 3), bevel.innerBottomRight);
}

// Qt's Windows style draws these with its bevels; a painter that scales or smooths, or any other
// element or state, goes to the Windows style itself.
bool plainPainter(const QPainter* painter) {
    return painter->transform().type() <= QTransform::TxTranslate &&
           !painter->testRenderHint(QPainter::Antialiasing) &&
           painter->device()->devicePixelRatio() == 1.0;
}

bool hasBothRings(const QStyleOption* option) {
    return option->rect.width() > 4 && option->rect.height() > 4;
}

// A line edit's and a plain sunken frame's, such as a text box's: a two-ring sunken panel.
bool isSunkenPanel(QStyle::PrimitiveElement element, const QStyleOption* option) {
    const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
    return frame != nullptr &&
           (element == QStyle::PE_FrameLineEdit || element == QStyle::PE_Frame) &&
           (frame->lineWidth == 1 || frame->lineWidth == 2) &&
           (frame->state & QStyle::State_Sunken) && !(frame->state & QStyle::State_Raised);
}

// A push button at rest: a raised two-ring bevel around a face in its solid button colour.
bool isRaisedButton(QStyle::PrimitiveElement element, const QStyleOption* option) {
    return element == QStyle::PE_PanelButtonCommand &&
           qstyleoption_cast<const QStyleOptionButton*>(option) != nullptr &&
           (option->state & QStyle::State_Raised) &&
           !(option->state & (QStyle::State_Sunken | QStyle::State_On)) &&
           option->palette.button().style() == Qt::SolidPattern;
}

// A scroll bar's slider, or its arrow button at rest: raised, in the button and light colours
// swapped, around a face in the button colour.
bool isRaisedScrollBarPart(QStyle::ControlElement element, const QStyleOption* option) {
    return (element == QStyle::CE_ScrollBarSlider || element == QStyle::CE_ScrollBarAddLine ||
            element == QStyle::CE_ScrollBarSubLine) &&
           (option->state & QStyle::State_Enabled) &&
           !(option->state & (QStyle::State_Sunken | QStyle::State_On)) &&
           option->palette.button().style() == Qt::SolidPattern;
}

QStyle::PrimitiveElement scrollArrow(QStyle::ControlElement element, const QStyleOption* option) {
    const bool add = element == QStyle::CE_ScrollBarAddLine;
    if (!(option->state & QStyle::State_Horizontal)) {
        return add ? QStyle::PE_IndicatorArrowDown : QStyle::PE_IndicatorArrowUp;
    }
    const bool right = add == (option->direction == Qt::LeftToRight);
    return right ? QStyle::PE_IndicatorArrowRight : QStyle::PE_IndicatorArrowLeft;
}

}  // namespace

ClassicStyle::ClassicStyle(QStyle* windows) : QProxyStyle(windows) {}

void ClassicStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                 QPainter* painter, const QWidget* widget) const {
    const QPalette& palette = option->palette;
    if (!plainPainter(painter) || !hasBothRings(option)) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    } else if (isSunkenPanel(element, option)) {
        drawBevel(painter, option->rect,
                  {palette.dark().color(), palette.light().color(), palette.shadow().color(),
                   palette.window().color()});
    } else if (isRaisedButton(element, option)) {
        drawBevel(painter, option->rect,
                  {palette.light().color(), palette.shadow().color(), palette.button().color(),
                   palette.dark().color()});
        painter->fillRect(option->rect.adjusted(2, 2, -2, -2), palette.button().color());
    } else {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
}

void ClassicStyle::drawControl(ControlElement element, const QStyleOption* option,
                               QPainter* painter, const QWidget* widget) const {
    if (!plainPainter(painter) || !hasBothRings(option) ||
        !isRaisedScrollBarPart(element, option)) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    const QPalette& palette = option->palette;
    drawBevel(painter, option->rect,
              {palette.button().color(), palette.shadow().color(), palette.light().color(),
               palette.dark().color()});
    painter->fillRect(option->rect.adjusted(2, 2, -2, -2), palette.button().color());
    if (element != CE_ScrollBarSlider) {
        QStyleOption arrow = *option;
        arrow.rect = option->rect.adjusted(4, 4, -4, -4);
        proxy()->drawPrimitive(scrollArrow(element, option), &arrow, painter, widget);
    }
}

}  // namespace velmora

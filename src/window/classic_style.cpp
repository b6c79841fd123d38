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

// The sunken frames the Windows style draws as a two-ring panel: a line edit's and a plain sunken
// frame's, such as a text box's. Anything else, or a painter that scales or smooths, goes to the
// Windows style itself.
bool isPlainSunkenPanel(QStyle::PrimitiveElement element, const QStyleOption* option,
                        const QPainter* painter) {
    const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
    if (frame == nullptr || !(frame->state & QStyle::State_Sunken) ||
        (frame->state & QStyle::State_Raised) || frame->rect.width() <= 4 ||
        frame->rect.height() <= 4 || painter->transform().type() > QTransform::TxTranslate ||
        painter->testRenderHint(QPainter::Antialiasing) ||
        painter->device()->devicePixelRatio() != 1.0) {
        return false;
    }
    return (element == QStyle::PE_FrameLineEdit || element == QStyle::PE_Frame) &&
           (frame->lineWidth == 1 || frame->lineWidth == 2);
}

}  // namespace

ClassicStyle::ClassicStyle(QStyle* windows) : QProxyStyle(windows) {}

void ClassicStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                 QPainter* painter, const QWidget* widget) const {
    if (!isPlainSunkenPanel(element, option, painter)) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    const QPalette& palette = option->palette;
    drawBevel(painter, option->rect,
              {palette.dark().color(), palette.light().color(), palette.shadow().color(),
               palette.window().color()});
}

}  // namespace velmora

// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/line_box.h"

#include <QPainter>

#include "form/control_table.h"

namespace velmora {

namespace {

constexpr int focusFrameWidth = 2;
constexpr qreal focusFrameInset = 3;  // inside the box's own sunken frame

}  // namespace

LineBox::LineBox(const QString& text, QWidget* parent) : QLineEdit(text, parent) {
    // Only the spacing is the box's own; the rest of the font still comes from the form.
    QFont spacing;
    spacing.setLetterSpacing(QFont::AbsoluteSpacing,
                             static_cast<qreal>(singleLineLetterSpacing) / twipsPerPixel);
    setFont(spacing);
}

void LineBox::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    if (!hasFocus() || !isReadOnly()) {
        return;
    }
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::Text), focusFrameWidth));
    const qreal inset = focusFrameInset;
    painter.drawRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset));
}

}  // namespace velmora

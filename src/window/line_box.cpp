// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/line_box.h"

#include <QPainter>
#include <algorithm>

#include "form/control_table.h"

namespace velmora {

namespace {

constexpr int focusFrameWidth = 2;
constexpr qreal focusFrameInset = 3;  // inside the box's own sunken frame

// A paste cut at the character limit can split a character outside the basic plane, which Qt
// counts as two; the half left behind is dropped rather than shown as a broken character.
void dropSplitCharacter(QLineEdit* box) {
    const QString text = box->text();
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && (i + 1 == text.size() || !text[i + 1].isLowSurrogate())) {
            const int cursor = box->cursorPosition();
            box->setText(QString(text).remove(i, 1));
            box->setCursorPosition(cursor > i ? cursor - 1 : cursor);
            return;
        }
    }
}

}  // namespace

LineBox::LineBox(const QString& text, QWidget* parent)
    : QLineEdit(text, parent), userLimit_(maxLength()) {
    // Only the spacing is the box's own; the rest of the font still comes from the form.
    QFont spacing;
    spacing.setLetterSpacing(QFont::AbsoluteSpacing,
                             static_cast<qreal>(singleLineLetterSpacing) / twipsPerPixel);
    setFont(spacing);
    connect(this, &QLineEdit::textEdited, this, &LineBox::afterUserEdit);
}

void LineBox::setUserLimit(int limit) {
    userLimit_ = limit;
    setMaxLength(std::max(limit, static_cast<int>(text().size())));
}

// setText() cuts a text at the widget's limit, which only binds the user. In a box the user
// types into, the text replaces the old one as an edit does, so that Ctrl+Z brings the old one
// back, as after a clear by mistake; setText() would forget it and all before it.
void LineBox::showProgramText(const QString& text) {
    setMaxLength(std::max(userLimit_, static_cast<int>(text.size())));
    if (isReadOnly()) {
        setText(text);
        return;
    }
    selectAll();
    insert(text);
}

// A limit raised for a longer text of the program shrinks with the text.
void LineBox::afterUserEdit() {
    dropSplitCharacter(this);
    if (maxLength() > userLimit_) {
        setMaxLength(std::max(userLimit_, static_cast<int>(text().size())));
    }
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

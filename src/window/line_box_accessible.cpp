// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/line_box_accessible.h"

#include <QFontMetrics>
#include <QStyle>
#include <QStyleOptionFrame>

namespace velmora {

namespace {

constexpr int textMargin = 2;  // Qt's own between a line edit's frame and its text

}  // namespace

LineBoxAccessible::LineBoxAccessible(LineBox* box)
    : QAccessibleWidget(box, QAccessible::EditableText), box_(box) {}

void* LineBoxAccessible::interface_cast(QAccessible::InterfaceType type) {
    switch (type) {
        case QAccessible::TextInterface:
            return static_cast<QAccessibleTextInterface*>(this);
        case QAccessible::EditableTextInterface:
            return static_cast<QAccessibleEditableTextInterface*>(this);
        default:
            return QAccessibleWidget::interface_cast(type);
    }
}

QString LineBoxAccessible::text(QAccessible::Text kind) const {
    return kind == QAccessible::Value ? box_->text() : QAccessibleWidget::text(kind);
}

QAccessible::State LineBoxAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = box_->isReadOnly();
    state.editable = !box_->isReadOnly();
    state.selectableText = true;
    return state;
}

void LineBoxAccessible::selection(int index, int* startOffset, int* endOffset) const {
    *startOffset = *endOffset = 0;
    if (index == 0 && box_->hasSelectedText()) {
        *startOffset = box_->selectionStart();
        *endOffset = box_->selectionEnd();
    }
}

int LineBoxAccessible::selectionCount() const {
    return box_->hasSelectedText() ? 1 : 0;
}

void LineBoxAccessible::addSelection(int startOffset, int endOffset) {
    setSelection(0, startOffset, endOffset);
}

void LineBoxAccessible::removeSelection(int index) {
    if (index == 0) {
        box_->deselect();
    }
}

void LineBoxAccessible::setSelection(int index, int startOffset, int endOffset) {
    if (index == 0) {
        box_->setSelection(startOffset, endOffset - startOffset);
    }
}

int LineBoxAccessible::cursorPosition() const {
    return box_->cursorPosition();
}

void LineBoxAccessible::setCursorPosition(int position) {
    box_->setCursorPosition(position);
}

QString LineBoxAccessible::text(int startOffset, int endOffset) const {
    return box_->text().mid(startOffset, endOffset - startOffset);
}

int LineBoxAccessible::characterCount() const {
    return static_cast<int>(box_->text().size());
}

// The boxes are wide enough for every text the program writes, so a text starts at the left of
// the box's contents.
QRect LineBoxAccessible::characterRect(int offset) const {
    const QString character = text(offset, offset + 1);
    if (character.isEmpty()) {
        return {};
    }
    QStyleOptionFrame option;
    option.initFrom(box_);
    const QRect contents =
        box_->style()->subElementRect(QStyle::SE_LineEditContents, &option, box_);
    const QFontMetrics metrics(box_->font());
    const int left = contents.left() + textMargin + metrics.horizontalAdvance(text(0, offset));
    const QRect rect(left, contents.top() + (contents.height() - metrics.height()) / 2,
                     metrics.horizontalAdvance(character), metrics.height());
    return rect.translated(box_->mapToGlobal(QPoint(0, 0)));
}

int LineBoxAccessible::offsetAtPoint(const QPoint& point) const {
    return box_->cursorPositionAt(box_->mapFromGlobal(point));
}

void LineBoxAccessible::scrollToSubstring(int startIndex, int endIndex) {
    box_->setCursorPosition(endIndex);
    box_->setCursorPosition(startIndex);
}

// The boxes show plain text: the whole text is one run of no attributes.
QString LineBoxAccessible::attributes(int offset, int* startOffset, int* endOffset) const {
    *startOffset = 0;
    *endOffset = offset < characterCount() ? characterCount() : offset;
    return {};
}

void LineBoxAccessible::deleteText(int startOffset, int endOffset) {
    replaceText(startOffset, endOffset, {});
}

void LineBoxAccessible::insertText(int offset, const QString& text) {
    replaceText(offset, offset, text);
}

// A locked box takes no text from a screen reader either.
void LineBoxAccessible::replaceText(int startOffset, int endOffset, const QString& text) {
    if (!box_->isReadOnly()) {
        box_->setText(box_->text().replace(startOffset, endOffset - startOffset, text));
    }
}

}  // namespace velmora

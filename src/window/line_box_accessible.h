// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// How a screen reader sees a single-line box. Qt's own interface for a line edit gives every
// character a text-attribute run of no width, and Orca, which joins the runs to find the text to
// speak, then leaves out the last character of every box: "+21000" is heard as "+2100". This
// interface gives the whole text as one run and is otherwise what a line edit offers: its text,
// caret, selection and editing, and its read-only state.
// It is installed on every Qt: the fault is in 6.4 (Debian 12), in 6.8 (Debian 13) and in Qt's
// later sources, so no release is known from which it could go.

#include <QAccessibleWidget>

#include "window/line_box.h"

namespace velmora {

class LineBoxAccessible : public QAccessibleWidget,
                          public QAccessibleTextInterface,
                          public QAccessibleEditableTextInterface {
public:
    explicit LineBoxAccessible(LineBox* box);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text kind) const override;
    QAccessible::State state() const override;

    void selection(int index, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int index) override;
    void setSelection(int index, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

    void deleteText(int startOffset, int endOffset) override;
    void insertText(int offset, const QString& text) override;
    void replaceText(int startOffset, int endOffset, const QString& text) override;

private:
    LineBox* box_;
};

}  // namespace velmora

// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A single-line text box (the operand boxes and the result box). Its characters sit a little
// closer than the font sets them, so that the longest sum shows whole. Its limit binds only what
// the user types or pastes: a longer text of the program shows whole, and the user can shorten it
// but never lengthen it past the limit. A read-only box shows no text cursor, so it draws a frame
// of its own while it has the focus: the pupil sees where the keyboard is, in the result box too.

#include <QLineEdit>

namespace velmora {

class LineBox : public QLineEdit {
public:
    LineBox(const QString& text, QWidget* parent);

    // The most characters the user may type or paste.
    void setUserLimit(int limit);

    // Shows a text of the program, however long; where the user types, an undo brings back what
    // the box held before.
    void showProgramText(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void afterUserEdit();

    int userLimit_;
};

}  // namespace velmora

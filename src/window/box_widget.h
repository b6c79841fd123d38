// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// One box of the form as the kind of widget its row of the control table asks for: a line box or
// a multi-line box. The form shows the session's texts through it and reads back what the user
// typed, in the widget's own terms (a QString with plain line feeds).

#include <QString>

#include "window/line_box.h"
#include "window/multi_line_box.h"

namespace velmora {

class BoxWidget {
public:
    BoxWidget() = default;
    explicit BoxWidget(LineBox* line) : line_(line) {}
    explicit BoxWidget(MultiLineBox* lines) : lines_(lines) {}

    QWidget* widget() const;
    QString text() const;
    void showProgramText(const QString& text) const;
    void setLocked(bool locked) const;

    // Runs changed whenever the widget's text changes, whoever changed it.
    template <typename Changed>
    void onTextChanged(QObject* context, Changed changed) const {
        if (line_ != nullptr) {
            QObject::connect(line_, &QLineEdit::textChanged, context, changed);
        } else {
            QObject::connect(lines_, &QPlainTextEdit::textChanged, context, changed);
        }
    }

private:
    LineBox* line_ = nullptr;
    MultiLineBox* lines_ = nullptr;
};

}  // namespace velmora

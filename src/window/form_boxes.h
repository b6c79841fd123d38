// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The window's text boxes behind the calculator's Boxes interface. During a command the texts
// live here, exactly as the calculator wrote them (UTF-8, CR LF), and flush() hands the changed
// ones to the widgets once the command ends: a compute appends to the report some thirty times,
// and the widget is laid out once. A text the user edits is read back from its widget.

#include <QLineEdit>
#include <QMetaObject>
#include <array>
#include <string>

#include "state/boxes.h"
#include "window/multi_line_box.h"

namespace velmora {

class FormBoxes : public Boxes {
public:
    FormBoxes() = default;
    ~FormBoxes() override;
    FormBoxes(const FormBoxes&) = delete;
    FormBoxes& operator=(const FormBoxes&) = delete;

    // The form attaches each of the five boxes as it builds it, with the widget's own class.
    void attach(Box box, MultiLineBox* widget);
    void attach(Box box, QLineEdit* widget);

    std::string text(Box box) const override;
    void setText(Box box, std::string text) override;
    void setReportLocked(bool locked) override;
    void append(Box box, std::initializer_list<std::string_view> parts) override;

    // Shows in the widgets every text written since the last flush.
    void flush();

private:
    struct Slot {
        MultiLineBox* multiLine = nullptr;
        QLineEdit* singleLine = nullptr;
        int maxLength = 0;  // what the user may type; the program may write more
        mutable std::string text;
        mutable bool known = false;  // text equals what the widget shows or will show
        bool pending = false;        // text is not in the widget yet
        QMetaObject::Connection edited;
    };

    const std::string& known(const Slot& slot) const;  // the text, read from the widget if need be
    Slot& slot(Box box);
    const Slot& slot(Box box) const;
    void userChanged(Box box);
    void push(Slot& slot);

    std::array<Slot, boxCount> slots_;
    bool pushing_ = false;
};

}  // namespace velmora

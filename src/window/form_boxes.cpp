// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/form_boxes.h"

#include <algorithm>

#include "window/box_text.h"

namespace velmora {

FormBoxes::~FormBoxes() {
    for (const Slot& s : slots_) {
        QObject::disconnect(s.edited);
    }
}

void FormBoxes::attach(Box box, MultiLineBox* widget) {
    Slot& s = slot(box);
    s.multiLine = widget;
    s.edited = QObject::connect(widget, &QPlainTextEdit::textChanged, widget,
                                [this, box] { userChanged(box); });
}

void FormBoxes::attach(Box box, QLineEdit* widget) {
    Slot& s = slot(box);
    s.singleLine = widget;
    s.maxLength = widget->maxLength();
    s.edited = QObject::connect(widget, &QLineEdit::textChanged, widget,
                                [this, box] { userChanged(box); });
}

std::string FormBoxes::text(Box box) const {
    return known(slot(box));
}

const std::string& FormBoxes::known(const Slot& s) const {
    if (!s.known) {
        s.text = fromWidgetText(s.multiLine != nullptr ? s.multiLine->toPlainText()
                                                       : s.singleLine->text());
        s.known = true;
    }
    return s.text;
}

void FormBoxes::append(Box box, std::initializer_list<std::string_view> parts) {
    Slot& s = slot(box);
    known(s);
    for (const std::string_view part : parts) {
        s.text += part;
    }
    s.pending = true;
}

void FormBoxes::setText(Box box, std::string text) {
    Slot& s = slot(box);
    s.text = std::move(text);
    s.known = true;
    s.pending = true;
}

void FormBoxes::setReportLocked(bool locked) {
    const Slot& report = slot(reportBox);
    if (report.multiLine != nullptr) {
        report.multiLine->setLocked(locked);
    } else {
        report.singleLine->setReadOnly(locked);
    }
}

void FormBoxes::flush() {
    pushing_ = true;
    for (Slot& s : slots_) {
        if (s.pending) {
            push(s);
            s.pending = false;
        }
    }
    pushing_ = false;
}

void FormBoxes::push(Slot& s) {
    const QString shown = toWidgetText(s.text);
    if (s.multiLine != nullptr) {
        s.multiLine->showText(shown);
        return;
    }
    // setText() cuts a text at the widget's limit, which only binds the user.
    s.singleLine->setMaxLength(std::max(s.maxLength, static_cast<int>(shown.size())));
    s.singleLine->setText(shown);
}

// After the user's edit the widget holds the truth. A limit raised for a longer program text
// shrinks with the text, so the user can shorten it but never lengthen it past the box's limit.
void FormBoxes::userChanged(Box box) {
    if (pushing_) {
        return;
    }
    Slot& s = slot(box);
    s.known = false;
    if (s.singleLine != nullptr && s.singleLine->maxLength() > s.maxLength) {
        s.singleLine->setMaxLength(
            std::max(s.maxLength, static_cast<int>(s.singleLine->text().size())));
    }
}

FormBoxes::Slot& FormBoxes::slot(Box box) {
    return slots_[boxIndex(box)];
}

const FormBoxes::Slot& FormBoxes::slot(Box box) const {
    return slots_[boxIndex(box)];
}

}  // namespace velmora

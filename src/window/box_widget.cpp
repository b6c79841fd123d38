// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/box_widget.h"

namespace velmora {

QWidget* BoxWidget::widget() const {
    return line_ != nullptr ? static_cast<QWidget*>(line_) : lines_;
}

QString BoxWidget::text() const {
    return line_ != nullptr ? line_->text() : lines_->toPlainText();
}

void BoxWidget::showProgramText(const QString& text) const {
    if (line_ != nullptr) {
        line_->showProgramText(text);
    } else {
        lines_->showText(text);
    }
}

void BoxWidget::setLocked(bool locked) const {
    if (line_ != nullptr) {
        line_->setReadOnly(locked);
    } else {
        lines_->setLocked(locked);
    }
}

}  // namespace velmora

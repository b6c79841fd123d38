// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/velmora.h"

#include <QMessageBox>

#include "form/failure_message.h"
#include "window/app_icon.h"
#include "window/box_text.h"
#include "window/form_accessible.h"
#include "window/palette.h"

namespace velmora {

QFont formFont() {
    QFont font(QStringLiteral("Times New Roman"), 12);
    font.setWeight(QFont::Normal);
    return font;
}

Velmora::Velmora(QWidget* parent) : Velmora(controlTable(), parent) {}

Velmora::Velmora(std::span<const ControlDescriptor> table, QWidget* parent)
    : QWidget(parent), commands_(state_, boxes_) {
    installAccessibleInterfaces();
    const QPalette light = lightPalette();
    setUpForm(light);
    controls_ = buildControls(table, this, light, boxes_);
    connectEvents();
    commands_.load();
    pole(focusAtStart)->setFocus();
}

// The font goes on the form before the controls exist, so they inherit it without a font change
// going through each of them.
void Velmora::setUpForm(const QPalette& light) {
    setWindowTitle(fromUtf8(windowCaption()));
    setFixedSize(clientArea.width / twipsPerPixel, clientArea.height / twipsPerPixel);
    setPalette(formPalette(light));
    setFont(formFont());
    setWindowIcon(velmoraIcon());
}

void Velmora::connectEvents() {
    for (int index = 0; index < butonCount; ++index) {
        connect(buton(index), &QPushButton::clicked, this, [this, index] { handleClick(index); });
    }
    for (int index = 0; index < poleCount; ++index) {
        const Box box = boxAt(index);
        auto* line = qobject_cast<QLineEdit*>(pole(box));
        if (line != nullptr && enterComputesIn(box)) {
            connect(line, &QLineEdit::returnPressed, this, [this] { handleClick(computeButton); });
        }
    }
}

// The procedures handle no errors; a command that stops keeps what it had written, so the boxes
// are shown before the message.
void Velmora::handleClick(int index) {
    try {
        commands_.click(index);
    } catch (const std::exception& error) {
        boxes_.flush();
        showFailure(error);
        return;
    }
    // The focus moves before the new texts show: a screen reader that heard the texts change in
    // the box that was about to take the focus would take the focus for old news and say nothing.
    guideFocus(afterCommand(index, boxes_));
    boxes_.flush();
}

// Qt 6.4 cannot have a screen reader announce a text. So after a compute the focus moves to the
// result box: a screen reader speaks its text, the sum, and then its description, which holds the
// sum in words until the next command. Tab from there leads back to the first operand box, and
// Enter computes again.
void Velmora::guideFocus(const AfterCommand& after) {
    QWidget* result = pole(resultBox);
    result->setAccessibleDescription(after.sum.empty() ? result->toolTip()
                                                       : fromUtf8(after.sumInWords));
    if (!after.sum.empty()) {
        result->setFocus(Qt::OtherFocusReason);
    } else if (after.focus) {
        pole(*after.focus)->setFocus(Qt::OtherFocusReason);
    }
}

void Velmora::showFailure(const std::exception& error) {
    QMessageBox::critical(this, QStringLiteral("Velmora — грешка"),
                          QString::fromStdString(failureMessage(error)));
}

}  // namespace velmora

// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/velmora.h"

#include <QAccessible>
#include <QMessageBox>
#include <QSignalBlocker>

#include "window/app_icon.h"
#include "window/box_text.h"
#include "window/form_accessible.h"
#include "window/palette.h"

// Qt announces a text to a screen reader from 6.8 on; before, the result box speaks the sum.
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
#define VELMORA_QT_ANNOUNCES 1
#include <QAccessibleAnnouncementEvent>
#else
#define VELMORA_QT_ANNOUNCES 0
#endif

namespace velmora {

namespace {

constexpr bool qtAnnounces = VELMORA_QT_ANNOUNCES != 0;

}  // namespace

QFont formFont() {
    QFont font(QStringLiteral("Times New Roman"), 12);
    font.setWeight(QFont::Normal);
    return font;
}

Velmora::Velmora(QWidget* parent) : Velmora(controlTable(), parent) {}

Velmora::Velmora(std::span<const ControlDescriptor> table, QWidget* parent)
    : QWidget(parent), session_(windowSumHeard(qtAnnounces)) {
    installAccessibleInterfaces();
    const QPalette light = lightPalette();
    setUpForm(light);
    controls_ = buildControls(table, this, light);
    connectEvents();
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
        controls_.pole.at(boxIndex(box)).onTextChanged(this, [this, box] { handIn(box); });
        auto* line = qobject_cast<QLineEdit*>(pole(box));
        if (line != nullptr && enterComputesIn(box)) {
            connect(line, &QLineEdit::returnPressed, this, [this] { handleClick(computeButton); });
        }
    }
}

// Every change of a box's text reaches the session, but for the texts it wrote itself, which the
// boxes show with their signals blocked.
void Velmora::handIn(Box box) {
    session_.typed(box, fromWidgetText(controls_.pole.at(boxIndex(box)).text()));
}

// The procedures handle no errors; a command that stops keeps what it had written, so the boxes
// are shown before the message.
void Velmora::handleClick(int index) {
    const SessionAnswer answer = session_.click(index);
    if (answer.failure) {
        showWritten(answer);
        showFailure(*answer.failure);
        return;
    }
    // The focus moves before the new texts show: a screen reader that heard the texts change in
    // the box that was about to take the focus would take the focus for old news and say nothing.
    guide(answer.after);
    showWritten(answer);
    announce(answer.after.announcement);
}

void Velmora::showWritten(const SessionAnswer& answer) {
    for (int index = 0; index < poleCount; ++index) {
        const Box box = boxAt(index);
        if (answer.written.at(boxIndex(box))) {
            const BoxWidget& widget = controls_.pole.at(boxIndex(box));
            const QSignalBlocker programWrites(widget.widget());
            widget.showProgramText(toWidgetText(session_.text(box)));
        }
    }
    controls_.pole.at(boxIndex(reportBox)).setLocked(answer.reportLocked);
}

// Where a screen reader hears the sum from the result box, its description holds the sum in
// words until the next command.
void Velmora::guide(const AfterCommand& after) {
    QWidget* result = pole(resultBox);
    result->setAccessibleDescription(
        after.resultDescription.empty() ? result->toolTip() : fromUtf8(after.resultDescription));
    if (after.focus) {
        pole(*after.focus)->setFocus(Qt::OtherFocusReason);
    }
}

void Velmora::announce([[maybe_unused]] const std::string& text) {
#if VELMORA_QT_ANNOUNCES
    if (!text.empty()) {
        QAccessibleAnnouncementEvent event(this, fromUtf8(text));
        QAccessible::updateAccessibility(&event);
    }
#endif
}

void Velmora::showFailure(const std::string& message) {
    QMessageBox::critical(this, QStringLiteral("Velmora — грешка"),
                          QString::fromStdString(message));
}

}  // namespace velmora

// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/multi_line_box.h"

#include <QMimeData>
#include <QTextBlock>
#include <QTextDocumentFragment>
#include <QTextLayout>

#include "window/box_text.h"

namespace velmora {

MultiLineBox::MultiLineBox(QWidget* parent) : QPlainTextEdit(parent) {
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTabChangesFocus(true);
}

void MultiLineBox::setLocked(bool locked) {
    setReadOnly(locked);
    if (locked) {
        setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    }
}

void MultiLineBox::showText(const QString& text) {
    setPlainText(text);
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        block.layout()->setCacheEnabled(true);
    }
}

QMimeData* MultiLineBox::createMimeDataFromSelection() const {
    auto* data = new QMimeData;
    data->setText(withCrLf(textCursor().selection().toPlainText()));
    return data;
}

}  // namespace velmora

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

// The box lays out the first line for its cursor before setPlainText() returns, and measures the
// cursor in it; the cache goes on as soon as the new lines exist, so that the measure does not
// shape the line again.
void MultiLineBox::showText(const QString& text) {
    const QMetaObject::Connection caching =
        connect(document(), &QTextDocument::contentsChanged, this, [this] {
            for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
                block.layout()->setCacheEnabled(true);
            }
        });
    setPlainText(text);
    disconnect(caching);
}

QMimeData* MultiLineBox::createMimeDataFromSelection() const {
    auto* data = new QMimeData;
    data->setText(withCrLf(textCursor().selection().toPlainText()));
    return data;
}

}  // namespace velmora

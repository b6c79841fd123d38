// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A multi-line text box (the task box and the report box). It shows ordinary lines, and it hands
// out copied text with CR LF line breaks, the way the calculator writes its report, so that a
// copied report equals the text the program produced.

#include <QPlainTextEdit>

namespace velmora {

class MultiLineBox : public QPlainTextEdit {
public:
    explicit MultiLineBox(QWidget* parent);

    // A locked box can still be read, selected and scrolled with mouse and keyboard.
    void setLocked(bool locked);

    // Shows a new text. Each line keeps the glyphs it was shaped into when it was laid out, so
    // that drawing it does not shape it a second time; without that, BM_VelmoraFirstFrame misses
    // its goal.
    void showText(const QString& text);

protected:
    QMimeData* createMimeDataFromSelection() const override;
};

}  // namespace velmora

// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/palette.h"

#include <array>

namespace velmora {

namespace {

QColor toColour(Rgb rgb) {
    return QColor(rgb.red, rgb.green, rgb.blue);
}

constexpr std::array<QPalette::ColorGroup, 3> colourGroups{QPalette::Active, QPalette::Inactive,
                                                           QPalette::Disabled};

struct Roles {
    QPalette::ColorRole face;
    QPalette::ColorRole text;
};

Roles rolesOf(ControlArray array) {
    switch (array) {
        case ControlArray::pole:
            return {QPalette::Base, QPalette::Text};
        case ControlArray::buton:
            return {QPalette::Button, QPalette::ButtonText};
        case ControlArray::etiket:
            break;
    }
    return {QPalette::Window, QPalette::WindowText};
}

void setInEveryGroup(QPalette& palette, QPalette::ColorRole role, const QColor& colour) {
    for (const QPalette::ColorGroup group : colourGroups) {
        palette.setColor(group, role, colour);
    }
}

// Selected text in a box stays white on blue, and a hint stays a mid grey, whatever the desktop
// would have used on its own dark faces.
void setSelectionAndHint(QPalette& palette, const QColor& text) {
    setInEveryGroup(palette, QPalette::Highlight, QColor(48, 140, 198));
    setInEveryGroup(palette, QPalette::HighlightedText, Qt::white);
    QColor hint = text;
    hint.setAlpha(128);
    setInEveryGroup(palette, QPalette::PlaceholderText, hint);
}

}  // namespace

// Qt's own light palette, on which the form was laid out: grey bevels, frames and scroll bars.
QPalette lightPalette() {
    const QColor grey(239, 239, 239);
    QPalette palette(Qt::black, grey, Qt::white, QColor(159, 159, 159), QColor(184, 184, 184),
                     Qt::black, Qt::white, Qt::white, grey);
    setInEveryGroup(palette, QPalette::Midlight, QColor(202, 202, 202));
    setInEveryGroup(palette, QPalette::Shadow, QColor(118, 118, 118));
    return palette;
}

QPalette formPalette(const QPalette& light) {
    QPalette palette = light;
    setInEveryGroup(palette, QPalette::Window, toColour(formBackground));
    return palette;
}

// The table's text colour holds in every group: the program never disables a control, and a
// desktop's light disabled text would be unreadable on these faces.
QPalette controlPalette(const ControlDescriptor& row, const QPalette& light) {
    QPalette palette = light;
    const Roles roles = rolesOf(row.array);
    const QColor text = toColour(row.foreground);
    setInEveryGroup(palette, roles.face, toColour(row.background));
    setInEveryGroup(palette, roles.text, text);
    if (row.array == ControlArray::pole) {
        setSelectionAndHint(palette, text);
    }
    return palette;
}

}  // namespace velmora

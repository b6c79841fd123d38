// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The controls of the window as one table: for each control its array (Pole, Buton, Etiket) and
// index (a Pole's index is its Box, a Buton's its Button), its place and size in twips, tab index,
// initial text, the properties it starts with and, for a label, the box it names. The form builds
// every control from this table in one loop, so a control's look and behaviour are changed here and
// nowhere else.

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "state/boxes.h"

namespace velmora {

enum class ControlArray { pole, buton, etiket };

inline constexpr int twipsPerPixel = 15;
inline constexpr int poleCount = 5;
inline constexpr int butonCount = 2;
inline constexpr int etiketCount = 4;

struct Twips {
    int left;
    int top;
    int width;
    int height;
};

struct Rgb {
    int red;
    int green;
    int blue;

    bool operator==(const Rgb&) const = default;
};

struct ControlDescriptor {
    ControlArray array;
    int index;
    Twips place;
    int tabIndex;
    std::string_view text;
    bool multiLine;  // multi-line boxes also carry a vertical scroll bar
    bool readOnly;   // the user cannot edit it; the program still writes it
    int maxLength;   // characters the user can type or paste; 0 for no limit
    Rgb background;
    Rgb foreground;  // the text colour: every control brings both, whatever the desktop's theme
    bool centred;
    std::string_view toolTip;  // also what a screen reader gives as the control's description
    std::string_view accessibleName;
    std::optional<Box> labelFor;  // for a label, the box it names, so screen readers tie them
};

// The characters a pupil can type or paste into an operand box; the boxes' tooltip names it.
inline constexpr int operandLimit = 65;

// A label that names no box, as the page's script is told it.
inline constexpr int noBox = -1;

// Single-line boxes set their characters this much closer than the font does (in twips), so that
// the longest sum, 67 characters with its sign, shows whole in the result box at the form's size.
inline constexpr int singleLineLetterSpacing = -4;

inline constexpr Rgb formBackground{128, 128, 255};
inline constexpr Twips clientArea{0, 0, 9375, 6465};

inline constexpr std::string_view captionText =
    "Извеждане на сума от естествени числа словом - чрез текст";

// The window's caption: the program's title alone. Velmora has no web address of its own to put
// before it, and a browser's tab or a screen reader would give that address first.
std::string windowCaption();

std::span<const ControlDescriptor> controlTable();

}  // namespace velmora

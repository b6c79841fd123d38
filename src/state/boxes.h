// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The five text boxes of the form, as the calculator's procedures see them: read or set the text
// of box k and lock or unlock the report box. The form session holds them in memory (SessionBoxes,
// a MemoryBoxes); each front end only shows them. Texts are UTF-8; report lines end in CR LF.

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

namespace velmora {

enum Box : int {
    taskBox = 0,
    reportBox = 1,
    resultBox = 2,
    firstOperandBox = 3,
    secondOperandBox = 4,
};

inline constexpr int boxCount = 5;

[[noreturn]] void throwNoSuchBox(int index);

// The box of Pole(index), for an index that comes as a number (a row of the control table, the
// page's script); an index without a box raises IndexOutOfRange.
inline Box boxAt(int index) {
    if (index < 0 || index >= boxCount) [[unlikely]] {
        throwNoSuchBox(index);
    }
    return static_cast<Box>(index);
}

// The index of a box into an array of all boxes, checked all the same: a Box made by a cast from
// any number is no box.
inline std::size_t boxIndex(Box box) {
    return static_cast<std::size_t>(boxAt(box));
}

inline constexpr std::string_view lineBreak = "\r\n";

class Boxes {
public:
    virtual ~Boxes() = default;

    virtual std::string text(Box box) const = 0;
    virtual void setText(Box box, std::string text) = 0;
    virtual void setReportLocked(bool locked) = 0;

    // Joins the parts at the end of the box's text. The text is then exactly what reading the
    // whole text, joining the parts and writing it back gives, which is what this does unless a
    // box can append in place.
    virtual void append(Box box, std::initializer_list<std::string_view> parts);
};

// Appends a piece to the report box the way every procedure does: read the whole text, join the
// piece at its end, write the whole text back, through Boxes::append. A piece may be given in
// parts, which are joined in the report's own text instead of a temporary string.
void appendToReport(Boxes& boxes, std::string_view piece);
void appendToReport(Boxes& boxes, std::initializer_list<std::string_view> parts);

}  // namespace velmora

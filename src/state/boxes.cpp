// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "state/boxes.h"

#include <utility>

#include "state/checked_table.h"

namespace velmora {

void throwNoSuchBox(int index) {
    throw IndexOutOfRange(Table::pole, index, boxCount - 1);
}

void appendToReport(Boxes& boxes, std::string_view piece) {
    appendToReport(boxes, {piece});
}

void appendToReport(Boxes& boxes, std::initializer_list<std::string_view> parts) {
    boxes.append(reportBox, parts);
}

void Boxes::append(Box box, std::initializer_list<std::string_view> parts) {
    std::string joined = text(box);
    for (const std::string_view part : parts) {
        joined += part;
    }
    setText(box, std::move(joined));
}

}  // namespace velmora

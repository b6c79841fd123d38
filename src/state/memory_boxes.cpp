// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "state/memory_boxes.h"

namespace velmora {

MemoryBoxes::MemoryBoxes(std::string firstOperand, std::string secondOperand) {
    texts_[firstOperandBox] = std::move(firstOperand);
    texts_[secondOperandBox] = std::move(secondOperand);
}

std::string MemoryBoxes::text(Box box) const {
    return texts_[boxIndex(box)];
}

// Assigned rather than moved in, so a box keeps its storage: the report, emptied at the start of
// every compute, then grows back in place instead of through a new allocation at each doubling.
void MemoryBoxes::setText(Box box, std::string text) {
    texts_[boxIndex(box)].assign(text);
}

void MemoryBoxes::append(Box box, std::initializer_list<std::string_view> parts) {
    std::string& stored = texts_[boxIndex(box)];
    for (const std::string_view part : parts) {
        stored += part;
    }
}

}  // namespace velmora

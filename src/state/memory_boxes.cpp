#include "state/memory_boxes.h"

#include "state/checked_table.h"

namespace velmora {

MemoryBoxes::MemoryBoxes(std::string firstOperand, std::string secondOperand) {
    texts_[firstOperandBox] = std::move(firstOperand);
    texts_[secondOperandBox] = std::move(secondOperand);
}

std::string MemoryBoxes::text(int box) const {
    return texts_[checked(box)];
}

void MemoryBoxes::setText(int box, std::string text) {
    texts_[checked(box)] = std::move(text);
}

std::size_t MemoryBoxes::checked(int box) {
    if (box < 0 || box >= boxCount) {
        throw IndexOutOfRange("Pole", box, boxCount - 1);
    }
    return static_cast<std::size_t>(box);
}

}  // namespace velmora

#include "state/memory_boxes.h"

#include "state/checked_table.h"

namespace velmora {

namespace {

constexpr std::size_t roomToAppend = 128;

}  // namespace

MemoryBoxes::MemoryBoxes(std::string firstOperand, std::string secondOperand) {
    texts_[firstOperandBox] = std::move(firstOperand);
    texts_[secondOperandBox] = std::move(secondOperand);
}

// The procedures read a box mostly to append a line to it and write it back, so the copy comes
// with room for that line.
std::string MemoryBoxes::text(int box) const {
    const std::string& stored = texts_[checked(box)];
    std::string copy;
    copy.reserve(stored.size() + roomToAppend);
    copy.append(stored);
    return copy;
}

void MemoryBoxes::setText(int box, std::string text) {
    texts_[checked(box)] = std::move(text);
}

void MemoryBoxes::throwNoSuchBox(int box) {
    throw IndexOutOfRange("Pole", box, boxCount - 1);
}

}  // namespace velmora

#include "state/memory_boxes.h"

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
std::string MemoryBoxes::text(Box box) const {
    const std::string& stored = texts_[boxIndex(box)];
    std::string copy;
    copy.reserve(stored.size() + roomToAppend);
    copy.append(stored);
    return copy;
}

void MemoryBoxes::setText(Box box, std::string text) {
    texts_[boxIndex(box)] = std::move(text);
}

}  // namespace velmora

// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Boxes held in memory: the five texts and the lock of the report box. They are the program's own
// store, under the form session's SessionBoxes, and the tests', benchmarks' and fuzzer's boxes.

#include <array>
#include <string>

#include "state/boxes.h"

namespace velmora {

class MemoryBoxes : public Boxes {
public:
    MemoryBoxes() = default;
    MemoryBoxes(std::string firstOperand, std::string secondOperand);

    std::string text(Box box) const override;
    void setText(Box box, std::string text) override;
    void setReportLocked(bool locked) override { reportLocked_ = locked; }
    void append(Box box, std::initializer_list<std::string_view> parts) override;

    bool reportLocked() const { return reportLocked_; }

    // The text of a box as it is held, valid until the box is next written.
    std::string_view view(Box box) const { return texts_[boxIndex(box)]; }

private:
    std::array<std::string, boxCount> texts_;
    bool reportLocked_ = true;
};

}  // namespace velmora

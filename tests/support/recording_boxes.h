// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// In-memory boxes that also keep a journal of every call, so a test can check in which order a
// command reads, writes and locks the boxes.

#include <string>
#include <vector>

#include "state/memory_boxes.h"

namespace velmora::testing {

class RecordingBoxes : public MemoryBoxes {
public:
    using MemoryBoxes::MemoryBoxes;

    std::string text(Box box) const override {
        journal_.push_back("read " + std::to_string(box));
        return MemoryBoxes::text(box);
    }
    void setText(Box box, std::string text) override {
        journal_.push_back("set " + std::to_string(box));
        MemoryBoxes::setText(box, std::move(text));
    }
    void setReportLocked(bool locked) override {
        journal_.push_back(locked ? "lock" : "unlock");
        MemoryBoxes::setReportLocked(locked);
    }
    // Appends by the rule itself, so that the journal shows each append as its read and write.
    void append(Box box, std::initializer_list<std::string_view> parts) override {
        Boxes::append(box, parts);
    }

    const std::vector<std::string>& journal() const { return journal_; }
    void forget() { journal_.clear(); }

private:
    mutable std::vector<std::string> journal_;
};

}  // namespace velmora::testing

// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form/session_boxes.h"

#include <algorithm>
#include <utility>

namespace velmora {

void SessionBoxes::setText(Box box, std::string text) {
    MemoryBoxes::setText(box, std::move(text));
    written_[boxIndex(box)] = true;
    if (box == reportBox) {
        lastPieceStart_ = view(reportBox).size();
    }
}

void SessionBoxes::append(Box box, std::initializer_list<std::string_view> parts) {
    if (box == reportBox) {
        lastPieceStart_ = view(reportBox).size();
    }
    MemoryBoxes::append(box, parts);
    written_[boxIndex(box)] = true;
}

// A text the user typed into the report since is shorter, perhaps, and holds no piece.
std::string_view SessionBoxes::lastReportPiece() const {
    const std::string_view report = view(reportBox);
    return report.substr(std::min(lastPieceStart_, report.size()));
}

SessionBoxes::Written SessionBoxes::takeWritten() {
    return std::exchange(written_, Written{});
}

}  // namespace velmora

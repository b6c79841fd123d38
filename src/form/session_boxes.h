// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The five boxes of a form session, in memory. Besides the texts they note which boxes the
// program wrote since a front end last asked, so that it shows only those, and where the last
// piece appended to the report starts: the speller appends the words of all groups, or "Нула", as
// the last piece of a compute, so that is where a screen reader's words come from.

#include <array>
#include <initializer_list>
#include <string>
#include <string_view>

#include "state/memory_boxes.h"

namespace velmora {

class SessionBoxes : public MemoryBoxes {
public:
    using Written = std::array<bool, boxCount>;  // by box: written by the program

    void setText(Box box, std::string text) override;
    void append(Box box, std::initializer_list<std::string_view> parts) override;

    // A text the user typed or pasted: the front end shows it already.
    void takeTyped(Box box, std::string text) { MemoryBoxes::setText(box, std::move(text)); }

    // The boxes written since the last call, which starts the next count.
    Written takeWritten();

    // The report's last appended piece, "" when its text was set since.
    std::string_view lastReportPiece() const;

private:
    Written written_{};
    std::size_t lastPieceStart_ = 0;
};

}  // namespace velmora

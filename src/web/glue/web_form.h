// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The form of the browser edition, as the page's script holds it: one session of the form, with
// boxes and buttons named by number. The texts it answers with, those of the boxes, the failure
// and what a screen reader is told, are read one by one, as the page shows them.

#include <cstdint>
#include <string>
#include <type_traits>

#include "form/control_table.h"
#include "form/form_session.h"

namespace velmora {

// A click's answer as the script reads it from the wasm memory, four numbers of four bytes: the
// page asks at every click, and numbers cost it no text to decode and parse. The texts it names
// are read apart: the boxes', the failure's and what a screen reader is told.
struct ClickAnswer {
    std::uint32_t writtenBoxes = 0;  // bit 1 << box for each box the program wrote
    std::int32_t reportLocked = 1;   // the report's lock after the command: 1 or 0
    std::int32_t focus = noBox;      // the box that takes the focus, noBox when it stays
    std::int32_t failed = 0;         // 1 when the command stopped; why is in failure()
};
// The script reads the fields as four consecutive 32-bit numbers, and a box's bit as 1 << box.
static_assert(sizeof(ClickAnswer) == 4 * sizeof(std::int32_t) && alignof(ClickAnswer) == 4 &&
              std::is_standard_layout_v<ClickAnswer>);
static_assert(boxCount < 31);

class WebForm {
public:
    WebForm() : session_(pageSumHeard) {}

    std::string_view text(int box) const { return session_.text(boxAt(box)); }
    void typed(int box, std::string text) { session_.typed(boxAt(box), std::move(text)); }

    // The click of Buton(index); an index without a button does nothing and writes nothing.
    const ClickAnswer& click(int index);

    // Why the last click's command stopped ("" when it ended), and what a screen reader is told
    // after it ("" for nothing).
    std::string_view failure() const { return failure_; }
    std::string_view spoken() const { return spoken_; }

private:
    FormSession session_;
    ClickAnswer answer_;
    std::string failure_;
    std::string spoken_;
};

}  // namespace velmora

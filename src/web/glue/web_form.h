// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The form of the browser edition, as the page's script holds it: one session of the form, with
// boxes and buttons named by number, and the session's answer to a click as one JSON text. The
// texts it answers with, those of the boxes and what a screen reader is told, are read one by
// one, as the page shows them.

#include <string>

#include "form/form_session.h"

namespace velmora {

class WebForm {
public:
    WebForm() : session_(pageSumHeard) {}

    std::string_view text(int box) const { return session_.text(boxAt(box)); }
    void typed(int box, std::string text) { session_.typed(boxAt(box), std::move(text)); }

    // The click of Buton(index), answered as {written, reportLocked, failure, focus}: the boxes
    // to show anew, the report's lock, why the command stopped ("" when it ended) and the box that
    // takes the focus (noBox when it stays).
    std::string click(int index);

    // What a screen reader is told after the last click ("" for nothing).
    std::string_view spoken() const { return spoken_; }

private:
    FormSession session_;
    std::string spoken_;
};

}  // namespace velmora

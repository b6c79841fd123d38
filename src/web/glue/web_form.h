// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The form of the browser edition, as the page's script holds it: one session of the form, with
// boxes and buttons named by number, and the session's answer to a click as one JSON text.

#include <string>

#include "form/form_session.h"

namespace velmora {

class WebForm {
public:
    WebForm() : session_(pageSumHeard) {}

    std::string_view text(int box) const { return session_.text(boxAt(box)); }
    void typed(int box, std::string text) { session_.typed(boxAt(box), std::move(text)); }

    // The click of Buton(index), answered as {written, reportLocked, failure, focus, spoken}: the
    // boxes to show anew, the report's lock, why the command stopped ("" when it ended), the box
    // that takes the focus (noBox when it stays) and what a screen reader is told.
    std::string click(int index);

private:
    FormSession session_;
};

}  // namespace velmora

// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "web/glue/web_form.h"

#include <utility>

#include "form/control_table.h"
#include "web/glue/json_text.h"

namespace velmora {

std::string WebForm::click(int index) {
    SessionAnswer answer = session_.click(index);
    std::string written = "[";
    for (int box = 0; box < boxCount; ++box) {
        if (answer.written.at(boxIndex(boxAt(box)))) {
            written += written.size() > 1 ? "," : "";
            written += std::to_string(box);
        }
    }
    written += ']';
    JsonObject json;
    json.nested("written", written);
    json.flag("reportLocked", answer.reportLocked);
    json.text("failure", answer.failure.value_or(""));
    json.number("focus", answer.after.focus ? *answer.after.focus : noBox);
    spoken_ = std::move(answer.after.announcement);
    return json.close();
}

}  // namespace velmora

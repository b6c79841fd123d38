// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "web/glue/web_form.h"

#include <utility>

namespace velmora {

const ClickAnswer& WebForm::click(int index) {
    SessionAnswer answer = session_.click(index);
    answer_ = {};
    for (int box = 0; box < boxCount; ++box) {
        if (answer.written.at(boxIndex(boxAt(box)))) {
            answer_.writtenBoxes |= 1U << box;
        }
    }
    answer_.reportLocked = answer.reportLocked ? 1 : 0;
    answer_.focus = answer.after.focus ? *answer.after.focus : noBox;
    answer_.failed = answer.failure ? 1 : 0;
    failure_ = std::move(answer.failure).value_or("");
    spoken_ = std::move(answer.after.announcement);
    return answer_;
}

}  // namespace velmora

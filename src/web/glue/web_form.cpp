// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "web/glue/web_form.h"

#include <exception>

#include "form/after_command.h"
#include "form/control_table.h"
#include "form/failure_message.h"
#include "form/json_text.h"
#include "form/starting_texts.h"

namespace velmora {

WebForm::WebForm() : commands_(state_, boxes_) {
    setStartingTexts(boxes_);
    commands_.load();
}

// The procedures handle no errors: the window's handler catches what they raise, and so does
// this one.
std::string WebForm::click(int index) {
    try {
        commands_.click(index);
    } catch (const std::exception& error) {
        return failureMessage(error);
    }
    return {};
}

std::string WebForm::afterCommandJson(int index) const {
    const AfterCommand after = afterCommand(index, boxes_);
    JsonObject json;
    json.number("focus", after.focus ? *after.focus : noBox);
    json.text("spoken", after.spoken());
    return json.close();
}

}  // namespace velmora

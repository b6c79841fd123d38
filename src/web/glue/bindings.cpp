// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// What the core offers the page's script, as plain C functions that module_api.js, inside the
// module, wraps into the Form class, values and constants the page uses:
//   const core = await createVelmora();
//   const form = new core.Form();          // runs the load command
//   form.typed(core.firstOperandBox, "12"); const answer = form.click(core.computeButton);
//   form.text(core.reportBox); form.spoken(); form.delete(); core.enterComputesIn(core.resultBox);
//   core.controlTable(); core.clientArea(); core.formBackground(); core.caption();
// Texts cross as UTF-8 through two buffers in the wasm memory: the script writes a text into the
// incoming one before typed, and every function that answers with a text leaves it in the
// exchange one and returns its size. A click answers with the place of its four numbers. Unlike
// embind, this glue builds no JavaScript function from a string at start-up, so the page runs
// under a Content-Security-Policy without 'unsafe-eval'.

#include <emscripten/emscripten.h>

#include <cstddef>
#include <string>
#include <string_view>

#include "form/after_command.h"
#include "form/control_table.h"
#include "state/boxes.h"
#include "state/checked_table.h"
#include "web/glue/json_text.h"
#include "web/glue/table_values.h"
#include "web/glue/web_form.h"

namespace {

using velmora::WebForm;

// The core's answers go out through exchange; the script's texts come in through incoming, which
// keeps its place in the memory between texts, so that the script can keep its view of it.
std::string exchange;
std::string incoming;

std::size_t answer(std::string text) {
    exchange = std::move(text);
    return exchange.size();
}

// An index from the script that names no box is the script's fault, not a failure to show the
// pupil: the call does nothing and answers -1, for which module_api.js raises a RangeError.
template <typename Call>
int onBox(Call call) {
    try {
        return call();
    } catch (const velmora::IndexOutOfRange&) {
        return -1;
    }
}

// The indices the script names boxes and buttons by, and the scale of the twips.
std::string constantsJson() {
    velmora::JsonObject json;
    const auto add = [&json](std::string_view name, int value) { json.number(name, value); };
    add("twipsPerPixel", velmora::twipsPerPixel);
    add("taskBox", velmora::taskBox);
    add("reportBox", velmora::reportBox);
    add("resultBox", velmora::resultBox);
    add("firstOperandBox", velmora::firstOperandBox);
    add("secondOperandBox", velmora::secondOperandBox);
    add("boxCount", velmora::boxCount);
    add("noBox", velmora::noBox);
    add("computeButton", velmora::computeButton);
    add("clearButton", velmora::clearButton);
    add("focusAtStart", velmora::focusAtStart);
    add("singleLineLetterSpacing", velmora::singleLineLetterSpacing);
    return json.close();
}

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE char* velmora_exchange_data() {
    return exchange.data();
}

// Room for a text of up to size bytes that the script is to write.
EMSCRIPTEN_KEEPALIVE char* velmora_incoming_reserve(std::size_t size) {
    incoming.resize(size);
    return incoming.data();
}

EMSCRIPTEN_KEEPALIVE WebForm* velmora_form_new() {
    return new WebForm();
}

EMSCRIPTEN_KEEPALIVE void velmora_form_delete(WebForm* form) {
    delete form;
}

EMSCRIPTEN_KEEPALIVE int velmora_form_text(const WebForm* form, int box) {
    return onBox([&] { return static_cast<int>(answer(std::string(form->text(box)))); });
}

// The first size bytes of the incoming buffer are what the user typed into the box.
EMSCRIPTEN_KEEPALIVE int velmora_form_typed(WebForm* form, int box, std::size_t size) {
    return onBox([&] {
        form->typed(box, incoming.substr(0, size));
        return 0;
    });
}

EMSCRIPTEN_KEEPALIVE const velmora::ClickAnswer* velmora_form_click(WebForm* form, int index) {
    return &form->click(index);
}

EMSCRIPTEN_KEEPALIVE std::size_t velmora_form_failure(const WebForm* form) {
    return answer(std::string(form->failure()));
}

EMSCRIPTEN_KEEPALIVE std::size_t velmora_form_spoken(const WebForm* form) {
    return answer(std::string(form->spoken()));
}

EMSCRIPTEN_KEEPALIVE int velmora_enter_computes_in(int box) {
    return onBox([&] { return velmora::enterComputesIn(velmora::boxAt(box)) ? 1 : 0; });
}

EMSCRIPTEN_KEEPALIVE std::size_t velmora_control_table() {
    return answer(velmora::controlTableJson());
}

EMSCRIPTEN_KEEPALIVE std::size_t velmora_client_area() {
    return answer(velmora::clientAreaJson());
}

EMSCRIPTEN_KEEPALIVE std::size_t velmora_form_background() {
    return answer(velmora::formBackgroundJson());
}

EMSCRIPTEN_KEEPALIVE std::size_t velmora_caption() {
    return answer(velmora::windowCaption());
}

EMSCRIPTEN_KEEPALIVE std::size_t velmora_constants() {
    return answer(constantsJson());
}

}  // extern "C"

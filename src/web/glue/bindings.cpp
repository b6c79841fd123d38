// What the core offers the page's script: the form with its boxes and commands, the control
// table and the window's properties as plain values, and the indices of the boxes and buttons.
//   const core = await createVelmora();
//   const form = new core.Form();          // runs the load command
//   form.setText(core.firstOperandBox, "12"); form.click(core.computeButton);
//   form.text(core.reportBox); form.reportLocked(); form.delete();

#include <emscripten/bind.h>
#include <string>

#include "form/commands.h"
#include "form/control_table.h"
#include "state/boxes.h"
#include "web/glue/table_values.h"
#include "web/glue/web_form.h"

EMSCRIPTEN_BINDINGS(velmora) {
    using namespace emscripten;
    using velmora::WebForm;

    class_<WebForm>("Form")
        .constructor<>()
        .function("text", &WebForm::text)
        .function("setText", &WebForm::setText)
        .function("reportLocked", &WebForm::reportLocked)
        .function("click", &WebForm::click);

    // As JavaScript values through controlTable, clientArea and formBackground (table_values.js).
    function("controlTableJson", &velmora::controlTableJson);
    function("clientAreaJson", &velmora::clientAreaJson);
    function("formBackgroundJson", &velmora::formBackgroundJson);
    function("caption", &velmora::windowCaption);

    constant("twipsPerPixel", velmora::twipsPerPixel);
    constant("taskBox", static_cast<int>(velmora::taskBox));
    constant("reportBox", static_cast<int>(velmora::reportBox));
    constant("resultBox", static_cast<int>(velmora::resultBox));
    constant("firstOperandBox", static_cast<int>(velmora::firstOperandBox));
    constant("secondOperandBox", static_cast<int>(velmora::secondOperandBox));
    constant("boxCount", velmora::boxCount);
    constant("noBox", velmora::noBox);
    constant("computeButton", static_cast<int>(velmora::computeButton));
    constant("clearButton", static_cast<int>(velmora::clearButton));
}

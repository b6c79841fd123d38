#include "web/glue/web_form.h"

#include <exception>

#include "form/control_table.h"
#include "form/failure_message.h"

namespace velmora {

WebForm::WebForm() : commands_(state_, boxes_) {
    for (const ControlDescriptor& row : controlTable()) {
        if (row.array == ControlArray::pole) {
            boxes_.setText(row.index, std::string(row.text));
            if (row.index == reportBox) {
                boxes_.setReportLocked(row.readOnly);
            }
        }
    }
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

}  // namespace velmora

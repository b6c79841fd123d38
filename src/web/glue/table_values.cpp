#include "web/glue/table_values.h"

#include <array>
#include <string>
#include <string_view>

#include "form/control_table.h"

namespace velmora {

namespace {

using emscripten::val;

val text(std::string_view utf8) {
    return val(std::string(utf8));
}

val toValue(Twips place) {
    val value = val::object();
    value.set("left", place.left);
    value.set("top", place.top);
    value.set("width", place.width);
    value.set("height", place.height);
    return value;
}

val toValue(Rgb colour) {
    val value = val::object();
    value.set("red", colour.red);
    value.set("green", colour.green);
    value.set("blue", colour.blue);
    return value;
}

std::string_view arrayName(ControlArray array) {
    static constexpr std::array<std::string_view, 3> names{"pole", "buton", "etiket"};
    return names.at(static_cast<std::size_t>(array));
}

val toValue(const ControlDescriptor& row) {
    val value = val::object();
    value.set("array", text(arrayName(row.array)));
    value.set("index", row.index);
    value.set("role", text(row.role));
    value.set("place", toValue(row.place));
    value.set("tabIndex", row.tabIndex);
    value.set("text", text(row.text));
    value.set("multiLine", row.multiLine);
    value.set("readOnly", row.readOnly);
    value.set("maxLength", row.maxLength);
    value.set("background", toValue(row.background));
    value.set("foreground", toValue(row.foreground));
    value.set("centred", row.centred);
    value.set("toolTip", text(row.toolTip));
    value.set("accessibleName", text(row.accessibleName));
    value.set("labelFor", row.labelFor);
    return value;
}

}  // namespace

val controlTableValue() {
    val rows = val::array();
    for (const ControlDescriptor& row : controlTable()) {
        rows.call<void>("push", toValue(row));
    }
    return rows;
}

val clientAreaValue() {
    return toValue(clientArea);
}

val formBackgroundValue() {
    return toValue(formBackground);
}

}  // namespace velmora

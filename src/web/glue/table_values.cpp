// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "web/glue/table_values.h"

#include <array>
#include <string>
#include <string_view>

#include "form/control_table.h"
#include "web/glue/json_text.h"

namespace velmora {

namespace {

std::string toJson(Twips place) {
    JsonObject json;
    json.number("left", place.left);
    json.number("top", place.top);
    json.number("width", place.width);
    json.number("height", place.height);
    return json.close();
}

std::string toJson(Rgb colour) {
    JsonObject json;
    json.number("red", colour.red);
    json.number("green", colour.green);
    json.number("blue", colour.blue);
    return json.close();
}

std::string_view arrayName(ControlArray array) {
    static constexpr std::array<std::string_view, 3> names{"pole", "buton", "etiket"};
    return names.at(static_cast<std::size_t>(array));
}

std::string toJson(const ControlDescriptor& row) {
    JsonObject json;
    json.text("array", arrayName(row.array));
    json.number("index", row.index);
    json.nested("place", toJson(row.place));
    json.number("tabIndex", row.tabIndex);
    json.text("text", row.text);
    json.flag("multiLine", row.multiLine);
    json.flag("readOnly", row.readOnly);
    json.number("maxLength", row.maxLength);
    json.nested("background", toJson(row.background));
    json.nested("foreground", toJson(row.foreground));
    json.flag("centred", row.centred);
    json.text("toolTip", row.toolTip);
    json.text("accessibleName", row.accessibleName);
    json.number("labelFor", row.labelFor ? *row.labelFor : noBox);
    return json.close();
}

}  // namespace

std::string controlTableJson() {
    std::string rows = "[";
    for (const ControlDescriptor& row : controlTable()) {
        if (rows.size() > 1) {
            rows += ',';
        }
        rows += toJson(row);
    }
    rows += ']';
    return rows;
}

std::string clientAreaJson() {
    return toJson(clientArea);
}

std::string formBackgroundJson() {
    return toJson(formBackground);
}

}  // namespace velmora

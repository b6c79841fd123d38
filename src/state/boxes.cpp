#include "state/boxes.h"

#include <utility>

#include "state/checked_table.h"

namespace velmora {

void throwNoSuchBox(int index) {
    throw IndexOutOfRange(Table::pole, index, boxCount - 1);
}

void appendToReport(Boxes& boxes, std::string_view piece) {
    appendToReport(boxes, {piece});
}

void appendToReport(Boxes& boxes, std::initializer_list<std::string_view> parts) {
    std::string report = boxes.text(reportBox);
    for (const std::string_view part : parts) {
        report += part;
    }
    boxes.setText(reportBox, std::move(report));
}

}  // namespace velmora

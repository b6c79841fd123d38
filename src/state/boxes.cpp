#include "state/boxes.h"

#include <utility>

namespace velmora {

void appendToReport(Boxes& boxes, std::string_view piece) {
    std::string report = boxes.text(reportBox);
    report += piece;
    boxes.setText(reportBox, std::move(report));
}

}  // namespace velmora

#include "form/starting_texts.h"

#include <string>

#include "form/control_table.h"

namespace velmora {

void setStartingTexts(Boxes& boxes) {
    for (const ControlDescriptor& row : controlTable()) {
        if (row.array == ControlArray::pole) {
            boxes.setText(row.index, std::string(row.text));
            if (row.index == reportBox) {
                boxes.setReportLocked(row.readOnly);
            }
        }
    }
}

}  // namespace velmora

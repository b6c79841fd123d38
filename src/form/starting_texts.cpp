// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form/starting_texts.h"

#include <string>

#include "form/control_table.h"

namespace velmora {

void setStartingTexts(Boxes& boxes) {
    for (const ControlDescriptor& row : controlTable()) {
        if (row.array == ControlArray::pole) {
            const Box box = boxAt(row.index);
            boxes.setText(box, std::string(row.text));
            if (box == reportBox) {
                boxes.setReportLocked(row.readOnly);
            }
        }
    }
}

}  // namespace velmora

// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/controls.h"

#include <algorithm>
#include <vector>

#include "window/box_text.h"
#include "window/line_box.h"
#include "window/palette.h"

namespace velmora {

namespace {

QRect toPixels(Twips twips) {
    return {twips.left / twipsPerPixel, twips.top / twipsPerPixel, twips.width / twipsPerPixel,
            twips.height / twipsPerPixel};
}

// The row says which kind of box it is.
BoxWidget makeBox(const ControlDescriptor& row, QWidget* form) {
    if (row.multiLine) {
        auto* box = new MultiLineBox(form);
        box->showText(toWidgetText(row.text));
        box->setLocked(row.readOnly);
        return BoxWidget(box);
    }
    auto* box = new LineBox(fromUtf8(row.text), form);
    if (row.maxLength > 0) {  // else Qt's own, which is as good as none
        box->setUserLimit(row.maxLength);
    }
    box->setReadOnly(row.readOnly);
    return BoxWidget(box);
}

QPushButton* makeButton(const ControlDescriptor& row, QWidget* form) {
    return new QPushButton(fromUtf8(row.text), form);
}

QLabel* makeLabel(const ControlDescriptor& row, QWidget* form) {
    auto* label = new QLabel(fromUtf8(row.text), form);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(row.centred ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

QWidget* makeControl(const ControlDescriptor& row, QWidget* form, ControlArrays& arrays) {
    const auto index = static_cast<std::size_t>(row.index);
    switch (row.array) {
        case ControlArray::pole:
            arrays.pole.at(index) = makeBox(row, form);
            return arrays.pole.at(index).widget();
        case ControlArray::buton:
            return arrays.buton.at(index) = makeButton(row, form);
        case ControlArray::etiket:
            return arrays.etiket.at(index) = makeLabel(row, form);
    }
    return nullptr;
}

QString objectName(const ControlDescriptor& row) {
    static constexpr std::array<const char*, 3> names{"Pole", "Buton", "Etiket"};
    return QString::fromLatin1(names.at(static_cast<std::size_t>(row.array))) +
           QString::number(row.index);
}

// Only a label needs its face filled: boxes and buttons paint their whole rectangle themselves.
void applyCommon(const ControlDescriptor& row, QWidget* control, const QPalette& light) {
    control->setObjectName(objectName(row));
    control->setGeometry(toPixels(row.place));
    control->setToolTip(fromUtf8(row.toolTip));
    control->setAccessibleName(fromUtf8(row.accessibleName));
    control->setAccessibleDescription(control->toolTip());
    control->setPalette(controlPalette(row, light));
    control->setAutoFillBackground(row.array == ControlArray::etiket);
}

// Labels take no focus, so they drop out of the chain; the others follow their tab index.
void chainTabOrder(std::vector<std::pair<int, QWidget*>> controls) {
    std::sort(controls.begin(), controls.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    QWidget* previous = nullptr;
    for (const auto& [tabIndex, control] : controls) {
        if (control->focusPolicy() & Qt::TabFocus) {
            if (previous != nullptr) {
                QWidget::setTabOrder(previous, control);
            }
            previous = control;
        }
    }
}

// A label names its box for screen readers, which then read the label's text with the box.
void linkLabels(std::span<const ControlDescriptor> table, const ControlArrays& arrays) {
    for (const ControlDescriptor& row : table) {
        if (row.array == ControlArray::etiket && row.labelFor) {
            arrays.etiket.at(static_cast<std::size_t>(row.index))
                ->setBuddy(arrays.pole.at(boxIndex(*row.labelFor)).widget());
        }
    }
}

}  // namespace

ControlArrays buildControls(std::span<const ControlDescriptor> table, QWidget* form,
                            const QPalette& light) {
    ControlArrays arrays;
    std::vector<std::pair<int, QWidget*>> tabOrder;
    for (const ControlDescriptor& row : table) {
        QWidget* control = makeControl(row, form, arrays);
        applyCommon(row, control, light);
        tabOrder.emplace_back(row.tabIndex, control);
    }
    chainTabOrder(std::move(tabOrder));
    linkLabels(table, arrays);
    return arrays;
}

}  // namespace velmora

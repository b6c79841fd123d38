// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The control arrays of the window, Pole, Buton and Etiket, addressed by index and built from
// the control table in one loop: each control gets its place, text, limits, colours, tooltip,
// names and its place in the tab order.

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>
#include <span>

#include "form/control_table.h"
#include "window/box_widget.h"

namespace velmora {

struct ControlArrays {
    std::array<BoxWidget, poleCount> pole{};
    std::array<QPushButton*, butonCount> buton{};
    std::array<QLabel*, etiketCount> etiket{};
};

// Creates every control of the table as a child of form, with its palette over the given light
// one.
ControlArrays buildControls(std::span<const ControlDescriptor> table, QWidget* form,
                            const QPalette& light);

}  // namespace velmora

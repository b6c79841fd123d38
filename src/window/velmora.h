// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The form Velmora: the program's one window. It builds its control arrays from the control
// table, owns the calculator state, the boxes that the calculator writes through and the three
// commands. Its load runs the load command; both buttons reach one handler with their index,
// which runs the command, shows what it wrote and tells the user in a message box if it failed;
// then the focus goes where the pupil's next step is.

#include <QWidget>
#include <exception>
#include <span>

#include "form/after_command.h"
#include "form/commands.h"
#include "state/calculator_state.h"
#include "window/controls.h"
#include "window/form_boxes.h"

namespace velmora {

// The form's font, which every control inherits.
QFont formFont();

class Velmora : public QWidget {
    Q_OBJECT

public:
    explicit Velmora(QWidget* parent = nullptr);
    // The form built from another table of the same controls, for the tests of the table's seams.
    explicit Velmora(std::span<const ControlDescriptor> table, QWidget* parent = nullptr);

    QWidget* pole(Box box) const { return controls_.pole.at(boxIndex(box)); }
    QPushButton* buton(int i) const { return controls_.buton.at(static_cast<std::size_t>(i)); }
    QLabel* etiket(int j) const { return controls_.etiket.at(static_cast<std::size_t>(j)); }

    // The boxes as the calculator sees them; a text set here shows once a command ends.
    Boxes& boxes() { return boxes_; }

private:
    void setUpForm(const QPalette& light);
    void connectEvents();
    void handleClick(int index);
    void guideFocus(const AfterCommand& after);
    void showFailure(const std::exception& error);

    ControlArrays controls_;
    CalculatorState state_;
    FormBoxes boxes_;
    Commands commands_;
};

}  // namespace velmora

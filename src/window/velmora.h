// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The form Velmora: the program's one window. It builds its control arrays from the control
// table and holds one session of the form, which owns the calculator state, the boxes' texts and
// the three commands. What the user types goes to the session as it is typed; both buttons reach
// one handler with their index, which has the session run the command and shows what it answers:
// the texts the program wrote, the report's lock, a message box if the command failed, and then
// the focus and what a screen reader hears.

#include <QWidget>
#include <span>

#include "form/form_session.h"
#include "window/controls.h"

namespace velmora {

// The form's font, which every control inherits.
QFont formFont();

class Velmora : public QWidget {
    Q_OBJECT

public:
    explicit Velmora(QWidget* parent = nullptr);
    // The form built from another table of the same controls, for the tests of the table's seams.
    explicit Velmora(std::span<const ControlDescriptor> table, QWidget* parent = nullptr);

    QWidget* pole(Box box) const { return controls_.pole.at(boxIndex(box)).widget(); }
    QPushButton* buton(int i) const { return controls_.buton.at(static_cast<std::size_t>(i)); }
    QLabel* etiket(int j) const { return controls_.etiket.at(static_cast<std::size_t>(j)); }

    // The boxes as the calculator sees them; a text set here shows once a command ends.
    Boxes& boxes() { return session_.boxes(); }

private:
    void setUpForm(const QPalette& light);
    void connectEvents();
    void handIn(Box box);
    void handleClick(int index);
    void showWritten(const SessionAnswer& answer);
    void guide(const AfterCommand& after);
    void announce(const std::string& text);
    void showFailure(const std::string& message);

    FormSession session_;
    ControlArrays controls_;
};

}  // namespace velmora

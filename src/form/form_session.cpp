// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form/form_session.h"

#include <stdexcept>

#include "form/failure_message.h"
#include "form/starting_texts.h"
#include "state/checked_table.h"

namespace velmora {

FormSession::FormSession(SumHeard sumHeard) : commands_(state_, boxes_), sumHeard_(sumHeard) {
    setStartingTexts(boxes_);
    commands_.load();
    boxes_.takeWritten();  // a front end builds its boxes with these texts
}

// The procedures handle no errors; a command that stops keeps what it had written, and the
// answer shows that too. Only the errors the procedures raise become the pupil's message: an
// index outside a table and words past the room of their lines. Any other error is a fault of
// the program, and ends it.
SessionAnswer FormSession::click(int index) {
    const std::optional<Button> button = buttonAt(index);
    SessionAnswer answer;
    if (button) {
        try {
            commands_.click(*button);
            answer.after =
                afterCommand(*button, sumHeard_, text(resultBox), boxes_.lastReportPiece());
        } catch (const IndexOutOfRange& error) {
            answer.failure = failureMessage(error);
        } catch (const std::length_error& error) {
            answer.failure = failureMessage(error);
        }
    }
    answer.written = boxes_.takeWritten();
    answer.reportLocked = boxes_.reportLocked();
    return answer;
}

}  // namespace velmora

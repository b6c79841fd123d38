// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// The commands: a click of a button, or Enter in a box that holds a number for "Изчисли", reaches
// one handler with the button's index, as in the window. The handler hands the form's session the
// boxes' texts, has it run the command, and shows what it answers: the texts it wrote; for a
// command that stopped on an error, the failure dialog that tells why; for one that ended, the
// focus where the session says and, through the polite status region, what a screen reader is
// told: after a compute, the sum and the sum in words, with the focus left where the pupil is.

// A status region speaks a change of its text; the same text again is made to differ by a
// no-break space, so that a compute repeated is spoken again. The text is written in a task of its
// own, once the boxes are drawn: a polite message waits for the reader anyway, and the report
// shows the sooner.
function announce(status, text) {
  setTimeout(() => {
    status.textContent = text && text === status.textContent ? `${text}\u00a0` : text;
  });
}

export function wireCommands(core, form, controls, boxes, failure, status) {
  const run = (index) => {
    boxes.handIn();
    const answer = form.click(index);
    boxes.showWritten(answer);
    if (answer.failure) {
      announce(status, "");
      failure.show(answer.failure);
      return;
    }
    announce(status, form.spoken());
    if (answer.focus !== core.noBox) {
      controls.pole[answer.focus].focus();
    }
  };

  const formElement = controls.pole[core.taskBox].parentElement;
  formElement.addEventListener("click", (event) => {
    const button = event.target.closest("button[data-button]");
    if (button) {
      run(Number(button.dataset.button));
    }
  });

  const computing = controls.pole.filter((_, box) => core.enterComputesIn(box));
  formElement.addEventListener("keydown", (event) => {
    if (event.key === "Enter" && !event.isComposing && computing.includes(event.target)) {
      event.preventDefault();
      run(core.computeButton);
    }
  });
}

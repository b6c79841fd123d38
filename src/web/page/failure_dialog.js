// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// The message box of a command that stopped: a modal alert dialog named "Velmora — грешка" with
// the core's failure message as its description, which a screen reader speaks as it opens, and
// one button, "Добре", that closes it.

export function createFailureDialog(dialog) {
  const message = dialog.querySelector(".failure-message");
  dialog.querySelector("button").addEventListener("click", () => dialog.close());
  return {
    show(text) {
      message.textContent = text;
      dialog.showModal();
    },
  };
}

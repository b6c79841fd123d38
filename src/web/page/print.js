// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// On paper every box gives its whole text. A multi-line box would print only the lines it shows,
// so the paper takes a copy of its text instead, in a block that runs on from page to page; the
// copies are written as printing starts and never shown on screen.
export function preparePrint(poles) {
  const copies = poles
    .filter((box) => box instanceof HTMLTextAreaElement)
    .map((box) => {
      const copy = document.createElement("div");
      copy.className = "print-copy";
      copy.style.order = box.style.order;
      box.after(copy);
      return [box, copy];
    });
  addEventListener("beforeprint", () => {
    for (const [box, copy] of copies) {
      copy.textContent = box.value;
    }
  });
}

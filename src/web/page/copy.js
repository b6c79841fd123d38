// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// Copying from a multi-line box gives the line breaks the core writes, CR LF, as the window does:
// a textarea alone would hand out LF. The whole text of a box is the core's exact text; a part of
// it is its lines joined with CR LF. Cutting from an unlocked box also takes the part out.

import { isLocked, withCrLf } from "./boxes.js";

export function wireCopy(formElement, boxes) {
  const handle = (event) => {
    const box = event.target;
    if (!(box instanceof HTMLTextAreaElement) || (event.type === "cut" && isLocked(box))) {
      return;
    }
    const { selectionStart: start, selectionEnd: end, value } = box;
    if (start === end) {
      return;
    }
    const whole = start === 0 && end === value.length ? boxes.exactText(box) : undefined;
    event.clipboardData.setData("text/plain", whole ?? withCrLf(value.slice(start, end)));
    event.preventDefault();
    if (event.type === "cut") {
      box.setRangeText("", start, end, "end");
    }
  };
  formElement.addEventListener("copy", handle);
  formElement.addEventListener("cut", handle);
}

// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// The five boxes between the page and the form's session in the core. The session keeps every
// text exactly as it was written (CR LF line breaks); a box shows it with LF, as a textarea does.
// At the start of a command the page hands the session the texts the user changed; when it ends,
// every box the session answers as written shows its new text, and the report box is locked or
// unlocked as it says. The limit of a box (maxlength) binds only what the user types or pastes:
// the program's writes through `value` are never cut.

export const withCrLf = (text) => text.replaceAll("\n", "\r\n");

// A locked multi-line box refuses typing itself instead of being readonly: Chromium moves no
// caret in a readonly textarea, and a screen reader could not read its lines with the arrow keys.
// A locked box asks for no on-screen keyboard.
export const isLocked = (box) =>
  box instanceof HTMLTextAreaElement ? box.getAttribute("aria-readonly") === "true" : box.readOnly;

export function setLocked(box, locked) {
  if (box instanceof HTMLTextAreaElement) {
    box.setAttribute("aria-readonly", String(locked));
    box.inputMode = locked ? "none" : "";
  } else {
    box.readOnly = locked;
  }
}
const withLf = (text) => text.replaceAll("\r\n", "\n");

// A paste cut at the limit can split a character outside the basic plane, which counts as two;
// the half left behind is dropped rather than shown as a broken character.
const loneHighHalf = /[\uD800-\uDBFF](?![\uDC00-\uDFFF])/;

function dropSplitCharacter(box) {
  const at = box.value.search(loneHighHalf);
  if (at < 0) {
    return;
  }
  const cursor = box.selectionStart;
  box.value = box.value.slice(0, at) + box.value.slice(at + 1);
  const moved = cursor > at ? cursor - 1 : cursor;
  box.setSelectionRange(moved, moved);
}

// Undo, as the browser's own key for it: Ctrl+Z, or Cmd+Z on a Mac, in any keyboard layout.
const isUndo = (event) =>
  (event.ctrlKey || event.metaKey) &&
  !event.shiftKey &&
  !event.altKey &&
  (event.code === "KeyZ" || event.key.toLowerCase() === "z");

export function createBoxes(core, form, poles) {
  const coreTexts = []; // what the core holds, exactly
  const shown = []; // what the page last wrote into each box, as the box gives it back
  // What each box held before the page last wrote it. A text set through `value` has no place in
  // the browser's undo history, so after a clear by mistake Ctrl+Z in an operand box would bring
  // nothing back; the page brings back this text instead, while the box still shows the page's.
  const before = [];

  // The multi-line boxes scrolled away from their start, as their scroll events tell: a new text
  // scrolls only these back, since setting scrollTop lays the page out at once and the browser
  // lays it out for the new text anyway.
  const scrolledDown = new Set();
  for (const box of poles) {
    if (box instanceof HTMLInputElement) {
      box.addEventListener("input", () => dropSplitCharacter(box));
      box.addEventListener("keydown", (event) => {
        const k = poles.indexOf(box);
        const undone = before[k];
        const canUndo = undone !== undefined && undone !== box.value && box.value === shown[k];
        if (isUndo(event) && !box.readOnly && canUndo) {
          event.preventDefault();
          box.value = undone;
        }
      });
    } else {
      box.addEventListener("beforeinput", (event) => isLocked(box) && event.preventDefault());
      // What no beforeinput stops (an input method's composition) is taken back at once.
      box.addEventListener("input", () => {
        if (isLocked(box)) {
          box.value = shown[poles.indexOf(box)];
        }
      });
      box.addEventListener("scroll", () => {
        if (box.scrollTop > 0) {
          scrolledDown.add(box);
        } else {
          scrolledDown.delete(box);
        }
      });
    }
  }

  const changedByUser = (k) => poles[k].value !== shown[k];

  const show = (k) => {
    const box = poles[k];
    before[k] = box.value;
    coreTexts[k] = form.text(k);
    box.value = withLf(coreTexts[k]);
    shown[k] = box.value;
    if (box instanceof HTMLTextAreaElement) {
      box.setSelectionRange(0, 0); // a new text is shown from its start, as in the window
      if (scrolledDown.has(box)) {
        box.scrollTop = 0;
      }
    }
  };

  return {
    handIn() {
      poles.forEach((box, k) => {
        if (changedByUser(k)) {
          coreTexts[k] = withCrLf(box.value);
          shown[k] = box.value;
          form.typed(k, coreTexts[k]);
        }
      });
    },

    // Every box as the session starts it, with nothing before it to bring back.
    showAll() {
      poles.forEach((_, k) => show(k));
      before.length = 0;
    },

    // What a command wrote, from the session's answer.
    showWritten({ written, reportLocked }) {
      written.forEach(show);
      // Setting the lock again, even unchanged, would have the box's style worked out anew.
      if (isLocked(poles[core.reportBox]) !== reportLocked) {
        setLocked(poles[core.reportBox], reportLocked);
      }
    },

    // The core's exact text of a box the user has not changed since, else undefined.
    exactText(box) {
      const k = poles.indexOf(box);
      return k >= 0 && !changedByUser(k) ? coreTexts[k] : undefined;
    },
  };
}

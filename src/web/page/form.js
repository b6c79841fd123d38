// Builds the form from the control table that the core hands over, in one loop, as the window
// does: each control gets its place and size (twips to CSS pixels), text, colours, limit, lock,
// tooltip (also the description a screen reader gives) and accessible name. The controls go into
// the page in the order of the table's tab index, so Tab follows it and labels, taking no focus,
// drop out. A label that names a box (the table's labelFor) is that box's <label for>; the label
// that names none is the page's heading. The boxes' texts come from the core, not from here.

import { setLocked } from "./boxes.js";

const colour = ({ red, green, blue }) => `rgb(${red} ${green} ${blue})`;

// A place in whole CSS pixels; the element is put there and the size in pixels returned.
function place(element, { left, top, width, height }, twipsPerPixel) {
  const px = (twips) => Math.trunc(twips / twipsPerPixel);
  Object.assign(element.style, {
    left: `${px(left)}px`,
    top: `${px(top)}px`,
    width: `${px(width)}px`,
    height: `${px(height)}px`,
  });
  return { width: px(width), height: px(height) };
}

const controlId = ({ array, index }) => `${array[0].toUpperCase()}${array.slice(1)}${index}`;

// A single-line box sets its characters a little closer, as the window's do, so that the
// longest sum shows whole.
function makeBox(row, { singleLineLetterSpacing, twipsPerPixel }) {
  const box = document.createElement(row.multiLine ? "textarea" : "input");
  if (!row.multiLine) {
    box.type = "text";
    box.autocomplete = "off";
    box.style.letterSpacing = `${singleLineLetterSpacing / twipsPerPixel}px`;
  }
  box.spellcheck = false;
  setLocked(box, row.readOnly);
  if (row.maxLength > 0) {
    box.maxLength = row.maxLength;
  }
  return box;
}

function makeButton(row) {
  const button = document.createElement("button");
  button.type = "button";
  button.dataset.button = row.index;
  button.textContent = row.text;
  return button;
}

function makeLabel(row, noBox) {
  const label = document.createElement(row.labelFor === noBox ? "h1" : "label");
  if (row.labelFor !== noBox) {
    label.htmlFor = controlId({ array: "pole", index: row.labelFor });
  }
  label.textContent = row.text;
  return label;
}

function makeControl(row, core) {
  switch (row.array) {
    case "pole":
      return makeBox(row, core);
    case "buton":
      return makeButton(row);
    default:
      return makeLabel(row, core.noBox);
  }
}

function applyCommon(control, row, twipsPerPixel) {
  control.id = controlId(row);
  place(control, row.place, twipsPerPixel);
  control.style.backgroundColor = colour(row.background);
  control.style.color = colour(row.foreground);
  control.classList.toggle("centred", row.centred);
  // The tooltip is also what a screen reader gives as the description.
  if (row.toolTip) {
    control.title = row.toolTip;
  }
  if (row.array !== "etiket") {
    control.setAttribute("aria-label", row.accessibleName);
  }
}

// Fills the form element and returns its controls by array and index, as the window's
// Pole, Buton and Etiket, and the form's size in CSS pixels.
export function buildForm(core, form) {
  const table = core.controlTable();
  const controls = { pole: [], buton: [], etiket: [] };
  const inTabOrder = [...table].sort((a, b) => a.tabIndex - b.tabIndex);
  for (const row of inTabOrder) {
    const control = makeControl(row, core);
    applyCommon(control, row, core.twipsPerPixel);
    controls[row.array][row.index] = control;
    form.append(control);
  }
  const size = place(form, core.clientArea(), core.twipsPerPixel);
  form.style.backgroundColor = colour(core.formBackground());
  return { controls, size };
}

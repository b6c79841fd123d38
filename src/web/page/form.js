// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// Builds the form from the control table that the core hands over, in one loop, as the window
// does: each control gets its place and size (twips to CSS pixels), text, colours, limit, lock,
// tooltip (also the description a screen reader gives) and accessible name. The controls go into
// the page in the order of the table's tab index, so Tab follows it and labels, taking no focus,
// drop out; where the form flows in one column, they stand in the order the eye reads the
// window in. A label that names a box (the table's labelFor) is that box's <label for>; the
// label that names none is the page's heading. The boxes' texts come from the core, not from
// here.

import { setLocked } from "./boxes.js";

const colour = ({ red, green, blue }) => `rgb(${red} ${green} ${blue})`;

// A place in whole CSS pixels, handed to the stylesheet as numbers (--left, --top, --width,
// --height), which it takes as pixels in the window's layout and as lines of text in the column;
// the size in pixels is returned.
function place(element, { left, top, width, height }, twipsPerPixel) {
  const px = (twips) => Math.trunc(twips / twipsPerPixel);
  const pixels = { left: px(left), top: px(top), width: px(width), height: px(height) };
  for (const [name, value] of Object.entries(pixels)) {
    element.style.setProperty(`--${name}`, value);
  }
  return pixels;
}

// The order the eye reads the window in: a control comes after every control that ends above it,
// and after those that end level with it further left. So each label comes before its box, and
// the buttons, which end above the tall report beside them, before the report.
function readingOrder(table) {
  const bottom = ({ place }) => place.top + place.height;
  const ranked = [...table].sort((a, b) => bottom(a) - bottom(b) || a.place.left - b.place.left);
  return new Map(ranked.map((row, rank) => [row, rank]));
}

// The window's layout for a finger: each box and button, and each label that names a box, at
// least 44 px tall. A grown control pushes down by its growth whatever stands below it across its
// width, and so on downwards, so nothing comes to overlap; the form grows by the most any control
// was pushed and grown. The places go to the stylesheet as --finger-top and --finger-height.
const fingerHeight = 44;

function placeForAFinger(placed, form, formPixels, noBox) {
  const byTop = [...placed].sort((a, b) => a.pixels.top - b.pixels.top);
  const across = (a, b) => a.left < b.left + b.width && b.left < a.left + a.width;
  const below = (a, b) => a.top >= b.top + b.height;
  let formGrowth = 0;
  for (const [at, control] of byTop.entries()) {
    const { row, pixels } = control;
    const grows = row.array !== "etiket" || row.labelFor !== noBox;
    control.growth = grows ? Math.max(0, fingerHeight - pixels.height) : 0;
    control.shift = Math.max(
      0,
      ...byTop
        .slice(0, at)
        .filter((above) => below(pixels, above.pixels) && across(pixels, above.pixels))
        .map((above) => above.shift + above.growth),
    );
    control.element.style.setProperty("--finger-top", pixels.top + control.shift);
    control.element.style.setProperty("--finger-height", pixels.height + control.growth);
    formGrowth = Math.max(formGrowth, control.shift + control.growth);
  }
  form.style.setProperty("--finger-height", formPixels.height + formGrowth);
}

const controlId = ({ array, index }) => `${array[0].toUpperCase()}${array.slice(1)}${index}`;

// A single-line box sets its characters a little closer, as the window's do, so that the
// longest sum shows whole. A box the pupil types a number into (one line, not locked) asks an
// on-screen keyboard for digits: "numeric" is the keyboard that the HTML standard gives the minus
// sign too, and Android's keyboards show it; of the iPhone's digit pads none has a minus, this
// one included. Its action key reads as going on, since Enter there computes.
function makeBox(row, { singleLineLetterSpacing, twipsPerPixel }) {
  const box = document.createElement(row.multiLine ? "textarea" : "input");
  if (!row.multiLine) {
    box.type = "text";
    box.autocomplete = "off";
    box.style.letterSpacing = `${singleLineLetterSpacing / twipsPerPixel}px`;
    if (!row.readOnly) {
      box.inputMode = "numeric";
      box.enterKeyHint = "go";
    }
  }
  box.spellcheck = false;
  setLocked(box, row.readOnly);
  if (row.maxLength > 0) {
    box.maxLength = row.maxLength;
  }
  return box;
}

// The caption of a label or button is a box of its own, so that the page sees how large the text
// has grown (the reader's spacing, fonts) against its place.
function caption(text) {
  const span = document.createElement("span");
  span.className = "caption";
  span.textContent = text;
  return span;
}

function makeButton(row) {
  const button = document.createElement("button");
  button.type = "button";
  button.dataset.button = row.index;
  button.append(caption(row.text));
  return button;
}

function makeLabel(row, noBox) {
  const label = document.createElement(row.labelFor === noBox ? "h1" : "label");
  if (row.labelFor !== noBox) {
    label.htmlFor = controlId({ array: "pole", index: row.labelFor });
  }
  label.append(caption(row.text));
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
  const pixels = place(control, row.place, twipsPerPixel);
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
  return pixels;
}

// Fills the form element and returns its controls by array and index, as the window's
// Pole, Buton and Etiket, and the form's size in CSS pixels.
export function buildForm(core, form) {
  const table = core.controlTable();
  const controls = { pole: [], buton: [], etiket: [] };
  const order = readingOrder(table);
  const inTabOrder = [...table].sort((a, b) => a.tabIndex - b.tabIndex);
  const placed = [];
  for (const row of inTabOrder) {
    const element = makeControl(row, core);
    placed.push({ row, element, pixels: applyCommon(element, row, core.twipsPerPixel) });
    element.style.order = order.get(row);
    controls[row.array][row.index] = element;
    form.append(element);
  }
  const size = place(form, core.clientArea(), core.twipsPerPixel);
  placeForAFinger(placed, form, size, core.noBox);
  form.style.backgroundColor = colour(core.formBackground());
  return { controls, size };
}

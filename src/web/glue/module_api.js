// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// Runs inside the core's module factory: the module's Form class, its values and its constants,
// over the plain C functions of bindings.cpp. A text crosses as UTF-8 through a buffer in the wasm
// memory: the core's answers through the exchange buffer, each function that answers with a text
// returning its size, and the script's texts through the incoming buffer. A click's answer is
// four numbers in the memory.
/* global Module */
const encoder = new TextEncoder();
const decoder = new TextDecoder("utf-8", { ignoreBOM: true }); // a text may start with U+FEFF

// The memory's views are replaced when it grows, so they are taken anew after every call.
const answer = (size) => {
  if (size === 0) return ""; // an empty text: nothing to decode
  const at = Module._velmora_exchange_data();
  return decoder.decode(Module.HEAPU8.subarray(at, at + size));
};

// The view of the incoming buffer is kept while the buffer holds its place and the memory has not
// grown, so that a text costs its encoding alone, not a new view as well. The module replaces its
// HEAPU8 when the memory grows, so the view it was taken from tells that apart.
let incoming = null;
let incomingHeap = null;
const incomingRoom = (room) => {
  if (incoming === null || incoming.length < room || incomingHeap !== Module.HEAPU8) {
    const size = Math.max(room, 4096); // room for the usual texts, kept from then on
    const at = Module._velmora_incoming_reserve(size);
    incomingHeap = Module.HEAPU8;
    incoming = incomingHeap.subarray(at, at + size);
  }
  return incoming;
};

const handOver = (text) => {
  const room = 3 * text.length; // the most UTF-8 takes for a UTF-16 text
  return encoder.encodeInto(text, incomingRoom(room)).written;
};

// The core answers -1 for an index that names no box, and does nothing.
const onBox = (box, result) => {
  if (result < 0) {
    throw new RangeError(`${box} names no box of the form (0 to ${Module.boxCount - 1})`);
  }
  return result;
};

Module.Form = class Form {
  constructor() {
    this.form = Module._velmora_form_new();
  }

  text(box) {
    return answer(onBox(box, Module._velmora_form_text(this.form, box)));
  }

  // What the user typed or pasted into a box. A lone half of a surrogate pair crosses as U+FFFD,
  // where the window's conversion writes "?"; neither is a digit, so the report is the same.
  typed(box, text) {
    onBox(box, Module._velmora_form_typed(this.form, box, handOver(text)));
  }

  // The session's answer: { written, reportLocked, failure, focus }, the boxes the program
  // wrote, the report's lock, why the command stopped ("" when it ended) and the box that takes
  // the focus (noBox when it stays). The core leaves it as four numbers in its memory, and the
  // failure's text, when the command stopped, is fetched here; the other texts are read apart, as
  // the page shows them: the boxes' through text(), what a screen reader is told through spoken().
  click(index) {
    const at = Module._velmora_form_click(this.form, index) >>> 2;
    const numbers = Module.HEAP32;
    const writtenBoxes = numbers[at];
    const reportLocked = numbers[at + 1];
    const focus = numbers[at + 2];
    const failed = numbers[at + 3];
    const written = [];
    for (let box = 0; box < Module.boxCount; ++box) {
      if (writtenBoxes & (1 << box)) written.push(box);
    }
    const failure = failed ? answer(Module._velmora_form_failure(this.form)) : "";
    return { written, reportLocked: reportLocked !== 0, failure, focus };
  }

  // What a screen reader is told after the last click; "" for nothing.
  spoken() {
    return answer(Module._velmora_form_spoken(this.form));
  }

  delete() {
    Module._velmora_form_delete(this.form);
    this.form = 0;
  }
};

Module.controlTable = () => JSON.parse(answer(Module._velmora_control_table()));
Module.clientArea = () => JSON.parse(answer(Module._velmora_client_area()));
Module.formBackground = () => JSON.parse(answer(Module._velmora_form_background()));
Module.enterComputesIn = (box) => onBox(box, Module._velmora_enter_computes_in(box)) !== 0;
Module.caption = () => answer(Module._velmora_caption());
Module.onRuntimeInitialized = () => {
  Object.assign(Module, JSON.parse(answer(Module._velmora_constants())));
};

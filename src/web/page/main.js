// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// Starts the page: starts the core, builds the form from its control table, shows the texts the
// load left in the boxes, wires the commands, copying, printing and the failure dialog and lays
// the form out for the room it has. Then the page is ready to compute; where there is a keyboard,
// the first operand box takes the focus before the first frame is painted. Served, it then offers
// itself for use without a network (offline.js).
import { startCore } from "./core.js";
import { buildForm } from "./form.js";
import { createBoxes } from "./boxes.js";
import { wireCommands } from "./commands.js";
import { wireCopy } from "./copy.js";
import { createFailureDialog } from "./failure_dialog.js";
import { layOut } from "./layout.js";
import { preparePrint } from "./print.js";
import { showCannotStart } from "./cannot_start.js";
import { offerOffline } from "./offline.js";

async function start() {
  const failure = createFailureDialog(document.getElementById("failure"));
  const status = document.getElementById("status");
  const core = await startCore();
  const form = new core.Form();
  const formElement = document.getElementById("form");
  const { controls, size } = buildForm(core, formElement);
  const boxes = createBoxes(core, form, controls.pole);
  boxes.showAll();
  wireCommands(core, form, controls, boxes, failure, status);
  wireCopy(formElement, boxes);
  preparePrint(controls.pole);
  layOut(formElement.parentElement, size.width);
  // A phone or tablet would open its on-screen keyboard for a box focused on its own. The focus
  // is given as the first frame is made, before it is painted: given at once, it would have the
  // browser work out the page's style and layout here, which the frame works out anyway.
  if (matchMedia("(pointer: fine)").matches) {
    requestAnimationFrame(() => controls.pole[core.focusAtStart].focus());
  }
  document.title = core.caption();
  document.documentElement.dataset.ready = "true";
  performance.mark("velmora-ready");
  offerOffline();
}

start().catch(showCannotStart);

// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// When the core cannot start, or anything fails before the page is ready, the page shows the
// notice that index.html holds, with the cause it can tell, and no form, not even a part of one.
// start_check.js has done so already, before any module ran, for a browser it knows cannot
// start; that cause stands.

// The smallest module, which compiles wherever wasm may be compiled at all: a site's policy that
// refuses the core's compile refuses this one too, whatever error the browser throws for it.
const emptyModule = new Uint8Array([0x00, 0x61, 0x73, 0x6d, 0x01, 0x00, 0x00, 0x00]);

function cause() {
  try {
    new WebAssembly.Module(emptyModule);
  } catch {
    return "wasm-policy";
  }
  return "core";
}

export function showCannotStart(error) {
  console.warn(error); // for whoever looks into it
  const root = document.documentElement;
  if (root.dataset.start === "failed") {
    return;
  }
  const found = cause();
  for (const text of document.getElementById("cannot-start").querySelectorAll("[data-cause]")) {
    text.hidden = !text.dataset.cause.split(" ").includes(found);
  }
  root.dataset.start = "failed";
}

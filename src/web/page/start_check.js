// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// Runs first, as a classic script in plain old JavaScript, so that it runs in any browser that
// runs scripts at all. It marks the page as started by its script, which hides the notice that
// the page holds for a script that never runs, before anything is painted. A browser without
// what the core needs, WebAssembly with its exception handling (the core is built with it, and
// with bulk memory, which every browser that has wasm's exceptions has too) and module scripts
// for the page, gets the notice back with its cause and no form: the page would otherwise stay
// blank. A failure later, while the core starts, main.js shows the same way.
(function () {
  // The smallest module with a tag and a try block that catches it, section by section.
  // prettier-ignore
  var tryAndCatch = new Uint8Array([
    0x00, 0x61, 0x73, 0x6d, 0x01, 0x00, 0x00, 0x00, // magic number and version
    0x01, 0x04, 0x01, 0x60, 0x00, 0x00, // one type: no parameters, no results
    0x03, 0x02, 0x01, 0x00, // one function of that type
    0x0d, 0x03, 0x01, 0x00, 0x00, // one tag of that type
    0x0a, 0x09, 0x01, 0x07, 0x00, 0x06, 0x40, 0x07, 0x00, 0x0b, 0x0b, // try, catch the tag, end
  ]);
  var root = document.documentElement;
  var canStart =
    typeof WebAssembly === "object" &&
    WebAssembly.validate(tryAndCatch) &&
    "noModule" in HTMLScriptElement.prototype;
  if (canStart) {
    root.setAttribute("data-start", "running");
    return;
  }
  // A browser as new as structuredClone that has no WebAssembly has it switched off.
  var cause =
    typeof WebAssembly !== "object" && typeof structuredClone === "function"
      ? "wasm-off"
      : "old-browser";
  root.setAttribute("data-start", "failed");
  // As cannot_start.js shows a cause, once the notice is in the page.
  document.addEventListener("DOMContentLoaded", function () {
    var texts = document.getElementById("cannot-start").querySelectorAll("[data-cause]");
    for (var at = 0; at < texts.length; ++at) {
      texts[at].hidden =
        (" " + texts[at].getAttribute("data-cause") + " ").indexOf(" " + cause + " ") < 0;
    }
  });
})();

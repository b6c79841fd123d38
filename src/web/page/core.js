// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// Starts the core. Its wasm lies in the page as base64 in a data block, which neither the
// JavaScript parser nor the glue ever reads as code: it is decoded once, here, and compiled on the
// spot; the glue's factory then gets the compiled module and only instantiates it. Not in the
// background (WebAssembly.compile): the form needs the core's control table, so the page would
// have next to nothing to do meanwhile, and for a module this small the wait for the compile's
// task outweighs the compile.
/* global createVelmora */

function wasmBytes() {
  const block = document.getElementById("velmora-wasm");
  const text = block.textContent;
  block.remove(); // the text is needed no more
  if (typeof Uint8Array.fromBase64 === "function") {
    return Uint8Array.fromBase64(text);
  }
  const binary = atob(text);
  const bytes = new Uint8Array(binary.length);
  for (let at = 0; at < binary.length; ++at) {
    bytes[at] = binary.charCodeAt(at);
  }
  return bytes;
}

// The promise gives the started core, or rejects, also where there is no WebAssembly or the
// compile fails.
export async function startCore() {
  const wasm = new WebAssembly.Module(wasmBytes());
  // A failure of the hook is kept for the throw below, not thrown: Emscripten 3.1.6's factory would
  // only log it, and 3.1.69's would reject a promise it then drops, going on to fetch the wasm
  // itself. An empty object tells the factory that the instance comes later, which it never does.
  let failure = null;
  const started = createVelmora({
    instantiateWasm(imports, receiveInstance) {
      try {
        const instance = new WebAssembly.Instance(wasm, imports);
        receiveInstance(instance, wasm);
        return instance.exports;
      } catch (error) {
        failure = error;
        return {};
      }
    },
  });
  if (failure) {
    throw failure;
  }
  return started;
}

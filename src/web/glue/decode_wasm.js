// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// Runs inside the core's module factory, before it loads the wasm that SINGLE_FILE keeps in it as
// a base64 data URL. Where the browser decodes base64 itself, the wasm is decoded at once rather
// than byte by byte in JavaScript, and compiled and started on the spot, as the build asks.
/* global Module, wasmBinaryFile, dataURIPrefix */
if (typeof Uint8Array.fromBase64 === "function") {
  Module.instantiateWasm = (imports, receiveInstance) => {
    const bytes = Uint8Array.fromBase64(wasmBinaryFile.slice(dataURIPrefix.length));
    const wasm = new WebAssembly.Module(bytes);
    const instance = new WebAssembly.Instance(wasm, imports);
    receiveInstance(instance, wasm);
    return instance.exports;
  };
}

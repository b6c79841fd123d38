// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// What the page is checked against: the texts the native core gives for the same input, from
// velmora_report in the native build, never the page's own core.
const { execFileSync } = require("node:child_process");
const path = require("node:path");

const root = path.resolve(__dirname, "../..");
const pageFile = path.resolve(
  process.env.VELMORA_PAGE ?? path.join(root, "build-web/velmora.html"),
);
const reportTool = path.resolve(
  process.env.VELMORA_REPORT ?? path.join(root, "build/tests/support/velmora_report"),
);

const asStarted = "<as started>";

// The result, report and failure message the native core gives for operand pairs, typed in order.
// The texts go in as UTF-16, which carries a lone half of a surrogate pair as a browser's text can.
function native(pairs) {
  const input = Buffer.from(pairs.flat().join("\0"), "utf16le");
  return JSON.parse(execFileSync(reportTool, ["-"], { input, encoding: "utf8" }));
}

// A textarea shows line breaks as LF; the CR LF of the report comes back through a copy.
const shown = (text) => text.replaceAll("\r\n", "\n");

module.exports = { root, pageFile, asStarted, native, shown };

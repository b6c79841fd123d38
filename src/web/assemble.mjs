// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// Joins the page into one self-contained file: the stylesheet, the scripts, the core's wasm and the
// icon that the template names go inside it (the core's glue as a classic script, the page's
// modules as one module script, the wasm as base64 in a data block, the icon as a data URI), so
// the page needs no other file and no network.
//   node assemble.mjs TEMPLATE OUTPUT [--FIELD=TEXT]... [NAME=FILE]...
// A NAME=FILE pair says where a name of the template lies when it is not beside the template
// (the built core, the drawn icon); a --FIELD=TEXT fills each {{FIELD}} of the template (the
// version, and the toolchain the page was built with).
import { Buffer } from "node:buffer";
import { createHash } from "node:crypto";
import { readFileSync, writeFileSync } from "node:fs";
import path from "node:path";
import process from "node:process";

const [template, output, ...given] = process.argv.slice(2);
const split = (pair) => [pair.slice(0, pair.indexOf("=")), pair.slice(pair.indexOf("=") + 1)];
const fields = new Map(
  given.filter((pair) => pair.startsWith("--")).map((pair) => split(pair.slice(2))),
);
const placed = new Map(given.filter((pair) => !pair.startsWith("--")).map(split));
const fileOf = (name) => placed.get(name) ?? path.join(path.dirname(template), name);
const read = (name) => readFileSync(fileOf(name), "utf8");

// The page's inline scripts and style, each allowed by the page's policy by the hash of its text.
const allowed = { script: [], style: [] };

// An element with its text inside; the text must not end its element early.
function inline(tag, attributes, text, name) {
  if (/<\/(script|style)|<!--/i.test(text)) {
    throw new Error(`${name} holds text that would end its element early`);
  }
  allowed[tag].push(`'sha256-${createHash("sha256").update(text).digest("base64")}'`);
  return `<${tag}${attributes}>${text}</${tag}>`;
}

// The module forms the page uses: `import { a, b } from "./x.js";` and `export function|const`.
const importForm = /^import \{([^}]*)\} from "(\.\/[^"]+)";$/gm;
const exportForm = /^export (?:async )?(?:function|const|let|class) ([\w$]+)/gm;
const moduleName = (name) => `module_${name.replace(/\W/g, "_")}`;

// Each module runs in its own function and returns what it exports; an import takes those names
// from the result of the module it names, which comes earlier.
function bundle(entry) {
  const done = new Set();
  const parts = [];
  const add = (name) => {
    if (done.has(name)) {
      return;
    }
    done.add(name);
    const text = read(name);
    for (const [, , from] of text.matchAll(importForm)) {
      add(path.posix.normalize(from));
    }
    const exported = [...text.matchAll(exportForm)].map((match) => match[1]);
    const body = text.replace(importForm, (_, names, from) => {
      if (/\bas\b/.test(names)) {
        throw new Error(`${name}: an import is not renamed here`);
      }
      return `const {${names}} = ${moduleName(path.posix.normalize(from))};`;
    });
    const plain = body.replace(/^export /gm, "");
    if (/^\s*(import|export)\b/m.test(plain)) {
      throw new Error(
        `${name}: only the forms import { a } from "./x.js" and export function|const`,
      );
    }
    parts.push(
      `const ${moduleName(name)} = (() => {\n${plain}\nreturn { ${exported.join(", ")} };\n})();`,
    );
  };
  add(path.posix.normalize(entry));
  return parts.join("\n");
}

const dataUri = (name, type) =>
  `data:${type};base64,${readFileSync(fileOf(name)).toString("base64")}`;

// A script of a type that is not JavaScript is a data block: the browser neither runs nor parses
// it, so the policy, which governs what runs, needs no hash of it. Base64 cannot end it early.
const dataBlock = (type, id, name) =>
  `<script type="${type}" id="${id}">${readFileSync(fileOf(name)).toString("base64")}</script>`;

const escaped = (text) =>
  text.replace(/[&<>"]/g, (c) => ({ "&": "&amp;", "<": "&lt;", ">": "&gt;", '"': "&quot;" })[c]);
const html = read(path.basename(template)).replace(/\{\{(\w+)\}\}/g, (_, field) => {
  if (!fields.has(field)) {
    throw new Error(`the template's {{${field}}} is not given: --${field}=TEXT`);
  }
  return escaped(fields.get(field));
});
// The policy allows no attribute of style and no handler in the markup, only elements.
if (/\s(style|on[a-z]+)=/i.test(html)) {
  throw new Error("the page holds a style or an event handler attribute, which its policy refuses");
}

const page = html
  .replace(
    /<link rel="icon" type="(image\/png)" href="([^"]+)" \/>/,
    (_, type, name) => `<link rel="icon" type="${type}" href="${dataUri(name, type)}" />`,
  )
  .replace(/<link rel="stylesheet" href="([^"]+)" \/>/g, (_, name) =>
    inline("style", "", `\n${read(name)}`, name),
  )
  .replace(
    /<script type="(application\/octet-stream)" id="([^"]+)" src="([^"]+)"><\/script>/g,
    (_, type, id, name) => dataBlock(type, id, name),
  )
  .replace(/<script src="([^"]+)"><\/script>/g, (_, name) =>
    inline("script", "", `\n${read(name)}`, name),
  )
  .replace(/<script type="module" src="([^"]+)"><\/script>/g, (_, name) =>
    inline("script", ' type="module"', `\n${bundle(name)}\n`, name),
  );

// The page's own Content-Security-Policy, before anything it governs: its own scripts and style
// and the compile of the core's wasm, pictures only from inside the page (its icon), on a server
// its service worker and manifest from its own site, and no connection, form submission or base
// address at all, wherever the page is opened from.
const policy = [
  "default-src 'none'",
  `script-src ${allowed.script.join(" ")} 'wasm-unsafe-eval'`,
  `style-src ${allowed.style.join(" ")}`,
  "img-src data:",
  "worker-src 'self'",
  "manifest-src 'self'",
  "connect-src 'none'",
  "form-action 'none'",
  "base-uri 'none'",
].join("; ");
const charset = '<meta charset="utf-8" />';
if (!page.includes(charset)) {
  throw new Error(`the page has no ${charset} to put its policy after`);
}
const withPolicy = page.replace(
  charset,
  () => `${charset}\n    <meta http-equiv="Content-Security-Policy" content="${policy}" />`,
);

if (/\s(src|href)="(?!data:)/.test(withPolicy)) {
  throw new Error("the page still names a file of its own");
}
// A school may keep it on a small stick or send it by mail: it stays well under 300 KB.
if (Buffer.byteLength(withPolicy) > 300 * 1024) {
  throw new Error(`the page is ${Buffer.byteLength(withPolicy)} bytes, more than 300 KB`);
}
writeFileSync(output, withPolicy);

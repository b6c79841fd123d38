// Joins the page into one self-contained file: the stylesheet, the scripts and the icon that the
// template names go inside it (the core as a classic script, the page's modules as one module
// script, the icon as a data URI), so the page needs no other file and no network.
//   node assemble.mjs TEMPLATE OUTPUT [NAME=FILE]...
// A NAME=FILE pair says where a name of the template lies when it is not beside the template
// (the built core, the drawn icon).
import { Buffer } from "node:buffer";
import { readFileSync, writeFileSync } from "node:fs";
import path from "node:path";
import process from "node:process";

const [template, output, ...given] = process.argv.slice(2);
const placed = new Map(
  given.map((pair) => [pair.slice(0, pair.indexOf("=")), pair.slice(pair.indexOf("=") + 1)]),
);
const fileOf = (name) => placed.get(name) ?? path.join(path.dirname(template), name);
const read = (name) => readFileSync(fileOf(name), "utf8");

// A text inside <script> or <style> must not end its element early.
function inline(text, name) {
  if (/<\/(script|style)|<!--/i.test(text)) {
    throw new Error(`${name} holds text that would end its element early`);
  }
  return text;
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

const page = read(path.basename(template))
  .replace(
    /<link rel="icon" type="(image\/png)" href="([^"]+)" \/>/,
    (_, type, name) => `<link rel="icon" type="${type}" href="${dataUri(name, type)}" />`,
  )
  .replace(
    /<link rel="stylesheet" href="([^"]+)" \/>/g,
    (_, name) => `<style>\n${inline(read(name), name)}</style>`,
  )
  .replace(
    /<script src="([^"]+)"><\/script>/g,
    (_, name) => `<script>\n${inline(read(name), name)}</script>`,
  )
  .replace(
    /<script type="module" src="([^"]+)"><\/script>/g,
    (_, name) => `<script type="module">\n${inline(bundle(name), name)}\n</script>`,
  );

if (/\s(src|href)="(?!data:)/.test(page)) {
  throw new Error("the page still names a file of its own");
}
// A school may keep it on a small stick or send it by mail: it stays well under 300 KB.
if (Buffer.byteLength(page) > 300 * 1024) {
  throw new Error(`the page is ${Buffer.byteLength(page)} bytes, more than 300 KB`);
}
writeFileSync(output, page);

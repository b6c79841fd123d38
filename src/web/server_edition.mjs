// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the school server's edition into one folder: the page as it is, its web app manifest and
// its service worker, the three files that a teacher copies to the server side by side.
//   node server_edition.mjs FOLDER PAGE CORE WORKER DESKTOP_ENTRY ICON...
// The manifest takes its names from the desktop entry and its theme colour from the core, the
// form's background, so that neither is written twice; its icons (DIR/NxN/velmora.png) are inside
// it as data URLs, which the page's policy already allows, as it allows its own icon. The file
// names are those the page asks for (offline.js). The worker's release is named by a hash of the
// files it keeps: a new version of either makes a new worker, which the browser takes the next
// time it loads the page.
import { createHash } from "node:crypto";
import { copyFileSync, mkdirSync, readFileSync, rmSync, writeFileSync } from "node:fs";
import { createRequire } from "node:module";
import path from "node:path";
import process from "node:process";
import { fileURLToPath } from "node:url";

const [folder, page, core, worker, desktopEntry, ...icons] = process.argv.slice(2);

function constantOf(file, name) {
  const found = readFileSync(file, "utf8").match(
    new RegExp(`^export const ${name} = "([^"]+)";$`, "m"),
  );
  if (!found) {
    throw new Error(`${file} defines no ${name}`);
  }
  return found[1];
}
const offline = fileURLToPath(new URL("page/offline.js", import.meta.url));
const manifestName = constantOf(offline, "manifestName");
const workerName = constantOf(offline, "workerName");
const pageName = path.basename(page);

function entryOf(key) {
  const found = readFileSync(desktopEntry, "utf8").match(
    new RegExp(`^${key.replace(/[[\]]/g, "\\$&")}=(.+)$`, "m"),
  );
  if (!found) {
    throw new Error(`${desktopEntry} has no ${key}`);
  }
  return found[1];
}

const createVelmora = createRequire(import.meta.url)(path.resolve(core));
const { red, green, blue } = (await createVelmora()).formBackground();
const hex = (value) => value.toString(16).padStart(2, "0");

const generic = entryOf("GenericName[bg]");
const manifest = {
  name: `${entryOf("Name[bg]")} — ${generic[0].toLocaleLowerCase("bg")}${generic.slice(1)}`,
  short_name: entryOf("Name[bg]"),
  description: entryOf("Comment[bg]"),
  lang: "bg",
  dir: "ltr",
  start_url: pageName,
  scope: "./",
  display: "standalone",
  theme_color: `#${hex(red)}${hex(green)}${hex(blue)}`,
  icons: icons.map((icon) => ({
    src: `data:image/png;base64,${readFileSync(icon).toString("base64")}`,
    sizes: path.basename(path.dirname(icon)),
    type: "image/png",
    purpose: "any",
  })),
};

// The folder holds the edition alone, nothing left from an earlier build.
rmSync(folder, { recursive: true, force: true });
mkdirSync(folder, { recursive: true });
const into = (name) => path.join(folder, name);
copyFileSync(page, into(pageName));
writeFileSync(into(manifestName), `${JSON.stringify(manifest, null, 2)}\n`);

const kept = [pageName, manifestName];
const hash = createHash("sha256");
for (const name of kept) {
  hash.update(readFileSync(into(name)));
}
const release = {
  cache: `velmora-${hash.digest("hex").slice(0, 16)}`,
  page: pageName,
  files: kept,
};
// The worker's template names the release as a global, which it becomes here.
const declared = "/* global release */";
const workerText = readFileSync(worker, "utf8");
if (!workerText.includes(declared)) {
  throw new Error(`${worker} holds no ${declared} to put the release at`);
}
writeFileSync(
  into(workerName),
  workerText.replace(declared, () => `const release = ${JSON.stringify(release)};`),
);

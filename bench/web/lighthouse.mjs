// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// Lighthouse's four scores for the page as a phone opens it from a web server: the mobile profile
// (a phone's screen, a slow network and a slow processor, simulated), in Debian's Chromium, on
// the page served by python3 -m http.server on 127.0.0.1 as a school server holds it: with the
// manifest and the service worker of its server's edition beside it, where the build wrote them
// (build-web/server/), since the page asks a server for both. web_bench.mjs runs it after its
// ratios; on its own:
//   node bench/web/lighthouse.mjs [PAGE]
import chromiumLaunch from "../../tests/web/chromium.js";
import { execFile, spawn } from "node:child_process";
import { copyFileSync, existsSync, mkdtempSync, rmSync } from "node:fs";
import os from "node:os";
import path from "node:path";
import { fileURLToPath } from "node:url";
import { promisify } from "node:util";

const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), "../..");
const cli = path.join(root, "node_modules/lighthouse/cli/index.js");
const serverEdition = ["velmora.webmanifest", "velmora-sw.js"];
const goals = { performance: 0.95, accessibility: 1, "best-practices": 1, seo: 1 };

// A static server on a free port of 127.0.0.1; it stops with the process that asked for it.
function serve(folder) {
  const server = spawn("python3", ["-u", "-m", "http.server", "0", "--bind", "127.0.0.1"], {
    cwd: folder,
    stdio: ["ignore", "pipe", "ignore"],
  });
  const port = new Promise((resolve, reject) => {
    server.stdout.on("data", (text) => {
      const found = /port (\d+)/.exec(text);
      if (found) resolve(Number(found[1]));
    });
    server.on("exit", (code) => reject(new Error(`http.server ended with ${code}`)));
  });
  return { port, stop: () => server.kill() };
}

export async function lighthouseScores(pageFile) {
  const folder = mkdtempSync(path.join(os.tmpdir(), "velmora-lighthouse-"));
  copyFileSync(pageFile, path.join(folder, "velmora.html"));
  const beside = path.join(path.dirname(pageFile), "server");
  for (const file of serverEdition) {
    if (existsSync(path.join(beside, file)))
      copyFileSync(path.join(beside, file), path.join(folder, file));
  }
  const server = serve(folder);
  try {
    const url = `http://127.0.0.1:${await server.port}/velmora.html`;
    const flags = [...chromiumLaunch.args, "--headless"].join(" ");
    const { stdout } = await promisify(execFile)(
      process.execPath,
      [cli, url, "--quiet", "--output=json", `--chrome-flags=${flags}`],
      {
        env: { ...process.env, CHROME_PATH: chromiumLaunch.executablePath },
        maxBuffer: 64 << 20,
        timeout: 180_000,
      },
    );
    const result = JSON.parse(stdout);
    console.log(`Lighthouse ${result.lighthouseVersion}, ${result.configSettings.formFactor}:`);
    for (const [id, goal] of Object.entries(goals)) {
      const { title, score, auditRefs } = result.categories[id];
      const verdict = score >= goal ? "meets" : "MISSES";
      console.log(`  ${title} ${Math.round(score * 100)}: ${verdict} the goal of ${goal * 100}`);
      // What costs points, by name, so that a miss says where to look.
      for (const { id: audit, weight } of auditRefs) {
        const { score: got, title: what } = result.audits[audit];
        if (weight > 0 && got !== null && got < 1) console.log(`    ${audit} (${what}): ${got}`);
      }
    }
  } finally {
    server.stop();
    rmSync(folder, { recursive: true, force: true });
  }
}

if (process.argv[1] === fileURLToPath(import.meta.url)) {
  lighthouseScores(process.argv[2] ?? path.join(root, "build-web/velmora.html")).catch((error) => {
    console.error(`lighthouse: ${error.message}`);
    process.exit(1);
  });
}

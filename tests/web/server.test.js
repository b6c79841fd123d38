// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// The school server's edition (build-web/server/) in Debian's Chromium, served from 127.0.0.1:
// it installs as an app, computes once the server is gone, and a new version put on the server
// replaces the one kept. Each test's browser has a profile of its own: the private window that
// Playwright opens otherwise can install nothing.
const { test: base, expect, chromium } = require("@playwright/test");
const { execFileSync } = require("node:child_process");
const { mkdtempSync, readdirSync, readFileSync, rmSync } = require("node:fs");
const http = require("node:http");
const os = require("node:os");
const path = require("node:path");

const root = path.resolve(__dirname, "../..");
const edition = path.resolve(process.env.VELMORA_SERVER ?? path.join(root, "build-web/server"));
const reportTool =
  process.env.VELMORA_REPORT ?? path.join(root, "build/tests/support/velmora_report");
const types = { html: "text/html; charset=utf-8", js: "text/javascript", webmanifest: "text/json" };
// The header line that the README gives a server for the edition's files.
const [policy] = readFileSync(path.join(root, "README.md"), "utf8").match(
  /(?<=^Content-Security-Policy: ).+$/m,
);

// A server on 127.0.0.1, with the README's policy, for the files it holds by name: the edition's,
// which a test may swap for others.
const test = base.extend({
  school: async ({ headless }, use) => {
    const files = new Map(
      readdirSync(edition).map((name) => [name, readFileSync(`${edition}/${name}`)]),
    );
    const server = http.createServer((request, response) => {
      const name = new URL(request.url, "http://server").pathname.slice(1);
      const type = types[name.split(".").at(-1)] ?? "text/plain";
      const headers = { "Content-Type": type, "Content-Security-Policy": policy };
      response.writeHead(files.has(name) ? 200 : 404, headers);
      response.end(files.get(name));
    });
    await new Promise((listening) => server.listen(0, "127.0.0.1", listening));
    const profile = mkdtempSync(path.join(os.tmpdir(), "velmora-profile-"));
    const options = { ...require("./chromium.js"), headless };
    const context = await chromium.launchPersistentContext(profile, options);
    const page = context.pages()[0];
    const errors = [];
    page.on("pageerror", (error) => errors.push(error.message));
    const ready = async (loaded) => {
      await loaded;
      await page.waitForFunction(() => document.documentElement.dataset.ready === "true");
      await page.evaluate(() => navigator.serviceWorker.ready);
    };
    const address = `http://127.0.0.1:${server.address().port}/velmora.html`;
    await use({
      files,
      page,
      open: () => ready(page.goto(address)),
      reload: () => ready(page.reload()),
      // A lost network: the server answers no more, on no connection.
      cutOff: () => {
        server.close();
        server.closeAllConnections();
      },
    });
    await context.close();
    server.close();
    rmSync(profile, { recursive: true, force: true });
    expect(errors, "errors in the page").toEqual([]);
  },
});

const box = (page, name) => page.getByRole("textbox", { name, exact: true });

test("the edition installs, and computes the whole report with the server gone", async ({
  school,
}) => {
  const { page } = school;
  await school.open();
  const devTools = await page.context().newCDPSession(page);
  await expect
    .poll(async () => (await devTools.send("Page.getInstallabilityErrors")).installabilityErrors)
    .toEqual([]);
  school.cutOff();
  await school.reload();
  expect(await page.evaluate(() => navigator.serviceWorker.controller !== null)).toBe(true);
  const operands = ["43252003274489856000", "1"];
  const input = Buffer.from(operands.join("\0"), "utf16le");
  const [expected] = JSON.parse(execFileSync(reportTool, ["-"], { input, encoding: "utf8" }));
  await box(page, "Число 1").fill(operands[0]);
  await box(page, "Число 2").fill(operands[1]);
  await page.getByRole("button", { name: "Изчисли", exact: true }).click();
  await expect(box(page, "Сума")).toHaveValue(expected.result);
  await expect(box(page, "Отчет")).toHaveValue(expected.report.replaceAll("\r\n", "\n"));
});

test("a new version on the server replaces the one kept, after a reload", async ({ school }) => {
  const { page, files } = school;
  await school.open();
  const footer = page.getByRole("contentinfo");
  const [, version] = (await footer.innerText()).match(/версия (.+)$/);
  const worker = files.get("velmora-sw.js").toString();
  const [, cache] = worker.match(/"cache":"([^"]+)"/);
  files.set(
    "velmora.html",
    Buffer.from(files.get("velmora.html").toString().replaceAll(version, "9.9.9")),
  );
  files.set("velmora-sw.js", Buffer.from(worker.replaceAll(cache, "velmora-next")));
  await school.reload();
  await expect(footer).toHaveText("Велмора, версия 9.9.9");
  await expect.poll(() => page.evaluate(() => caches.keys())).toEqual(["velmora-next"]);
  school.cutOff();
  await school.reload();
  await expect(footer).toHaveText("Велмора, версия 9.9.9");
});

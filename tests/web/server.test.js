// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// The school server's edition (build-web/server/) in Debian's Chromium, as a class meets it:
// served from 127.0.0.1 with the README's header line, in a browser with a profile of its own
// (Playwright's private window can install nothing).
const { test, expect, chromium } = require("@playwright/test");
const { execFileSync } = require("node:child_process");
const { readdirSync, readFileSync } = require("node:fs");
const http = require("node:http");
const path = require("node:path");

const root = path.resolve(__dirname, "../..");
const edition = path.join(root, "build-web/server");
const reportTool =
  process.env.VELMORA_REPORT ?? path.join(root, "build/tests/support/velmora_report");
const [policy] = readFileSync(path.join(root, "README.md"), "utf8").match(
  /(?<=^Content-Security-Policy: ).+$/m,
);
// How long the browser may take to fetch and install a worker on a busy machine.
const settled = 20_000;
const types = { html: "text/html; charset=utf-8", js: "text/javascript", webmanifest: "text/json" };

test("the edition installs, takes a new version, and computes with the server gone", async ({
  headless,
}, testInfo) => {
  // The server's files by name, which the test swaps for a new version.
  const files = new Map(
    readdirSync(edition).map((name) => [name, readFileSync(`${edition}/${name}`)]),
  );
  const server = http.createServer((request, response) => {
    const name = new URL(request.url, "http://server").pathname.slice(1);
    const headers = {
      "Content-Type": types[name.split(".").at(-1)],
      "Content-Security-Policy": policy,
    };
    response.writeHead(files.has(name) ? 200 : 404, headers).end(files.get(name));
  });
  await new Promise((listening) => server.listen(0, "127.0.0.1", listening));
  const options = { ...require("./chromium.js"), headless };
  const context = await chromium.launchPersistentContext(testInfo.outputPath("profile"), options);
  const [page] = context.pages();
  const errors = [];
  page.on("pageerror", (error) => errors.push(error.message));
  const load = async (loading) => {
    await loading;
    await page.waitForFunction(() => document.documentElement.dataset.ready === "true");
    await page.evaluate(() => navigator.serviceWorker.ready);
  };
  const footer = page.getByRole("contentinfo");
  const box = (name) => page.getByRole("textbox", { name, exact: true });

  await load(page.goto(`http://127.0.0.1:${server.address().port}/velmora.html`));
  await test.step("Chromium finds nothing that stops its install", async () => {
    const devTools = await context.newCDPSession(page);
    const errorsOf = async () =>
      (await devTools.send("Page.getInstallabilityErrors")).installabilityErrors;
    await expect.poll(errorsOf, { timeout: settled }).toEqual([]);
  });
  await test.step("a new version on the server replaces the one kept, after a reload", async () => {
    const [, version] = (await footer.innerText()).match(/версия (.+)$/);
    const [, cache] = files
      .get("velmora-sw.js")
      .toString()
      .match(/"cache":"([^"]+)"/);
    for (const [name, old, next] of [
      ["velmora.html", version, "9.9.9"],
      ["velmora-sw.js", cache, "velmora-next"],
    ]) {
      files.set(name, Buffer.from(files.get(name).toString().replaceAll(old, next)));
    }
    await load(page.reload());
    await expect(footer).toHaveText("Велмора, версия 9.9.9");
    const cacheNames = () => page.evaluate(() => caches.keys());
    await expect.poll(cacheNames, { timeout: settled }).toEqual(["velmora-next"]);
  });
  await test.step("with the server gone, the page kept computes the whole report", async () => {
    server.close().closeAllConnections();
    await load(page.reload());
    await expect(footer).toHaveText("Велмора, версия 9.9.9");
    const operands = ["43252003274489856000", "1"];
    const input = Buffer.from(operands.join("\0"), "utf16le");
    const [expected] = JSON.parse(execFileSync(reportTool, ["-"], { input, encoding: "utf8" }));
    await box("Число 1").fill(operands[0]);
    await box("Число 2").fill(operands[1]);
    await page.getByRole("button", { name: "Изчисли", exact: true }).click();
    await expect(box("Сума")).toHaveValue(expected.result);
    await expect(box("Отчет")).toHaveValue(expected.report.replaceAll("\r\n", "\n"));
  });
  await context.close();
  expect(errors, "errors in the page").toEqual([]);
});

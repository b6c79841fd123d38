// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// The page cases' driver over a Playwright page in Chromium: controls found by role and
// accessible name, as a screen reader finds them.
const { chromium } = require("@playwright/test");
const { pathToFileURL } = require("node:url");
const { pageFile } = require("../native.js");
const launchOptions = require("../chromium.js");

function playwrightDriver(page) {
  const box = (name) => page.getByRole("textbox", { name, exact: true });
  return {
    engine: `Chromium ${page.context().browser().version()}`,
    async open() {
      await page.goto(pathToFileURL(pageFile).href);
      await page.waitForFunction(() => document.documentElement.dataset.ready === "true");
    },
    setViewport: (width, height) => page.setViewportSize({ width, height }),
    focus: (name) => box(name).focus(),
    async type(name, text) {
      await box(name).fill("");
      await box(name).pressSequentially(text);
    },
    value: (name) => box(name).inputValue(),
    press: (keys) => page.keyboard.press(keys),
    click: (name) => page.getByRole("button", { name, exact: true }).click(),
    status: () => page.getByRole("status").textContent(),
    clipboard: () => page.evaluate(() => navigator.clipboard.readText()),
    evaluate: (fn, arg) => page.evaluate(fn, arg),
    // V8 without its compilers, as Chrome's and Edge's setting for a safer browser runs it,
    // has no WebAssembly.
    async withoutWasm(use) {
      const args = [...launchOptions.args, "--js-flags=--jitless"];
      const browser = await chromium.launch({ ...launchOptions, args });
      try {
        const offPage = await browser.newPage();
        await offPage.goto(pathToFileURL(pageFile).href);
        await use(playwrightDriver(offPage));
      } finally {
        await browser.close();
      }
    },
  };
}

module.exports = { playwrightDriver };

// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// The page cases' driver over Debian's Firefox ESR, headless, through WebDriver BiDi, which
// Firefox speaks itself: puppeteer-core starts it and no other driver is needed.
const puppeteer = require("puppeteer-core");
const { pathToFileURL } = require("node:url");
const { pageFile } = require("../native.js");
const { findControl, statusText, isReady, splitKeys } = require("./in_page.js");

// The clipboard is read by the page's script without Firefox asking the user first.
const launch = (prefs) =>
  puppeteer.launch({
    browser: "firefox",
    executablePath: "/usr/bin/firefox-esr",
    headless: true,
    extraPrefsFirefox: { "dom.events.testing.asyncClipboard": true, ...prefs },
  });

async function pageDriver(browser, page) {
  const control = async (name) => {
    const handle = (await page.evaluateHandle(findControl, name)).asElement();
    if (!handle) throw new Error(`no visible control named ${name}`);
    return handle;
  };
  return {
    engine: `Firefox ESR ${(await browser.version()).replace(/^firefox\//i, "")}`,
    async open() {
      await page.goto(pathToFileURL(pageFile).href);
      await page.waitForFunction(isReady);
    },
    setViewport: (width, height) => page.setViewport({ width, height }),
    focus: async (name) => (await control(name)).focus(),
    async type(name, text) {
      const box = await control(name);
      await box.evaluate((b) => b.select());
      await page.keyboard.press("Backspace");
      await page.keyboard.type(text);
    },
    value: async (name) => (await control(name)).evaluate((box) => box.value),
    async press(keys) {
      const { modifiers, key } = splitKeys(keys);
      for (const modifier of modifiers) await page.keyboard.down(modifier);
      await page.keyboard.press(key.length === 1 ? key.toLowerCase() : key);
      for (const modifier of modifiers.reverse()) await page.keyboard.up(modifier);
    },
    click: async (name) => (await control(name)).click(),
    status: () => page.evaluate(statusText),
    clipboard: () => page.evaluate(() => navigator.clipboard.readText()),
    evaluate: (fn, arg) => page.evaluate(fn, arg),
    async withoutWasm(use) {
      const off = await launch({ "javascript.options.wasm": false });
      try {
        const offPage = await off.newPage();
        await offPage.goto(pathToFileURL(pageFile).href);
        await use(await pageDriver(off, offPage));
      } finally {
        await off.close();
      }
    },
  };
}

async function startFirefox() {
  const browser = await launch({});
  const driver = await pageDriver(browser, await browser.newPage());
  return { ...driver, quit: () => browser.close() };
}

module.exports = { startFirefox };

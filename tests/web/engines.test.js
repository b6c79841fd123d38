// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// The page cases that every engine runs (page_cases.js), here in Chromium through Playwright;
// other_engines.mjs runs the same in Firefox ESR and WebKitGTK.
const { test, expect } = require("@playwright/test");
const { pageCases } = require("./page_cases.js");
const { playwrightDriver } = require("./drivers/playwright.js");

for (const { name, run } of pageCases) {
  test(`Chromium: ${name}`, async ({ page, context }) => {
    // A copy and a paste reach the clipboard as the pupil's keys would.
    await context.grantPermissions(["clipboard-read", "clipboard-write"]);
    // As in Chromium's own tests, the page asks for nothing outside its file and raises no error.
    const offFile = [];
    const errors = [];
    page.on(
      "request",
      (request) => /^(file|data|blob):/.test(request.url()) || offFile.push(request.url()),
    );
    page.on("pageerror", (error) => errors.push(error.message));
    page.on("console", (message) => message.type() === "error" && errors.push(message.text()));
    const driver = playwrightDriver(page);
    await driver.open();
    await run(driver);
    expect(offFile, "requests outside the page's file").toEqual([]);
    expect(errors, "errors in the page").toEqual([]);
  });
}

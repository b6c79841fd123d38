// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// The web tests run in Debian's Chromium, headless; no step downloads a browser.
const { defineConfig } = require("@playwright/test");

module.exports = defineConfig({
  testDir: "tests/web",
  workers: 1,
  timeout: 60_000,
  reporter: [["list"]],
  use: {
    headless: true,
    launchOptions: require("./tests/web/chromium.js"),
  },
});

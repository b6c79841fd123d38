// The web tests run in Debian's Chromium, headless; no step downloads a browser.
const { defineConfig } = require("@playwright/test");

module.exports = defineConfig({
  testDir: "tests/web",
  workers: 1,
  timeout: 60_000,
  reporter: [["list"]],
  use: {
    headless: true,
    launchOptions: {
      executablePath: "/usr/bin/chromium",
      args: [
        "--no-sandbox",
        "--disable-gpu",
        "--disable-background-networking",
        "--disable-component-update",
        "--disable-sync",
        "--no-first-run",
      ],
    },
  },
});

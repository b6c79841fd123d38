// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// Recommended rules everywhere. The page runs in the browser, its service worker in the worker's
// scope and its build scripts in node; the tests and benchmarks run in node and, through
// Playwright's evaluate, in the page as well.
const js = require("@eslint/js");
const globals = require("globals");

module.exports = [
  {
    ignores: ["build*/**", "dist/**", "node_modules/**", "test-results/**", "playwright-report/**"],
  },
  js.configs.recommended,
  {
    files: ["src/web/**/*.{js,mjs}"],
    languageOptions: { sourceType: "module", globals: { ...globals.browser } },
  },
  {
    files: ["src/web/server/*.js"],
    languageOptions: { sourceType: "script", globals: { ...globals.serviceworker } },
  },
  {
    files: ["src/web/*.mjs"],
    languageOptions: { sourceType: "module", globals: { ...globals.node } },
  },
  {
    files: ["tests/**/*.js", "bench/**/*.js", "*.config.js"],
    languageOptions: { sourceType: "commonjs", globals: { ...globals.node, ...globals.browser } },
  },
  {
    files: ["tests/**/*.mjs", "bench/**/*.mjs"],
    languageOptions: { sourceType: "module", globals: { ...globals.node, ...globals.browser } },
  },
];

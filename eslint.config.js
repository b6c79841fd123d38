// Recommended rules everywhere; the page runs in the browser, the tests and benchmarks in node.
const js = require("@eslint/js");
const globals = require("globals");

module.exports = [
  { ignores: ["build*/**", "node_modules/**", "test-results/**", "playwright-report/**"] },
  js.configs.recommended,
  {
    files: ["src/web/**/*.{js,mjs}"],
    languageOptions: { sourceType: "module", globals: { ...globals.browser } },
  },
  {
    files: ["tests/**/*.js", "bench/**/*.js", "*.config.js"],
    languageOptions: { sourceType: "commonjs", globals: { ...globals.node } },
  },
  {
    files: ["tests/**/*.mjs", "bench/**/*.mjs"],
    languageOptions: { sourceType: "module", globals: { ...globals.node } },
  },
];

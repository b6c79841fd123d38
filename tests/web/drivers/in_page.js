// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// What the WebDriver adapters run in the page to find a control: the visible box or button whose
// accessible name is the one given, its aria-label or else its text, as a screen reader names it.
// Each is a function whose source the adapter sends to the browser.
const findControl = (name) =>
  [...document.querySelectorAll("input, textarea, button")].find(
    (c) => (c.getAttribute("aria-label") ?? c.textContent.trim()) === name && c.checkVisibility(),
  ) ?? null;

const statusText = () => document.querySelector('[role="status"]').textContent;

const isReady = () => document.documentElement.dataset.ready === "true";

// A key name as the adapters take it ("Control+A") into its modifiers and its key.
function splitKeys(keys) {
  const parts = keys.split("+");
  return { modifiers: parts.slice(0, -1), key: parts.at(-1) };
}

module.exports = { findControl, statusText, isReady, splitKeys };

// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// When the core cannot start, or anything fails before the page is ready, the page says so and
// what it needs, in the notice that index.html holds, and shows no form, not even a part of one.
// start_check.js does the same, before any module runs, for a browser it knows cannot start.

export function showCannotStart(error) {
  console.warn(error); // for whoever looks into it: the notice itself names no cause
  document.getElementById("cannot-start").hidden = false;
  document.querySelector(".stage").hidden = true;
}

// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// The pictures of the browser edition: PAGE PICTURE PHONE_PICTURE. Opens the page from file:// in
// Debian's Chromium and computes the numbers it starts with, twice: in a window, where it saves
// the form (the window's client area) with the report scrolled to its words, as the window's
// picture shows it; and on a phone, 360 × 640 CSS pixels at twice the density, where it saves
// the screen as the pupil sees it, with the form in one column.
import { chromium } from "@playwright/test";
import chromiumLaunch from "../tests/web/chromium.js";
import process from "node:process";
import { pathToFileURL } from "node:url";

const [pageFile, picture, phonePicture] = process.argv.slice(2);

async function computed(context) {
  const page = await context.newPage();
  await page.goto(pathToFileURL(pageFile).href);
  await page.locator("html[data-ready=true]").waitFor();
  await page.getByRole("button", { name: "Изчисли", exact: true }).click();
  await page
    .getByRole("textbox", { name: "Отчет", exact: true })
    .evaluate((report) => (report.scrollTop = report.scrollHeight));
  return page;
}

// The window's picture shows its scroll bars, as the window's does; a phone's overlay ones do not
// show in a still picture.
const windowBrowser = await chromium.launch({
  ...chromiumLaunch,
  ignoreDefaultArgs: ["--hide-scrollbars"],
});
const phoneBrowser = await chromium.launch(chromiumLaunch);
try {
  const inWindow = await computed(
    await windowBrowser.newContext({ viewport: { width: 720, height: 520 } }),
  );
  await inWindow.mouse.move(0, 0);
  await inWindow.getByRole("main").locator(".form").screenshot({ path: picture });

  const onPhone = await computed(
    await phoneBrowser.newContext({
      viewport: { width: 360, height: 640 },
      deviceScaleFactor: 2,
      isMobile: true,
      hasTouch: true,
    }),
  );
  await onPhone.screenshot({ path: phonePicture });
} finally {
  await windowBrowser.close();
  await phoneBrowser.close();
}

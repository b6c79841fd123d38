// The picture of the browser edition: PAGE PICTURE. Opens the page from file:// in Debian's
// Chromium, computes the numbers it starts with and saves the form (the window's client area)
// after it, with the report scrolled to its words, as the window's picture shows it.
import { chromium } from "@playwright/test";
import chromiumLaunch from "../tests/web/chromium.js";
import process from "node:process";
import { pathToFileURL } from "node:url";

const [pageFile, picture] = process.argv.slice(2);
const browser = await chromium.launch({
  ...chromiumLaunch,
  ignoreDefaultArgs: ["--hide-scrollbars"],
});
try {
  const page = await browser.newPage({ viewport: { width: 720, height: 520 } });
  await page.goto(pathToFileURL(pageFile).href);
  await page.locator("html[data-ready=true]").waitFor();
  await page.getByRole("button", { name: "Изчисли", exact: true }).click();
  await page
    .getByRole("textbox", { name: "Отчет", exact: true })
    .evaluate((report) => (report.scrollTop = report.scrollHeight));
  await page.mouse.move(0, 0);
  await page.getByRole("main").locator(".form").screenshot({ path: picture });
} finally {
  await browser.close();
}

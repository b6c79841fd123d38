// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// The browser edition as a pupil uses it, in headless Chromium: the page is opened from file://
// with the network blocked, found by role and accessible name, and checked against the texts the
// native core gives for the same input (velmora_report), never against the page's own core. The
// cases that every engine runs are in page_cases.js; these are Chromium's own besides.
const { test: base, expect } = require("@playwright/test");
const AxeBuilder = require("@axe-core/playwright").default;
const { execFileSync } = require("node:child_process");
const { readFileSync } = require("node:fs");
const http = require("node:http");
const path = require("node:path");
const { pathToFileURL } = require("node:url");
const { root, pageFile, asStarted, native, shown } = require("./native.js");

const moduleFile = path.join(path.dirname(pageFile), "velmora.js");
const pastTheLimit = "7".repeat(200); // more digits than the digit table holds
const errorDialog = "Velmora — грешка";

const box = (page, name) => page.getByRole("textbox", { name, exact: true });
const button = (page, name) => page.getByRole("button", { name, exact: true });

async function type(page, name, text) {
  if (text === asStarted) return;
  await box(page, name).fill("");
  await box(page, name).pressSequentially(text);
}

// A locked box as a screen reader hears it: readonly, or a multi-line box that says it is.
const lockedForScreenReaders = (locator) =>
  locator.evaluate((box) => box.readOnly || box.getAttribute("aria-readonly") === "true");

// Puts a text into an operand box past the user's limit, as a program would.
const writeInto = (page, name, text) =>
  box(page, name).evaluate((input, value) => (input.value = value), text);

// Every test opens the page from file:// with the network blocked, and fails if the page asked
// for anything outside its own file or raised an error.
const test = base.extend({
  page: async ({ page }, use) => {
    const offFile = [];
    const errors = [];
    const local = (url) => /^(file|data|blob):/.test(url);
    page.on("request", (request) => local(request.url()) || offFile.push(request.url()));
    await page.route("**/*", (route) =>
      local(route.request().url()) ? route.continue() : route.abort(),
    );
    page.on("pageerror", (error) => errors.push(error.message));
    page.on("console", (message) => message.type() === "error" && errors.push(message.text()));
    await page.goto(pathToFileURL(pageFile).href);
    await page.waitForFunction(() => document.documentElement.dataset.ready === "true");
    await use(page);
    expect(offFile, "requests outside the page's file").toEqual([]);
    expect(errors, "errors in the page").toEqual([]);
  },
});

test("the page runs under its own policy, which allows no eval and no connection", async ({
  page,
}) => {
  const content = await page
    .locator('meta[http-equiv="Content-Security-Policy"]')
    .getAttribute("content");
  const policy = new Map(
    content.split(";").map((directive) => {
      const [name, ...sources] = directive.trim().split(/\s+/);
      return [name, sources];
    }),
  );
  expect(policy.get("default-src")).toEqual(["'none'"]);
  expect(policy.get("connect-src")).toEqual(["'none'"]);
  for (const name of ["script-src", "style-src"]) {
    expect(policy.get(name)).not.toContain("'unsafe-inline'");
    expect(policy.get(name)).not.toContain("'unsafe-eval'");
  }
  // Opened from a file, the page offers itself as no app: it names no manifest.
  await expect(page.locator('link[rel="manifest"]')).toHaveCount(0);
  // Under it, the core starts (the fixture fails on any violation) and computes.
  const [expected] = native([["-98", "5"]]);
  await type(page, "Число 1", "-98");
  await type(page, "Число 2", "5");
  await button(page, "Изчисли").click();
  await expect(box(page, "Сума")).toHaveValue(expected.result);
  await expect(box(page, "Отчет")).toHaveValue(shown(expected.report));
});

// A lone half of a surrogate pair, written into a box as a program may: the core reads no digit
// for it and keeps the character after it, as in the window, and the box keeps the text.
for (const [name, pair] of [
  ["Число 1", ["\uDE005", asStarted]],
  ["Число 2", [asStarted, "1\uD83D2\uD83D3"]],
]) {
  test(`a lone surrogate half in ${name} gives the window's report`, async ({ page }) => {
    const text = pair.find((operand) => operand !== asStarted);
    const [expected] = native([pair]);
    await writeInto(page, name, text);
    await button(page, "Изчисли").click();
    await expect(box(page, "Сума")).toHaveValue(expected.result);
    await expect(box(page, "Отчет")).toHaveValue(shown(expected.report));
    await expect(box(page, name)).toHaveValue(text);
  });
}

test("the report box is locked but after Изчисти; the result and task boxes always", async ({
  page,
}) => {
  // When, the button pressed, and whether the report box then takes typing.
  const steps = [
    ["at start", null, false],
    ["after Изчисли", "Изчисли", false],
    ["after Изчисти", "Изчисти", true],
    ["after Изчисли again", "Изчисли", false],
  ];
  for (const [when, press, reportOpen] of steps) {
    await test.step(when, async () => {
      if (press) await button(page, press).click();
      if (press === "Изчисти") {
        for (const name of ["Отчет", "Сума", "Число 1", "Число 2"]) {
          await expect.soft(box(page, name)).toHaveValue("");
        }
      }
      for (const [name, open] of [
        ["Отчет", reportOpen],
        ["Сума", false],
        ["Условие на задачата", false],
      ]) {
        const before = await box(page, name).inputValue();
        expect.soft(await lockedForScreenReaders(box(page, name))).toBe(!open);
        await box(page, name).focus();
        await page.keyboard.type("9");
        await expect.soft(box(page, name)).toHaveValue(open ? before + "9" : before);
      }
    });
  }
});

test("the core refuses an index that names no box with a RangeError, and goes on", async () => {
  const core = await require(moduleFile)();
  const form = new core.Form();
  for (const refused of [
    () => form.text(core.boxCount),
    () => form.typed(-1, "1"),
    () => core.enterComputesIn(core.boxCount),
  ]) {
    expect(refused).toThrow(RangeError);
  }
  form.click(core.computeButton);
  expect(form.text(core.resultBox)).toBe(native([[asStarted, asStarted]])[0].result);
});

test("Tab follows the tab indices of the control table, as in the Qt window", async ({ page }) => {
  const createVelmora = require(moduleFile);
  const core = await createVelmora();
  const focusable = [...core.controlTable()]
    .filter((control) => control.array !== "etiket")
    .sort((a, b) => a.tabIndex - b.tabIndex);
  expect(focusable.length).toBeGreaterThan(1);
  const located = (control) =>
    page.getByRole(control.array === "buton" ? "button" : "textbox", {
      name: control.accessibleName,
      exact: true,
    });
  const [first, ...rest] = focusable;
  await located(first).focus();
  for (const control of rest) {
    await page.keyboard.press("Tab");
    const focused = located(control);
    await expect(focused).toBeFocused();
    // The focus shows as a solid outline of at least 2 px.
    const { outlineStyle, outlineWidth } = await focused.evaluate((c) => getComputedStyle(c));
    expect.soft([outlineStyle, parseFloat(outlineWidth) >= 2]).toEqual(["solid", true]);
  }
});

test("the pupil at the keyboard: where the focus goes and what the status region says", async ({
  page,
}) => {
  const [computed] = native([["12", "-2001"]]);
  const status = page.getByRole("status");
  await expect(box(page, "Число 1")).toBeFocused();
  await page.keyboard.press("Control+A");
  await page.keyboard.type("12");
  await page.keyboard.press("Tab");
  await page.keyboard.type("-2001");
  await page.keyboard.press("Enter");
  await expect(box(page, "Число 2")).toBeFocused();
  const words = computed.report.split("Сумата словом:")[1].trim().replace(/\s+/g, " ");
  await expect(status).toHaveText(`Сума ${computed.result}, словом: ${words}`);
  await expect(box(page, "Сума")).toHaveValue(computed.result);
  await button(page, "Изчисти").click();
  await expect(box(page, "Число 1")).toBeFocused();
  await expect(status).toHaveText("");
  await page.keyboard.type("5");
  await expect(box(page, "Число 1")).toHaveValue("5");
});

test("the report is read line by line: the arrow keys move a caret in it", async ({ page }) => {
  const [expected] = native([[asStarted, asStarted]]);
  await button(page, "Изчисли").click();
  await box(page, "Отчет").focus();
  await page.keyboard.press("Control+Home");
  await page.keyboard.press("ArrowDown");
  const caret = await box(page, "Отчет").evaluate((report) => report.selectionStart);
  expect(caret).toBe(shown(expected.report).indexOf("\n") + 1);
});

test("the longest sum shows whole in Сума", async ({ page }) => {
  const nines = "9".repeat(65);
  await box(page, "Число 1").fill(nines);
  await box(page, "Число 2").fill(nines);
  await button(page, "Изчисли").click();
  await expect(box(page, "Сума")).toHaveValue(native([[nines, nines]])[0].result);
  const [scrollWidth, clientWidth] = await box(page, "Сума").evaluate((sum) => [
    sum.scrollWidth,
    sum.clientWidth,
  ]);
  expect(scrollWidth).toBeLessThanOrEqual(clientWidth);
});

test("axe finds no violations at start, after a compute, a clear, and in the dialog, light or dark", async ({
  page,
}) => {
  const states = [
    ["at start", async () => {}],
    ["after a compute", () => button(page, "Изчисли").click()],
    ["after a clear", () => button(page, "Изчисти").click()],
    [
      "with the error dialog open",
      async () => {
        await writeInto(page, "Число 1", pastTheLimit);
        await button(page, "Изчисли").click();
        await expect(page.getByRole("alertdialog", { name: errorDialog })).toBeVisible();
      },
    ],
  ];
  for (const [when, reach] of states) {
    await test.step(when, async () => {
      await reach();
      for (const colorScheme of ["light", "dark"]) {
        await page.emulateMedia({ colorScheme });
        const { violations } = await new AxeBuilder({ page }).analyze();
        expect.soft(violations.map(({ id, help }) => `${colorScheme} ${id}: ${help}`)).toEqual([]);
      }
    });
  }
});

// The core starts and computes in a browser that decodes base64 only through atob.
test("without Uint8Array.fromBase64 the core starts and computes", async ({ page }) => {
  await page.addInitScript(() => delete Uint8Array.fromBase64);
  await page.reload();
  await page.waitForFunction(() => document.documentElement.dataset.ready === "true");
  expect(await page.evaluate(() => typeof Uint8Array.fromBase64)).toBe("undefined");
  const [expected] = native([["-98", "5"]]);
  await type(page, "Число 1", "-98");
  await type(page, "Число 2", "5");
  await button(page, "Изчисли").click();
  await expect(box(page, "Отчет")).toHaveValue(shown(expected.report));
});

// The notice the page shows instead of the form, and that it shows no form.
async function expectNotice(page, cause) {
  await expect(page.getByRole("alert")).toContainText(cause, { useInnerText: true });
  for (const role of ["textbox", "button"]) {
    await expect(page.getByRole(role)).toHaveCount(0);
  }
}

// When, the browser context's options, a script run before the page's own, and the cause the
// notice names: the page says in Bulgarian why it cannot start, rather than stay blank.
const cannotStart = [
  ["JavaScript is off", { javaScriptEnabled: false }, () => {}, /JavaScript е изключен/],
  [
    "the browser is too old for WebAssembly",
    {},
    () => delete globalThis.WebAssembly && delete globalThis.structuredClone,
    /браузър е твърде стар/,
  ],
  [
    "the compiled core cannot be instantiated",
    {},
    () =>
      (WebAssembly.Instance = function () {
        throw new WebAssembly.LinkError("refused");
      }),
    /Ядрото на програмата спря още при стартирането си/,
  ],
];
for (const [when, options, before, cause] of cannotStart) {
  base(`when ${when}, the page says so in Bulgarian and shows no form`, async ({ browser }) => {
    const context = await browser.newContext(options);
    const page = await context.newPage();
    const errors = [];
    page.on("pageerror", (error) => errors.push(error.message));
    await page.addInitScript(before);
    await page.goto(pathToFileURL(pageFile).href);
    await expectNotice(page, cause);
    expect(errors, "errors in the page").toEqual([]);
    await context.close();
  });
}

// The page served over HTTP, from 127.0.0.1 alone, with a Content-Security-Policy header.
async function served(browser, policy, use) {
  const server = http.createServer((request, response) => {
    response.writeHead(200, {
      "Content-Type": "text/html; charset=utf-8",
      "Content-Security-Policy": policy,
    });
    response.end(readFileSync(pageFile));
  });
  await new Promise((listening) => server.listen(0, "127.0.0.1", listening));
  const context = await browser.newContext();
  try {
    const page = await context.newPage();
    await page.goto(`http://127.0.0.1:${server.address().port}/`);
    await use(page);
  } finally {
    await context.close();
    server.close();
  }
}

// What a site's policy refuses, its header, and the cause the notice names; the notice also gives
// the header line that lets the page start, the README's own, and with it the page computes.
for (const [refused, policy, cause] of [
  ["the page's inline scripts", "script-src 'self'", /Скриптът на страницата не се изпълни/],
  [
    "the compile of the core's wasm",
    "script-src 'self' 'unsafe-inline'",
    /политиката за сигурност на сайта.*не позволява на страницата да стартира своето ядро/is,
  ],
]) {
  base(`served with a policy that refuses ${refused}, the notice names it`, async ({ browser }) => {
    let line;
    await served(browser, policy, async (page) => {
      await expectNotice(page, cause);
      line = await page.getByRole("alert").getByRole("code").innerText();
    });
    expect(readFileSync(path.join(root, "README.md"), "utf8")).toContain(line);
    const [header, value] = line.split(/: (.*)/s);
    expect(header).toBe("Content-Security-Policy");
    await served(browser, value, async (page) => {
      const [expected] = native([["-98", "5"]]);
      await type(page, "Число 1", "-98");
      await type(page, "Число 2", "5");
      await button(page, "Изчисли").click();
      await expect(box(page, "Отчет")).toHaveValue(shown(expected.report));
    });
  });
}

// The form as drawn: a sideways scroll, the smallest text (font size times any scale), the smallest
// side of a button or box, the heading in device pixels, controls cut off or overlapping.
const drawn = (page) =>
  page.getByRole("main").evaluate((main) => {
    const shown = [...main.querySelectorAll("h1, label, input, textarea, button")].filter((c) =>
      c.checkVisibility(),
    );
    const place = (c) => c.getBoundingClientRect();
    const textOf = (c) => {
      const text = document.createRange();
      text.selectNodeContents(c);
      return text.getBoundingClientRect();
    };
    const beyond = (a, b) =>
      Math.max(b.left - a.left, a.right - b.right, b.top - a.top, a.bottom - b.bottom);
    const overlap = (a, b) =>
      Math.min(a.right - b.left, b.right - a.left, a.bottom - b.top, b.bottom - a.top);
    const size = (c, { fontSize, width } = getComputedStyle(c)) =>
      (parseFloat(fontSize) * place(c).width) / parseFloat(width);
    const side = (c) => Math.min(place(c).width, place(c).height);
    return {
      sideways: document.documentElement.scrollWidth > innerWidth,
      smallestText: Math.min(...shown.map((c) => Math.round(size(c) * 10) / 10)),
      smallestTarget: Math.min(
        ...shown.filter((c) => c.matches("input, textarea, button")).map(side),
      ),
      heading: textOf(main.querySelector("h1")).height * devicePixelRatio,
      faults: shown
        .filter(
          (c, at) =>
            (c.textContent && beyond(textOf(c), place(c)) > 1) ||
            shown.slice(at + 1).some((other) => overlap(place(c), place(other)) > 1),
        )
        .map((c) => c.ariaLabel ?? c.textContent),
    };
  });

// The screens a pupil may open the page on, and how tall a button or box must be there: a finger
// needs 44 px in either layout, and no target is ever under 24 × 24 px.
const phone = { isMobile: true, hasTouch: true };
const screens = [
  ["a phone", { ...phone, viewport: { width: 360, height: 640 }, deviceScaleFactor: 2 }, 44],
  ["a small phone", { ...phone, viewport: { width: 320, height: 640 } }, 44],
  ["a phone held sideways", { ...phone, viewport: { width: 740, height: 360 } }, 44],
  ["a tablet held upright", { ...phone, viewport: { width: 768, height: 1024 } }, 44],
  ["a desktop", { viewport: { width: 1280, height: 800 } }, 24],
];
for (const [screen, options, smallestTarget] of screens) {
  test.describe(`on ${screen}`, () => {
    test.use(options);
    test("no WCAG 2.2 AA violation, light or dark; no sideways scroll; text and targets large enough", async ({
      page,
    }) => {
      await button(page, "Изчисли").click();
      // The page's own background in each scheme, and the form's, which the scheme leaves alone.
      const backgrounds = {};
      for (const colorScheme of ["light", "dark"]) {
        await page.emulateMedia({ colorScheme });
        const { violations } = await new AxeBuilder({ page })
          .withTags(["wcag2a", "wcag2aa", "wcag21a", "wcag21aa", "wcag22aa"])
          .analyze();
        expect.soft(violations.map(({ id, help }) => `${colorScheme} ${id}: ${help}`)).toEqual([]);
        backgrounds[colorScheme] = await page.evaluate(() =>
          [document.documentElement, document.getElementById("form")].map(
            (element) => getComputedStyle(element).backgroundColor,
          ),
        );
      }
      expect.soft(backgrounds.dark[0]).not.toBe(backgrounds.light[0]);
      expect.soft(backgrounds.dark[1]).toBe(backgrounds.light[1]);
      const form = await drawn(page);
      expect.soft(form).toMatchObject({ sideways: false, faults: [] });
      expect.soft(form.smallestText).toBeGreaterThanOrEqual(16);
      expect.soft(form.smallestTarget).toBeGreaterThanOrEqual(smallestTarget);
    });
  });
}

// Browser zoom makes the CSS pixel larger: a window W px wide at zoom z shows the page a viewport
// W / z wide with z device pixels to the CSS pixel, which the open page is given here. The text
// grows z times at any width, without a sideways scroll even at 320 px.
for (const [zoom, width] of [
  [1.25, 1280],
  [2, 1024],
  [4, 1280],
]) {
  test(`at ${zoom * 100} % zoom in a ${width} px window the text is ${zoom} times as large`, async ({
    page,
  }) => {
    await page.setViewportSize({ width, height: 600 });
    const atFull = (await drawn(page)).heading;
    const cdp = await page.context().newCDPSession(page);
    const view = { width: width / zoom, height: 600 / zoom, mobile: false };
    await cdp.send("Emulation.setDeviceMetricsOverride", { ...view, deviceScaleFactor: zoom });
    await expect.poll(async () => (await drawn(page)).heading).toBeCloseTo(atFull * zoom, 0);
    expect(await drawn(page)).toMatchObject({ sideways: false, faults: [] });
  });
}

// The reader's own settings on the open page, and the text's size then: WCAG's text spacing as
// the reader's stylesheet (which the page's policy does not govern), and a larger default font.
const textSpacing = `* { line-height: 1.5 !important; letter-spacing: 0.12em !important;
  word-spacing: 0.16em !important; } p { margin-bottom: 2em !important; }`;
for (const [setting, css, standard, textSize] of [
  ["WCAG's text spacing", textSpacing, 16, 16],
  ["a default font of 24 px", "", 24, 24],
]) {
  test(`with ${setting}, no text is cut off and no controls overlap`, async ({ page }) => {
    await page.setViewportSize({ width: 1280, height: 800 });
    const cdp = await page.context().newCDPSession(page);
    await cdp.send("Page.setFontSizes", { fontSizes: { standard } });
    await page.evaluate((sheet) => {
      document.adoptedStyleSheets = [new CSSStyleSheet()];
      document.adoptedStyleSheets[0].replaceSync(sheet);
    }, css);
    await button(page, "Изчисли").click();
    expect(await drawn(page)).toMatchObject({ faults: [], smallestText: textSize });
  });
}

test("on paper: the task's last line and every line of the report, but no buttons", async ({
  page,
}) => {
  const [expected] = native([[asStarted, asStarted]]);
  await button(page, "Изчисли").click();
  const task = await box(page, "Условие на задачата").inputValue();
  const pdf = await page.pdf();
  const onPaper = execFileSync("pdftotext", ["-", "-"], { input: pdf, encoding: "utf8" });
  const flat = (text) => text.replace(/\s+/g, " ").trim();
  for (const line of [task.split("\n").at(-1), ...expected.report.split("\r\n")]) {
    expect.soft(flat(onPaper)).toContain(flat(line));
  }
  expect.soft(onPaper).not.toMatch(/Изчисли|Изчисти/);
});

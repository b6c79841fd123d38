// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// The cases of the page that matter to a pupil, written once and run in every engine: Chromium
// through Playwright (engines.test.js), Firefox ESR and WebKitGTK through WebDriver
// (other_engines.mjs). Each drives the page through the thin driver of drivers/, which every
// engine's adapter gives:
//   engine                      the engine's name and version
//   open()                      the page afresh from file://, once it is ready to compute
//   setViewport(width, height)  the room the page is shown in, in CSS pixels
//   focus(label), type(label, text), value(label)   a box found by its accessible name
//   press(keys)                 keys to the focused control: "Enter", "Control+A", ...
//   click(name)                 a visible button found by its accessible name
//   status()                    the text of the status region
//   clipboard()                 the text on the clipboard, as another program would paste it
//   evaluate(fn, arg)           fn(arg) run in the page, with its result
//   withoutWasm(use)            use(driver) on the page in a browser with WebAssembly off
const assert = require("node:assert/strict");
const { isDeepStrictEqual } = require("node:util");
const workedExamples = require("../e2e/cases.json");
const { asStarted, native, shown } = require("./native.js");

const first = "Число 1";
const second = "Число 2";

// What the page writes after a task of its own (the status region) is read until it settles.
async function settlesTo(read, expected, what) {
  let value;
  for (const end = Date.now() + 5000; ; await new Promise((wait) => setTimeout(wait, 50))) {
    value = await read();
    if (isDeepStrictEqual(value, expected) || Date.now() > end) break;
  }
  assert.deepEqual(value, expected, what);
}

async function typeOperand(driver, label, text) {
  if (text === asStarted) await driver.focus(label);
  else await driver.type(label, text);
}

// The pairs of operands seeded, so every run and engine gets the same: up to 65 characters with
// or without a sign, every tenth all zeros, every seventh a whole 65.
function randomPairs(count, seed) {
  let state = seed;
  const next = (below) => {
    state = (Math.imul(state, 1103515245) + 12345) >>> 0;
    return (state >>> 8) % below;
  };
  const operand = (at) => {
    const sign = ["", "-", "+"][next(3)];
    const length = at % 7 === 0 ? 65 - sign.length : 1 + next(65 - sign.length);
    const digit = () => (at % 10 === 0 ? "0" : String(next(10)));
    return sign + Array.from({ length }, digit).join("");
  };
  return Array.from({ length: count }, (_, at) => [operand(at), operand(at + 3)]);
}

// Each box and button of the form, in the order of its column, with its place from the control
// table and as drawn, relative to the form.
const drawnControls = () => {
  const stage = document.querySelector(".stage");
  const form = document.getElementById("form");
  const origin = form.getBoundingClientRect();
  const controls = [...form.children]
    .filter((c) => c.checkVisibility())
    .sort((a, b) => Number(getComputedStyle(a).order) - Number(getComputedStyle(b).order));
  return {
    wide: stage.classList.contains("wide"),
    sideways: document.documentElement.scrollWidth > innerWidth,
    formWidth: origin.width,
    controls: controls.map((c) => {
      const drawn = c.getBoundingClientRect();
      return {
        name: c.getAttribute("aria-label") ?? c.textContent.trim(),
        place: ["left", "top", "width", "height"].map((side) =>
          Number(c.style.getPropertyValue(`--${side}`)),
        ),
        drawn: [drawn.left - origin.left, drawn.top - origin.top, drawn.width, drawn.height],
      };
    }),
  };
};

async function layoutAt(driver, width, height, wide) {
  await driver.setViewport(width, height);
  await settlesTo(
    () => driver.evaluate(() => document.querySelector(".stage").classList.contains("wide")),
    wide,
    `the layout at ${width} px`,
  );
  const drawn = await driver.evaluate(drawnControls);
  const names = drawn.controls.map(({ name }) => name);
  const missing = [first, second, "Сума", "Отчет", "Изчисли", "Изчисти"];
  assert.deepEqual(
    missing.filter((name) => !names.includes(name)),
    [],
    "controls not shown",
  );
  return drawn;
}

// The form's status region after a compute: the sum, and the sum in words as the report gives it.
const spoken = ({ result, report }) =>
  `Сума ${result}, словом: ${report.split("Сумата словом:")[1].trim().replace(/\s+/g, " ")}`;

// The clipboard's text, or "" while it holds none (xclip fails on an empty X clipboard).
const clipboardText = (driver) => driver.clipboard().catch(() => "");

// Puts a text on the clipboard as a pupil does: selected in a box of its own, outside the form,
// and copied with Ctrl+C. The X clipboard changes hands after the key is handled, so the paste
// that follows waits until it holds the text; it would otherwise paste what was there before.
async function copyToClipboard(driver, text) {
  await driver.evaluate((clip) => {
    const source = document.createElement("textarea");
    source.id = "clip";
    source.value = clip;
    document.body.append(source);
    source.focus();
    source.select();
  }, text);
  await driver.press("Control+C");
  for (let polls = 0; (await clipboardText(driver)) !== text; polls += 1) {
    if (polls === 20) throw new Error(`the clipboard does not hold ${JSON.stringify(text)}`);
    await new Promise((resolve) => setTimeout(resolve, 100));
  }
  await driver.evaluate(() => document.getElementById("clip").remove());
}

// How the text comes in, the box, what it holds before, the text, and what the box keeps.
const limits = [
  ["typed", first, "", "4".repeat(70), "4".repeat(65)],
  ["pasted", second, "", "5".repeat(70), "5".repeat(65)],
  ["pasted, cut inside a pair", first, "", "6".repeat(64) + "😀", "6".repeat(64)],
  ["pasted, a pair ending at the limit", second, "", "6".repeat(63) + "😀", "6".repeat(63) + "😀"],
  ["pasted after 60 digits", first, "8".repeat(60), "😀😀😀", "8".repeat(60) + "😀😀"],
];

const pageCases = [
  {
    name: "at its own size the form is the window's client area, every control at its place",
    async run(driver) {
      const { wide, sideways, controls } = await layoutAt(driver, 1280, 800, true);
      assert.deepEqual([wide, sideways], [true, false]);
      const misplaced = controls.filter(({ place, drawn }) =>
        place.some((side, at) => Math.abs(side - drawn[at]) > 1),
      );
      assert.deepEqual(misplaced, [], "controls not at their places");
    },
  },
  {
    name: "at 360 px the controls flow in one column, in reading order, without a sideways scroll",
    async run(driver) {
      const { wide, sideways, formWidth, controls } = await layoutAt(driver, 360, 640, false);
      assert.deepEqual([wide, sideways], [false, false]);
      const outOfColumn = controls.filter(
        ({ drawn: [left, top, width] }, at) =>
          left < -1 ||
          left + width > formWidth + 1 ||
          (at > 0 && top < controls[at - 1].drawn[1] + controls[at - 1].drawn[3] - 1),
      );
      assert.deepEqual(outOfColumn, [], "controls beside or over the one before");
    },
  },
  {
    name: "each worked example, typed with Enter, gives the native result and report",
    async run(driver) {
      const expected = native(workedExamples.map((example) => [example.first, example.second]));
      const wrong = [];
      for (const [at, example] of workedExamples.entries()) {
        await typeOperand(driver, first, example.first);
        await typeOperand(driver, second, example.second);
        await driver.press("Enter");
        const got = { result: await driver.value("Сума"), report: await driver.value("Отчет") };
        const want = { result: expected[at].result, report: shown(expected[at].report) };
        if (!isDeepStrictEqual(got, want)) wrong.push({ example: example.name, got, want });
      }
      assert.deepEqual(wrong, []);
    },
  },
  {
    name: "Enter in either operand box computes",
    async run(driver) {
      for (const [label, pair] of [
        [first, ["98", asStarted]],
        [second, [asStarted, "98"]],
      ]) {
        await driver.open();
        const [expected] = native([pair]);
        await driver.type(label, "98");
        await driver.press("Enter");
        assert.equal(await driver.value("Сума"), expected.result, `Enter in ${label}`);
        assert.equal(await driver.value("Отчет"), shown(expected.report), `Enter in ${label}`);
      }
    },
  },
  {
    name: "200 seeded pairs of up to 65 characters give the native result and report",
    async run(driver) {
      const pairs = randomPairs(200, 29);
      const expected = native(pairs).map(({ result, report }) => [result, shown(report)]);
      // The pairs go in through the boxes' input events, 50 to a round trip: a WebDriver round
      // trip for every key would take minutes in each engine, and typing is proven above.
      const got = [];
      for (let at = 0; at < pairs.length; at += 50) {
        got.push(...(await driver.evaluate(computeInPage, pairs.slice(at, at + 50))));
      }
      const wrong = pairs
        .map((pair, at) => ({ pair, got: got[at], want: expected[at] }))
        .filter(({ got, want }) => !isDeepStrictEqual(got, want));
      assert.deepEqual(wrong, []);
    },
  },
  ...limits.map(([how, label, before, text, kept]) => ({
    name: `${label} keeps 65 UTF-16 units of a text ${how}`,
    async run(driver) {
      if (how === "typed") {
        await driver.type(label, before + text);
      } else {
        await copyToClipboard(driver, text);
        await driver.type(label, before);
        await driver.press("End");
        await driver.press("Control+V");
      }
      assert.equal(await driver.value(label), kept);
    },
  })),
  {
    name: "after Изчисли the status region says the sum in words; after Изчисти the focus is in Число 1",
    async run(driver) {
      const [computed] = native([["12", "-2001"]]);
      await driver.type(first, "12");
      await driver.type(second, "-2001");
      await driver.click("Изчисли");
      await settlesTo(() => driver.status(), spoken(computed), "the status after Изчисли");
      assert.equal(await driver.value("Сума"), computed.result);
      await driver.click("Изчисти");
      assert.equal(await focusedName(driver), first, "the focus after Изчисти");
      await settlesTo(() => driver.status(), "", "the status after Изчисти");
    },
  },
  {
    name: "after a clear by mistake, Ctrl+Z in each operand box brings its number back",
    async run(driver) {
      const pair = ["9".repeat(65), "-" + "1".repeat(64)];
      const [expected] = native([pair]);
      await driver.type(first, pair[0]);
      await driver.type(second, pair[1]);
      await driver.click("Изчисти");
      assert.deepEqual([await driver.value(first), await driver.value(second)], ["", ""]);
      for (const [label, text] of [
        [first, pair[0]],
        [second, pair[1]],
      ]) {
        await driver.focus(label);
        await driver.press("Control+Z");
        assert.equal(await driver.value(label), text, `Ctrl+Z in ${label}`);
      }
      await driver.click("Изчисли");
      assert.equal(await driver.value("Сума"), expected.result);
    },
  },
  {
    name: "the report copied from its box is the native report, CR LF included",
    async run(driver) {
      const [expected] = native([[asStarted, "-1"]]);
      await driver.type(second, "-1");
      await driver.click("Изчисли");
      await driver.focus("Отчет");
      await driver.press("Control+A");
      await driver.press("Control+C");
      assert.equal(await driver.clipboard(), expected.report);
    },
  },
  {
    name: "a command that stops opens the dialog with the native message; Добре closes it",
    async run(driver) {
      const pastTheLimit = "7".repeat(200); // more digits than the digit table holds
      const [expected] = native([[pastTheLimit, asStarted]]);
      assert.notEqual(expected.failure, "", "the native core stops too");
      // Past the limit of typing, as a program may write it.
      await driver.evaluate(
        (text) => (document.querySelector('[aria-label="Число 1"]').value = text),
        pastTheLimit,
      );
      await driver.click("Изчисли");
      assert.deepEqual(await driver.evaluate(failureDialog), {
        open: true,
        role: "alertdialog",
        title: "Velmora — грешка",
        message: expected.failure,
      });
      assert.equal(await driver.value("Сума"), expected.result);
      assert.equal(await driver.value("Отчет"), shown(expected.report));
      await driver.click("Добре");
      assert.equal((await driver.evaluate(failureDialog)).open, false, "the dialog after Добре");
    },
  },
  {
    name: "with WebAssembly switched off the page says so in Bulgarian and shows no form",
    async run(driver) {
      await driver.withoutWasm(async (off) => {
        await settlesTo(
          () => off.evaluate(notice),
          { alert: true, causes: ["wasm-off"], controls: 0 },
          "the notice",
        );
      });
    },
  },
];

// The pairs typed into the boxes as input events give them, then Изчисли; the result and report.
function computeInPage(pairs) {
  const box = (name) => document.querySelector(`[aria-label="${name}"]`);
  const button = box("Изчисли");
  return pairs.map(([a, b]) => {
    for (const [name, text] of [
      ["Число 1", a],
      ["Число 2", b],
    ]) {
      box(name).value = text;
      box(name).dispatchEvent(new InputEvent("input", { bubbles: true, inputType: "insertText" }));
    }
    button.click();
    return [box("Сума").value, box("Отчет").value];
  });
}

function failureDialog() {
  const dialog = document.querySelector("dialog");
  return {
    open: dialog.open,
    role: dialog.getAttribute("role"),
    title: document.getElementById(dialog.getAttribute("aria-labelledby")).textContent,
    message: document.getElementById(dialog.getAttribute("aria-describedby")).textContent,
  };
}

// The notice as shown: whether it is, the causes it gives, and the controls shown beside it.
const notice = () => ({
  alert: document.querySelector('[role="alert"]').checkVisibility(),
  causes: [...document.querySelectorAll("[data-cause]")]
    .filter((text) => text.checkVisibility())
    .map((text) => text.dataset.cause),
  controls: [...document.querySelectorAll("input, textarea, button")].filter((c) =>
    c.checkVisibility(),
  ).length,
});

const focusedName = (driver) =>
  driver.evaluate(() => document.activeElement.getAttribute("aria-label"));

module.exports = { pageCases };

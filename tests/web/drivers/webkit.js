// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// The page cases' driver over WebKitGTK, the engine of Safari: Debian's WebKitWebDriver starts
// the MiniBrowser that comes with the engine, on the X display of the run, and selenium-webdriver
// speaks WebDriver to it.
const { Builder, Key } = require("selenium-webdriver");
const { execFileSync, spawn } = require("node:child_process");
const { mkdirSync, mkdtempSync, rmSync, writeFileSync } = require("node:fs");
const net = require("node:net");
const os = require("node:os");
const path = require("node:path");
const { pathToFileURL } = require("node:url");
const { pageFile } = require("../native.js");
const { findControl, statusText, isReady, splitKeys } = require("./in_page.js");

const keys = { Control: Key.CONTROL, Enter: Key.ENTER, End: Key.END };

// A port the OS picks, free when asked for; WebKitWebDriver takes a port, not a socket.
const freePort = () =>
  new Promise((given, failed) => {
    const probe = net.createServer().once("error", failed);
    probe.listen(0, "127.0.0.1", () => {
      const { port } = probe.address();
      probe.close(() => given(port));
    });
  });

async function untilListening(url, driverProcess) {
  for (const end = Date.now() + 20_000; Date.now() < end;) {
    if (driverProcess.exitCode !== null) break;
    try {
      if ((await fetch(`${url}/status`)).ok) return;
    } catch {
      await new Promise((wait) => setTimeout(wait, 100));
    }
  }
  throw new Error("WebKitWebDriver did not start");
}

// MiniBrowser's toolbar would keep its window at least 447 px wide; GTK's style for it, in a
// settings folder of the session's own, narrows its buttons and address box so the page can
// have 360 px, in GTK 3 or 4, whichever the MiniBrowser of the release is built with.
function narrowToolbar() {
  const settings = mkdtempSync(path.join(os.tmpdir(), "velmora-webkit-"));
  for (const gtk of ["gtk-3.0", "gtk-4.0"]) {
    mkdirSync(path.join(settings, gtk));
    writeFileSync(
      path.join(settings, gtk, "gtk.css"),
      "button, entry { padding: 0; min-width: 0; }\n",
    );
  }
  return settings;
}

// The environment given to the browser: JavaScriptCore reads its options from JSC_ variables.
async function startSession(environment) {
  const port = await freePort();
  const settings = narrowToolbar();
  const driverProcess = spawn("WebKitWebDriver", [`--port=${port}`], {
    env: { ...process.env, XDG_CONFIG_HOME: settings, ...environment },
    stdio: ["ignore", "ignore", "inherit"],
  });
  const stopDriver = () => {
    driverProcess.kill();
    rmSync(settings, { recursive: true, force: true });
  };
  const url = `http://127.0.0.1:${port}`;
  try {
    await untilListening(url, driverProcess);
    const session = await new Builder()
      .usingServer(url)
      .withCapabilities({ browserName: "MiniBrowser", "webkitgtk:browserOptions": { args: [] } })
      .build();
    return { session, stop: () => session.quit().finally(stopDriver) };
  } catch (error) {
    stopDriver();
    throw error;
  }
}

async function sessionDriver(session) {
  const control = async (name) => {
    const element = await session.executeScript(`return (${findControl})(arguments[0])`, name);
    if (!element) throw new Error(`no visible control named ${name}`);
    return element;
  };
  const evaluate = (fn, arg) => session.executeScript(`return (${fn})(arguments[0])`, arg);
  const version = (await session.getCapabilities()).get("browserVersion");
  return {
    engine: `WebKitGTK ${version}`,
    async open() {
      await session.get(pathToFileURL(pageFile).href);
      await session.wait(() => evaluate(isReady), 10_000);
    },
    // The window's outer size is what WebDriver sets; the page's room is what is left inside.
    // The page learns of a new size a moment after the window has it, so each correction starts
    // from the window's size as it is and the room once it has stopped changing.
    async setViewport(width, height) {
      const window = session.manage().window();
      const room = () => evaluate(() => [innerWidth, innerHeight]);
      const settledRoom = async () => {
        let last = await room();
        for (let polls = 0; polls < 20; polls += 1) {
          await new Promise((resolve) => setTimeout(resolve, 100));
          const now = await room();
          if (now[0] === last[0] && now[1] === last[1]) return now;
          last = now;
        }
        return last;
      };
      await window.setRect({ width, height });
      let inner = await settledRoom();
      for (let step = 0; step < 4 && (inner[0] !== width || inner[1] !== height); step += 1) {
        const outer = await window.getRect();
        await window.setRect({
          width: outer.width + width - inner[0],
          height: outer.height + height - inner[1],
        });
        inner = await settledRoom();
      }
      if (inner[0] !== width || inner[1] !== height) {
        throw new Error(
          `MiniBrowser gives the page ${inner.join(" × ")} px, not ${width} × ${height}`,
        );
      }
    },
    focus: async (name) => session.executeScript("arguments[0].focus()", await control(name)),
    async type(name, text) {
      const box = await control(name);
      await box.clear();
      await session.executeScript("arguments[0].focus()", box);
      if (text) await box.sendKeys(text);
    },
    value: async (name) => session.executeScript("return arguments[0].value", await control(name)),
    async press(pressed) {
      const { modifiers, key } = splitKeys(pressed);
      let actions = session.actions();
      for (const modifier of modifiers) actions = actions.keyDown(keys[modifier]);
      actions = actions.sendKeys(keys[key] ?? key.toLowerCase());
      for (const modifier of modifiers.reverse()) actions = actions.keyUp(keys[modifier]);
      await actions.perform();
    },
    click: async (name) => (await control(name)).click(),
    status: () => evaluate(statusText),
    // WebKit hands a page's paste event the clipboard's CR LF as LF, its own harmless way: the
    // X clipboard is read as another program pastes it.
    clipboard: async () =>
      execFileSync("xclip", ["-o", "-selection", "clipboard"], { encoding: "utf8" }),
    evaluate,
    async withoutWasm(use) {
      const off = await startSession({ JSC_useWasm: "false" });
      try {
        await off.session.get(pathToFileURL(pageFile).href);
        await use(await sessionDriver(off.session));
      } finally {
        await off.stop();
      }
    },
  };
}

async function startWebKit() {
  const { session, stop } = await startSession({});
  return { ...(await sessionDriver(session)), quit: stop };
}

module.exports = { startWebKit };

// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// The page cases that every engine runs (page_cases.js), in Firefox ESR and WebKitGTK through
// WebDriver, each engine in one browser session, the page opened afresh for every case. Run by
// node's test runner under an X display, which WebKitGTK needs: a failure names the engine and
// the case. VELMORA_ENGINES=firefox (or webkit) runs one alone.
import { after, before, describe, test } from "node:test";
import { createRequire } from "node:module";

const require = createRequire(import.meta.url);
const { pageCases } = require("./page_cases.js");
const engines = {
  firefox: ["Firefox ESR", require("./drivers/firefox.js").startFirefox],
  webkit: ["WebKitGTK", require("./drivers/webkit.js").startWebKit],
};
const chosen = (process.env.VELMORA_ENGINES ?? "firefox webkit").split(/\s+/).filter(Boolean);

for (const [name, start] of chosen.map((engine) => engines[engine])) {
  describe(name, () => {
    let driver;
    before(
      async () => {
        driver = await start();
        console.log(driver.engine);
      },
      { timeout: 60_000 },
    );
    after(() => driver?.quit());
    for (const pageCase of pageCases) {
      test(`${name}: ${pageCase.name}`, { timeout: 120_000 }, async () => {
        await driver.open();
        await pageCase.run(driver);
      });
    }
  });
}

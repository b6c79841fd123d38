// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the page's start spends its time, from a Chrome trace taken through the DevTools protocol
// (devtools.timeline and V8's categories) while the page opens in a fresh tab. Medians over
// VELMORA_TRACE_RUNS runs (10 by default); several pages are traced in turn, run by run, so that
// a busy machine weighs on each alike:
//   node bench/web/start_trace.mjs [PAGE]...
// The page is build-web/velmora.html, or VELMORA_PAGE, when none is named.
import { chromium } from "@playwright/test";
import chromiumLaunch from "../../tests/web/chromium.js";
import path from "node:path";
import { fileURLToPath, pathToFileURL } from "node:url";

const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), "../..");
const named = process.argv.slice(2);
const pages = named.length
  ? named
  : [process.env.VELMORA_PAGE ?? path.join(root, "build-web/velmora.html")];
const runs = Math.max(1, Number(process.env.VELMORA_TRACE_RUNS ?? 10));

const categories = [
  "devtools.timeline",
  "disabled-by-default-devtools.timeline",
  "v8",
  "v8.execute",
  "v8.wasm",
  "blink.user_timing",
  "loading",
];

// Marks the moment the core has started, in any edition of the page: the factory, a global of
// the glue's classic script, is wrapped as it is defined, to mark when its core is there.
function markCoreStarted() {
  let factory;
  Object.defineProperty(globalThis, "createVelmora", {
    configurable: true,
    get: () => factory,
    set(value) {
      factory = async (...args) => {
        const core = await value(...args);
        performance.mark("velmora-core");
        return core;
      };
    },
  });
}

// The renderer's main-thread work, by what it is; an event's time is its own, without the events
// nested in it, so that nothing counts twice.
const kinds = [
  ["HTML parse", /^ParseHTML$/],
  ["script parse and compile", /^(v8\.compile|v8\.compileModule|v8\.parseOnBackground)$/],
  ["wasm compile", /^(wasm\.|v8\.wasm\.)/],
  ["script run", /^(v8\.run|v8\.evaluateModule|v8\.callFunction|FunctionCall|RunMicrotasks)$/],
  ["style", /^(UpdateLayoutTree|ParseAuthorStyleSheet)$/],
  ["layout", /^Layout$/],
  ["paint", /^(PrePaint|Paint|Layerize|Commit|PaintImage)$/],
];

async function traceOnce(browser, file) {
  const url = pathToFileURL(file).href;
  const context = await browser.newContext();
  const page = await context.newPage();
  await page.addInitScript(markCoreStarted);
  const session = await context.newCDPSession(page);
  const events = [];
  session.on("Tracing.dataCollected", ({ value }) => events.push(...value));
  const complete = new Promise((resolve) => session.once("Tracing.tracingComplete", resolve));
  await session.send("Tracing.start", {
    transferMode: "ReportEvents",
    traceConfig: { includedCategories: categories },
  });
  await page.goto(url);
  await page.waitForFunction(() => document.documentElement.dataset.ready === "true");
  await page.waitForFunction(() => performance.getEntriesByName("first-contentful-paint").length);
  await session.send("Tracing.end");
  await complete;
  await context.close();
  return analyse(events, url);
}

function analyse(events, url) {
  const parse = events.find((e) => e.name === "ParseHTML" && e.args?.beginData?.url === url);
  const main = events
    .filter((e) => e.pid === parse.pid && e.tid === parse.tid)
    .sort((a, b) => a.ts - b.ts || (b.dur ?? 0) - (a.dur ?? 0));
  const navigation = main.filter(
    (e) => e.name === "navigationStart" && e.args.data?.documentLoaderURL === url,
  );
  const { ts: start, args } = navigation.at(-1);
  const ofThisPage = (e) =>
    (e.args.data?.navigationId ?? args.data.navigationId) === args.data.navigationId;
  const at = (name, from = start) =>
    main.find((e) => e.name === name && e.ts >= from && ofThisPage(e))?.ts;
  const ready = at("velmora-ready");
  // The first frame with the form in it: the first commit to the compositor after the ready mark.
  const painted = main.find((e) => e.name === "Commit" && e.ts >= ready);
  const marks = {
    "navigation start": start,
    "HTML parse starts": parse.ts,
    "DOM interactive": at("domInteractive", parse.ts),
    "core started": at("velmora-core"),
    "ready to compute": ready,
    "form painted": painted && painted.ts + painted.dur,
  };
  const end = marks["form painted"];

  // Own times: a complete event's time less that of the complete events directly inside it.
  const own = Object.fromEntries(kinds.map(([kind]) => [kind, 0]));
  // The same within each stretch between two marks, by where the event starts.
  const stretches = Object.entries(marks).filter(([, ts]) => ts !== undefined);
  const during = {};
  const stretchOf = (ts) => {
    const index = stretches.findLastIndex(([, from]) => from <= ts);
    return `${stretches[index][0]} → ${stretches[index + 1]?.[0] ?? "end"}`;
  };
  const open = [];
  const close = (until) => {
    while (open.length && open.at(-1).ts + open.at(-1).dur <= until) {
      const done = open.pop();
      if (done.kind) {
        own[done.kind] += done.self;
        const key = `${done.stretch}: ${done.kind}`;
        during[key] = (during[key] ?? 0) + done.self;
      }
    }
  };
  for (const e of main) {
    if (e.ph !== "X" || e.ts < start || e.ts > end) continue;
    close(e.ts);
    if (open.length) open.at(-1).self -= e.dur;
    const kind = kinds.find(([, names]) => names.test(e.name))?.[0];
    open.push({ ts: e.ts, dur: e.dur, self: e.dur, kind, stretch: stretchOf(e.ts) });
  }
  close(Infinity);
  const background = events
    .filter((e) => e.pid === parse.pid && e.tid !== parse.tid && e.ph === "X")
    .filter((e) => /^(wasm\.|v8\.wasm\.)/.test(e.name) && e.ts >= start && e.ts <= end)
    .reduce((sum, e) => sum + e.dur, 0);
  own["wasm compile off the main thread"] = background;
  const millis = (micros) => micros / 1000;
  const names = Object.keys(marks);
  const phases = {};
  for (let i = 1; i < names.length; ++i) {
    const from = names.slice(0, i).findLast((name) => marks[name] !== undefined);
    if (marks[names[i]] !== undefined) {
      phases[`${from} → ${names[i]}`] = millis(marks[names[i]] - marks[from]);
    }
  }
  phases["navigation start → form painted"] = millis(end - start);
  return {
    phases,
    kinds: Object.fromEntries(Object.entries(own).map(([k, v]) => [k, millis(v)])),
    during: Object.fromEntries(Object.entries(during).map(([k, v]) => [k, millis(v)])),
  };
}

function median(values) {
  const sorted = [...values].sort((a, b) => a - b);
  const middle = sorted.length >> 1;
  return sorted.length % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
}

function summary(traces, part) {
  const names = [...new Set(traces.flatMap((trace) => Object.keys(trace[part])))];
  return names.map((name) => [
    name,
    median(traces.map((trace) => trace[part][name]).filter((v) => v !== undefined)),
  ]);
}

async function main() {
  const browser = await chromium.launch(chromiumLaunch);
  try {
    const traces = pages.map(() => []);
    for (const file of pages) await traceOnce(browser, file); // a first open warms the caches
    for (let run = 0; run < runs; ++run) {
      for (const [index, file] of pages.entries()) {
        traces[index].push(await traceOnce(browser, file));
      }
    }
    for (const [index, file] of pages.entries()) {
      console.log(`${file}: medians of ${runs} traced starts, in ms`);
      const titles = {
        phases: "  from mark to mark",
        kinds: "  main thread, by kind",
        during: "  main thread, by kind, between two marks",
      };
      for (const [part, title] of Object.entries(titles)) {
        console.log(title);
        for (const [name, value] of summary(traces[index], part)) {
          if (value >= 0.1) console.log(`    ${name.padEnd(64)} ${value.toFixed(2).padStart(7)}`);
        }
      }
    }
  } finally {
    await browser.close();
  }
}

main().catch((error) => {
  console.error(`start_trace: ${error.message}`);
  process.exit(1);
});

// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// The whole compute in wasm under node, both operands typed and "Изчисли" clicked, its answer
// read as the page reads it (the texts it names are read outside the timed runs), in V8's
// optimising tier alone (node --no-liftoff). With its baseline tier, V8 moves the wasm to the
// optimising one at a different moment in every run, and the median swings with that moment.
// web_bench.mjs runs it in a node of its own; alone:
//   node --no-liftoff bench/web/core_in_wasm.mjs [velmora.js [runs]]
// prints the median time of one compute in µs and the two reports the page is to show, as JSON.
import { execFileSync } from "node:child_process";
import { createRequire } from "node:module";
import path from "node:path";
import { fileURLToPath } from "node:url";

// The operands of BM_FullReport (bench/core_bench_words.cpp): a sum with 22 non-zero groups.
export const firstOperand = "43141592653589793238462643383279502884197169399375105820974944592";
export const secondOperand = "52718281828459045235360287471352662497757247093699959574966967627";

const thisFile = fileURLToPath(import.meta.url);

function median(values) {
  const sorted = [...values].sort((a, b) => a - b);
  const middle = sorted.length >> 1;
  return sorted.length % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
}

async function coreInWasm(moduleFile, runs) {
  const core = await createRequire(import.meta.url)(moduleFile)();
  const form = new core.Form();
  const compute = (first, second) => {
    form.typed(3, first);
    form.typed(4, second);
    const { failure } = form.click(0);
    if (failure !== "") throw new Error(failure);
  };
  const once = () => compute(firstOperand, secondOperand);
  // The module's script around the wasm still goes through V8's tiers first.
  for (let i = 0; i < 4000; ++i) once();
  const batch = 200;
  const times = [];
  for (let run = 0; run < runs; ++run) {
    const start = process.hrtime.bigint();
    for (let i = 0; i < batch; ++i) once();
    times.push(Number(process.hrtime.bigint() - start) / 1e3 / batch);
  }
  const reportOf = (first, second) => {
    compute(first, second);
    return form.text(1);
  };
  const reports = [reportOf(firstOperand, secondOperand), reportOf(secondOperand, firstOperand)];
  form.delete();
  return { micros: median(times), reports };
}

// The measure in a node of its own, started with --no-liftoff: { micros, reports }.
export function measureCoreInWasm(moduleFile, runs) {
  const output = execFileSync(
    process.execPath,
    ["--no-liftoff", thisFile, moduleFile, String(runs)],
    { encoding: "utf8" },
  );
  return JSON.parse(output);
}

if (process.argv[1] === thisFile) {
  if (!process.execArgv.includes("--no-liftoff")) {
    console.error(
      "core_in_wasm: run it as node --no-liftoff, so that only the optimising tier runs",
    );
    process.exit(2);
  }
  const root = path.resolve(path.dirname(thisFile), "../..");
  const moduleFile = path.resolve(process.argv[2] ?? path.join(root, "build-web/velmora.js"));
  console.log(JSON.stringify(await coreInWasm(moduleFile, Number(process.argv[3] ?? 30))));
}

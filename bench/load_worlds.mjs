// Load cost of the worlds in the browser: the viewer page in its plain mode (the world exactly as
// written, none of the viewer's framing) in headless chromium with software GL, as the browser
// tests run it. Prints, for every world and every set of files, the median over the rounds of
// the page's own load time (navigation start to X_ITE's world loaded), and that time beyond the
// empty world's. Rounds interleave the sets and worlds, so a machine that slows down meanwhile
// slows all of them alike.
//
//   node bench/load_worlds.mjs --set NAME=DIR [--set NAME=DIR ...] [--rounds 3]
//        [--only WORLD ...] [--profile WORLD]
//
// Each DIR holds worlds and the proto files beside them, e.g. for the sample worlds and the
// 181 x 181 two-surface world of a build:
//   build/sample/atrium-test --out DIR --no-open
//   build/tests/browser/surface_scale_world DIR
// An empty world is added to every set. --profile WORLD also records Chromium's CPU profile
// while WORLD loads (once per set) and prints where the time went.
// Needs the build's node_modules (playwright-core, x_ite): ATRIUM_NODE_MODULES or build/.
import { cp, mkdtemp, readdir, readFile, rm, writeFile } from "node:fs/promises";
import os from "node:os";
import path from "node:path";
import { parseArgs } from "node:util";

import { launchBrowser, mountsFor, openWorld, serve } from "../tests/browser/harness.mjs";

const EMPTY = "empty.wrl";

const { values } = parseArgs({
  options: {
    set: { type: "string", multiple: true, default: [] },
    rounds: { type: "string", default: "3" },
    only: { type: "string", multiple: true, default: [] },
    profile: { type: "string" },
  },
});
if (values.set.length === 0) {
  console.error("usage: node bench/load_worlds.mjs --set NAME=DIR [--set NAME=DIR ...] [--rounds N] " +
                "[--only WORLD ...] [--profile WORLD]");
  process.exit(2);
}

const median = (xs) => {
  const s = [...xs].sort((a, b) => a - b);
  return s.length % 2 ? s[(s.length - 1) / 2] : (s[s.length / 2 - 1] + s[s.length / 2]) / 2;
};

// Each set copied to a folder of its own with the empty world added.
const scratch = await mkdtemp(path.join(os.tmpdir(), "atrium-load-"));
const sets = [];
for (const spec of values.set) {
  const [name, dir] = spec.split(/=(.*)/s);
  const copy = path.join(scratch, name);
  await cp(dir, copy, { recursive: true });
  await writeFile(path.join(copy, EMPTY), "#VRML V2.0 utf8\n");
  // A folder written by atrium-test holds the viewer page too; otherwise it comes from the source.
  const viewerFromSource = !(await readdir(copy)).includes("index.html");
  sets.push({ name, dir: copy, viewerFromSource });
}
const worldsOf = async (dir) =>
  (await readdir(dir)).filter((f) => f.endsWith(".wrl") && !f.startsWith("HV_")).sort();
let worlds = [EMPTY, ...(await worldsOf(sets[0].dir)).filter((w) => w !== EMPTY)];
if (values.only.length) worlds = worlds.filter((w) => w === EMPTY || values.only.includes(w));

const browser = await launchBrowser();
const times = new Map(); // "set|world" -> [ms]
try {
  for (let round = 0; round < Number(values.rounds); ++round) {
    for (const world of worlds) {
      for (const set of sets) {
        const session = await openWorld({ root: set.dir, world, viewerFromSource: set.viewerFromSource, browser,
                                           timeoutMs: 180000 });
        const key = `${set.name}|${world}`;
        times.set(key, [...(times.get(key) ?? []), session.loadMs]);
        console.error(`round ${round + 1}: ${world} (${set.name}) ${session.loadMs} ms`);
        await session.close();
      }
    }
  }
  const width = Math.max(...worlds.map((w) => w.length), 5);
  const cell = (s) => String(s).padStart(18);
  console.log(`${"world".padEnd(width)}${sets.map((s) => cell(`${s.name} ms (+empty)`)).join("")}`);
  for (const world of worlds) {
    const row = sets.map((s) => {
      const ms = median(times.get(`${s.name}|${world}`));
      const beyond = ms - median(times.get(`${s.name}|${EMPTY}`));
      return cell(world === EMPTY ? `${ms}` : `${ms} (+${beyond})`);
    });
    console.log(`${world.padEnd(width)}${row.join("")}`);
  }
  console.log(`medians of ${values.rounds} interleaved rounds; ${os.cpus().length} CPUs, load average ` +
              os.loadavg().map((l) => l.toFixed(1)).join(" "));

  if (values.profile) for (const set of sets) await profile(set, values.profile);
} finally {
  await browser.close();
  await rm(scratch, { recursive: true, force: true });
}

// Loads `world` of `set` with Chromium's sampling CPU profiler on, and prints where the time went:
// self time by kind (the proto files' scripts, X_ITE, WebAssembly, garbage collection, idle) and
// the proto script functions with the most time including what they call, and the functions with
// the most time of their own.
async function profile(set, world) {
  const server = await serve(mountsFor(set.dir, set.viewerFromSource));
  const context = await browser.newContext({ viewport: { width: 800, height: 600 } });
  try {
    const page = await context.newPage();
    const cdp = await context.newCDPSession(page);
    await cdp.send("Profiler.enable");
    await cdp.send("Profiler.setSamplingInterval", { interval: 200 });
    await cdp.send("Profiler.start");
    await page.goto(`${server.url}/index.html?world=${encodeURIComponent(world)}&plain`);
    await page.waitForFunction(() => window.atriumViewer?.state !== "loading", null, { timeout: 180000 });
    const { profile: result } = await cdp.send("Profiler.stop");
    // Frames of the proto files' scripts come without a script address (X_ITE compiles them):
    // they are told by the names of the functions the proto files define.
    const defined = new Set();
    for (const file of (await readdir(set.dir)).filter((f) => f.startsWith("HV_")))
      for (const m of (await readFile(path.join(set.dir, file), "utf8")).matchAll(/function\s+(\w+)\s*\(/g))
        defined.add(m[1]);
    const byId = new Map(result.nodes.map((n) => [n.id, n]));
    const parent = new Map();
    for (const n of result.nodes) for (const c of n.children ?? []) parent.set(c, n.id);
    const isProtoScript = (f) => f.url === "" && defined.has(f.functionName);
    const where = (f) => f.functionName.startsWith("(") ? f.functionName
      : isProtoScript(f) ? "proto scripts" : f.url.startsWith("wasm") || f.url.endsWith(".wasm") ? "wasm"
      : f.url.split("/").pop() || "other";
    const kind = new Map(), inclusive = new Map(), self = new Map();
    let total = 0;
    result.samples.forEach((id, i) => {
      const ms = (result.timeDeltas[i] ?? 0) / 1000;
      total += ms;
      const add = (map, key) => map.set(key, (map.get(key) ?? 0) + ms);
      const frame = byId.get(id).callFrame;
      add(kind, where(frame));
      add(self, `${frame.functionName || "(anonymous)"} (${where(frame)})`);
      const seen = new Set();
      for (let n = id; n !== undefined; n = parent.get(n)) {
        const f = byId.get(n).callFrame;
        if (isProtoScript(f) && !seen.has(f.functionName)) {
          seen.add(f.functionName);
          add(inclusive, f.functionName);
        }
      }
    });
    const show = (map, count) => [...map].sort((a, b) => b[1] - a[1]).slice(0, count)
      .map(([name, ms]) => `${String(Math.round(ms)).padStart(8)} ms  ${name}`).join("\n");
    console.log(`\nCPU profile of ${world} (${set.name}): ${Math.round(total)} ms sampled\n` +
                `self time by where it is spent:\n${show(kind, 8)}\n` +
                `proto script functions, time including what they call:\n${show(inclusive, 12)}\n` +
                `functions by self time:\n${show(self, 15)}`);
  } finally {
    await context.close();
    await server.close();
  }
}

// Load time of the viewer page: navigation start to the first frame drawn with the view in
// place, in headless chromium (software GL), for each world of a folder the sample program
// wrote, in the full viewer and with ?plain (the world as written, no framing), and for a
// plotly chart of the same kind and size where one is given (a comparison only: plotly is
// installed for this script by hand and never shipped). Rounds are interleaved (every world
// and page once per round) and the table gives each median with the ratios.
//
//   npm install --prefix build/bench-npm --no-save plotly.js-dist-min
//   node bench/viewer_load.mjs --root build/tests/browser/sample_worlds \
//        [--plotly build/bench-npm/node_modules/plotly.js-dist-min/plotly.min.js] [--rounds 3]
import { copyFile, mkdtemp, readdir, rm, writeFile } from "node:fs/promises";
import os from "node:os";
import path from "node:path";
import { parseArgs } from "node:util";

import { launchBrowser, serve } from "../tests/browser/harness.mjs";

const PROTO_FILES = new Set(["HV_GRAPH.wrl", "HV_NAV.wrl", "HV_UI.wrl"]);
const LOAD_LIMIT_MS = 300000;

// Plotly charts of the sample worlds' kinds and sizes: area (3 series of 5), surface (two
// 10 x 5 surfaces), pie (4 slices), scatter (3 categories, 6 frames of points).
const wave = (n, k) => Array.from({ length: n }, (_, i) => 5 + 4 * Math.sin(i * 1.3 + k));
const TWINS = {
  "AreaGraphTest.wrl": () => [0, 1, 2].map((k) => ({ type: "scatter3d", mode: "lines", x: [1, 2, 3, 4, 5],
    y: Array(5).fill(k), z: wave(5, k), surfaceaxis: 1 })),
  "SurfaceGraphTest.wrl": () => [0, 5].map((k) => ({ type: "surface", z: Array.from({ length: 5 }, (_, r) => wave(10, r + k)) })),
  "PieGraphTest.wrl": () => [{ type: "pie", hole: 0.4, values: [10, 20, 40, 30] }],
  "ScatterGraphTest.wrl": () => [0, 1, 2].map((k) => ({ type: "scatter3d", mode: "markers",
    x: wave(20, k), y: wave(20, k + 1), z: wave(20, k + 2), marker: { size: wave(20, k) } })),
};

const twinPage = (traces) => `<!DOCTYPE html><meta charset="utf-8"><title>twin</title>
<style>html,body,#chart{margin:0;width:100%;height:100%}</style><div id="chart"></div>
<script src="plotly.min.js"></script><script>
Plotly.newPlot("chart", ${JSON.stringify(traces)}).then(() => requestAnimationFrame(() => {
  window.atriumViewer = { state: "loaded", loadMs: Math.round(performance.now()) };
}));
</script>`;

async function loadMs(browser, url) {
  const context = await browser.newContext({ viewport: { width: 1366, height: 768 } });
  try {
    const page = await context.newPage();
    await page.goto(url, { timeout: LOAD_LIMIT_MS });
    await page.waitForFunction(() => window.atriumViewer && window.atriumViewer.state !== "loading", null,
      { timeout: LOAD_LIMIT_MS, polling: 50 });
    const { state, loadMs: ms, error } = await page.evaluate(() => window.atriumViewer);
    if (state !== "loaded") throw new Error(`${url}: ${error ?? state}`);
    return ms;
  } finally {
    await context.close();
  }
}

const median = (values) => values.slice().sort((a, b) => a - b)[Math.floor(values.length / 2)];

async function main() {
  const { values: args } = parseArgs({ options: {
    root: { type: "string" }, plotly: { type: "string" }, rounds: { type: "string", default: "3" } } });
  if (!args.root) {
    console.error("usage: node bench/viewer_load.mjs --root WORLD_FOLDER [--plotly plotly.min.js] [--rounds N]");
    return 2;
  }
  const worlds = (await readdir(args.root)).filter((n) => n.endsWith(".wrl") && !PROTO_FILES.has(n)).sort();
  // The twins and plotly in a folder of their own, served beside the worlds.
  const twins = await mkdtemp(path.join(os.tmpdir(), "atrium-twins-"));
  const mounts = [{ prefix: "/", dir: path.resolve(args.root) }];
  if (args.plotly) {
    await copyFile(args.plotly, path.join(twins, "plotly.min.js"));
    for (const [world, traces] of Object.entries(TWINS))
      await writeFile(path.join(twins, `twin_${world}.html`), twinPage(traces()));
    mounts.unshift({ prefix: "/twins/", dir: twins });
  }
  const server = await serve(mounts);
  const browser = await launchBrowser();
  const pages = (world) => ({
    full: `${server.url}/index.html?world=${encodeURIComponent(world)}`,
    plain: `${server.url}/index.html?world=${encodeURIComponent(world)}&plain`,
    ...(args.plotly && TWINS[world] ? { plotly: `${server.url}/twins/twin_${world}.html` } : {}),
  });
  const times = new Map(worlds.map((w) => [w, {}]));
  try {
    for (let round = 0; round < Number(args.rounds); round++)
      for (const world of worlds)
        for (const [kind, url] of Object.entries(pages(world)))
          (times.get(world)[kind] ??= []).push(await loadMs(browser, url));
  } finally {
    await browser.close();
    await server.close();
    await rm(twins, { recursive: true, force: true });
  }
  const cell = (v) => (v === undefined ? "-" : String(v)).padStart(8);
  const ratio = (a, b) => (a === undefined || b === undefined ? "-" : (a / b).toFixed(2)).padStart(12);
  console.log(`medians of ${args.rounds} interleaved rounds, ms from navigation to drawn (1366 x 768)`);
  console.log(`${"world".padEnd(24)}${cell("full")}${cell("plain")}${cell("plotly")}${"full/plain".padStart(12)}${"full/plotly".padStart(12)}`);
  for (const [world, t] of times) {
    const [full, plain, plotly] = ["full", "plain", "plotly"].map((k) => t[k] && median(t[k]));
    console.log(`${world.padEnd(24)}${cell(full)}${cell(plain)}${cell(plotly)}${ratio(full, plain)}${ratio(full, plotly)}`);
  }
  return 0;
}

main().then((status) => { process.exitCode = status; }, (error) => {
  console.error(error.message);
  process.exitCode = 1;
});

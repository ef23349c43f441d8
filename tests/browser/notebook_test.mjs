// A chart shown in a notebook: the page a Python chart's _repr_html_ gives (its self-contained
// page in an iframe's srcdoc, whose address is about:srcdoc) inside a host page opened from disk.
// The chart must load, be framed whole, and its legend panel must hide a series in the world.
//   node tests/browser/notebook_test.mjs --python PYTHON --out DIR
// (PYTHONPATH must reach the atrium package). Exit status as for harness.mjs (77 = skipped).
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import { mkdirSync, writeFileSync } from "node:fs";
import path from "node:path";
import { pathToFileURL } from "node:url";
import { parseArgs } from "node:util";

import { exitStatus, launchBrowser } from "./harness.mjs";

const LIMIT_MS = 180000;
const { values: args } = parseArgs({ options: { python: { type: "string" }, out: { type: "string" } } });

const chart = `import atrium
print(atrium.pie([3, 2, 1], ["Rent", "Food", "Other"], title="Budget")._repr_html_())`;

async function main() {
  mkdirSync(args.out, { recursive: true });
  const host = path.join(args.out, "notebook.html");
  const cell = execFileSync(args.python, ["-c", chart], { encoding: "utf8", maxBuffer: 1 << 26 });
  writeFileSync(host, `<!DOCTYPE html><html><body><h1>Notebook</h1>\n${cell}</body></html>\n`);

  const browser = await launchBrowser();
  try {
    const page = await browser.newPage({ viewport: { width: 1000, height: 700 } });
    const problems = [];
    page.on("pageerror", (error) => problems.push(error.message));
    page.on("console", (message) => message.type() === "error" && problems.push(message.text()));
    await page.goto(pathToFileURL(host).href);
    const frame = page.frames().find((f) => f !== page.mainFrame());
    assert.ok(frame, "the chart's iframe");
    await frame.waitForFunction(() => window.atriumViewer?.state !== "loading", null, { timeout: LIMIT_MS });
    const state = await frame.evaluate(() => ({ ...window.atriumViewer, camera: null, worlds: null }));
    assert.equal(state.state, "loaded", `the chart loads: ${state.error}`);
    assert.equal(state.world, "chart.wrl");
    assert.equal(state.framed, true, "the whole chart is framed");

    // The panel marks an entry off only when the world's own check box says so.
    const entry = "#legend label:first-child";
    assert.equal(await frame.$eval(entry, (row) => row.classList.contains("off")), false);
    await frame.click(`${entry} input`);
    await frame.waitForFunction((selector) => document.querySelector(selector).classList.contains("off"), entry,
                                { timeout: LIMIT_MS });
    await page.screenshot({ path: path.join(args.out, "notebook.png") });
    assert.deepEqual(problems, [], "no page errors");
  } finally {
    await browser.close();
  }
}

main().catch((error) => {
  console.error(error.stack ?? error.message);
  process.exit(exitStatus(error));
});

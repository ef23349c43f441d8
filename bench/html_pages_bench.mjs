// The self-contained pages against the served viewer, from one run: each page's size, and the
// time until the world is drawn in the full viewer (the viewer's loadMs: navigation start to
// world loaded and framed) when the page is opened from disk and when the world is served.
//
//   build/sample/atrium-test --no-open --html --out DIR
//   node bench/html_pages_bench.mjs DIR
//
// DIR holds the worlds, their pages (NAME.html), the proto files and the viewer page, as
// atrium-test --html leaves them. The npm packages are found as the browser tests find them
// (ATRIUM_NODE_MODULES, else build/node_modules). Goal: the area graph's page at most 3.5 MB.
import { readdir, stat } from "node:fs/promises";
import path from "node:path";

import { launchBrowser, openWorld } from "../tests/browser/harness.mjs";

const GOAL_BYTES = 3.5e6;
const dir = process.argv[2];
if (!dir) {
  console.error("usage: node bench/html_pages_bench.mjs DIR   (DIR written by atrium-test --html)");
  process.exit(2);
}

const drawnMs = async (options) => {
  const session = await openWorld({ ...options, plain: false, timeoutMs: 300000, viewport: { width: 1366, height: 768 } });
  try {
    return session.loadMs;
  } finally {
    await session.close();
  }
};

const browser = await launchBrowser();
const rows = [];
try {
  const pages = (await readdir(dir)).filter((name) => name.endsWith(".html") && name !== "index.html").sort();
  for (const page of pages) {
    const world = page.replace(/\.html$/, ".wrl");
    const bytes = (await stat(path.join(dir, page))).size;
    const fromDisk = await drawnMs({ page: path.join(dir, page), browser });
    const served = await drawnMs({ root: dir, world, browser });
    rows.push({ page, bytes, fromDisk, served });
    console.log(`${page.padEnd(22)} ${(bytes / 1e6).toFixed(2).padStart(6)} MB  drawn from file:// ${String(fromDisk).padStart(6)} ms` +
      `  served ${String(served).padStart(6)} ms`);
  }
} finally {
  await browser.close();
}
const area = rows.find((row) => row.page === "AreaGraphTest.html");
if (area) console.log(`area graph page ${(area.bytes / 1e6).toFixed(2)} MB: ${area.bytes <= GOAL_BYTES ? "within" : "OVER"} the 3.5 MB goal`);

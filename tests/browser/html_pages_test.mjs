// Checks the self-contained pages (atrium-test --html) opened from disk, with no server, in the
// full viewer: every page of a folder loads without a fault or a request leaving the file, is
// framed whole, and saves its picture with the PNG button; a screenshot of each is saved as
// page_NAME.png. The interactions of the worlds inside are checked by the per-world scripts
// run on the pages (see CMakeLists.txt).
//   node tests/browser/html_pages_test.mjs --dir DIR --out SCREENSHOT_DIR
// Exit status as for harness.mjs (77 = skipped).
import assert from "node:assert/strict";
import { readdir, readFile } from "node:fs/promises";
import path from "node:path";
import { parseArgs } from "node:util";

import { exitStatus, launchBrowser, openWorld } from "./harness.mjs";
import { decodePNG } from "./proto_views.mjs";

/** Opens each page of dir in the full viewer; calls visit(session, file) once it is loaded. */
export async function eachPage(dir, visit, { browser } = {}) {
  const pages = (await readdir(dir)).filter((name) => name.endsWith(".html") && name !== "index.html").sort();
  assert.ok(pages.length > 0, `no pages in ${dir}`);
  for (const name of pages) {
    const session = await openWorld({ page: path.join(dir, name), plain: false, browser, timeoutMs: 180000,
                                      viewport: { width: 1366, height: 768 } });
    try {
      await visit(session, path.join(dir, name));
      session.check();
    } finally {
      await session.close();
    }
  }
  return pages;
}

async function checkPage(session, out) {
  const world = session.world.replace(/\.html$/, ".wrl");
  const state = await session.page.evaluate(() => ({ ...window.atriumViewer }));
  assert.equal(state.world, world, "the page names its world");
  assert.equal(state.framed, true, `${world}: the whole chart is framed`);
  const self = session.page.url().split("?")[0];
  const leaving = session.requests.filter((url) => !/^(data|blob):/.test(url) && url.split("?")[0] !== self);
  assert.deepEqual(leaving, [], `${world}: the page asks only for what it carries`);
  await session.screenshot(path.join(out, `page_${path.basename(world, ".wrl")}.png`));

  const [download] = await Promise.all([session.page.waitForEvent("download"), session.page.click("#save")]);
  assert.equal(download.suggestedFilename(), world.replace(/\.wrl$/, ".png"));
  const picture = decodePNG(await readFile(await download.path()));
  assert.ok(picture.width > 100 && picture.height > 100, `${world}: the saved picture is the canvas`);
}

async function main() {
  const { values: args } = parseArgs({ options: { dir: { type: "string" }, out: { type: "string" } } });
  if (!args.dir || !args.out) {
    console.error("usage: node tests/browser/html_pages_test.mjs --dir DIR --out SCREENSHOT_DIR");
    return 2;
  }
  let browser;
  try {
    browser = await launchBrowser();
    const pages = await eachPage(args.dir, (session) => checkPage(session, args.out), { browser });
    console.log(`PASS ${pages.length} pages opened from disk: ${pages.join(" ")}`);
    return 0;
  } catch (error) {
    const status = exitStatus(error);
    console.error(`${status === 77 ? "SKIP" : "FAIL"} ${error.message}`);
    return status;
  } finally {
    await browser?.close();
  }
}

if (process.argv[1] && path.resolve(process.argv[1]) === path.resolve(new URL(import.meta.url).pathname))
  main().then((status) => { process.exitCode = status; });

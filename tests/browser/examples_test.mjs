// Loads every chart example's world in the viewer, one after the other in one browser, and saves
// a screenshot of each (NAME.png for NAME.wrl); any console error, page error or failed request
// fails the test.
//
//   node tests/browser/examples_test.mjs --root DIR --shots DIR NAME.wrl...
import path from "node:path";
import { parseArgs } from "node:util";

import { exitStatus, EXIT_SKIP, launchBrowser, runWorld } from "./harness.mjs";

const { values: args, positionals: worlds } = parseArgs({
  options: { root: { type: "string" }, shots: { type: "string" } },
  allowPositionals: true,
});

let browser;
try {
  if (!args.root || !args.shots || worlds.length === 0) throw new Error("usage: --root DIR --shots DIR NAME.wrl...");
  browser = await launchBrowser();
  for (const world of worlds) {
    const screenshot = path.join(args.shots, world.replace(/\.wrl$/, ".png"));
    const { loadMs } = await runWorld({ root: args.root, world, screenshot, viewerFromSource: true, browser,
                                        timeoutMs: 180000 });
    console.log(`PASS ${world}: loaded in ${loadMs} ms, screenshot ${screenshot}`);
  }
} catch (error) {
  const status = exitStatus(error);
  console.error(`${status === EXIT_SKIP ? "SKIP" : "FAIL"}: ${error.message}`);
  process.exitCode = status;
} finally {
  await browser?.close();
}

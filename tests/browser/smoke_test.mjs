// Checks the viewer page and the harness itself on the hand-written worlds in fixtures/.
//
// As a harness script (--script), its default export runs the interaction checks for the
// loaded fixture world. Run directly,
//   node tests/browser/smoke_test.mjs [--out DIR] [--broken-only]
// it loads every fixture: the good ones must pass their checks, the broken ones must make
// the harness fail with the right reason (--broken-only: just those, when the good ones run
// as tests of their own). Exit status as for harness.mjs (77 = skipped).
import assert from "node:assert/strict";
import os from "node:os";
import path from "node:path";
import { fileURLToPath } from "node:url";
import { parseArgs } from "node:util";

import { HarnessError, exitStatus, launchBrowser, runWorld } from "./harness.mjs";

const checks = {
  async "smoke.wrl"(session) {
    // Viewpoint at z = 8 with the default 45 degree field of view over the canvas height:
    // world x maps to pixels as x / (8 tan 22.5 deg) * height / 2 from the centre.
    const { width, height } = await session.canvasSize();
    const toPixels = (x) => width / 2 + (x / (8 * Math.tan(Math.PI / 8))) * (height / 2);
    const box = [toPixels(-1.5), height / 2];
    const text = [toPixels(1.6), height / 2];
    const empty = [width / 2, height * 0.1];

    await session.hover(...empty);
    assert.equal(await session.field("BOX_SENSOR", "isOver"), false);
    await session.hover(...box);
    await session.waitForField("BOX_SENSOR", "isOver", true);

    // A click reaches the Script through a ROUTE; its output reaches the Material.
    await session.click(...box);
    await session.waitForField("BOX_MATERIAL", "diffuseColor", [0.9, 0.1, 0.1]);
    assert.ok((await session.field("BOX_SENSOR", "touchTime")) > 0);

    // The Anchor's link is recorded, not followed; the world stays loaded.
    const links = session.interceptLinks();
    await session.click(...text);
    await session.waitFor(() => links.length > 0, { message: "the Anchor to be followed" });
    assert.deepEqual(links, ["http://www.example.com/atrium/"]);
    assert.equal(await session.page.evaluate(() => window.atriumViewer.state), "loaded");
    assert.equal(await session.field("LINK", "description"), "Atrium home");
  },

  async "extern.wrl"(session) {
    // Instances of a proto fetched over HTTP: given values, defaults from the proto file,
    // and a field set from outside.
    assert.deepEqual(await session.field("RIGHT", "scale"), [0.5, 1.5, 0.5]);
    assert.deepEqual(await session.field("LEFT", "scale"), [1, 1, 1]);
    await session.setField("LEFT", "scale", [2, 2, 2]);
    assert.deepEqual(await session.field("LEFT", "scale"), [2, 2, 2]);
    await assert.rejects(session.field("LEFT", "noSuchField"), /LEFT has no field noSuchField/);
    await assert.rejects(session.field("NOBODY", "scale"), /NOBODY/);
  },
};

export default async function smokeChecks(session) {
  const check = checks[session.world];
  if (!check) throw new HarnessError(`smoke_test.mjs has no checks for ${session.world}`);
  await check(session);
}

// World, and the reason the harness must give for failing it.
const broken = {
  "missing_proto.wrl": /HTTP 404 for http:\/\/127\.0\.0\.1:\d+\/absent_proto\.wrl/,
  "offsite.wrl": /request to a host other than 127\.0\.0\.1: http:\/\/www\.example\.com\/texture\.png/,
  "script_error.wrl": /undefinedFunction/,
  "no_such_world.wrl": /HTTP 404 for .*no_such_world\.wrl/,
};

async function main() {
  const { values } = parseArgs({
    options: { out: { type: "string" }, "broken-only": { type: "boolean", default: false } },
  });
  const out = values.out ?? path.join(os.tmpdir(), "atrium-browser-smoke");
  const root = path.join(path.dirname(fileURLToPath(import.meta.url)), "fixtures");
  const browser = await launchBrowser();
  let failures = 0;
  try {
    for (const world of values["broken-only"] ? [] : Object.keys(checks)) {
      try {
        const { loadMs } = await runWorld({
          root, world, browser, viewerFromSource: true, script: smokeChecks,
          screenshot: path.join(out, world.replace(/\.wrl$/, ".png")),
        });
        console.log(`PASS ${world} (loaded in ${loadMs} ms)`);
      } catch (error) {
        failures++;
        console.error(`FAIL ${world}: ${error.message}`);
      }
    }
    for (const [world, reason] of Object.entries(broken)) {
      try {
        await runWorld({ root, world, browser, viewerFromSource: true, timeoutMs: 20000 });
        failures++;
        console.error(`FAIL ${world}: the harness accepted a broken world`);
      } catch (error) {
        if (reason.test(error.message)) {
          console.log(`PASS ${world} is rejected`);
        } else {
          failures++;
          console.error(`FAIL ${world}: rejected for the wrong reason: ${error.message}`);
        }
      }
    }
  } finally {
    await browser.close();
  }
  return failures ? 1 : 0;
}

if (process.argv[1] && path.resolve(process.argv[1]) === fileURLToPath(import.meta.url)) {
  main().catch((error) => {
    console.error(error.message);
    return exitStatus(error);
  }).then((status) => { process.exitCode = status; });
}

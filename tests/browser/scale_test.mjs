// Checks on surface_scale.wrl (tests/browser/worlds/surface_scale_world.cpp), the largest surface
// graph: its two 181 x 181 surfaces, their wire frames and invisible pop-up surfaces are drawn,
// the first surface is graded by height, and its pop-up surface still finds the point under the
// pointer. The time until it is drawn is printed; how long it may take is the load benchmark's
// business (bench/load_worlds.mjs), not a test's.
import assert from "node:assert/strict";

import { grab, hue, hueDistance, project, viewOf } from "./proto_views.mjs";

const SIDE = 181;
const SPACING = 10 / (SIDE - 1);

async function readyMs(session) {
  return session.evaluate(() => new Promise((resolve) =>
    requestAnimationFrame(() => requestAnimationFrame(() => resolve(Math.round(performance.now()))))));
}

export default async function scaleChecks(session) {
  console.log(`surface_scale.wrl: loaded at ${session.loadMs} ms, drawn at ${await readyMs(session)} ms`);

  // The first hill's top (3, 3.2, 3) is graded towards gradeColor (yellow), the flat corner
  // (9.5, 0.6, 9.5) keeps the material's blue; the pop-up surface draws no markers.
  const view = await viewOf(session, "SCALE_VIEW");
  const at = (p) => project(view, p);
  // The geometry is complete once the hill top shows its colour.
  let picture = await grab(session);
  await session.waitFor(async () => hue((picture = await grab(session)).at(...at([3, 3.2, 3]))) !== null,
    { message: "the hill top to be drawn" }).catch(() => {});
  const top = hue(picture.at(...at([3, 3.2, 3])));
  const low = hue(picture.at(...at([9.5, 0.6, 9.5])));
  assert.ok(top !== null && hueDistance(top, 50) < 30, `hill top hue ${top}`);
  assert.ok(low !== null && hueDistance(low, 220) < 30, `low corner hue ${low}`);
  assert.equal(picture.find([255, 255, 255], { tolerance: 30 }).count, 0, "no visible pop-up markers");

  // Over the hill top the pop-up surface reports a point next to lattice point (54, 54) and
  // shows its panel (magenta border).
  await session.hover(...at([3, 3.2, 3]));
  const index = await session.waitForField("POINT_OVER", "whichChoice", (v) => v >= 0);
  const [i, j] = [index % SIDE, Math.floor(index / SIDE)];
  assert.ok(Math.abs(i - 3 / SPACING) <= 2 && Math.abs(j - 3 / SPACING) <= 2, `point (${i}, ${j}) under the pointer`);
  await session.waitFor(async () => (await grab(session)).find([255, 0, 255]).count > 50,
    { message: "the pop-up panel over the hill" });
}

// Interaction checks on gallery_controls.wrl (see tests/browser/worlds/gallery_world.cpp for the
// layout): pop-up panels follow the pointer over the sphere collection and report 0-based
// indexes, touchEnabled FALSE switches that off, the check box hides and shows the content of
// its toggle, the slider snaps to whole values and steps a Switch and the three interval protos,
// and a click on a cone makes the router follow that cone's link.
import assert from "node:assert/strict";

import { grab, project, viewOf } from "./proto_views.mjs";

const MAGENTA = [255, 0, 255]; // the spheres' pop-up border
const GREEN = [0, 255, 0]; // the toggled box
const SITE = "http://www.example.com/atrium/";

const sphere = (i) => [-5.5 + i, 2, 0];
const cone = (i) => [-5 + 1.5 * i, -1.5, 0];
const CHECK_BOX = [0.5, 2.5, 0];
const sliderAt = (value) => [-0.5 + (4 * value) / 3, -1.5, 0]; // values 0..3 over 4 units

// Saves a picture of a state worth seeing beside the test's own screenshot (NAME_what.png).
async function keep(session, what) {
  if (session.screenshotPath) await session.screenshot(session.screenshotPath.replace(/\.png$/, `_${what}.png`));
}

async function popupChecks(session, at) {
  const border = async () => (await grab(session)).find(MAGENTA);
  assert.equal((await border()).count, 0, "no pop-up before the pointer comes");

  // Over sphere 1 its panel stands above it (allignment TOP), centred on it.
  await session.hover(...at(sphere(1)));
  await session.waitForField("SPHERE_OVER", "whichChoice", 1);
  let panel = await session.waitFor(async () => { const p = await border(); return p.count > 100 && p; },
    { message: "the pop-up panel of sphere 1" });
  const [x1, y1] = at(sphere(1));
  assert.ok(panel.box[3] < y1, `panel ${panel.box} above the sphere at y ${y1}`);
  assert.ok(Math.abs((panel.box[0] + panel.box[2]) / 2 - x1) < 6, `panel ${panel.box} centred on x ${x1}`);
  await keep(session, "sphere_popup");

  // Moving on to sphere 3 moves the panel with it.
  await session.hover(...at(sphere(3)));
  await session.waitForField("SPHERE_OVER", "whichChoice", 3);
  const [x3] = at(sphere(3));
  panel = await session.waitFor(async () => {
    const p = await border();
    return p.count > 100 && Math.abs((p.box[0] + p.box[2]) / 2 - x3) < 6 && p;
  }, { message: "the pop-up panel to move to sphere 3" });

  // Sphere 2 has an empty entry in popupText: it shows defaultPopupText, so a panel too.
  await session.hover(...at(sphere(2)));
  await session.waitForField("SPHERE_OVER", "whichChoice", 2);
  assert.ok((await border()).count > 100, "sphere 2 shows the default text's panel");

  // Off the spheres the panel goes.
  await session.hover(...at([-3.5, 0.5, 0]));
  await session.waitFor(async () => (await border()).count === 0, { message: "the panel to hide" });

  // A click reports the clicked sphere, the one drawn with defaultRadius included.
  await session.click(...at(sphere(4)));
  await session.waitForField("SPHERE_CLICKED", "whichChoice", 4);
  await session.hover(...at([-3.5, 0.5, 0]));

  // touchEnabled FALSE: no index, no panel; TRUE again brings both back.
  await session.setField("SPHERES", "touchEnabled", false);
  await session.hover(...at(sphere(0)));
  await session.frames(5);
  assert.equal(await session.field("SPHERE_OVER", "whichChoice"), 4, "no mouseOverIndex while touching is off");
  assert.equal((await border()).count, 0, "no pop-up while touching is off");
  await session.hover(...at([-3.5, 0.5, 0]));
  await session.setField("SPHERES", "touchEnabled", true);
  await session.hover(...at(sphere(0)));
  await session.waitForField("SPHERE_OVER", "whichChoice", 0);
  await session.hover(...at([-3.5, 0.5, 0]));
}

async function checkBoxChecks(session, at) {
  const green = async () => (await grab(session)).find(GREEN).count;
  assert.equal(await session.field("SHOW_BOX", "value"), true);
  assert.equal(await session.field("TOGGLED", "contentsExist"), true);
  assert.ok((await green()) > 1000, "the toggled box is shown at first");

  await session.click(...at(CHECK_BOX));
  await session.waitForField("SHOW_BOX", "value", false);
  await session.waitForField("TOGGLED", "contentsExist", false);
  await session.waitFor(async () => (await green()) === 0, { message: "the toggled box to be hidden" });
  await keep(session, "unticked");

  await session.click(...at(CHECK_BOX));
  await session.waitForField("SHOW_BOX", "value", true);
  await session.waitForField("TOGGLED", "contentsExist", true);
  await session.waitFor(async () => (await green()) > 1000, { message: "the toggled box to be shown again" });
}

// The blocks the intervals send for each slider value.
const STEPS = [
  { caption: "Quarter 1", keys: [0, 0.5, 1], points: [[0, 0, 0], [1, 0.2, 0], [2, 0, 0]] },
  { caption: "Quarter 2", keys: [0, 0.25, 1], points: [[0, 0.4, 0], [1, 0.8, 0], [2, 0.4, 0]] },
  { caption: "Quarter 3", keys: [0, 0.75, 1], points: [[0, 0.6, 0], [1, 1.2, 0], [2, 0.6, 0]] },
  // The last float block is short of nothing; x and z stay held at the first block's values.
  { caption: "Quarter 4", keys: [0, 1, 2], points: [[0, 0.8, 0], [1, 1.6, 0], [2, 0.8, 0]] },
];

async function expectStep(session, value) {
  await session.waitForField("CHOOSER", "value", value);
  await session.waitForField("CHOICES", "whichChoice", value);
  await session.waitForField("STEP_INDEX", "whichChoice", value);
  await session.waitForField("STEP_CAPTION", "string", [STEPS[value].caption]);
  await session.waitForField("STEP_KEYS", "key", STEPS[value].keys);
  await session.waitForField("STEP_POINTS", "point", STEPS[value].points);
}

async function sliderChecks(session, at) {
  // The intervals sent block 0 when the world started.
  await expectStep(session, 0);
  // Dragged past the end of the track, the knob stops at the maximum.
  await session.drag(at(sliderAt(0)), at([sliderAt(3)[0] + 1, -1.5, 0]));
  await expectStep(session, 3);
  await keep(session, "slider_at_3");
  // Dropped a little beside a mark, it snaps to the nearest whole value.
  await session.drag(at(sliderAt(3)), at([sliderAt(1)[0] + 0.3, -1.3, 0]));
  await expectStep(session, 1);
  // A value set from outside moves the knob: dragging it from there by one step gives 2.
  await session.setField("CHOOSER", "value", 2);
  await expectStep(session, 2);
  await session.drag(at(sliderAt(2)), at(sliderAt(1)));
  await expectStep(session, 1);
}

async function routerChecks(session, at) {
  const links = session.interceptLinks();
  await session.click(...at(cone(1)));
  await session.waitFor(() => links.length > 0, { message: "the router to follow the second cone's link" });
  assert.deepEqual(links, [`${SITE}centre.wrl`]);
  await keep(session, "cone_popup");
  assert.equal(await session.page.evaluate(() => window.atriumViewer.state), "loaded");
}

export default async function interactionChecks(session) {
  const view = await viewOf(session, "GALLERY_VIEW");
  const at = (p) => project(view, p);
  await popupChecks(session, at);
  await checkBoxChecks(session, at);
  await sliderChecks(session, at);
  await routerChecks(session, at);
}

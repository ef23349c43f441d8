// Checks the full viewer page on the worlds of a folder the sample program wrote:
//   node tests/browser/viewer_test.mjs --root DIR --out SCREENSHOT_DIR [--interaction WORLD]
//        [--part K/N] [--every-world]
// One page shows the worlds one after the other (with --part K/N, every N-th world from the
// K-th, so N runs share the folder's worlds between them). Every world, at 800 x 600, in the
// whole-chart view: every drawn shape (title, legend, axis labels, series) lies inside the
// canvas, clear of the legend panel and the frame player, no drawing touches the canvas edges
// and no two lines of text overlap; a screenshot of each is saved as viewer_NAME_800x600.png.
// A few worlds (all with --every-world) are also shown at 1366 x 768 with the same checks
// (viewer_NAME_1366x768.png), and turned by long drags in each direction, which keep the view
// within its turning limits with the whole chart in the canvas (viewer_NAME_turned.png after
// the last). On the surface and density worlds a click on each of the world's legend check
// boxes in the whole-chart view hides its series and a second click shows it. On the
// interaction world (default AreaGraphTest.wrl): the whole-chart view comes back after a
// drag, the world's viewpoint can be chosen from the list, turning keeps the up direction
// up, a value's pop-up shows from anywhere over the series in its cell, a finger turns the
// chart, two fingers zoom, a tap shows a value, the PNG button saves the canvas, and the
// legend panel and the world's check boxes stay in step. On a world with point frames the
// frame player and the world's slider stay in step. The page without a world lists the
// folder's worlds, from worlds.json and from a directory listing (checked in the last part).
// Two lines of text that the world itself lays over each other, flat in one plane, are named
// in the log, not failed: no view can part them. Waits are for events, with limits for a much
// slower machine.
// Exit status as for harness.mjs (77 = skipped).
import assert from "node:assert/strict";
import { readdir, readFile } from "node:fs/promises";
import path from "node:path";
import { parseArgs } from "node:util";

import { exitStatus, launchBrowser, openWorld } from "./harness.mjs";
import { decodePNG, grab, project, rotate } from "./proto_views.mjs";
import { outline, overlapBeyondTouching } from "../../viewer/camera.js";

const SIZES = [{ width: 800, height: 600 }, { width: 1366, height: 768 }];
// The worlds also checked at the second size, those turned by long drags (a pie and a grid
// world), and those whose legend check boxes are clicked in the world, with the
// toggle each box drives; --every-world checks every world at both sizes and turns it.
const EVERY_SIZE = ["PieGraphTest.wrl", "RibbonGraphTest.wrl", "SCComboGraphTest.wrl"];
const TURNED = ["PieGraphTest.wrl", "ScatterGraphTest.wrl"];
const WORLD_BOXES = {
  "SurfaceGraphTest.wrl": ["SURFACE_1", "SURFACE_2"],
  "DensityGraphTest.wrl": ["SURFACE_1", "SURFACE_2"],
};
const DRAGS = { left: [-1, 0], right: [1, 0], up: [0, -1], down: [0, 1] }; // in canvas sizes
const DEGREE = Math.PI / 180;
const PROTO_FILES = ["HV_GRAPH.wrl", "HV_NAV.wrl", "HV_UI.wrl"];
const faults = []; // overlapping texts and covered check boxes, in every world so far

// The view X_ITE shows now, as proto_views.project() takes it.
async function currentView(session) {
  const { eye, orientation, fov } = await session.evaluate((browser) => {
    const v = browser.activeViewpoint;
    return { eye: Array.from(v.position), orientation: Array.from(v.orientation), fov: v.fieldOfView };
  });
  return { eye, orientation, fov, ...(await session.canvasSize()) };
}

// Every shape drawn now, as the viewer's own scene reader sees it: { type, texts, lines, names,
// corners }.
function drawnShapes(session) {
  return session.page.evaluate(async () => (await import("./scene_tools.js")).drawnShapes(X3D.getBrowser("#world")));
}

// The colour most pixels of the canvas's outermost frame have, and how many differ from it.
function edgeDeviation(picture, inset = 2) {
  const pixels = [];
  for (let x = inset; x < picture.width - inset; x++) pixels.push(picture.at(x, inset), picture.at(x, picture.height - 1 - inset));
  for (let y = inset; y < picture.height - inset; y++) pixels.push(picture.at(inset, y), picture.at(picture.width - 1 - inset, y));
  const counts = new Map();
  for (const p of pixels) counts.set(p.join(), (counts.get(p.join()) ?? 0) + 1);
  const background = [...counts].sort((a, b) => b[1] - a[1])[0][0].split(",").map(Number);
  const off = pixels.filter((p) => p.some((v, k) => Math.abs(v - background[k]) > 24));
  return { background, off: off.length };
}

// The canvas rectangle around points as the view shows them, and the area two rectangles share.
function rectOf(view, points) {
  const seen = points.map((p) => project(view, p));
  const [xs, ys] = [seen.map((p) => p[0]), seen.map((p) => p[1])];
  return { left: Math.min(...xs), top: Math.min(...ys), right: Math.max(...xs), bottom: Math.max(...ys) };
}
const shared = (a, b) => Math.max(0, Math.min(a.right, b.right) - Math.max(a.left, b.left)) *
                         Math.max(0, Math.min(a.bottom, b.bottom) - Math.max(a.top, b.top));

// The page's panels shown over the canvas (legend, frame player), in canvas coordinates.
function panelRects(session) {
  return session.page.evaluate(() => {
    const canvas = document.getElementById("world").getBoundingClientRect();
    return ["legend", "player"].map((id) => document.getElementById(id)).filter((e) => !e.hidden).map((e) => {
      const r = e.getBoundingClientRect();
      return { id: e.id, left: r.left - canvas.left, top: r.top - canvas.top, right: r.right - canvas.left, bottom: r.bottom - canvas.top };
    });
  });
}

// Everything drawn lies inside the canvas and clear of the page's panels; in the whole-chart
// view (whole) also no two texts overlap and nothing touches the canvas's edges.
async function framedChecks(session, size, { whole = true } = {}) {
  const view = await currentView(session);
  const where = `${session.world} at ${view.width} x ${view.height}`;
  assert.equal(view.width, size.width, "the canvas spans the window");
  const shapes = await drawnShapes(session);
  const texts = shapes.filter((s) => s.texts);
  assert.ok(texts.length >= 3, `${session.world}: a title, a legend and axis labels (found ${texts.length} texts)`);
  const panels = await panelRects(session);
  for (const shape of shapes) {
    const what = shape.texts ? `text ${JSON.stringify(shape.texts)}` : "a shape";
    for (const corner of shape.corners) {
      const [x, y] = project(view, corner);
      assert.ok(x >= -0.5 && x <= view.width + 0.5 && y >= -0.5 && y <= view.height + 0.5,
        `${where}: ${what} reaches (${x.toFixed(1)}, ${y.toFixed(1)})`);
    }
    const rect = rectOf(view, shape.corners);
    for (const panel of panels) assert.ok(shared(rect, panel) < 1, `${where}: ${what} runs under the ${panel.id} panel`);
  }
  if (!whole) return;
  // Each line of text is a box of its own (a column of axis labels is a Text of several
  // lines); boxes may touch where the letters do not, as the viewer's view choice allows.
  // Overlaps are gathered over every world and reported at the end, so that one world's
  // overlapping texts do not stop the other checks.
  // A pixel of slack covers what the drawn letters add to the boxes the view was chosen by.
  const lines = texts.flatMap((t) => t.lines);
  const outlines = lines.map((line) => outline(line.corners.map((c) => project(view, c))));
  for (let i = 0; i < outlines.length; i++)
    for (let j = i + 1; j < outlines.length; j++) {
      const beyond = overlapBeyondTouching(outlines[i], outlines[j]);
      if (beyond <= 1) continue;
      faults.push(`${where}: ${JSON.stringify(lines[i].text)} overlaps ${JSON.stringify(lines[j].text)} ` +
                  `(${beyond.toFixed(1)} square pixels beyond touching)`);
    }
  const edge = edgeDeviation(await grab(session));
  assert.ok(edge.off === 0, `${where}: ${edge.off} pixels on the canvas edge differ from the background ${edge.background}`);
}

// Long drags in each direction from the whole-chart view (a screenshot after the last): a
// drag across the whole canvas turns the chart by well under a half turn; however far it
// goes, the eye stays above the floor (the lowest point drawn) and in front of the chart
// (where its texts face), the view upright, and the whole chart inside the canvas.
async function turningChecks(session, out) {
  const { width, height } = await session.canvasSize();
  const [cx, cy] = [width / 2, height / 2];
  const floor = Math.min(...(await drawnShapes(session)).flatMap((s) => s.corners.map((c) => c[1])));
  const heading = () => session.evaluate(() => ({ yaw: window.atriumViewer.camera.yaw, pitch: window.atriumViewer.camera.pitch }));
  for (const [name, [kx, ky]] of Object.entries(DRAGS)) {
    await session.page.keyboard.press("Home");
    const before = await heading();
    await session.drag([cx - kx * width * 0.45, cy - ky * height * 0.45], [cx + kx * width * 0.45, cy + ky * height * 0.45], { steps: 2 });
    const across = await heading();
    assert.ok(Math.abs(across.yaw - before.yaw) + Math.abs(across.pitch - before.pitch) < 100 * DEGREE,
      `${session.world}: a drag ${name} across the canvas turns by well under a half turn`);
    await session.drag([cx, cy], [cx + kx * width * 1.5, cy + ky * height * 1.5], { steps: 2 });
    const view = await currentView(session);
    const forward = rotate([0, 0, -1], view.orientation);
    assert.ok(view.eye[1] > floor, `${session.world}: after a long drag ${name} the eye at ${view.eye} is above the floor ${floor}`);
    assert.ok(forward[2] < 0, `${session.world}: after a long drag ${name} the chart is seen from in front`);
    await assertUpright(session, `${session.world}: after a long drag ${name}`);
    await framedChecks(session, { width }, { whole: false });
  }
  await session.screenshot(path.join(out, `viewer_${session.world.replace(/\.wrl$/, "")}_turned.png`));
  await session.page.keyboard.press("Home");
}

// The screen direction of the world's up at the middle of the canvas: [dx, dy] in pixels,
// y downwards (straight up is [0, negative] when the view has no roll).
async function upOnScreen(session) {
  const view = await currentView(session);
  const ahead = rotate([0, 0, -10], view.orientation).map((v, k) => v + view.eye[k]);
  const [x0, y0] = project(view, ahead);
  const [x1, y1] = project(view, [ahead[0], ahead[1] + 1, ahead[2]]);
  return [x1 - x0, y1 - y0];
}

// Up stays up on the screen, with no roll.
async function assertUpright(session, when) {
  const [ux, uy] = await upOnScreen(session);
  assert.ok(uy < 0 && Math.abs(ux) < 1e-3 * Math.abs(uy) + 0.5, `${when} the world's up points (${ux}, ${uy}) on the screen`);
}

async function cameraPosition(session) {
  return (await currentView(session)).eye;
}

const near = (a, b, eps = 1e-3) => a.every((v, i) => Math.abs(v - b[i]) <= eps);

// The front series of the area world: its heights, the value its pop-up strip last reported
// under the pointer, and whether the strip shows its panel (the Switch of the panel proto in the
// strip's proto body).
function frontPopup(session) {
  return session.evaluate((browser) => {
    const parts = Array.from(browser.currentScene.getNamedNode("SERIES_TOGGLE_3").children);
    const strip = parts.find((node) => node.getNodeTypeName() === "Transform").children[0];
    return { heights: Array.from(parts.find((node) => node.getNodeTypeName().endsWith("Series")).height),
             over: strip.mouseOverIndex, shown: strip.getValue().getBody().getNamedNode("PANEL").getValue().getBody()
               .getNamedNode("SWITCH").whichChoice === 0 };
  });
}

// Touches the canvas as a touch screen does: steps[0] lists the canvas points where the
// fingers land, each later step where they move to; then they lift.
async function touch(session, steps) {
  const cdp = await session.page.context().newCDPSession(session.page);
  const box = await session.page.locator("#world").boundingBox();
  const send = (type, points) => cdp.send("Input.dispatchTouchEvent",
    { type, touchPoints: points.map(([x, y], id) => ({ x: box.x + x, y: box.y + y, id })) });
  await send("touchStart", steps[0]);
  for (const points of steps.slice(1)) await send("touchMove", points);
  await send("touchEnd", []);
  await cdp.detach();
  await session.frames(4);
}

async function interactionChecks(session, out) {
  const { width, height } = await session.canvasSize();
  const [cx, cy] = [width / 2, height / 2];
  const framed = await cameraPosition(session);

  // Back to the whole chart after a drag, by the button and by the Home key.
  await session.drag([cx, cy], [cx + 150, cy + 60], { steps: 2 });
  assert.ok(!near(await cameraPosition(session), framed), "a drag turns the view");
  await session.page.click("#home");
  await session.waitFor(async () => near(await cameraPosition(session), framed), { message: "the button's whole-chart view" });
  await session.drag([cx, cy], [cx - 200, cy - 40], { steps: 2 });
  await session.page.keyboard.press("Home");
  await session.waitFor(async () => near(await cameraPosition(session), framed), { message: "the Home key's whole-chart view" });

  // The world's own viewpoint from the list, exactly where the world puts it, even when
  // chosen while the whole chart is still being framed.
  await session.page.keyboard.press("Home");
  await session.page.selectOption("#views", { label: "Initial viewpoint" });
  await session.waitFor(async () => near(await cameraPosition(session), [6, 4, 20]), { message: "the world's viewpoint" });

  // However far it is turned, up stays up on the screen and upright (no roll).
  for (const [dx, dy] of [[0, -500], [0, 500], [400, 400], [-600, -300]]) {
    await session.drag([cx, cy], [cx + dx / 4, cy + dy / 4], { steps: 1 });
    await session.drag([cx, cy], [cx + dx, cy + dy], { steps: 3 });
    await assertUpright(session, `after a drag by ${dx}, ${dy}`);
  }
  await session.screenshot(path.join(out, "viewer_turned.png"));
  await session.page.keyboard.press("Home");
  await session.waitFor(async () => near(await cameraPosition(session), framed), { message: "the whole-chart view" });

  // The front series (SERIES_TOGGLE_3, 0.3 deep, first point at x = 1, cells 2 wide): the
  // pointer low in a value's cell, far below the values' 0.24-high markers, shows it.
  const { heights } = await frontPopup(session);
  const front = 8 * (2 / 3) + 4 / 3 - 0.15 + 0.3;
  const view = await currentView(session);
  const cellPoint = ([index, dx, share]) => project(view, [1 + 2 * index + dx, heights[index] * share, front]);
  for (const cell of [[2, -0.7, 0.5], [0, 0.6, 0.25], [4, -0.4, 0.15]]) {
    await session.hover(...cellPoint(cell));
    await session.waitFor(async () => (await frontPopup(session)).over === cell[0],
      { message: `value ${cell[0]}'s pop-up at ${cell[2]} of its height` });
  }
  await session.screenshot(path.join(out, "viewer_hover.png"));

  // On a touch screen: a finger dragged turns the chart and keeps it upright, two fingers
  // pinched apart bring it closer, and a tap on a series shows the value there until the
  // next touch.
  await touch(session, Array.from({ length: 4 }, (_, k) => [[cx + 60 * k, cy + 24 * k]]));
  assert.ok(!near(await cameraPosition(session), framed), "a finger's drag turns the view");
  await assertUpright(session, "after a finger's drag");
  const distance = async () => Math.hypot(...(await session.evaluate(() => {
    const { position, pivot } = window.atriumViewer.camera;
    return position.map((v, k) => v - pivot[k]);
  })));
  const apart = await distance();
  await touch(session, Array.from({ length: 3 }, (_, k) => [[cx - 50 - 25 * k, cy], [cx + 50 + 25 * k, cy]]));
  assert.ok(Math.abs(await distance() - apart / 2) < 1e-6 * apart, "fingers twice as far apart halve the distance");
  await session.page.keyboard.press("Home");
  await session.waitFor(async () => near(await cameraPosition(session), framed), { message: "the whole-chart view" });
  await touch(session, [[cellPoint([1, 0.6, 0.3])]]);
  await session.waitFor(async () => {
    const popup = await frontPopup(session);
    return popup.over === 1 && popup.shown;
  }, { message: "value 1's pop-up after a tap" });
  await session.screenshot(path.join(out, "viewer_tap.png"));

  // The PNG button saves the canvas as it is, named after the world.
  const [download] = await Promise.all([session.page.waitForEvent("download"), session.page.click("#save")]);
  assert.equal(download.suggestedFilename(), session.world.replace(/\.wrl$/, ".png"));
  const picture = decodePNG(await readFile(await download.path()));
  assert.deepEqual([picture.width, picture.height], [Math.round(width), Math.round(height)]);
  const edge = edgeDeviation(picture);
  assert.ok(picture.find(edge.background, { tolerance: 24 }).count < 0.9 * width * height, "the saved picture shows the chart");
}

// The legend panel lists the world's legend entries with their colours, and its boxes and the
// world's check boxes stay in step whichever is clicked; a double click shows one entry only,
// a second one every entry again.
async function legendChecks(session) {
  const rows = () => session.page.$$eval("#legend label", (labels) => labels.map((l) =>
    ({ text: l.textContent, checked: l.querySelector("input").checked, color: l.querySelector(".swatch").style.background })));
  const described = await session.evaluate((browser) => {
    const found = [];
    const visit = (node) => {
      if (!node) return;
      if (node.getNodeTypeName() === "qrx_Legend") found.push(...Array.from(node.descriptions, String));
      for (const field of ["children", "choice"]) if (field in node) for (const child of node[field]) visit(child);
    };
    for (const node of browser.currentScene.rootNodes) visit(node);
    return found;
  });
  const listed = await rows();
  assert.deepEqual(listed.map((r) => r.text).sort(), [...described].sort(), "the panel lists the world's legend entries");
  assert.ok(listed.every((r) => r.checked && /^rgb/.test(r.color)), "every entry shown, with its colour");
  const boxes = listed.map((_, i) => `CHECK_BOX_${i + 1}`);
  const row = (i) => session.page.locator("#legend label").nth(i);

  await row(0).locator("input").click();
  await session.waitForField(boxes[0], "value", false);
  await session.waitForField("SERIES_TOGGLE_1", "contentsExist", false);
  await session.setField(boxes[1], "value", false);
  await session.waitFor(async () => !(await rows())[1].checked, { message: "the panel to follow the world's check box" });
  await row(0).locator("input").click();
  await session.waitForField("SERIES_TOGGLE_1", "contentsExist", true);

  await row(2).dblclick();
  for (const [i, box] of boxes.entries()) await session.waitForField(box, "value", i === 2);
  await session.waitFor(async () => (await rows()).every((r, i) => r.checked === (i === 2)), { message: "only the third entry ticked" });
  await row(2).dblclick();
  for (const box of boxes) await session.waitForField(box, "value", true);
  await session.waitFor(async () => (await rows()).every((r) => r.checked), { message: "every entry ticked again" });
}

// The frame player names the frame shown and counts it, steps and plays the frames, and
// follows the world's slider.
async function framePlayerChecks(session) {
  const shown = () => session.page.$eval("#player", (p) => ({
    name: p.querySelector(".name").textContent, count: p.querySelector(".count").textContent, playing: p.dataset.playing }));
  const first = await session.field("FRAME_SLIDER", "minimum");
  const total = (await session.field("FRAME_SLIDER", "maximum")) - first + 1;
  await session.setField("FRAME_SLIDER", "value", first); // the long drags may have moved it
  assert.deepEqual(await shown(), { name: "Frame 1", count: `1 of ${total}`, playing: "false" });
  await session.page.click("#player .forward");
  await session.waitForField("FRAME_SWITCH", "whichChoice", 1);
  await session.waitFor(async () => (await shown()).count === `2 of ${total}`, { message: "the player at frame 2" });
  await session.page.click("#player .back");
  await session.waitForField("FRAME_SWITCH", "whichChoice", 0);
  await session.setField("FRAME_SLIDER", "value", total - 2);
  await session.waitFor(async () => (await shown()).name === `Frame ${total - 1}`, { message: "the player to follow the world's slider" });
  await session.page.click("#player .play");
  await session.waitForField("FRAME_SWITCH", "whichChoice", 0); // past the last frame it starts again
  await session.page.click("#player .play");
  assert.equal((await shown()).playing, "false", "Pause stops the frames");
}

// Whether the shape under the pointer now is one of the shapes the node DEF'd as `name` draws.
function pointerOn(session, name) {
  return session.evaluate((browser, name) => {
    const shape = browser.getHit()?.shapeNode;
    const holds = (node) => node === shape || (typeof node.getInnerNode === "function" && node.getInnerNode() !== node
      ? holds(node.getInnerNode()) : Array.from(node.visibleObjects ?? []).some(holds));
    return Boolean(shape) && holds(browser.currentScene.getNamedNode(name).getValue());
  }, name);
}

// In the whole-chart view the middle of each of the world's legend check boxes (as drawn now)
// shows the box, not the data in front of it, and a click there hides the box's series and a
// second click shows it again. toggles[k] is what box k + 1 hides. A box hidden by the data
// is reported at the end, with the overlapping texts.
async function worldBoxChecks(session, toggles) {
  const view = await currentView(session);
  const shapes = await drawnShapes(session);
  for (const [k, toggle] of toggles.entries()) {
    const box = `CHECK_BOX_${k + 1}`;
    const drawn = shapes.filter((s) => s.names.includes(box));
    assert.ok(drawn.length > 0, `${session.world}: ${box} is drawn`);
    const rect = rectOf(view, drawn.flatMap((s) => s.corners));
    const middle = [(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2];
    await session.hover(...middle);
    if (!(await pointerOn(session, box))) {
      faults.push(`${session.world} at ${view.width} x ${view.height}: something in front of ${box} at ` +
        `(${middle.map(Math.round)}) takes its clicks`);
      continue;
    }
    for (const shown of [false, true]) {
      await session.click(...middle);
      await session.waitForField(box, "value", shown);
      await session.waitForField(toggle, "contentsExist", shown);
    }
  }
}

// The page without a world lists the folder's worlds: in `session` from worlds.json, and in a
// page of its own from the directory listing of a server that answers no worlds.json.
async function listChecks(root, browser, session) {
  const expected = (await readdir(root)).filter((n) => n.endsWith(".wrl") && !PROTO_FILES.includes(n)).sort();
  const links = (listed) => listed.page.$$eval("#worlds a", (as) => as.map((a) => [a.textContent, a.getAttribute("href")]));
  const wanted = expected.map((n) => [n, `?world=${encodeURIComponent(n)}`]);
  await session.show(null);
  assert.deepEqual(await links(session), wanted, "worlds from worlds.json");
  session.check();
  const listing = await openWorld({ root, world: null, browser, listing: true, expectMissing: ["/worlds.json"] });
  try {
    assert.deepEqual(await links(listing), wanted, "worlds from the directory listing");
    listing.check();
  } finally {
    await listing.close();
  }
}

// Resizes the window and waits until the whole chart is framed anew for it.
async function resize(session, size) {
  await session.page.setViewportSize(size);
  await session.waitFor(async () => (await session.canvasSize()).width === size.width &&
    (await session.evaluate(() => window.atriumViewer.framed && window.atriumViewer.fitted)) === size.width,
    { message: `the whole chart framed at ${size.width} x ${size.height}` });
  await session.frames(2);
}

// Every check the world takes; the session shows it framed at the first size.
async function worldChecks(session, world, args) {
  const every = args["every-world"];
  const sizes = every || EVERY_SIZE.includes(world) ? SIZES : SIZES.slice(0, 1);
  for (const size of sizes) {
    if (size !== SIZES[0]) await resize(session, size);
    const file = path.join(args.out, `viewer_${world.replace(/\.wrl$/, "")}_${size.width}x${size.height}.png`);
    await session.screenshot(file);
    await framedChecks(session, size);
    console.log(`PASS ${world} at ${size.width} x ${size.height}: ${file}`);
  }
  if (sizes.length > 1) await resize(session, SIZES[0]);
  const done = [];
  if (WORLD_BOXES[world]) {
    await worldBoxChecks(session, WORLD_BOXES[world]);
    done.push("legend boxes in the world");
  }
  if (every || TURNED.includes(world)) {
    await turningChecks(session, args.out);
    done.push("turning");
  }
  if (world === args.interaction) {
    await legendChecks(session);
    await interactionChecks(session, args.out);
    done.push("legend panel", "interactions");
  }
  if (await session.page.$eval("#player", (p) => !p.hidden)) {
    await framePlayerChecks(session);
    done.push("frame player");
  }
  session.check();
  if (done.length) console.log(`PASS ${world}: ${done.join(", ")}`);
}

async function main() {
  const { values: args } = parseArgs({ options: {
    root: { type: "string" }, out: { type: "string" },
    interaction: { type: "string", default: "AreaGraphTest.wrl" },
    part: { type: "string", default: "1/1" },
    "every-world": { type: "boolean", default: false } } });
  if (!args.root || !args.out) {
    console.error("usage: node tests/browser/viewer_test.mjs --root DIR --out SCREENSHOT_DIR [--interaction WORLD] " +
                  "[--part K/N] [--every-world]");
    return 2;
  }
  let browser, session;
  try {
    browser = await launchBrowser();
    const all = (await readdir(args.root)).filter((n) => n.endsWith(".wrl") && !PROTO_FILES.includes(n)).sort();
    assert.ok(all.includes(args.interaction), `${args.root} holds ${args.interaction}`);
    const [part, parts] = args.part.split("/").map(Number);
    assert.ok(part >= 1 && part <= parts, `--part ${args.part}: K/N with 1 <= K <= N`);
    const worlds = all.filter((_, i) => i % parts === part - 1);
    const options = { plain: false, timeoutMs: 180000 };
    for (const world of worlds) {
      if (session) await session.show(world, options);
      else session = await openWorld({ root: args.root, world, browser, viewport: SIZES[0], ...options });
      await worldChecks(session, world, args);
    }
    if (part === parts) {
      await listChecks(args.root, browser, session);
      console.log("PASS world list");
    }
    assert.deepEqual(faults, [], `what the views show wrongly:\n  ${faults.join("\n  ")}\n`);
    return 0;
  } catch (error) {
    const status = exitStatus(error);
    console.error(`${status === 77 ? "SKIP" : "FAIL"}: ${error.message}`);
    return status;
  } finally {
    await session?.close();
    await browser?.close();
  }
}

main().then((status) => { process.exitCode = status; });

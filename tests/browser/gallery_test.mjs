// Picture checks on the gallery worlds written by tests/browser/worlds/gallery_world.cpp: at
// points where each proto's geometry must stand in its own frame (as the proto file documents
// it), the screen shows that proto's appearance. A proto that draws nothing, draws in the wrong
// place or takes the wrong appearance fails here, even when the world loads cleanly.
import assert from "node:assert/strict";

import { grab, hue, hueDistance, project, viewOf } from "./proto_views.mjs";

// Hues of the gallery's appearances (gallery_world.cpp), and the light grey of the grids.
const BLUE = 217, ORANGE = 30, GREEN = 127, RED = 0, PURPLE = 270, TEAL = 180, YELLOW = 55;
const GREY = "grey";

const turn = ([x, y, z], yaw) => [x * Math.cos(yaw) + z * Math.sin(yaw), y, -x * Math.sin(yaw) + z * Math.cos(yaw)];
const add = (a, b) => a.map((v, i) => v + b[i]);
// A point of a sector in its own frame: radius r at angle t from +x towards +z, at height y.
const polar = (r, t, y) => [r * Math.cos(t), y, r * Math.sin(t)];

const samples = {
  "gallery_series.wrl": () => {
    // Rows start at x = 0.5 and lie 0.6 deep from z = 0.2, 1.2, ... 4.2.
    const row = (k, x, y, dz = 0.3) => [0.5 + x, y, 0.2 + k + dz];
    return [
      ["area series, top between points 4 and 5", row(0, 4.5, 3.5), BLUE],
      ["outlined ribbon, top between points 2 and 3", row(1, 2.5, 2.25 + 0.15), ORANGE],
      ["rounded ribbon, top between points 2 and 3", row(2, 2.5, 1.6 + 0.15), PURPLE],
      ["upper stacked column 5, on its floor", row(3, 5, 1.2 + 0.5), RED],
      ["lower stacked column 7, its +x side", row(3, 7.3, 0.4), GREEN],
      ["rounded column 0 (first appearance), on floor 0.3", row(4, 0, 0.9), TEAL],
      ["rounded column 1 (second appearance), on floor 0.2", row(4, 1, 1.1), YELLOW],
      ["rounded column 4 (first appearance again)", row(4, 4, 0.8), TEAL],
      ["chart grid, back wall", [2, 3.5, 0], GREY],
      ["chart grid, side wall", [0, 2, 3], GREY],
      ["legend key 1 (bottom)", [1.2, 4.6, 0], BLUE],
      ["legend key 2", [1.2, 4.6 + 0.65, 0], ORANGE],
      ["legend key 3 (top)", [1.2, 4.6 + 1.3, 0], GREEN],
    ];
  },
  "gallery_pies.wrl": () => {
    const yaw = -0.7 * Math.PI, sweep = 1.4 * Math.PI;
    const slice = (x, r) => add([x, 0, 0], turn(polar(r, sweep / 2, 0.6), yaw));
    // The pie chart: outer ring from radius 1.125 to 1.8 with shares 35 25 20 12 8, inner
    // ring from 0.45 to 1.125 with 30 30 15 15 10, 0.5 high.
    const pie = (r, t) => add([3.2, 0, 0], polar(r, t * 2 * Math.PI, 0.5));
    return [
      ["outlined pie slice, top on its bisector", slice(-6.4, 0.6), ORANGE],
      ["rounded pie slice, top on its bisector", slice(-3.7, 0.6), BLUE],
      ["rounded ring slice, top between its radii", slice(-1.0, 0.82), GREEN],
      ["pie chart, outer slice 1", pie(1.5, 0.175), BLUE],
      ["pie chart, outer slice 2", pie(1.5, 0.475), ORANGE],
      ["pie chart, outer slice 3", pie(1.5, 0.7), GREEN],
      ["pie chart, inner slice 2", pie(0.8, 0.45), ORANGE],
      ["pie chart, inner slice 4", pie(0.8, 0.825), RED],
      // The legend learnt its appearances from the chart through a route.
      ["legend key 1 (from broadcastAppearances)", [5.8 + 0.175, 0.3, 0], BLUE],
      ["legend key 5 (from broadcastAppearances)", [5.8 + 0.175, 0.3 + 4 * 0.55, 0], PURPLE],
    ];
  },
  "gallery_surfaces.wrl": () => [
    ...latticeSamples(latticeHeight),
    ["surface chart, its lowest cells in the material's colour", surfaceChart(0.5, 2.5, 10.75), GREEN],
    ["surface chart, its highest cells graded towards gradeColor", surfaceChart(3.5, 1.5, 31), 70],
    ["surface chart's grid, back wall", [1.5 + 4, 2.5, -2.2], GREY],
  ],
  "gallery_blocks.wrl": () => {
    // 4 rows 1.5 wide, 3 series 1 deep, 0..50 over 3.5 high.
    const y = (v) => (v / 50) * 3.5;
    return [
      ["series 1 drawn by its area series node", [0.75 + 1.5 * 1.5, (y(35) + y(28)) / 2 - 0.05, 0.5], TEAL],
      ["series 2, block in row 3", [2.5 * 1.5, y(31), 1.5], ORANGE],
      ["series 3, block in row 4", [3.5 * 1.5, y(33), 2.5], PURPLE],
      ["chart grid, back wall", [1, 3, 0], GREY],
      ["legend key 1 (from broadcastAppearances)", [0.175, 4.1, 0], TEAL],
      ["legend key 3 (from broadcastAppearances)", [0.175, 4.1 + 1.1, 0], PURPLE],
    ];
  },
};

// The lattice of gallery_world.cpp: 16 x 12 points 0.4 apart from (-7, 0, -2.2), drawn as a
// graded surface (blue at its lowest, orange at its highest) with its wire frame and markers.
const latticeHeight = (i, j) => 1.2 + 0.8 * Math.sin(i / 2.5) * Math.cos(j / 3) + 0.03 * i;

// The surface's highest and lowest cells (away from wires and markers) for heights f(i, j).
function latticeSamples(f) {
  const mean = ([i, j]) => (f(i, j) + f(i + 1, j) + f(i, j + 1) + f(i + 1, j + 1)) / 4;
  let high = [0, 0], low = [0, 0];
  for (let j = 0; j + 1 < 12; j++)
    for (let i = 0; i + 1 < 16; i++) {
      if (mean([i, j]) > mean(high)) high = [i, j];
      if (mean([i, j]) < mean(low)) low = [i, j];
    }
  const cell = (c) => [-7 + 0.4 * (c[0] + 0.5), mean(c), -2.2 + 0.4 * (c[1] + 0.5)];
  return [
    [`surface, highest cell ${high} graded to gradeColor`, cell(high), ORANGE],
    [`surface, lowest cell ${low} in the material's colour`, cell(low), BLUE],
  ];
}

// The surface chart: 6 rows over 5 wide, 4 series over 4 deep, 0..40 over 3 high, from
// (1.5, 0, -2.2).
const surfaceChart = (r, s, v) => [1.5 + (r + 0.5) * (5 / 6), (v / 40) * 3, -2.2 + s + 0.5];

// New heights for the surface reshape it and regrade it: turned upside down around 2.6, its
// old hill tops become the lowest (blue) cells and its valleys the highest (orange).
async function surfaceHeightsChange(session, check) {
  const flipped = (i, j) => 2.6 - latticeHeight(i, j);
  const values = [];
  for (let j = 0; j < 12; j++) for (let i = 0; i < 16; i++) values.push(flipped(i, j));
  await session.evaluate((browser, heights) => {
    browser.currentScene.getNamedNode("GRADED_SURFACE").set_height = new X3D.MFFloat(...heights);
  }, values);
  await session.frames(5);
  await check(latticeSamples(flipped));
}

const after = { "gallery_surfaces.wrl": surfaceHeightsChange };

// Most of a 5 x 5 patch must show the expected hue (or a light grey).
function matches(picture, [x, y], expected) {
  let good = 0;
  const seen = [];
  for (let dy = -2; dy <= 2; dy++)
    for (let dx = -2; dx <= 2; dx++) {
      const rgb = picture.at(x + dx, y + dy), h = hue(rgb);
      seen.push(rgb);
      if (expected === GREY ? h === null && Math.min(...rgb) > 120 : h !== null && hueDistance(h, expected) <= 35) good++;
    }
  return { ok: good >= 13, seen: seen[12] };
}

export default async function galleryChecks(session) {
  const list = samples[session.world];
  if (!list) throw new Error(`gallery_test.mjs has no samples for ${session.world}`);
  const view = await viewOf(session, "GALLERY_VIEW");
  const check = async (points) => {
    const picture = await grab(session);
    const failures = [];
    for (const [what, point, expected] of points) {
      const pixel = project(view, point);
      const { ok, seen } = matches(picture, pixel, expected);
      if (!ok)
        failures.push(`${what}: at pixel ${pixel.map(Math.round)} expected ` +
                      `${expected === GREY ? "light grey" : `hue ${expected}`}, found rgb(${seen}) ` +
                      `(hue ${hue(seen)?.toFixed(0) ?? "none"})`);
    }
    assert.deepEqual(failures, []);
  };
  await check(list());
  if (after[session.world]) await after[session.world](session, check);
}

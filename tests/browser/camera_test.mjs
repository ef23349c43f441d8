// The viewer's camera arithmetic (viewer/camera.js) without a browser: the framed view shows
// every point inside the margins and touches them (no looser than needed), for wide, tall
// and square canvases and headings from several sides; turning never rolls the view nor
// takes it past its elevation limits; orientations read back as the heading they came from.
//   node --test tests/browser/camera_test.mjs
import assert from "node:assert/strict";
import test from "node:test";

import * as camera from "../../viewer/camera.js";

const dot = (a, b) => a.reduce((s, v, i) => s + v * b[i], 0);
const sub = (a, b) => a.map((v, i) => v - b[i]);

// Canvas pixel of world point p for a camera (fov over the smaller side).
function pixel(cam, p, { width, height }) {
  const { right, up, back } = camera.axes(cam);
  const d = sub(p, cam.position), depth = -dot(d, back);
  const [tx, ty] = camera.halfTangents(cam.fov, width, height);
  return [width / 2 * (1 + dot(d, right) / depth / tx), height / 2 * (1 - dot(d, up) / depth / ty)];
}

// A chart-like cloud: a 10 x 9 x 8 box with a title above it and labels sticking out.
const points = [];
for (const x of [0, 10]) for (const y of [0, 9]) for (const z of [0, 8]) points.push([x, y, z]);
points.push([2, 11, 0], [8, 11, 0], [-2, 0, 9], [12, 1, 3]);

test("the framed view fits every point inside the margins and touches them", () => {
  for (const size of [{ width: 1366, height: 734 }, { width: 800, height: 566 }, { width: 400, height: 900 }, { width: 500, height: 500 }])
    for (const [yaw, pitch] of [[0.05, -0.05], [0.8, -0.6], [-2.5, 0.3], [Math.PI, -1.2]]) {
      const margin = 12;
      const cam = camera.frame(points, { yaw, pitch, fov: 0.785398 }, { ...size, margin });
      const seen = points.map((p) => pixel(cam, p, size));
      const where = `${size.width} x ${size.height}, yaw ${yaw}, pitch ${pitch}`;
      for (const [x, y] of seen)
        assert.ok(x >= margin - 1e-6 && x <= size.width - margin + 1e-6 && y >= margin - 1e-6 && y <= size.height - margin + 1e-6,
          `${where}: a point at (${x}, ${y})`);
      // Tight: in one direction the points reach both margins.
      const touches = (k, extent) => seen.some((s) => Math.abs(s[k] - margin) < 1e-6) &&
                                     seen.some((s) => Math.abs(s[k] - (extent - margin)) < 1e-6);
      assert.ok(touches(0, size.width) || touches(1, size.height), `${where}: the view is tight`);
    }
});

test("turning keeps the view upright and within its elevation limits", () => {
  let cam = camera.frame(points, { yaw: 0.05, pitch: -0.05, fov: 0.785398 }, { width: 800, height: 566 });
  const distance = Math.hypot(...sub(cam.position, cam.pivot));
  for (const [dYaw, dPitch] of [[0.3, 2], [-4, -0.5], [1, -9], [0, 9], [7, 0.2]]) {
    cam = camera.turn(cam, dYaw, dPitch);
    const { right, up } = camera.axes(cam);
    assert.ok(Math.abs(right[1]) < 1e-12, "no roll");
    assert.ok(up[1] > 0, "up stays up");
    assert.ok(cam.pitch >= camera.PITCH_LIMITS[0] && cam.pitch <= camera.PITCH_LIMITS[1]);
    assert.ok(Math.abs(Math.hypot(...sub(cam.position, cam.pivot)) - distance) < 1e-9, "turns about the pivot");
  }
  assert.equal(camera.turn(cam, 0, -9).pitch, camera.PITCH_LIMITS[0]);
  assert.equal(camera.turn(cam, 0, 9).pitch, camera.PITCH_LIMITS[1]);
});

test("an orientation reads back as its heading, without its roll", () => {
  for (const [yaw, pitch] of [[0, 0], [0.05, -0.05], [2.9, -1.2], [-1.5, 0.5]]) {
    const back = camera.headingOf(camera.orientationOf({ yaw, pitch }));
    assert.ok(Math.abs(back.yaw - yaw) < 1e-9 && Math.abs(back.pitch - pitch) < 1e-9, `${yaw}, ${pitch}: ${JSON.stringify(back)}`);
  }
  // The sample's viewpoint: turned by about -0.05 about x, then 0.05 about y, with a trace of roll.
  const sample = camera.headingOf([-0.70699626, 0.70699626, 0.01767859, 0.07070699]);
  assert.ok(Math.abs(sample.yaw - 0.05) < 1e-3 && Math.abs(sample.pitch + 0.05) < 1e-3, JSON.stringify(sample));
});

test("outlines of screen points and the area two of them share", () => {
  const square = (x, y, size) => camera.outline([[x, y], [x + size, y], [x, y + size], [x + size, y + size], [x + 1, y + 1]]);
  assert.equal(square(0, 0, 10).length, 4, "inner points are not on the outline");
  for (const [a, b, shared] of [
    [square(0, 0, 10), square(5, 5, 10), 25], // corners overlap
    [square(0, 0, 10), square(2, 2, 3), 9], // one inside the other
    [square(0, 0, 10), square(10, 0, 10), 0], // edges touch
    [square(0, 0, 10), square(30, 30, 10), 0], // apart
    [square(0, 0, 10), camera.outline([[10, 5], [15, 10], [10, 15], [5, 10]]), 12.5], // a diamond on a corner
  ]) {
    assert.ok(Math.abs(camera.sharedArea(a, b) - shared) < 1e-9, `${JSON.stringify(b)}: ${camera.sharedArea(a, b)}`);
    assert.ok(Math.abs(camera.sharedArea(b, a) - shared) < 1e-9, "either way round");
  }
});

test("orbiting keeps the chart inside the canvas, clear of the panels, within the turning limits", () => {
  const size = { width: 800, height: 566, margin: 20, insets: { right: 180, bottom: 50 } };
  let cam = camera.frame(points, { ...camera.HOME, fov: 0.785398 }, size);
  for (const [dYaw, dPitch] of [[0.4, 0], [3, 0], [-7, 0], [0, 2], [0, -3], [1.2, 0.7]]) {
    cam = camera.orbit(cam, dYaw, dPitch, () => points, size);
    assert.ok(cam.yaw >= camera.YAW_LIMITS[0] && cam.yaw <= camera.YAW_LIMITS[1], `yaw ${cam.yaw}`);
    assert.ok(cam.pitch >= camera.PITCH_LIMITS[0] && cam.pitch <= camera.PITCH_LIMITS[1], `pitch ${cam.pitch}`);
    assert.ok(cam.position[1] > Math.min(...points.map((p) => p[1])), "the eye stays above the floor");
    for (const p of points) {
      const [x, y] = camera.project(cam, p, size);
      assert.ok(x >= size.margin - 1e-6 && x <= size.width - size.margin - size.insets.right + 1e-6, `x ${x}`);
      assert.ok(y >= size.margin - 1e-6 && y <= size.height - size.margin - size.insets.bottom + 1e-6, `y ${y}`);
    }
  }
  // A zoom and a pan are kept through a turn.
  const moved = camera.pan(camera.zoom(cam, 0.5), 30, 0, size.height);
  const after = camera.orbit(moved, 0.1, 0, () => points, size);
  assert.equal(after.zoomed, 0.5);
  assert.deepEqual(after.shift, moved.shift);
});

test("the headings keep every upright text seen from its front", () => {
  const deg = Math.PI / 180;
  for (const [facings, expected] of [
    [[[0, 0, 1]], camera.YAW_LIMITS], // facing the front: the turning limits alone
    [[[0, 0, 1], [1, 0, 0]], [12 * deg, camera.YAW_LIMITS[1]]], // a side wall's texts too
    [[[0, 0, 1], [0, 1, 0]], camera.YAW_LIMITS], // texts lying flat do not count
    [[[0, 0, 1], [0, 0, -1]], camera.YAW_LIMITS], // no heading shows both: the turning limits
  ]) {
    const [low, high] = camera.yawLimits(facings);
    assert.ok(Math.abs(low - expected[0]) < 1e-9 && Math.abs(high - expected[1]) < 1e-9, `${JSON.stringify(facings)}: ${low}, ${high}`);
  }
});

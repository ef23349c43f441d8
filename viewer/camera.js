// The viewer's camera: a position, a heading (yaw, about the world's +y axis) and an
// elevation (pitch, about the camera's own x axis), and never a roll, so the world's up
// direction always points up on the screen. Pure functions on plain arrays; the page hands
// the result to a Viewpoint node.
//
// A camera is { position: [x, y, z], yaw, pitch, fov, pivot: [x, y, z] }: it looks along
// (-sin yaw cos pitch, sin pitch, -cos yaw cos pitch), fov spans the smaller side of the
// canvas (as for VRML Viewpoints), and turning and zooming happen about pivot.

// The whole-chart view looks from in front and a little to the right, from above (negative
// pitch looks down), so the floor's labels read and the front of the chart faces the viewer.
// Where texts would overlap from there, the first of the other headings that shows them
// overlapping least is taken.
const degrees = (yaw, pitch) => ({ yaw: (yaw * Math.PI) / 180, pitch: (pitch * Math.PI) / 180 });
export const HOME = degrees(20, -35);
export const HOME_CHOICES = [-35, -30, -25, -45, -20].flatMap((pitch) =>
  [20, 10, 0, 30, -10, -20].map((yaw) => degrees(yaw, pitch)));

// Turning keeps the eye above the middle of the chart and short of looking straight down (so
// the picture never flips over), and in front of the chart: the chart's texts face the front,
// and seen from behind they would read in mirror writing.
export const PITCH_LIMITS = [(-80 * Math.PI) / 180, (-3 * Math.PI) / 180];
export const YAW_LIMITS = [(-75 * Math.PI) / 180, (75 * Math.PI) / 180];

// Texts that face sideways narrow the headings further: each is seen from its front, at least
// this far from edge-on.
const READABLE = (12 * Math.PI) / 180;

/**
 * The headings (yaw range [low, high]) from which every text facing one of `facings` (unit
 * vectors; those lying flat do not count) is seen from its front, within YAW_LIMITS; where no
 * heading shows them all so, YAW_LIMITS.
 */
export function yawLimits(facings) {
  let [low, high] = YAW_LIMITS;
  for (const [x, , z] of facings) {
    if (Math.hypot(x, z) < 0.5) continue;
    const facing = Math.atan2(x, z), reach = Math.PI / 2 - READABLE;
    [low, high] = [Math.max(low, facing - reach), Math.min(high, facing + reach)];
  }
  return low <= high ? [low, high] : YAW_LIMITS;
}

// A drag across the whole canvas turns the view by this much (a quarter turn).
export const TURN_PER_CANVAS = Math.PI / 2;

const clamp = (v, lo, hi) => Math.min(hi, Math.max(lo, v));
const dot = (a, b) => a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
const add = (a, b, k = 1) => [a[0] + k * b[0], a[1] + k * b[1], a[2] + k * b[2]];

/** The camera's right, up and backward unit vectors in world coordinates. */
export function axes({ yaw, pitch }) {
  const [cy, sy, cp, sp] = [Math.cos(yaw), Math.sin(yaw), Math.cos(pitch), Math.sin(pitch)];
  return {
    right: [cy, 0, -sy],
    up: [sy * sp, cp, cy * sp],
    back: [sy * cp, -sp, cy * cp],
  };
}

/** The heading and elevation of a VRML orientation [x, y, z, angle]; its roll is dropped. */
export function headingOf([x, y, z, angle]) {
  const n = Math.hypot(x, y, z) || 1;
  const [kx, ky, kz] = [x / n, y / n, z / n];
  const c = Math.cos(angle), s = Math.sin(angle);
  // The rotated view direction (0, 0, -1).
  const f = [-(kx * kz * (1 - c) + ky * s), -(ky * kz * (1 - c) - kx * s), -(c + kz * kz * (1 - c))];
  return { yaw: Math.atan2(-f[0], -f[2]), pitch: Math.asin(clamp(f[1], -1, 1)) };
}

/** The camera's orientation as a VRML rotation [x, y, z, angle] (turn by yaw after pitch). */
export function orientationOf({ yaw, pitch }) {
  // Quaternion product q(y axis, yaw) * q(x axis, pitch).
  const [cy, sy, cp, sp] = [Math.cos(yaw / 2), Math.sin(yaw / 2), Math.cos(pitch / 2), Math.sin(pitch / 2)];
  const w = cy * cp, v = [cy * sp, sy * cp, -sy * sp];
  const s = Math.hypot(...v);
  return s < 1e-12 ? [0, 0, 1, 0] : [v[0] / s, v[1] / s, v[2] / s, 2 * Math.atan2(s, w)];
}

/** tan of half the field of view across the canvas width and height. */
export function halfTangents(fov, width, height) {
  const t = Math.tan(fov / 2);
  return width >= height ? [(t * width) / height, t] : [t, (t * height) / width];
}

/**
 * The camera with the given heading that shows every point inside the canvas, keeping
 * `margin` CSS pixels clear at each edge and `insets` ({ left, right, top, bottom }) more at
 * those edges, as close as it can; the pivot is the middle of the points. `points` must not
 * be empty.
 */
export function frame(points, { yaw, pitch, fov }, { width, height, margin = 0, insets = {} }) {
  const { right, up, back } = axes({ yaw, pitch });
  const [tx, ty] = halfTangents(fov, width, height);
  // Tangents from the view axis (the middle of the canvas) to the inner edges.
  const inner = (t, extent, inset = 0) => t * Math.max(0.05, 1 - (2 * (margin + inset)) / extent);
  const [left, rightEdge] = [inner(tx, width, insets.left), inner(tx, width, insets.right)];
  const [bottom, top] = [inner(ty, height, insets.bottom), inner(ty, height, insets.top)];
  // In camera axes a point p is seen when -left <= (p.x - e.x) / (e.z - p.z) <= rightEdge, and
  // likewise for y. The nearest eye meeting both bounds of one axis stands where both hold
  // with equality for the points that bound them.
  let [a, b, c, d, far] = [-Infinity, -Infinity, -Infinity, -Infinity, -Infinity];
  const low = points[0].slice(), high = points[0].slice();
  for (const p of points) {
    const [px, py, pz] = [dot(p, right), dot(p, up), dot(p, back)];
    a = Math.max(a, px + rightEdge * pz);
    b = Math.max(b, -px + left * pz);
    c = Math.max(c, py + top * pz);
    d = Math.max(d, -py + bottom * pz);
    far = Math.max(far, pz);
    for (let k = 0; k < 3; k++) [low[k], high[k]] = [Math.min(low[k], p[k]), Math.max(high[k], p[k])];
  }
  const ezX = (a + b) / (left + rightEdge), ezY = (c + d) / (top + bottom);
  const ez = Math.max(ezX, ezY, far + 0.01);
  // With the eye further back than one axis needs, that axis's points sit in the middle of
  // the free space between its insets.
  const ex = (a - rightEdge * ez - b + left * ez) / 2, ey = (c - top * ez - d + bottom * ez) / 2;
  const position = add(add(add([0, 0, 0], right, ex), up, ey), back, ez);
  return { position, yaw, pitch, fov, pivot: low.map((v, k) => (v + high[k]) / 2), shift: [0, 0, 0], zoomed: 1 };
}

/** The canvas pixel [x, y] (y downwards) where the camera shows world point p. */
export function project(camera, p, { width, height }) {
  const { right, up, back } = axes(camera);
  const d = add(p, camera.position, -1), depth = Math.max(1e-9, -dot(d, back));
  const [tx, ty] = halfTangents(camera.fov, width, height);
  return [(width / 2) * (1 + dot(d, right) / depth / tx), (height / 2) * (1 - dot(d, up) / depth / ty)];
}

/** The convex outline (counter-clockwise on the screen) of 2-D points. */
export function outline(points) {
  const sorted = points.slice().sort((a, b) => a[0] - b[0] || a[1] - b[1]);
  const side = (o, a, b) => (a[0] - o[0]) * (b[1] - o[1]) - (a[1] - o[1]) * (b[0] - o[0]);
  const half = (list) => {
    const hull = [];
    for (const p of list) {
      while (hull.length >= 2 && side(hull[hull.length - 2], hull[hull.length - 1], p) <= 0) hull.pop();
      hull.push(p);
    }
    return hull.slice(0, -1);
  };
  return [...half(sorted), ...half(sorted.slice().reverse())];
}

const polygonArea = (poly) => Math.abs(poly.reduce((s, p, i) => {
  const q = poly[(i + 1) % poly.length];
  return s + p[0] * q[1] - q[0] * p[1];
}, 0)) / 2;

/** The area two convex outlines share (each clipped by the other's edges). */
export function sharedArea(a, b) {
  let poly = a;
  for (let i = 0; i < b.length && poly.length; i++) {
    const [p, q] = [b[i], b[(i + 1) % b.length]];
    const inside = (v) => (q[0] - p[0]) * (v[1] - p[1]) - (q[1] - p[1]) * (v[0] - p[0]) >= 0;
    const cut = (u, v) => {
      const d1 = (q[0] - p[0]) * (u[1] - p[1]) - (q[1] - p[1]) * (u[0] - p[0]);
      const d2 = (q[0] - p[0]) * (v[1] - p[1]) - (q[1] - p[1]) * (v[0] - p[0]);
      const t = d1 / (d1 - d2);
      return [u[0] + t * (v[0] - u[0]), u[1] + t * (v[1] - u[1])];
    };
    const next = [];
    poly.forEach((u, k) => {
      const v = poly[(k + 1) % poly.length];
      if (inside(u)) next.push(u);
      if (inside(u) !== inside(v)) next.push(cut(u, v));
    });
    poly = next;
  }
  return poly.length >= 3 ? polygonArea(poly) : 0;
}

// Boxes around texts may touch where the letters do not: two outlines that share at most this
// part of the smaller one, and `slack` more (a square pixel on the screen), do not overlap.
const TOUCHING = 0.03;

/** The area by which two convex outlines overlap beyond touching. */
export function overlapBeyondTouching(a, b, slack = 1) {
  return Math.max(0, sharedArea(a, b) - TOUCHING * Math.min(sharedArea(a, a), sharedArea(b, b)) - slack);
}

/** The square pixels by which the outlines overlap beyond touching, pair by pair. */
export function overlapArea(outlines) {
  let area = 0;
  for (let i = 0; i < outlines.length; i++)
    for (let j = i + 1; j < outlines.length; j++) area += overlapBeyondTouching(outlines[i], outlines[j]);
  return area;
}

/**
 * The whole-chart camera: framed (as frame() does) from the first heading of `headings`
 * whose texts overlap least on the screen beyond touching (its yaw kept within `yaws`);
 * texts(heading) lists the corners of each text line's box.
 */
export function wholeChart(points, texts, headings, fov, fit, yaws = YAW_LIMITS) {
  let best = null;
  for (const heading of headings) {
    const view = { ...heading, yaw: clamp(heading.yaw, ...yaws), fov };
    const cam = frame(points(view), view, fit);
    const overlap = overlapArea(texts(view).map((box) => outline(box.map((p) => project(cam, p, fit)))));
    if (!best || overlap < best.overlap - 1) best = { cam, overlap };
    if (overlap === 0) break;
  }
  return best.cam;
}

/** The heading turned by dYaw and dPitch, kept within the turning limits (yaws: [low, high]). */
export function turned({ yaw, pitch }, dYaw, dPitch, yaws = YAW_LIMITS) {
  return { yaw: clamp(yaw + dYaw, ...yaws), pitch: clamp(pitch + dPitch, ...PITCH_LIMITS) };
}

/** The camera turned about its pivot by dYaw and dPitch, within the turning limits. */
export function turn(camera, dYaw, dPitch) {
  const to = turned(camera, dYaw, dPitch);
  const from = axes(camera), next = axes(to);
  // The pivot keeps its place in the camera's own frame.
  const offset = add(camera.position, camera.pivot, -1);
  const local = [dot(offset, from.right), dot(offset, from.up), dot(offset, from.back)];
  const moved = add(add(add([0, 0, 0], next.right, local[0]), next.up, local[1]), next.back, local[2]);
  return { ...camera, ...to, position: add(camera.pivot, moved) };
}

/**
 * The camera turned by dYaw and dPitch (within the turning limits) about the middle of the
 * chart whose extent points(heading) gives, framed anew for the new heading so the chart
 * stays inside the canvas; the zoom and pan the camera carries (zoomed, shift) are kept.
 * `yaws` narrows the headings (see yawLimits).
 */
export function orbit(camera, dYaw, dPitch, points, size, yaws = YAW_LIMITS) {
  const heading = { ...turned(camera, dYaw, dPitch, yaws), fov: camera.fov };
  const fitted = frame(points(heading), heading, size);
  const shift = camera.shift ?? [0, 0, 0], zoomed = camera.zoomed ?? 1;
  const pivot = add(fitted.pivot, shift);
  return { ...fitted, pivot, position: add(pivot, add(fitted.position, fitted.pivot, -1), zoomed), shift, zoomed };
}

/** The camera moved towards its pivot (factor < 1) or away from it (factor > 1). */
export function zoom(camera, factor) {
  const k = clamp(factor, 0.01, 100);
  const offset = add(camera.position, camera.pivot, -1);
  return { ...camera, position: add(camera.pivot, offset, k), zoomed: (camera.zoomed ?? 1) * k };
}

/** The camera and its pivot slid across the view by dx, dy canvas pixels. */
export function pan(camera, dx, dy, height) {
  const { right, up, back } = axes(camera);
  const distance = Math.abs(dot(add(camera.position, camera.pivot, -1), back));
  const perPixel = (2 * distance * Math.tan(camera.fov / 2)) / height;
  const move = add(add([0, 0, 0], right, -dx * perPixel), up, dy * perPixel);
  return { ...camera, position: add(camera.position, move), pivot: add(camera.pivot, move),
           shift: add(camera.shift ?? [0, 0, 0], move) };
}

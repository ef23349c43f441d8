// The viewer's camera: a position, a heading (yaw, about the world's +y axis) and an
// elevation (pitch, about the camera's own x axis), and never a roll, so the world's up
// direction always points up on the screen. Pure functions on plain arrays; the page hands
// the result to a Viewpoint node.
//
// A camera is { position: [x, y, z], yaw, pitch, fov, pivot: [x, y, z] }: it looks along
// (-sin yaw cos pitch, sin pitch, -cos yaw cos pitch), fov spans the smaller side of the
// canvas (as for VRML Viewpoints), and turning and zooming happen about pivot.

// Turning stops short of looking straight down (so the picture never flips over) and looks
// up from below the floor only a little (enough to see values that hang below it).
export const PITCH_LIMITS = [(-80 * Math.PI) / 180, (35 * Math.PI) / 180];

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
  return { yaw: Math.atan2(-f[0], -f[2]), pitch: clamp(Math.asin(clamp(f[1], -1, 1)), ...PITCH_LIMITS) };
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
 * `margin` CSS pixels clear at each edge, as close as it can; the pivot is the middle of
 * the points. `points` must not be empty.
 */
export function frame(points, { yaw, pitch, fov }, { width, height, margin = 0 }) {
  const { right, up, back } = axes({ yaw, pitch });
  const [tx0, ty0] = halfTangents(fov, width, height);
  const tx = tx0 * Math.max(0.1, 1 - (2 * margin) / width);
  const ty = ty0 * Math.max(0.1, 1 - (2 * margin) / height);
  // In camera axes a point p is seen when |p.x - e.x| <= tx (e.z - p.z), likewise for y.
  // The nearest eye meeting both bounds of one axis stands midway between them.
  let [a, b, c, d, far] = [-Infinity, -Infinity, -Infinity, -Infinity, -Infinity];
  const low = points[0].slice(), high = points[0].slice();
  for (const p of points) {
    const [px, py, pz] = [dot(p, right), dot(p, up), dot(p, back)];
    a = Math.max(a, px + tx * pz);
    b = Math.max(b, -px + tx * pz);
    c = Math.max(c, py + ty * pz);
    d = Math.max(d, -py + ty * pz);
    far = Math.max(far, pz);
    for (let k = 0; k < 3; k++) [low[k], high[k]] = [Math.min(low[k], p[k]), Math.max(high[k], p[k])];
  }
  const ex = (a - b) / 2, ey = (c - d) / 2;
  const ez = Math.max((a + b) / (2 * tx), (c + d) / (2 * ty), far + 0.01);
  const position = add(add(add([0, 0, 0], right, ex), up, ey), back, ez);
  return { position, yaw, pitch, fov, pivot: low.map((v, k) => (v + high[k]) / 2) };
}

/** The camera turned about its pivot by dYaw and dPitch (the elevation stays in bounds). */
export function turn(camera, dYaw, dPitch) {
  const pitch = clamp(camera.pitch + dPitch, ...PITCH_LIMITS);
  const from = axes(camera), to = axes({ yaw: camera.yaw + dYaw, pitch });
  // The pivot keeps its place in the camera's own frame.
  const offset = add(camera.position, camera.pivot, -1);
  const local = [dot(offset, from.right), dot(offset, from.up), dot(offset, from.back)];
  const moved = add(add(add([0, 0, 0], to.right, local[0]), to.up, local[1]), to.back, local[2]);
  return { ...camera, yaw: camera.yaw + dYaw, pitch, position: add(camera.pivot, moved) };
}

/** The camera moved towards its pivot (factor < 1) or away from it (factor > 1). */
export function zoom(camera, factor) {
  const offset = add(camera.position, camera.pivot, -1);
  return { ...camera, position: add(camera.pivot, offset, clamp(factor, 0.01, 100)) };
}

/** The camera and its pivot slid across the view by dx, dy canvas pixels. */
export function pan(camera, dx, dy, height) {
  const { right, up, back } = axes(camera);
  const distance = Math.abs(dot(add(camera.position, camera.pivot, -1), back));
  const perPixel = (2 * distance * Math.tan(camera.fov / 2)) / height;
  const shift = add(add([0, 0, 0], right, -dx * perPixel), up, dy * perPixel);
  return { ...camera, position: add(camera.position, shift), pivot: add(camera.pivot, shift) };
}

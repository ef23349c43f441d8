// What the proto tests need to see: where a world point lands on the canvas for the world's
// viewpoint, and the canvas's pixels (a PNG screenshot decoded here, so colours can be counted
// and sampled without a round trip through the page for every question).
import { inflateSync } from "node:zlib";

// ---------------------------------------------------------------------------------------------
// Viewpoint projection

// Rotates v by the axis-angle rotation [x, y, z, angle] (Rodrigues' formula).
export function rotate([vx, vy, vz], [ax, ay, az, angle]) {
  const length = Math.hypot(ax, ay, az) || 1;
  const [kx, ky, kz] = [ax / length, ay / length, az / length];
  const c = Math.cos(angle), s = Math.sin(angle), dot = kx * vx + ky * vy + kz * vz;
  return [
    vx * c + (ky * vz - kz * vy) * s + kx * dot * (1 - c),
    vy * c + (kz * vx - kx * vz) * s + ky * dot * (1 - c),
    vz * c + (kx * vy - ky * vx) * s + kz * dot * (1 - c),
  ];
}

/**
 * The view of the Viewpoint DEF'd as `name`: { eye, orientation, fov, width, height } with
 * the canvas size in CSS pixels.
 */
export async function viewOf(session, name) {
  const [eye, orientation, fov, size] = [
    await session.field(name, "position"), await session.field(name, "orientation"),
    await session.field(name, "fieldOfView"), await session.canvasSize()];
  return { eye, orientation, fov, ...size };
}

/** The canvas pixel [x, y] at which `view` shows world point p. */
export function project(view, p) {
  const inverse = [...view.orientation.slice(0, 3), -view.orientation[3]];
  const [cx, cy, cz] = rotate([p[0] - view.eye[0], p[1] - view.eye[1], p[2] - view.eye[2]], inverse);
  // The field of view spans the smaller side of the canvas.
  const f = Math.min(view.width, view.height) / 2 / Math.tan(view.fov / 2);
  return [view.width / 2 + (cx * f) / -cz, view.height / 2 - (cy * f) / -cz];
}

// ---------------------------------------------------------------------------------------------
// Pixels

// Decodes an 8-bit, non-interlaced RGB or RGBA PNG (what chromium's screenshots are).
export function decodePNG(buffer) {
  let offset = 8, width = 0, height = 0, channels = 0;
  const data = [];
  while (offset < buffer.length) {
    const length = buffer.readUInt32BE(offset);
    const type = buffer.toString("latin1", offset + 4, offset + 8);
    const body = buffer.subarray(offset + 8, offset + 8 + length);
    if (type === "IHDR") {
      width = body.readUInt32BE(0);
      height = body.readUInt32BE(4);
      const [depth, colour, , , interlace] = body.subarray(8, 13);
      channels = { 2: 3, 6: 4 }[colour];
      if (depth !== 8 || !channels || interlace !== 0) throw new Error("unsupported PNG format");
    } else if (type === "IDAT") {
      data.push(body);
    }
    offset += 12 + length;
  }
  const raw = inflateSync(Buffer.concat(data));
  const stride = width * channels, out = Buffer.alloc(width * height * 3);
  let previous = Buffer.alloc(stride), row = Buffer.alloc(stride);
  for (let y = 0; y < height; y++) {
    const filter = raw[y * (stride + 1)];
    const line = raw.subarray(y * (stride + 1) + 1, (y + 1) * (stride + 1));
    for (let i = 0; i < stride; i++) {
      const a = i >= channels ? row[i - channels] : 0, b = previous[i], c = i >= channels ? previous[i - channels] : 0;
      let predictor = 0;
      if (filter === 1) predictor = a;
      else if (filter === 2) predictor = b;
      else if (filter === 3) predictor = (a + b) >> 1;
      else if (filter === 4) {
        const p = a + b - c, pa = Math.abs(p - a), pb = Math.abs(p - b), pc = Math.abs(p - c);
        predictor = pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
      }
      row[i] = (line[i] + predictor) & 0xff;
    }
    for (let x = 0; x < width; x++)
      for (let k = 0; k < 3; k++) out[(y * width + x) * 3 + k] = row[x * channels + k];
    [previous, row] = [row, previous];
  }
  return new Picture(width, height, out);
}

/** An RGB picture of the canvas, with questions about its colours. */
export class Picture {
  constructor(width, height, rgb) {
    Object.assign(this, { width, height, rgb });
  }

  at(x, y) {
    const i = (Math.round(y) * this.width + Math.round(x)) * 3;
    return [this.rgb[i], this.rgb[i + 1], this.rgb[i + 2]];
  }

  /**
   * Pixels within `tolerance` (per channel, 0..255) of `colour` inside the rectangle
   * [x0, y0, x1, y1] (default: everywhere): { count, box: [minX, minY, maxX, maxY] or null }.
   */
  find(colour, { tolerance = 40, rect = [0, 0, this.width - 1, this.height - 1] } = {}) {
    let count = 0, box = null;
    const [x0, y0, x1, y1] = rect.map(Math.round);
    for (let y = Math.max(0, y0); y <= Math.min(this.height - 1, y1); y++)
      for (let x = Math.max(0, x0); x <= Math.min(this.width - 1, x1); x++) {
        const [r, g, b] = this.at(x, y);
        if (Math.abs(r - colour[0]) > tolerance || Math.abs(g - colour[1]) > tolerance ||
            Math.abs(b - colour[2]) > tolerance) continue;
        count++;
        box = box ? [Math.min(box[0], x), Math.min(box[1], y), Math.max(box[2], x), Math.max(box[3], y)]
                  : [x, y, x, y];
      }
    return { count, box };
  }
}

/** The canvas as it is on screen now. */
export async function grab(session) {
  await session.frames(3);
  const box = await session.canvasBox();
  const picture = decodePNG(await session.page.screenshot({ clip: box }));
  // Screenshots are taken in device pixels; the tests think in CSS pixels.
  if (picture.width !== Math.round(box.width)) throw new Error("the canvas is scaled; expected 1 device pixel per CSS pixel");
  return picture;
}

/** The hue (0..360) of an RGB colour, or null for a grey. */
export function hue([r, g, b]) {
  const max = Math.max(r, g, b), min = Math.min(r, g, b), d = max - min;
  if (d < 25) return null;
  let h;
  if (max === r) h = ((g - b) / d) % 6;
  else if (max === g) h = (b - r) / d + 2;
  else h = (r - g) / d + 4;
  return (h * 60 + 360) % 360;
}

/** The distance between two hues in degrees (0..180). */
export function hueDistance(a, b) {
  const d = Math.abs(a - b) % 360;
  return d > 180 ? 360 - d : d;
}

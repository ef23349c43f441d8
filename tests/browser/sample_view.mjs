// The sample program's viewpoint, for pointing at world positions on the canvas: position
// (6, 4, 20), turned by -0.05 about x, then 0.05 about y, default field of view over the
// canvas height.
const eye = [6, 4, 20];
const [ax, ay] = [-0.05, 0.05];
const fieldOfView = 0.785398;

/** World point to canvas pixels, through the camera frame R^T (p - eye) with R = Ry·Rx. */
export function project([x, y, z], { width, height }) {
    const d = [x - eye[0], y - eye[1], z - eye[2]];
    const [cx, sx, cy, sy] = [Math.cos(ax), Math.sin(ax), Math.cos(ay), Math.sin(ay)];
    // Undo the turn about y, then the turn about x.
    const u = [cy * d[0] - sy * d[2], d[1], sy * d[0] + cy * d[2]];
    const c = [u[0], cx * u[1] + sx * u[2], -sx * u[1] + cx * u[2]];
    const scale = height / 2 / Math.tan(fieldOfView / 2) / -c[2];
    return [width / 2 + c[0] * scale, height / 2 - c[1] * scale];
}

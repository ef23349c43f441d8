// The view every sample graph opens with, and the legend check of its toggles.
import assert from "node:assert/strict";

// The samples' viewpoint: position (6, 4, 20), turned by -0.05 about x, then 0.05 about y,
// default field of view over the canvas height.
const eye = [6, 4, 20];
const [ax, ay] = [-0.05, 0.05];
const fieldOfView = 0.785398;

// World point to canvas pixels, through the camera frame R^T (p - eye) with R = Ry·Rx.
export function project([x, y, z], { width, height }) {
    const d = [x - eye[0], y - eye[1], z - eye[2]];
    const [cx, sx, cy, sy] = [Math.cos(ax), Math.sin(ax), Math.cos(ay), Math.sin(ay)];
    const u = [cy * d[0] - sy * d[2], d[1], sy * d[0] + cy * d[2]];
    const c = [u[0], cx * u[1] + sx * u[2], -sx * u[1] + cx * u[2]];
    const scale = height / 2 / Math.tan(fieldOfView / 2) / -c[2];
    return [width / 2 + c[0] * scale, height / 2 - c[1] * scale];
}

// Legend check box `box` of `boxes` hides the item named `toggle`, and a second click shows it.
// The legend stands at (legendX, legendY, 0); boxes 0.6 high and 0.21 apart, box 1 on top, at
// the legend's local x = 0, so a billboard turn does not move them.
export async function checkLegendToggle(session, { legendX, legendY, boxes, box, toggle, others }) {
    const size = await session.canvasSize();
    const at = project([legendX, legendY + (boxes - box) * 0.81, 0], size);
    assert.equal(await session.field(toggle, "contentsExist"), true);
    await session.click(...at);
    await session.waitForField(`CHECK_BOX_${box}`, "value", false);
    await session.waitForField(toggle, "contentsExist", false);
    for (const other of others) assert.equal(await session.field(other, "contentsExist"), true, other);
    await session.screenshot(session.screenshotPath.replace(/\.png$/, "-hidden.png"));
    await session.click(...at);
    await session.waitForField(toggle, "contentsExist", true);
}

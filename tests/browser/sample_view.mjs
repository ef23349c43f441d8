// What the checks of the sample program's grid graphs share: the sample's initial viewpoint,
// where a legend check box stands, and the state of a series read in the page.
import assert from "node:assert/strict";

// The sample's viewpoint: position (6, 4, 20), turned by -0.05 about x, then 0.05 about y,
// default field of view over the canvas height.
const eye = [6, 4, 20];
const [ax, ay] = [-0.05, 0.05];
const fieldOfView = 0.785398;

// World point to canvas pixels, through the camera frame R^T (p - eye) with R = Ry·Rx.
export function project([x, y, z], { width, height }) {
    const d = [x - eye[0], y - eye[1], z - eye[2]];
    const [cx, sx, cy, sy] = [Math.cos(ax), Math.sin(ax), Math.cos(ay), Math.sin(ay)];
    // Undo the turn about y, then the turn about x.
    const u = [cy * d[0] - sy * d[2], d[1], sy * d[0] + cy * d[2]];
    const c = [u[0], cx * u[1] + sx * u[2], -sx * u[1] + cx * u[2]];
    const scale = height / 2 / Math.tan(fieldOfView / 2) / -c[2];
    return [width / 2 + c[0] * scale, height / 2 - c[1] * scale];
}

// Check box i of count in a sample legend beside a grid of the given width and height: the
// legend stands at (width x 1.1, height x 0.1, 0), billboarded about y; its boxes are 0.6 high
// and 0.21 apart, box 1 on top, at the legend's local x = 0, so the billboard turn does not
// move them.
export function legendBox(i, count, grid, size) {
    return project([grid.width * 1.1, grid.height * 0.1 + (count - i) * 0.81, 0], size);
}

// Series number index (0-based, in the order of the series group, the root's last child):
// its root's translation, its heights, whether its toggle shows it, and its pop-up strip's
// texts and the marker index under the pointer.
export async function seriesState(session, index) {
    return session.evaluate((browser, index) => {
        const root = browser.currentScene.rootNodes[0];
        const series = root.children[root.children.length - 1].children[index];
        const toggle = series.children[0];
        const parts = Array.from(toggle.children);
        const proto = parts.find((node) => node.getNodeTypeName().endsWith("Series"));
        const strip = parts.find((node) => node.getNodeTypeName() === "Transform").children[0];
        return {
            translation: Array.from(series.translation),
            type: proto.getNodeTypeName(),
            heights: Array.from(proto.height),
            shown: toggle.contentsExist,
            texts: Array.from(strip.popupText),
            over: strip.mouseOverIndex,
        };
    }, index);
}

// Hovers over world point (where marker `cell` of series `index` stands) and waits until
// that marker reports the pointer; its pop-up text is the value, 15/8 of the height. Saves a
// screenshot with the pop-up shown.
export async function expectPopupOnHover(session, index, cell, point) {
    const size = await session.canvasSize();
    await session.hover(...project(point, size));
    const state = await session.waitFor(async () => {
        const s = await seriesState(session, index);
        return s.over === cell && s;
    }, { message: `marker ${cell} of series ${index} to report the pointer` });
    assert.equal(state.texts[cell], (state.heights[cell] * 15 / 8).toFixed(2));
    await session.screenshot(session.screenshotPath.replace(/\.png$/, "-hover.png"));
}

// Legend check box `box` of `boxes` hides the item named `toggle`, and a second click shows it.
// The legend stands at (legendX, legendY, 0); boxes 0.6 high and 0.21 apart, box 1 on top, at
// the legend's local x = 0, so a billboard turn does not move them. The screenshot taken while
// it is hidden ends in "-" + shot + ".png".
export async function checkLegendToggle(session, { legendX, legendY, boxes, box, toggle, others, shot = "hidden" }) {
    const size = await session.canvasSize();
    const at = project([legendX, legendY + (boxes - box) * 0.81, 0], size);
    assert.equal(await session.field(toggle, "contentsExist"), true);
    await session.click(...at);
    await session.waitForField(`CHECK_BOX_${box}`, "value", false);
    await session.waitForField(toggle, "contentsExist", false);
    for (const other of others) assert.equal(await session.field(other, "contentsExist"), true, other);
    await session.screenshot(session.screenshotPath.replace(/\.png$/, `-${shot}.png`));
    await session.click(...at);
    await session.waitForField(toggle, "contentsExist", true);
}

// Checks on the pie worlds, both seen from (6, 4, 20) with slices of shares 0.1, 0.2, 0.4, 0.3
// and radius 4. The sample pie (texts always shown, spin axis on): a drag on slice 2 pulls it
// out, a drag on the spin axis turns the pie, a legend check box hides slice 3 (and shows it again). The touch pie:
// slice 2's text shows only while the slice is held.
import assert from "node:assert/strict";
import { project } from "./proto_views.mjs";

const shot = (session, suffix) => session.screenshot(session.screenshotPath.replace(/\.png$/, `-${suffix}.png`));

// The world's one viewpoint, under the viewpoints' Group (the root's fifth child).
async function sampleView(session) {
    const view = await session.evaluate((browser) => {
        const vp = browser.currentScene.rootNodes[0].children[4].children[0];
        return { eye: Array.from(vp.position), orientation: Array.from(vp.orientation), fov: vp.fieldOfView };
    });
    return { ...view, ...(await session.canvasSize()) };
}

// A point on the outer rim of slice 2 half way up its height, a little before its bisector (at
// 0.2 of the turn), where its drill-down cone (an Anchor, which would take the press) is not.
const slice2Angle = 0.4 * Math.PI - 0.25;
const slice2Rim = [4 * Math.cos(slice2Angle), 0.9, 4 * Math.sin(slice2Angle)];

async function pullOutAndSpin(session, view) {
    const [x, y] = project(view, slice2Rim);
    assert.deepEqual(await session.field("INNER_TRANS_2", "translation"), [0, 0, 0]);
    await session.drag([x, y], [x + 120, y + 20]);
    const pulled = await session.waitForField("INNER_TRANS_2", "translation", (t) => t[0] > 0.5);
    assert.equal(pulled[1], 0);
    assert.equal(pulled[2], 0);
    assert.deepEqual(await session.field("INNER_TRANS_1", "translation"), [0, 0, 0]);
    await shot(session, "pulled");

    // The spin axis sticks out above the tallest slice (2.2) up to 1.2 x 2.2 at the centre.
    const before = await session.field("PIE_TRANS", "rotation");
    const [ax, ay] = project(view, [0, 2.5, 0]);
    await session.drag([ax, ay], [ax + 150, ay]);
    await session.waitForField("PIE_TRANS", "rotation", (r) => Math.abs(r[3] - before[3]) > 0.1);
    await shot(session, "spun");
}

async function hideFromLegend(session, view) {
    // Legend at (1.4 x 4, 0.2 x 2.2, 0), billboarded; boxes 0.6 high, 0.21 apart, box 1 on top.
    const box = (i) => project(view, [5.6, 0.44 + (4 - i) * 0.81, 0]);
    assert.equal(await session.field("SLICE_TOGGLE_3", "contentsExist"), true);
    await session.click(...box(3));
    await session.waitForField("SLICE_TOGGLE_3", "contentsExist", false);
    assert.equal(await session.field("SLICE_TOGGLE_2", "contentsExist"), true);
    await shot(session, "hidden");
    await session.click(...box(3));
    await session.waitForField("SLICE_TOGGLE_3", "contentsExist", true);
}

async function showWhileHeld(session, view) {
    assert.equal(await session.field("SLICE_TEXT_TOGGLE_2", "contentsExist"), false);
    const [x, y] = project(view, slice2Rim);
    const box = await session.canvasBox();
    await session.moveTo(x, y);
    await session.frames(2);
    await session.page.mouse.down();
    await session.page.mouse.move(box.x + x + 60, box.y + y, { steps: 5 });
    await session.waitForField("SLICE_TEXT_TOGGLE_2", "contentsExist", true);
    assert.equal(await session.field("SLICE_TEXT_TOGGLE_1", "contentsExist"), false);
    await shot(session, "held");
    await session.page.mouse.up();
    await session.waitForField("SLICE_TEXT_TOGGLE_2", "contentsExist", false);
}

export default async function pieChecks(session) {
    const view = await sampleView(session);
    if (session.world === "pie_touch.wrl") {
        await showWhileHeld(session, view);
        return;
    }
    // The legend first: a pulled-out slice 2 would stand in front of its boxes.
    await hideFromLegend(session, view);
    await pullOutAndSpin(session, view);
}

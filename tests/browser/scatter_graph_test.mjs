// Checks on the sample program's scatter graph, seen from its initial viewpoint: the legend
// lists the three categories, and dragging the frame slider's knob to another stop switches
// the frame shown, which changes the picture.
import assert from "node:assert/strict";
import { readFile } from "node:fs/promises";

import { project } from "./sample_view.mjs";

// The slider lies on the floor along +x from x = 11 (stop 0) over 1.5 x 6 x 0.4 = 3.6 units
// (stop 5), at y = 0, z = 0.
const stop = (v) => [11 + (3.6 * v) / 5, 0, 0];

export default async function scatterGraphChecks(session) {
    const size = await session.canvasSize();

    // Root children: eight parts, the animation group, then the legend (root -> inner -> legend).
    const categories = await session.evaluate((browser) =>
        Array.from(browser.currentScene.rootNodes[0].children[9].children[0].children[0].descriptions));
    assert.deepEqual([...categories].sort(), ["Category A", "Category B", "Category C"]);

    assert.equal(await session.field("FRAME_SWITCH", "whichChoice"), 0);
    const before = session.screenshotPath.replace(/\.png$/, "-frame1.png");
    const after = session.screenshotPath.replace(/\.png$/, "-frame3.png");
    await session.screenshot(before);
    await session.drag(project(stop(0), size), project(stop(2), size));
    await session.waitForField("FRAME_SWITCH", "whichChoice", 2);
    await session.screenshot(after);
    const [a, b] = await Promise.all([readFile(before), readFile(after)]);
    assert.notDeepEqual(a, b, "the picture must change with the frame");
}

// Checks on the sample program's area graph, seen from its initial viewpoint: hovering a data
// point raises its pop-up, and a legend check box hides its series and shows it again.
import assert from "node:assert/strict";
import { legendBox, project } from "./sample_view.mjs";

export default async function areaGraphChecks(session) {
    const size = await session.canvasSize();

    // Grid 10 x 8 x 8 with 5 X cells and 3 series of depth 0.3: the front series (3) stands
    // in z from 8 x 2/3 + 4/3 - 0.15, its first point at x = 1, its pop-up markers 1.05 x depth deep.
    const heights = await session.evaluate((browser) =>
        Array.from(browser.currentScene.getNamedNode("SERIES_TOGGLE_3").children[0].height));
    assert.equal(heights.length, 5);
    const front = 8 * (2 / 3) + 4 / 3 - 0.15;
    await session.hover(...project([1, heights[0], front + 0.1], size));
    await session.waitFor(
        // The strip is the pop-up root's child, the toggle's second child.
        async () => (await session.evaluate((browser) =>
            browser.currentScene.getNamedNode("SERIES_TOGGLE_3").children[1].children[0].mouseOverIndex)) === 0,
        { message: "the front series' first marker to report the pointer" });
    await session.screenshot(session.screenshotPath.replace(/\.png$/, "-hover.png"));

    const box = (i) => legendBox(i, 3, { width: 10, height: 8 }, size);
    assert.equal(await session.field("SERIES_TOGGLE_1", "contentsExist"), true);
    await session.click(...box(1));
    await session.waitForField("CHECK_BOX_1", "value", false);
    await session.waitForField("SERIES_TOGGLE_1", "contentsExist", false);
    assert.equal(await session.field("SERIES_TOGGLE_2", "contentsExist"), true);
    await session.screenshot(session.screenshotPath.replace(/\.png$/, "-hidden.png"));
    await session.click(...box(1));
    await session.waitForField("SERIES_TOGGLE_1", "contentsExist", true);
}

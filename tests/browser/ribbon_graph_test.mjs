// Checks on the sample program's ribbon graph, seen from its initial viewpoint: three rounded
// ribbons in their Z cells, hovering a ribbon point raises its pop-up, and a legend check box
// hides its ribbon and shows it again.
import assert from "node:assert/strict";
import { expectPopupOnHover, legendBox, seriesState } from "./sample_view.mjs";

export default async function ribbonGraphChecks(session) {
    // Grid 10 x 8 x 8 with 8 X cells and 3 Z cells; ribbons 0.6 deep, centred in their cells.
    const cellWidth = 10 / 8, cellDepth = 8 / 3;
    for (let i = 0; i < 3; i++) {
        const s = await seriesState(session, i);
        assert.equal(s.type, "qrx_RoundedRibbonSeries");
        assert.equal(s.heights.length, 8);
        assert.ok(Math.abs(s.translation[0] - cellWidth / 2) < 1e-5);
        assert.ok(Math.abs(s.translation[2] - (i * cellDepth + cellDepth / 2 - 0.3)) < 1e-5);
    }

    // The front ribbon's fourth point, on the ribbon's front face: its pop-up marker, 1.05 x
    // the depth deep, stands just in front of it.
    const front = await seriesState(session, 2);
    await expectPopupOnHover(session, 2, 3,
        [cellWidth / 2 + 3 * cellWidth, front.heights[3], front.translation[2] + 0.6]);

    const grid = { width: 10, height: 8 };
    const size = await session.canvasSize();
    await session.click(...legendBox(2, 3, grid, size));
    await session.waitForField("CHECK_BOX_2", "value", false);
    await session.waitForField("SERIES_TOGGLE_2", "contentsExist", false);
    assert.equal(await session.field("SERIES_TOGGLE_1", "contentsExist"), true);
    assert.equal(await session.field("SERIES_TOGGLE_3", "contentsExist"), true);
    await session.screenshot(session.screenshotPath.replace(/\.png$/, "-hidden.png"));
    await session.click(...legendBox(2, 3, grid, size));
    await session.waitForField("SERIES_TOGGLE_2", "contentsExist", true);
}

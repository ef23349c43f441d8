// Checks on the sample program's surface graph from its initial viewpoint: hovering a lattice
// point shows its value pop-up, and a legend check box hides a surface and
// shows it again.
import assert from "node:assert/strict";
import { grab } from "./proto_views.mjs";
import { checkLegendToggle, project } from "./sample_view.mjs";

export default async function surfaceGraphChecks(session) {
    const size = await session.canvasSize();
    // Grid 10 x 8 x 8 with 10 x 5 cells: w = 1, d = 1.6; point (x, z) stands over the centre of
    // cell (x, z), 0.01 above the floor. The surfaces group is the root's eleventh child; each
    // surface root holds the toggle, then the pop-up root with its pop-up surface.
    const lattice = await session.evaluate((browser) => {
        const group = browser.currentScene.rootNodes[0].children[10];
        return Array.from(group.children, (root) => ({
            heights: Array.from(root.children[1].children[0].height),
            texts: Array.from(root.children[1].children[0].popupText),
        }));
    });
    assert.equal(lattice.length, 2);
    for (const surface of lattice) {
        assert.equal(surface.heights.length, 50);
        assert.equal(surface.texts.length, 50);
    }
    // Point (4, 5) of the lower surface there, entry (5 - 1) x 10 + 4, index 43: it stands in the
    // front row, below the eye, so nothing hides it. The pop-up surfaces catch the pointer on
    // sheets a radius above the points; the panel shows the nearest point's value.
    const column = 3;
    const low = Math.min(lattice[0].heights[43], lattice[1].heights[43]);
    const at = project([0.5 + column, low + 0.3, 7.2], size);
    // The pop-up panel's background, 11460567 (red 215, green 223, blue 174), appears by the pointer.
    const panel = [215, 223, 174];
    const before = (await grab(session)).find(panel, { tolerance: 12 }).count;
    await session.hover(...at);
    await session.waitFor(async () => (await grab(session)).find(panel, { tolerance: 12 }).count > before + 30,
                          { message: `the pop-up panel of a point next to (${column + 1}, 5)` });
    await session.screenshot(session.screenshotPath.replace(/\.png$/, "-hover.png"));

    await checkLegendToggle(session, { legendX: 11, legendY: 0.8, boxes: 2, box: 2, toggle: "SURFACE_2",
                                       others: ["SURFACE_1"] });
}

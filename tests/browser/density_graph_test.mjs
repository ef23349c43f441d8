// Checks on the sample program's density graph: each surface peaks at full grid height in its
// own half of the grid, and a legend check box hides a surface and shows it again.
import assert from "node:assert/strict";
import { checkLegendToggle } from "./sample_view.mjs";

export default async function densityGraphChecks(session) {
    // Grid 10 x 8 x 8 with 10 x 6 cells: 30 x 18 lattice points, w / 3 and d / 3 apart.
    const surfaces = await session.evaluate((browser) =>
        ["SURFACE_1", "SURFACE_2"].map((name) => {
            const surface = browser.currentScene.getNamedNode(name).children[0];
            return { heights: Array.from(surface.height), xDimension: surface.xDimension };
        }));
    surfaces.forEach(({ heights, xDimension }, k) => {
        assert.equal(xDimension, 30);
        assert.equal(heights.length, 30 * 18);
        const top = heights.indexOf(Math.max(...heights));
        assert.ok(Math.abs(heights[top] - 8) < 1e-4, `surface ${k + 1} reaches the grid height`);
        assert.equal(Math.min(...heights), 0);
        // The first surface's points lie in x < 5, z < 4; the second's in the opposite quarter.
        const [x, z] = [(top % 30) / 3, Math.floor(top / 30) * (8 / 18)];
        assert.ok(k === 0 ? x < 5 && z < 4 : x > 5 && z > 4, `surface ${k + 1} peaks at (${x}, ${z})`);
    });

    await checkLegendToggle(session, { legendX: 11, legendY: 0.8, boxes: 2, box: 2, toggle: "SURFACE_2",
                                       others: ["SURFACE_1"] });
}

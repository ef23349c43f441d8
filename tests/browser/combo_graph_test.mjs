// Checks on the sample program's two combination graphs from their initial viewpoint: the
// series group and the surface group are the root's last two children, and on the
// ribbon/surface world the legend's last box hides the surface alone, a ribbon's box its ribbon.
import assert from "node:assert/strict";
import { checkLegendToggle } from "./sample_view.mjs";

// How many items the series group and the surface group hold.
async function groupSizes(session) {
    return session.evaluate((browser) => {
        const children = browser.currentScene.rootNodes[0].children;
        return [children[children.length - 2].children.length, children[children.length - 1].children.length];
    });
}

export default async function comboGraphChecks(session) {
    const toggles = await session.evaluate((browser) => browser.currentScene.getNamedNode("SURFACE_1") !== null)
        .catch(() => false);
    assert.deepEqual(await groupSizes(session), [4, 1]);
    if (!toggles) return;  // the surface/column world shows no check boxes
    // Grid 10 x 8 x 8: legend at (11, 0.8); four ribbon boxes, then the surface's.
    const legend = { legendX: 11, legendY: 0.8, boxes: 5 };
    const ribbons = ["SERIES_TOGGLE_1", "SERIES_TOGGLE_2", "SERIES_TOGGLE_3", "SERIES_TOGGLE_4"];
    await checkLegendToggle(session, { ...legend, box: 5, toggle: "SURFACE_1", others: ribbons, shot: "surface-hidden" });
    await checkLegendToggle(session, { ...legend, box: 2, toggle: "SERIES_TOGGLE_2",
                                       others: ["SERIES_TOGGLE_1", "SERIES_TOGGLE_3", "SURFACE_1"], shot: "ribbon-hidden" });
}

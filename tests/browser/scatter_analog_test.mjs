// Checks on an analog scatter world: the interpolator moves the spheres over time, and every
// location it sends stays inside the 10 x 8 x 8 grid.
import assert from "node:assert/strict";

const grid = [10, 8, 8];

async function locations(session) {
    return session.waitForField("LOC_INT", "value_changed", (v) => Array.isArray(v) && v.length > 0,
        { message: "the interpolator's first locations" });
}

export default async function scatterAnalogChecks(session) {
    const first = await locations(session);
    // The largest frame has 25 points; the smaller ones are padded to it.
    assert.equal(first.length, 25);
    await new Promise((resolve) => setTimeout(resolve, 700));
    await session.frames(3);
    const later = await locations(session);
    assert.notDeepEqual(later, first, "the spheres must move");
    for (const point of [...first, ...later])
        point.forEach((c, i) => assert.ok(c >= 0 && c <= grid[i], `location ${point} outside the grid`));
    await session.screenshot(session.screenshotPath.replace(/\.png$/, "-later.png"));
}

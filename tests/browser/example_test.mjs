// Checks on the core example world: the named sensor is there and reports the pointer over a
// column.
import assert from "node:assert/strict";

export default async function exampleChecks(session) {
    assert.equal(await session.field("COLUMN_TOUCH", "enabled"), true);
    const { width, height } = await session.canvasSize();
    await session.hover(width * 0.02, height * 0.02);
    assert.equal(await session.field("COLUMN_TOUCH", "isOver"), false);
}

// Checks on the sample program's column graph, seen from its initial viewpoint: two slots of
// rounded columns side by side in every X cell, and hovering a column raises its pop-up.
import assert from "node:assert/strict";
import { expectPopupOnHover, seriesState } from "./sample_view.mjs";

export default async function columnGraphChecks(session) {
    // Grid 10 x 8 x 6 with 5 X cells and 2 Z cells; the series group holds slot 1's two
    // series, then slot 2's. Columns 0.5 wide touch, the pair centred in the 2-wide cell.
    const cellDepth = 3;
    const expected = [[0.75, 0], [0.75, 1], [1.25, 0], [1.25, 1]];
    for (const [index, [x, zCell]] of expected.entries()) {
        const s = await seriesState(session, index);
        assert.equal(s.type, "qrx_RoundedColumnSeries");
        assert.equal(s.heights.length, 5);
        assert.ok(Math.abs(s.translation[0] - x) < 1e-5, `series ${index} x ${s.translation[0]}`);
        assert.ok(Math.abs(s.translation[2] - (zCell * cellDepth + cellDepth / 2 - 0.35)) < 1e-5);
    }

    // The front row's second-slot column in the third X cell, at the front of its top, where
    // nothing stands before it: its pop-up marker lies along the top, 1.05 x the depth deep.
    const column = await seriesState(session, 3);
    await expectPopupOnHover(session, 3, 2,
        [column.translation[0] + 2 * 2, column.heights[2], column.translation[2] + 0.7]);
}

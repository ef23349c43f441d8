// Checks on the grid-parts world: the parts the layout functions named are there with what
// they were given, each legend check box hides and shows its own series (by its field and by
// a click on the box), and a click on a drill-down cone follows that cell's link.
import assert from "node:assert/strict";

const SERIES = ["North", "Centre", "South"];
const SITE = "http://www.example.com/atrium/";

// The world's viewpoint: at (12, 13, 26), turned by -0.45 about x and then by 0.24 about y,
// with the 45 degree field of view over the canvas height.
const EYE = [12, 13, 26];
const PITCH = -0.45;
const YAW = 0.24;
const FOV = Math.PI / 4;

// Canvas pixel of world point p as the viewpoint sees it.
function toPixels([x, y, z], { width, height }) {
  let [dx, dy, dz] = [x - EYE[0], y - EYE[1], z - EYE[2]];
  // Undo the turn about y, then the turn about x.
  [dx, dz] = [dx * Math.cos(YAW) - dz * Math.sin(YAW), dx * Math.sin(YAW) + dz * Math.cos(YAW)];
  [dy, dz] = [dy * Math.cos(PITCH) + dz * Math.sin(PITCH), -dy * Math.sin(PITCH) + dz * Math.cos(PITCH)];
  const scale = height / 2 / Math.tan(FOV / 2) / -dz;
  return [width / 2 + dx * scale, height / 2 - dy * scale];
}

async function expectToggles(session, expected) {
  for (let i = 1; i <= SERIES.length; i++)
    await session.waitForField(`SERIES_TOGGLE_${i}`, "contentsExist", expected[i - 1]);
}

export default async function gridPartsChecks(session) {
  // One ticked box per legend entry, sized like the legend's text, and one toggle per series.
  for (let i = 1; i <= SERIES.length; i++) {
    assert.equal(await session.field(`CHECK_BOX_${i}`, "value"), true, `CHECK_BOX_${i} ticked`);
    assert.ok(Math.abs((await session.field(`CHECK_BOX_${i}`, "size")) - 0.8) < 1e-5, `CHECK_BOX_${i} size`);
  }
  await assert.rejects(session.field("CHECK_BOX_4", "value"), /CHECK_BOX_4/);
  await expectToggles(session, [true, true, true]);

  // Each box reaches its own series' toggle and no other.
  for (let i = 1; i <= SERIES.length; i++) {
    await session.setField(`CHECK_BOX_${i}`, "value", false);
    await expectToggles(session, SERIES.map((_, j) => j + 1 !== i));
    await session.setField(`CHECK_BOX_${i}`, "value", true);
    await expectToggles(session, [true, true, true]);
  }

  // A click on the middle box (legend at (11, 0.8, 0), rows 0.8 + 0.28 apart) hides the middle
  // series; a second click shows it again.
  const size = await session.canvasSize();
  const middleBox = toPixels([11, 0.8 + 1.08, 0], size);
  await session.click(...middleBox);
  await session.waitForField("CHECK_BOX_2", "value", false);
  await expectToggles(session, [true, false, true]);
  await session.click(...middleBox);
  await session.waitForField("CHECK_BOX_2", "value", true);
  await expectToggles(session, [true, true, true]);

  // The drill-down rows and their routers, one link per cell.
  assert.deepEqual(await session.field("X_AXIS_ROUTER", "url"), [1, 2, 3, 4, 5].map((i) => `${SITE}row${i}.wrl`));
  assert.deepEqual(await session.field("Z_AXIS_ROUTER", "url"), SERIES.map((name) => `${SITE}${name}.wrl`));
  assert.equal(await session.field("X_AXIS_DRILL_DOWN", "touchEnabled"), true);
  assert.equal(await session.field("Z_AXIS_DRILL_DOWN", "touchEnabled"), true);

  // The third X cone stands over the middle of the third cell (x = 5), half a cone above the
  // floor, on the grid's front edge; its link is the third one.
  const links = session.interceptLinks();
  await session.click(...toPixels([5, 0.55, 8], size));
  await session.waitFor(() => links.length > 0, { message: "the third X drill-down link to be followed" });
  assert.deepEqual(links, [`${SITE}row3.wrl`]);
}

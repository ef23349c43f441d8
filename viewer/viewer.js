// The viewer page: shows the world named in the page address (?world=NAME.wrl) in the X_ITE
// canvas (or the world given to showWorld()), the whole chart framed from above and in front,
// lit from every side, turned about its middle within limits that keep it upright, above its
// floor, readable and inside the window; a legend panel and, for worlds with point frames, a
// frame player over the canvas; the world's own viewpoints are offered in a list and the
// picture can be saved as a PNG. Without ?world= it lists the worlds of its folder.
// With ?plain the world is shown exactly as written: its own viewpoint, navigation and
// lights, the whole window for the canvas.
//
// The outcome is published for people and for the browser tests:
//   window.atriumViewer = { state: "loading" | "loaded" | "listed" | "error", world, error,
//                           loadMs, worlds, camera, framed, fitted }
//   (fitted: the canvas width the whole-chart view was last framed for)
//   <body data-state="..." data-mode="full" | "plain" | "list">
// loadMs counts from navigation start to the moment X_ITE has loaded the world and
// everything it pulls in (EXTERNPROTO files, inlines, scripts) and the first frame with the
// view in place is drawn.
import * as camera from "./camera.js";
import { addViewerNodes, chartExtent, clearAxisHeaders, shareStripSensors, worldViewpoints } from "./scene_tools.js";
import { legendPanel } from "./legend_panel.js";
import { framePlayer } from "./frame_player.js";
import { worldNames } from "./world_list.js";

const MARGIN = 12; // CSS pixels at least kept clear at each canvas edge by the whole-chart view
const CLICK_SLOP = 3; // CSS pixels a press may move and still be a click
const ZOOM_PER_WHEEL_UNIT = 0.0012; // the view moves by exp(deltaY x this)
const WHOLE = "whole"; // the views list entry of the whole-chart view

const viewer = { state: "loading", world: null, error: null, loadMs: null, worlds: null, camera: null, framed: false,
                 fitted: null };
window.atriumViewer = viewer;

const page = new URL(location.href);
const canvas = document.getElementById("world");
const statusLine = document.getElementById("status");
const views = document.getElementById("views");
const help = statusLine.textContent;

// The notice over the canvas while a world loads: which world, the step under way, and a
// moving bar that shows the page is busy (it runs on the compositor, so it keeps moving
// while X_ITE holds the page's thread).
const notice = document.getElementById("loading");
const loading = {
  show(name) {
    notice.querySelector(".what").textContent = `Loading ${name}`;
    this.step("Fetching the world and its proto files");
    notice.hidden = false;
  },
  step(text) {
    notice.querySelector(".step").textContent = text;
  },
  hide() {
    notice.hidden = true;
  },
};

function setState(state, message) {
  viewer.state = state;
  document.body.dataset.state = state;
  if (message !== undefined) statusLine.textContent = message;
}

function fail(message) {
  viewer.error = message;
  setState("error", message);
  console.error(message);
}

// Resolves after the page has drawn `count` more frames.
const frames = (count) => new Promise((resolve) => {
  const step = () => (count-- > 0 ? requestAnimationFrame(step) : resolve());
  step();
});

// Only worlds from this page's own server are shown. Names are taken relative to the page's
// base address, which a page shown in an iframe's srcdoc (address about:srcdoc) inherits.
function worldURL(name) {
  const base = new URL(document.baseURI);
  const url = new URL(name, base);
  if (url.origin !== base.origin) throw new Error(`Refusing to load a world from another site: ${name}`);
  return url;
}

async function listWorlds() {
  document.body.dataset.mode = "list";
  const list = document.getElementById("worlds");
  let names;
  try {
    names = await worldNames(page);
  } catch (error) {
    fail(`Could not list the worlds of this folder: ${error.message}`);
    return;
  }
  for (const name of names) {
    const link = document.createElement("a");
    link.href = `?world=${encodeURIComponent(name)}`;
    link.textContent = name;
    list.appendChild(document.createElement("li")).appendChild(link);
  }
  viewer.worlds = names;
  setState("listed", names.length ? "Choose a world." :
    "No worlds found here: open this page as index.html?world=NAME.wrl");
}

// ---------------------------------------------------------------------------------------
// The full viewer: the page moves a Viewpoint of its own (camera.js) and X_ITE only draws.

function fullViewer(browser, name) {
  const scene = browser.currentScene;
  const authored = worldViewpoints(scene);
  const first = authored[0]?.node;
  const fov = first ? first.fieldOfView : Math.PI / 4;
  const nodes = addViewerNodes(scene, camera);
  shareStripSensors(scene);
  clearAxisHeaders(scene);
  browser.setBrowserOption("ContextMenu", false); // its navigation entries would bypass ours
  const extent = chartExtent(browser, camera);
  const size = () => ({ width: canvas.clientWidth, height: canvas.clientHeight });
  const yaws = camera.yawLimits(extent.facings);
  const panel = legendPanel(document.getElementById("legend"), scene);
  const player = framePlayer(document.getElementById("player"), scene);

  // The canvas area the chart is framed into: a margin at each edge, and the legend panel
  // and the frame player kept clear of the chart.
  const fit = () => {
    const [width, height] = [canvas.clientWidth, canvas.clientHeight];
    const margin = Math.max(MARGIN, 0.04 * Math.min(width, height));
    return { width, height, margin, insets: { right: panel.width(), bottom: player.height() } };
  };
  function show(next, framed = false) {
    viewer.camera = next;
    viewer.framed = framed;
    nodes.place(next);
  }
  function showWholeChart() {
    views.value = WHOLE;
    const area = fit();
    show(camera.wholeChart(extent, extent.texts, camera.HOME_CHOICES, fov, area, yaws), true);
    viewer.fitted = area.width;
  }
  function showAuthored(index) {
    const node = authored[index].node;
    const { pivot } = viewer.camera;
    show({ position: Array.from(node.position), ...camera.headingOf(Array.from(node.orientation)),
           fov: node.fieldOfView, pivot });
  }

  function choose(value) {
    views.value = value;
    if (value === WHOLE) showWholeChart();
    else showAuthored(Number(value));
  }

  // The views list: the whole chart, then the world's viewpoints.
  views.replaceChildren(new Option("Whole chart", WHOLE),
    ...authored.map(({ name: label }, i) => new Option(label, String(i))));
  views.addEventListener("change", () => {
    choose(views.value);
    views.blur(); // the keys turn the views again
  });

  // Mouse, pen and touch alike (Pointer Events): one pointer dragged turns (middle drag or
  // Shift / Alt + drag pans), two fingers pinch to zoom, the wheel zooms. A press that does
  // not move stays a click or a tap for the world (X_ITE hands both to its sensors). A drag
  // that starts on a part of the world that is dragged itself (a slider) is left to the
  // world: when the first move arrives, X_ITE's hit is still the one of the press.
  const onDragSensor = () => Array.from(browser.getHit().sensors.keys())
    .some((node) => node.getType().includes(X3D.X3DConstants.X3DDragSensorNode));
  const pointers = new Map(); // pointerId -> [clientX, clientY] of the pointers pressed
  let drag = null; // { panning, moving, left }: left to the world
  const spread = () => {
    const [a, b] = pointers.values();
    return Math.hypot(a[0] - b[0], a[1] - b[1]);
  };
  canvas.addEventListener("pointerdown", (event) => {
    if (event.button !== 0 && event.button !== 1) return;
    pointers.set(event.pointerId, [event.clientX, event.clientY]);
    if (pointers.size === 1) drag = { panning: event.button === 1 || event.shiftKey || event.altKey, moving: false, left: false };
  }, { capture: true });
  document.addEventListener("pointermove", (event) => {
    const last = pointers.get(event.pointerId);
    if (!last) return;
    const [x, y] = [event.clientX, event.clientY];
    const [dx, dy] = [x - last[0], y - last[1]];
    if (pointers.size >= 2) {
      const before = spread();
      pointers.set(event.pointerId, [x, y]);
      drag.moving = true;
      if (before > 0 && spread() > 0) show(camera.zoom(viewer.camera, before / spread()));
      return;
    }
    if (!drag.moving) {
      if (Math.hypot(dx, dy) < CLICK_SLOP) return;
      drag.moving = true;
      drag.left = onDragSensor();
    }
    pointers.set(event.pointerId, [x, y]);
    if (drag.left) return;
    const { width, height } = size();
    show(drag.panning ? camera.pan(viewer.camera, dx, dy, height)
      : camera.orbit(viewer.camera, (-dx / width) * camera.TURN_PER_CANVAS, (-dy / height) * camera.TURN_PER_CANVAS, extent, fit(), yaws));
  });
  for (const type of ["pointerup", "pointercancel"])
    document.addEventListener(type, (event) => {
      if (!pointers.delete(event.pointerId)) return;
      if (type === "pointerup" && event.pointerType === "touch" && !drag.moving) keepTouchAt(event);
    });
  // X_ITE reads no position from the end of a touch, so after a tap the world's sensors lose
  // the finger and a value's pop-up vanishes at once. Once X_ITE is done with the release, a
  // tap leaves the pointer where it was, as a mouse click does.
  const keepTouchAt = ({ clientX, clientY }) => frames(2).then(() =>
    canvas.shadowRoot.querySelector("canvas").dispatchEvent(new MouseEvent("mousemove", { clientX, clientY, bubbles: true })));
  canvas.addEventListener("wheel", (event) => {
    event.preventDefault();
    show(camera.zoom(viewer.camera, Math.exp(event.deltaY * ZOOM_PER_WHEEL_UNIT)));
  }, { passive: false });

  // Keys that would otherwise make X_ITE bind the world's viewpoints behind the page's back.
  const step = (k) => {
    const at = views.selectedIndex + k;
    if (at >= 0 && at < views.options.length) choose(views.options[at].value);
  };
  const keys = {
    Home: showWholeChart,
    End: () => choose(views.options[views.options.length - 1].value),
    PageUp: () => step(-1),
    PageDown: () => step(1),
  };
  window.addEventListener("keydown", (event) => {
    const action = keys[event.key];
    if (!action || event.target instanceof HTMLSelectElement) return;
    event.preventDefault();
    event.stopPropagation();
    action();
  }, { capture: true });

  document.getElementById("home").addEventListener("click", showWholeChart);
  document.getElementById("save").addEventListener("click", () => savePicture(name));

  // A new window size keeps the whole chart in view until the user has moved it.
  new ResizeObserver(() => {
    if (viewer.framed) showWholeChart();
  }).observe(canvas);

  showWholeChart();
}

// Saves the canvas as NAME.png (the canvas keeps its last frame: preserveDrawingBuffer).
function savePicture(world) {
  const picture = canvas.shadowRoot.querySelector("canvas");
  picture.toBlob((blob) => {
    if (!blob) {
      fail("Could not make a picture of the canvas");
      return;
    }
    const link = document.createElement("a");
    link.href = URL.createObjectURL(blob);
    link.download = `${world.split("/").pop().replace(/\.wrl$/i, "")}.png`;
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href), 10000);
  }, "image/png");
}

// X_ITE derives tangent vectors for every geometry it builds. Only normal-mapped textures
// use them, which a VRML 97 world cannot have, and on software GL they take a tenth of a
// chart's load time: they are skipped while the page shows a .wrl world.
let tangentsNeeded = true;
function skipTangentsUnlessNeeded() {
  const geometry = X3D.X3DGeometryNode?.prototype;
  const generate = geometry?.generateTangents;
  if (typeof generate !== "function" || generate.skippable) return;
  geometry.generateTangents = function () {
    if (tangentsNeeded) generate.call(this);
  };
  geometry.generateTangents.skippable = true;
}

/**
 * Shows the world at `url` (a URL or an address relative to the page): the full viewer, or
 * with `plain` the world exactly as written. `name` is what the page calls it. Resolves once
 * the world is drawn, or has failed (viewer.state tells which).
 */
export async function showWorld(url, { plain = false, name = String(url) } = {}) {
  document.body.dataset.mode = plain ? "plain" : "full";
  viewer.world = name;
  document.title = `${name} - Atrium viewer`;
  loading.show(name);
  try {
    await X3D();
    tangentsNeeded = !/\.wrl$/i.test(new URL(url, document.baseURI).pathname);
    skipTangentsUnlessNeeded();
    const browser = X3D.getBrowser(canvas);
    await browser.loadURL(new X3D.MFString(String(url)));
    loading.step("Placing the chart");
    if (!plain) fullViewer(browser, name);
    await frames(1);
    viewer.loadMs = Math.round(performance.now());
    setState("loaded", plain ? "Drag to turn, wheel to zoom, Alt-drag or middle-drag to pan." : help);
  } catch (error) {
    fail(`Could not load ${name}: ${error && error.message ? error.message : error}`);
  }
  loading.hide();
}

async function start() {
  // A self-contained page names its world itself where it cannot put it in its address.
  const name = page.searchParams.get("world") ?? window.atriumWorldName;
  if (!name) {
    await listWorlds();
    return;
  }
  let url;
  try {
    url = worldURL(name);
  } catch (error) {
    fail(error.message);
    return;
  }
  await showWorld(url.href, { plain: page.searchParams.has("plain"), name });
}

start();

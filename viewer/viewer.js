// The viewer page: shows the world named in the page address (?world=NAME.wrl) in the X_ITE
// canvas, framed so the whole chart fits the window, lit from every side, turned about its
// middle with its up direction kept up; the world's own viewpoints are offered in a list and
// the picture can be saved as a PNG. Without ?world= it lists the worlds of its folder.
// With ?plain the world is shown exactly as written: its own viewpoint, navigation and
// lights, the whole window for the canvas.
//
// The outcome is published for people and for the browser tests:
//   window.atriumViewer = { state: "loading" | "loaded" | "listed" | "error", world, error,
//                           loadMs, worlds, camera, framed }
//   <body data-state="..." data-mode="full" | "plain" | "list">
// loadMs counts from navigation start to the moment X_ITE has loaded the world and
// everything it pulls in (EXTERNPROTO files, inlines, scripts) and the view is in place.
import * as camera from "./camera.js";
import { addViewerNodes, drawnShapes, worldViewpoints } from "./scene_tools.js";
import { worldNames } from "./world_list.js";

const MARGIN = 12; // CSS pixels kept clear at each canvas edge by the whole-chart view
const TURN_PER_PIXEL = 0.006; // radians
const CLICK_SLOP = 3; // CSS pixels a press may move and still be a click
const ZOOM_PER_WHEEL_UNIT = 0.0012; // the view moves by exp(deltaY x this)
const WHOLE = "whole"; // the views list entry of the whole-chart view

const viewer = { state: "loading", world: null, error: null, loadMs: null, worlds: null, camera: null, framed: false };
window.atriumViewer = viewer;

const page = new URL(location.href);
const canvas = document.getElementById("world");
const statusLine = document.getElementById("status");
const views = document.getElementById("views");
const help = statusLine.textContent;

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

// Only worlds from this page's own server are shown.
function worldURL(name) {
  const url = new URL(name, page);
  if (url.origin !== page.origin) throw new Error(`Refusing to load a world from another site: ${name}`);
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
  const home = first ? { ...camera.headingOf(Array.from(first.orientation)), fov: first.fieldOfView }
                     : { yaw: 0, pitch: 0, fov: Math.PI / 4 };
  const nodes = addViewerNodes(scene, camera);
  browser.setBrowserOption("ContextMenu", false); // its navigation entries would bypass ours

  const size = () => ({ width: canvas.clientWidth, height: canvas.clientHeight });
  function show(next, framed = false) {
    viewer.camera = next;
    viewer.framed = framed;
    nodes.place(next);
  }

  // Framing reads where everything is drawn, and a Billboard turns with the view: each pass
  // sees the billboards turned towards the view of the pass before, until the view settles.
  async function showWholeChart() {
    views.value = WHOLE;
    for (let pass = 0; pass < 8; pass++) {
      await frames(2);
      const corners = drawnShapes(browser).flatMap((shape) => shape.corners);
      if (!corners.length) return;
      const before = viewer.camera.position;
      show(camera.frame(corners, home, { ...size(), margin: MARGIN }), true);
      if (Math.hypot(...viewer.camera.position.map((v, k) => v - before[k])) < 1e-6) break;
    }
    await frames(2);
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

  // Left drag turns, middle drag or Shift / Alt + left drag pans, the wheel zooms; a press
  // that does not move stays a click for the world. A press on a part of the world that is
  // dragged itself (a slider) is left to the world. The page sees the press before X_ITE
  // does (capture), so X_ITE's hit is still the one of the pointer's last move.
  const onDragSensor = () => Array.from(browser.getHit().sensors.keys())
    .some((node) => node.getType().includes(X3D.X3DConstants.X3DDragSensorNode));
  canvas.addEventListener("mousedown", (event) => {
    if ((event.button !== 0 && event.button !== 1) || onDragSensor()) return;
    const panning = event.button === 1 || event.shiftKey || event.altKey;
    let [x, y] = [event.clientX, event.clientY];
    let moving = false;
    const move = (e) => {
      const [dx, dy] = [e.clientX - x, e.clientY - y];
      if (!moving && Math.hypot(dx, dy) < CLICK_SLOP) return;
      moving = true;
      [x, y] = [e.clientX, e.clientY];
      show(panning ? camera.pan(viewer.camera, dx, dy, size().height)
                   : camera.turn(viewer.camera, -dx * TURN_PER_PIXEL, -dy * TURN_PER_PIXEL));
    };
    const up = () => {
      document.removeEventListener("mousemove", move);
      document.removeEventListener("mouseup", up);
    };
    document.addEventListener("mousemove", move);
    document.addEventListener("mouseup", up);
  }, { capture: true });
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
  let pending = false;
  new ResizeObserver(() => {
    if (!viewer.framed || pending) return;
    pending = true;
    requestAnimationFrame(() => showWholeChart().finally(() => { pending = false; }));
  }).observe(canvas);

  show({ position: first ? Array.from(first.position) : [0, 0, 10], ...home, pivot: [0, 0, 0] });
  return showWholeChart();
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

async function start() {
  const name = page.searchParams.get("world");
  const plain = page.searchParams.has("plain");
  if (!name) {
    await listWorlds();
    return;
  }
  document.body.dataset.mode = plain ? "plain" : "full";
  let url;
  try {
    url = worldURL(name);
  } catch (error) {
    fail(error.message);
    return;
  }
  viewer.world = name;
  document.title = `${name} - Atrium viewer`;
  statusLine.textContent = `Loading ${name} ...`;

  try {
    await X3D();
    const browser = X3D.getBrowser(canvas);
    await browser.loadURL(new X3D.MFString(url.href));
    if (!plain) await fullViewer(browser, name);
    viewer.loadMs = Math.round(performance.now());
    setState("loaded", plain ? "Drag to turn, wheel to zoom, Alt-drag or middle-drag to pan." : help);
  } catch (error) {
    fail(`Could not load ${name}: ${error && error.message ? error.message : error}`);
  }
}

start();

// Loads the world named in the page address (?world=NAME.wrl) into the X_ITE canvas.
//
// The outcome is published for people and for the browser tests:
//   window.atriumViewer = { state: "loading" | "loaded" | "error", world, error, loadMs }
//   <body data-state="...">
// loadMs counts from navigation start to the moment X_ITE has loaded the world and
// everything it pulls in (EXTERNPROTO files, inlines, scripts).
(function () {
  "use strict";

  const viewer = { state: "loading", world: null, error: null, loadMs: null };
  window.atriumViewer = viewer;

  const canvas = document.getElementById("world");
  const statusLine = document.getElementById("status");
  const controls = statusLine.textContent;

  function setState(state, message) {
    viewer.state = state;
    document.body.dataset.state = state;
    if (message) statusLine.textContent = message;
  }

  function fail(message) {
    viewer.error = message;
    setState("error", message);
    console.error(message);
  }

  // Only worlds from this page's own server are shown.
  function worldURL() {
    const name = new URLSearchParams(location.search).get("world");
    if (!name) throw new Error("No world given: open this page as index.html?world=NAME.wrl");
    const url = new URL(name, location.href);
    if (url.origin !== location.origin)
      throw new Error(`Refusing to load a world from another site: ${name}`);
    return { name, url };
  }

  async function start() {
    let world;
    try {
      world = worldURL();
    } catch (error) {
      fail(error.message);
      return;
    }
    viewer.world = world.name;
    document.title = `${world.name} - Atrium viewer`;
    statusLine.textContent = `Loading ${world.name} ...`;

    try {
      await X3D();
      const browser = X3D.getBrowser(canvas);
      await browser.loadURL(new X3D.MFString(world.url.href));
      viewer.loadMs = Math.round(performance.now());
      setState("loaded", controls);
    } catch (error) {
      fail(`Could not load ${world.name}: ${error && error.message ? error.message : error}`);
    }
  }

  start();
})();

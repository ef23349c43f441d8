// Browser test harness for Atrium worlds.
//
// Serves a staged folder (see viewer/index.html for its layout) on 127.0.0.1, opens the
// viewer page for one world in Debian's chromium through playwright-core, waits until X_ITE
// has loaded the world, and fails on any console error, page error, failed request, HTTP
// error status or request to a host other than 127.0.0.1.
//
// Command line:
//   node tests/browser/harness.mjs --root DIR --world NAME.wrl --screenshot OUT.png
//        [--timeout SECONDS] [--script TEST.mjs] [--viewer-from-source]
//   node tests/browser/harness.mjs --page FILE.html --screenshot OUT.png [--timeout SECONDS]
//        [--script TEST.mjs] [--full]
//        opens a self-contained page (atrium-view --html) from disk, with no server; the world
//        as written unless --full asks for the full viewer.
//   node tests/browser/harness.mjs --serve --root DIR [--viewer-from-source]
//        only serves the folder, for looking at worlds in a browser of your own.
// ATRIUM_BROWSER_LOG=1 echoes the page's console.
// Exit status: 0 passed, 1 failed, 2 usage error, 77 skipped (no chromium or no
// playwright-core; a failure instead when ATRIUM_REQUIRE_BROWSER=1).
//
// A --script module's default export is called as `await fn(session)` after the world has
// loaded and the screenshot is taken; see Session below for what it can do.
import http from "node:http";
import { createReadStream, existsSync } from "node:fs";
import { mkdir, readdir, stat } from "node:fs/promises";
import path from "node:path";
import { fileURLToPath, pathToFileURL } from "node:url";
import { parseArgs } from "node:util";

import { requirePackage, viewerDir, xiteDist } from "./stage.mjs";

// Debian's chromium; ATRIUM_CHROMIUM points elsewhere (e.g. to try the skip path).
export const CHROMIUM = process.env.ATRIUM_CHROMIUM || "/usr/bin/chromium";
export const EXIT_SKIP = 77;

const CHROMIUM_ARGS = [
  "--headless", "--no-sandbox", "--disable-gpu", "--disable-background-networking",
  "--disable-component-update", "--disable-sync", "--no-first-run",
  "--use-gl=swiftshader", "--enable-unsafe-swiftshader",
];

const MIME_TYPES = {
  ".html": "text/html; charset=utf-8",
  ".js": "text/javascript; charset=utf-8",
  ".mjs": "text/javascript; charset=utf-8",
  ".css": "text/css; charset=utf-8",
  ".json": "application/json",
  ".wrl": "model/vrml",
  ".wrz": "model/vrml",
  ".x3d": "model/x3d+xml",
  ".x3dv": "model/x3d-vrml",
  ".png": "image/png",
  ".jpg": "image/jpeg",
  ".jpeg": "image/jpeg",
  ".gif": "image/gif",
  ".svg": "image/svg+xml",
  ".wasm": "application/wasm",
  ".woff2": "font/woff2",
  ".ttf": "font/ttf",
  ".txt": "text/plain; charset=utf-8",
  ".md": "text/plain; charset=utf-8",
};

/** A test failure with a message meant for the person reading the test log. */
export class HarnessError extends Error {}
/** The browser cannot run here; the test is skipped unless ATRIUM_REQUIRE_BROWSER=1. */
export class SkipError extends Error {}

// ---------------------------------------------------------------------------------------
// HTTP server

/**
 * Serves files on 127.0.0.1 at a free port. `mounts` is a list of { prefix, dir }; a
 * request path is looked up in each mount whose prefix it starts with, first hit wins.
 * Like the sample program's server it answers /worlds.json, when no such file exists, with
 * the .wrl names of the first mount's folder; with `listing` it answers / with an HTML
 * listing of that folder instead (as a plain file server does), and /worlds.json with 404.
 * Returns { url, close() }.
 */
export async function serve(mounts, { listing = false } = {}) {
  const server = http.createServer(async (request, response) => {
    const file = await resolveFile(mounts, request.url, listing);
    if (request.method !== "GET" && request.method !== "HEAD") {
      response.writeHead(405).end();
    } else if (!file && !listing && pathOf(request.url) === "/worlds.json") {
      response.writeHead(200, { "content-type": MIME_TYPES[".json"], "cache-control": "no-store" })
        .end(JSON.stringify(await worldFiles(mounts[0].dir)));
    } else if (!file && listing && pathOf(request.url) === "/") {
      const links = (await worldFiles(mounts[0].dir)).map((name) => `<a href="${encodeURIComponent(name)}">${name}</a>`);
      response.writeHead(200, { "content-type": MIME_TYPES[".html"], "cache-control": "no-store" })
        .end(`<!DOCTYPE html><title>Index of /</title><ul><li><a href="../">../</a></li><li>${links.join("</li><li>")}</li></ul>\n`);
    } else if (!file) {
      response.writeHead(404, { "content-type": "text/plain" }).end("not found\n");
    } else {
      const type = MIME_TYPES[path.extname(file).toLowerCase()] ?? "application/octet-stream";
      response.writeHead(200, { "content-type": type, "cache-control": "no-store" });
      if (request.method === "HEAD") response.end();
      else createReadStream(file).pipe(response);
    }
  });
  await new Promise((resolve, reject) => {
    server.once("error", reject);
    server.listen(0, "127.0.0.1", resolve);
  });
  return {
    url: `http://127.0.0.1:${server.address().port}`,
    close: () => new Promise((resolve) => { server.closeAllConnections(); server.close(resolve); }),
  };
}

function pathOf(requestURL) {
  try {
    return decodeURIComponent(new URL(requestURL, "http://127.0.0.1").pathname);
  } catch {
    return null;
  }
}

/** The .wrl file names in a folder, sorted (what the viewer's world list shows, and more). */
async function worldFiles(dir) {
  return (await readdir(dir)).filter((name) => name.endsWith(".wrl")).sort();
}

// The file a request names. A folder path names its index.html, unless the server answers
// folders with a listing of their own.
async function resolveFile(mounts, requestURL, listing) {
  let pathname = pathOf(requestURL);
  if (pathname === null) return null;
  if (pathname.endsWith("/")) {
    if (listing) return null;
    pathname += "index.html";
  }
  for (const { prefix, dir } of mounts) {
    if (!pathname.startsWith(prefix)) continue;
    const root = path.resolve(dir);
    const file = path.resolve(root, "." + pathname.slice(prefix.length - 1));
    if (file !== root && !file.startsWith(root + path.sep)) continue; // no escaping the root
    try {
      if ((await stat(file)).isFile()) return file;
    } catch { /* not in this mount */ }
  }
  return null;
}

/** The folders to serve: the world folder, and optionally the viewer from the source tree. */
export function mountsFor(root, viewerFromSource) {
  const mounts = [{ prefix: "/", dir: root }];
  if (viewerFromSource) {
    mounts.push({ prefix: "/x_ite/", dir: xiteDist }, { prefix: "/", dir: viewerDir });
  }
  return mounts;
}

// ---------------------------------------------------------------------------------------
// Browser

/** Starts headless chromium; throws SkipError when it or playwright-core is missing. */
export async function launchBrowser() {
  if (!existsSync(CHROMIUM)) throw new SkipError(`${CHROMIUM} not found (apt-get install chromium)`);
  let chromium;
  try {
    ({ chromium } = requirePackage("playwright-core"));
  } catch {
    throw new SkipError("playwright-core is not installed (the build installs it with npm)");
  }
  return chromium.launch({ executablePath: CHROMIUM, headless: true, args: CHROMIUM_ARGS });
}

const isLoopback = (url) => !/^(https?|wss?):$/.test(url.protocol) || url.hostname === "127.0.0.1";

/** True when two plain values (numbers, strings, booleans, nested arrays) agree within eps. */
export function approxEqual(a, b, eps = 1e-5) {
  if (typeof a === "number" && typeof b === "number") return Math.abs(a - b) <= eps;
  if (Array.isArray(a) && Array.isArray(b))
    return a.length === b.length && a.every((v, i) => approxEqual(v, b[i], eps));
  return JSON.stringify(a) === JSON.stringify(b);
}

/**
 * One world open in the viewer page. Coordinates are CSS pixels from the canvas's top-left
 * corner. Every method throws HarnessError as soon as a problem (console error, failed
 * request, ...) has been seen.
 */
export class Session {
  constructor({ world, browser, ownsBrowser, server, context, page }) {
    Object.assign(this, { world, browser, ownsBrowser, server, context, page });
    this.problems = []; // what makes the test fail
    this.requests = []; // every URL the page asked for, in order
    this.links = null; // URLs of followed links, once interceptLinks() was called
    this.loadMs = null; // navigation start to world loaded, as the page measured it
    this.handled = new Set(); // requests the harness stopped or answered itself
  }

  problem(message) {
    this.problems.push(message);
  }

  /** Throws if anything went wrong so far. */
  check() {
    if (this.problems.length)
      throw new HarnessError(`${this.world}:\n  ${this.problems.join("\n  ")}`);
  }

  /**
   * Opens the viewer page of the session's server for `world` (or the world list, for none)
   * in the session's page, and waits as openWorld() does; `plain` as there. One page can show
   * world after world this way.
   */
  async show(world, { plain = true, timeoutMs = 60000 } = {}) {
    const query = world ? `?world=${encodeURIComponent(world)}${plain ? "&plain" : ""}` : "";
    await this.load(`${this.server.url}/index.html${query}`, world, timeoutMs);
  }

  /** Opens `address` in the page and waits until X_ITE has loaded `world` (or listed worlds). */
  async load(address, world, timeoutMs) {
    this.world = world;
    const started = Date.now();
    await this.page.goto(address, { timeout: timeoutMs });
    const state = await this.waitFor(
      () => this.page.evaluate(() => window.atriumViewer?.state !== "loading" && window.atriumViewer),
      { timeoutMs: Math.max(0, timeoutMs - (Date.now() - started)), intervalMs: 100,
        message: "X_ITE to load the world" });
    if (state.state !== (world ? "loaded" : "listed")) throw new HarnessError(`${world}: ${state.error ?? state.state}`);
    this.loadMs = state.loadMs;
    this.wallMs = Date.now() - started;
    await this.frames(3);
  }

  /**
   * Polls `predicate` (may be async) until it returns a truthy value, which is returned.
   * `message` (a string, or a function giving one) names what is awaited in the timeout error.
   */
  async waitFor(predicate, { timeoutMs = 60000, intervalMs = 50, message = "condition" } = {}) {
    const deadline = Date.now() + timeoutMs;
    for (;;) {
      this.check();
      const value = await predicate();
      if (value) return value;
      if (Date.now() > deadline) {
        const what = typeof message === "function" ? message() : message;
        throw new HarnessError(`${this.world}: timed out after ${timeoutMs} ms waiting for ${what}`);
      }
      await new Promise((resolve) => setTimeout(resolve, intervalMs));
    }
  }

  /** Lets the page render `count` more frames. */
  async frames(count = 2) {
    await this.page.evaluate((n) => new Promise((resolve) => {
      const step = () => (n-- > 0 ? requestAnimationFrame(step) : resolve());
      step();
    }), count);
    this.check();
  }

  async canvasBox() {
    return this.page.locator("#world").boundingBox();
  }

  /** { width, height } of the canvas in CSS pixels. */
  async canvasSize() {
    const { width, height } = await this.canvasBox();
    return { width, height };
  }

  async moveTo(x, y) {
    const box = await this.canvasBox();
    await this.page.mouse.move(box.x + x, box.y + y, { steps: 2 });
  }

  /** Moves the pointer over a canvas point and lets X_ITE pick what is under it. */
  async hover(x, y) {
    await this.moveTo(x, y);
    await this.frames(3);
  }

  async click(x, y, { button = "left" } = {}) {
    await this.moveTo(x, y);
    await this.frames(2);
    await this.page.mouse.down({ button });
    await this.frames(2);
    await this.page.mouse.up({ button });
    await this.frames(3);
  }

  /** Drags with the left button from [x0, y0] to [x1, y1] (turns the view in EXAMINE mode). */
  async drag([x0, y0], [x1, y1], { steps = 10 } = {}) {
    const box = await this.canvasBox();
    await this.moveTo(x0, y0);
    await this.page.mouse.down();
    await this.page.mouse.move(box.x + x1, box.y + y1, { steps });
    await this.page.mouse.up();
    await this.frames(3);
  }

  /**
   * Runs fn(browser, arg) in the page, where browser is X_ITE's browser object of the
   * viewer canvas; returns its (serialisable) result.
   */
  async evaluate(fn, arg) {
    let result;
    try {
      result = await this.page.evaluate(
        ({ source, arg }) => (0, eval)(`(${source})`)(X3D.getBrowser("#world"), arg),
        { source: fn.toString(), arg });
    } catch (error) {
      // Keep the page's own message, drop playwright's prefix and the page stack.
      const message = error.message.split("\n")[0].replace(/^page\.evaluate: (Error: )?/, "");
      throw new HarnessError(`${this.world}: ${message}`);
    }
    this.check();
    return result;
  }

  /**
   * The value of field `field` of the node DEF'd as `node` in the world, as plain data:
   * numbers, strings and booleans as they are, vectors, colours, rotations and MF fields
   * as arrays, a node as { type, name }, no node as null.
   */
  async field(node, field) {
    return this.evaluate((browser, { node, field }) => {
      const plain = (value) => {
        if (value === null || typeof value !== "object") return value;
        if (typeof value.getNodeTypeName === "function")
          return { type: value.getNodeTypeName(), name: value.getNodeName() };
        if (typeof value[Symbol.iterator] === "function") return Array.from(value, plain);
        return String(value);
      };
      const target = browser.currentScene.getNamedNode(node);
      if (!(field in target)) throw new Error(`${node} has no field ${field}`);
      return plain(target[field]);
    }, { node, field });
  }

  /** Sends `value` (plain data as field() returns it) to field `field` of node `node`. */
  async setField(node, field, value) {
    await this.evaluate((browser, { node, field, value }) => {
      const target = browser.currentScene.getNamedNode(node);
      const current = target[field];
      target[field] = Array.isArray(value) ? new current.constructor(...value) : value;
    }, { node, field, value });
    await this.frames(2);
  }

  /** Waits until field() equals `expected` (within 1e-5), or until expected(value) holds. */
  async waitForField(node, field, expected, options = {}) {
    const matches = typeof expected === "function" ? expected : (v) => approxEqual(v, expected);
    let last;
    await this.waitFor(async () => matches(last = await this.field(node, field)),
      { message: () => `${node}.${field} (last value ${JSON.stringify(last)})`, ...options });
    return last;
  }

  /**
   * From now on, links the world follows are recorded in the returned array instead of
   * being followed: page navigations are stopped, and requests to other hosts are answered
   * here with an empty page (so X_ITE hands them on as links) rather than failing the test.
   */
  interceptLinks() {
    this.links ??= [];
    return this.links;
  }

  async screenshot(file) {
    await mkdir(path.dirname(path.resolve(file)), { recursive: true });
    await this.page.screenshot({ path: file });
    this.check();
  }

  async close() {
    await this.context.close().catch(() => {});
    if (this.ownsBrowser) await this.browser.close().catch(() => {});
    await this.server.close();
  }

  // Decides the fate of every request of every page of the context.
  async route(route, request) {
    const url = new URL(request.url());
    const navigation = request.isNavigationRequest();
    if (this.links && (navigation || !isLoopback(url))) {
      if (!this.links.includes(request.url())) this.links.push(request.url());
      // Either way the request may end as "aborted" (a fetch whose answer X_ITE turns into
      // a navigation is cancelled by it); that is not a fault of the page.
      this.handled.add(request);
      if (navigation) return route.abort("aborted");
      return route.fulfill({
        status: 200, contentType: "text/html", body: "",
        headers: { "access-control-allow-origin": "*" },
      });
    }
    if (!isLoopback(url)) {
      this.problem(`request to a host other than 127.0.0.1: ${request.url()}`);
      this.handled.add(request);
      return route.abort("blockedbyclient");
    }
    return route.continue();
  }

  watch(page) {
    page.on("console", (message) => {
      if (process.env.ATRIUM_BROWSER_LOG === "1") console.log(`[page ${message.type()}] ${message.text()}`);
      // The browser reports an awaited 404 on the console too.
      const awaited = this.expectMissing?.has(message.location()?.url) && /status of 404/.test(message.text());
      if (message.type() === "error" && !awaited) this.problem(`console error: ${message.text()}`);
    });
    page.on("pageerror", (error) => this.problem(`page error: ${error.message}`));
    page.on("request", (request) => this.requests.push(request.url()));
    page.on("requestfailed", (request) => {
      if (!this.handled.has(request))
        this.problem(`request failed: ${request.url()} (${request.failure()?.errorText})`);
    });
    page.on("response", (response) => {
      if (response.status() >= 400 && !(response.status() === 404 && this.expectMissing?.has(response.url())))
        this.problem(`HTTP ${response.status()} for ${response.url()}`);
    });
  }
}

/**
 * Serves `root`, opens the viewer page for `world` and waits until X_ITE has loaded it.
 * Options: timeoutMs (load wait, default 60 s), viewerFromSource (serve the viewer page
 * and X_ITE from the source tree when `root` holds only worlds), viewport, browser (reuse
 * a launched browser), plain (default true: the world exactly as written, from its own
 * viewpoint; false: the full viewer with its framed view, lights and controls), listing
 * and expectMissing (server paths whose 404 is not a fault) for the page's world list.
 * Without `world` the page lists the folder's worlds; the session starts once it has.
 * Returns a Session; close() it when done.
 */
export async function openWorld({ root, world, page: file, timeoutMs = 60000, viewerFromSource = false,
                                  viewport = { width: 800, height: 600 }, browser, plain = true,
                                  listing = false, expectMissing = [] } = {}) {
  const ownsBrowser = !browser;
  browser ??= await launchBrowser();
  // A self-contained page is opened from disk, with no server at all.
  world ??= file && path.basename(file);
  const server = file ? { url: null, close: async () => {} } : await serve(mountsFor(root, viewerFromSource), { listing });
  const context = await browser.newContext({ viewport });
  const page = await context.newPage();
  const session = new Session({ world, browser, ownsBrowser, server, context, page });
  session.expectMissing = new Set(expectMissing.map((p) => `${server.url}${p}`));
  try {
    await context.route("**/*", (route, request) => session.route(route, request));
    context.on("page", (popup) => popup !== page && session.watch(popup));
    session.watch(page);
    if (file) await session.load(`${pathToFileURL(path.resolve(file)).href}${plain ? "?plain" : ""}`, world, timeoutMs);
    else await session.show(world, { plain, timeoutMs });
    return session;
  } catch (error) {
    await session.close();
    // Name what went wrong first, then everything the page reported meanwhile (unless
    // those problems are what was thrown).
    if (!(error instanceof HarnessError && session.problems.length))
      session.problems.unshift(error.message.split("\n")[0].replace(`${world}: `, ""));
    session.check(); // throws: there is at least one problem now
  }
}

/**
 * Loads a world, saves a screenshot, runs an optional interaction test, and checks that
 * nothing went wrong. `script` is a module path (its default export is used) or a function
 * taking the Session; other options as for openWorld. Returns { loadMs, wallMs }.
 */
export async function runWorld({ root, world, screenshot, script, ...options }) {
  const test = typeof script === "string"
    ? (await import(pathToFileURL(path.resolve(script)).href)).default : script;
  if (test && typeof test !== "function") throw new HarnessError(`${script} has no default export function`);
  const session = await openWorld({ root, world, ...options });
  session.screenshotPath = screenshot; // scripts name their own screenshots after it
  try {
    if (screenshot) await session.screenshot(screenshot);
    if (test) await test(session);
    session.check();
    return { loadMs: session.loadMs, wallMs: session.wallMs };
  } finally {
    await session.close();
  }
}

/** The exit status for an error thrown by the functions above (skips honour the env). */
export function exitStatus(error) {
  if (error instanceof SkipError) return process.env.ATRIUM_REQUIRE_BROWSER === "1" ? 1 : EXIT_SKIP;
  return 1;
}

async function main() {
  let args;
  try {
    ({ values: args } = parseArgs({
      options: {
        root: { type: "string" }, world: { type: "string" }, screenshot: { type: "string" },
        timeout: { type: "string", default: "60" }, script: { type: "string" },
        "viewer-from-source": { type: "boolean", default: false },
        serve: { type: "boolean", default: false },
        page: { type: "string" }, full: { type: "boolean", default: false },
      },
    }));
    if (!args.page && (!args.root || !(args.world || args.serve))) throw new Error("--root and --world (or --page) are required");
    if (!(Number(args.timeout) > 0)) throw new Error("--timeout must be a positive number of seconds");
  } catch (error) {
    console.error(`${error.message}\nusage: node tests/browser/harness.mjs --root DIR --world NAME.wrl ` +
      "--screenshot OUT.png [--timeout SECONDS] [--script TEST.mjs] [--viewer-from-source]\n" +
      "       node tests/browser/harness.mjs --serve --root DIR [--viewer-from-source]");
    return 2;
  }
  if (args.serve) {
    const { url } = await serve(mountsFor(args.root, args["viewer-from-source"]));
    console.log(`serving ${args.root} until interrupted: ${url}/index.html?world=${args.world ?? "NAME.wrl"}`);
    return new Promise(() => {});
  }
  try {
    const { loadMs, wallMs } = await runWorld({
      root: args.root, world: args.world, page: args.page, screenshot: args.screenshot, script: args.script,
      timeoutMs: Number(args.timeout) * 1000, viewerFromSource: args["viewer-from-source"], plain: !args.full,
    });
    console.log(`PASS ${args.world ?? args.page}: loaded in ${loadMs} ms in the page (${wallMs} ms with page load)` +
      (args.screenshot ? `, screenshot ${args.screenshot}` : ""));
    return 0;
  } catch (error) {
    const status = exitStatus(error);
    console.error(`${status === EXIT_SKIP ? "SKIP" : "FAIL"} ${args.world}: ${error.message}`);
    return status;
  }
}

// No top-level await here: a --script module may import this module while main() runs.
if (process.argv[1] && path.resolve(process.argv[1]) === fileURLToPath(import.meta.url)) {
  main().then((status) => { process.exitCode = status; });
}

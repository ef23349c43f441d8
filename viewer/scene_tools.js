// What the viewer reads from and adds to a loaded X_ITE scene: the world's viewpoints, the
// corners of everything drawn, and the nodes it adds at run time (its own camera, lights and
// navigation, the series' pop-up sensors). The world file itself is never changed.

// Visits each node reachable from `roots` once, depth first, as visit(node, path) with the
// nodes above it; stops when visit returns true, and returns that node's path then.
function descend(roots, visit) {
  const seen = new Set();
  const step = (node, path) => {
    if (!node || seen.has(node.getValue())) return null;
    seen.add(node.getValue());
    const here = [...path, node];
    if (visit(node, here)) return here;
    for (const field of node.getFieldDefinitions()) {
      if (field.accessType === X3D.X3DConstants.inputOnly || field.accessType === X3D.X3DConstants.outputOnly) continue;
      const value = node[field.name];
      const children = field.dataType === X3D.X3DConstants.SFNode ? [value]
        : field.dataType === X3D.X3DConstants.MFNode ? value : [];
      for (const child of children) {
        const found = step(child, here);
        if (found) return found;
      }
    }
    return null;
  };
  for (const node of roots) {
    const found = step(node, []);
    if (found) return found;
  }
  return null;
}

/** Calls visit(node) once for every node reachable from the scene's root nodes. */
export function walk(scene, visit) {
  descend(scene.rootNodes, (node) => void visit(node));
}

/**
 * The nodes from the top of `from` (a scene, or a node) down to the first node for which
 * found(node) holds, that node last; null when there is none.
 */
export function findNode(from, found) {
  return descend(from.rootNodes ?? [from], (node) => found(node));
}

/** The world's Viewpoint nodes in file order, each with the name to list it under. */
export function worldViewpoints(scene) {
  const found = [];
  walk(scene, (node) => {
    if (node.getNodeTypeName() === "Viewpoint") found.push(node);
  });
  return found.map((node, i) => ({ node, name: node.description || `Viewpoint ${i + 1}` }));
}

/**
 * Every shape drawn now, as { type, texts, lines, names, corners }: its geometry's node type,
 * the strings of a Text (else null) and each line's box ({ text, corners }, see lineBoxes;
 * else null), the names the world DEFs the nodes above it by, and the world coordinates of
 * the corners of its bounding box (with each Billboard turned as in the last frame). Reads
 * X_ITE's scene graph, which knows the extents of texts and of geometry that scripts build.
 */
export function drawnShapes(browser) {
  const shapes = [];
  // A proto instance is drawn as its body's first node, so that node carries its name too.
  const nameOf = new Map();
  for (const named of browser.currentScene.namedNodes) {
    const node = named.getValue();
    nameOf.set(node, node.getName());
    if (typeof node.getInnerNode === "function") nameOf.set(node.getInnerNode(), node.getName());
  }
  const visit = (node, matrix, names) => {
    const named = nameOf.has(node) && names.at(-1) !== nameOf.get(node) ? [...names, nameOf.get(node)] : names;
    if (typeof node.getInnerNode === "function" && node.getInnerNode() !== node) {
      visit(node.getInnerNode(), matrix, named);
    } else if (node.visibleObjects) {
      const own = typeof node.getMatrix === "function" ? matrix.copy().multLeft(node.getMatrix()) : matrix;
      for (const child of node.visibleObjects) visit(child, own, named);
    } else if (typeof node.getGeometry === "function" && node.getGeometry()) {
      const box = node.getBBox(new X3D.Box3());
      if (box.isEmpty()) return;
      const type = node.getGeometry().getTypeName();
      const text = type === "Text";
      shapes.push({ type, texts: text ? Array.from(node.getGeometry()._string, String) : null,
                    lines: text ? lineBoxes(node).map((line) => ({ text: line.text, corners: corners(line.box, matrix) })) : null,
                    names: named, corners: corners(box, matrix) });
    }
  };
  for (const node of browser.currentScene.rootNodes) if (node) visit(node.getValue(), new X3D.Matrix4(), []);
  return shapes;
}

const cross = (a, b) => [a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]];
const unit = (v) => {
  const n = Math.hypot(...v);
  return n > 1e-12 ? v.map((x) => x / n) : null;
};
const plain = (v) => [v.x, v.y, v.z];
function corners(box, matrix) {
  const moved = matrix ? box.copy().multRight(matrix) : box;
  return moved.getPoints(Array.from({ length: 8 }, () => new X3D.Vector3())).map(plain);
}

/**
 * The box around the letters of each line of a Text shape, in the shape's own frame, as
 * { text, box }; lines without letters have none. X_ITE lays the letters' outlines out line by
 * line, letter by letter, so each line's share of the outline points is counted from its
 * letters. Where the count does not add up (a text laid out otherwise), the whole text is one
 * box.
 */
function lineBoxes(shape) {
  const text = shape.getGeometry();
  const strings = Array.from(text._string, String);
  const whole = [{ text: strings.join("\n"), box: shape.getBBox(new X3D.Box3()) }];
  const layout = text.textGeometry;
  const font = layout?.getFontStyle().getFont();
  if (!font || typeof layout.getGlyphGeometry !== "function") return whole;
  const quality = text.getBrowser().getBrowserOptions().getPrimitiveQuality();
  const counts = layout.getGlyphs().map((letters) =>
    letters.reduce((n, glyph) => n + layout.getGlyphGeometry(font, glyph, quality).length, 0));
  const vertices = text.getVertices(); // x, y, z, w of each point
  if (counts.length !== strings.length || 4 * counts.reduce((n, c) => n + c, 0) !== vertices.length) return whole;
  // Laid out top down (or left to right); with topToBottom false the last string comes first.
  if (!layout.getFontStyle()._topToBottom.getValue()) strings.reverse();
  const values = vertices.getValue();
  const lines = [];
  let at = 0;
  counts.forEach((count, i) => {
    const [min, max] = [[Infinity, Infinity, Infinity], [-Infinity, -Infinity, -Infinity]];
    for (const end = at + 4 * count; at < end; at += 4)
      for (let k = 0; k < 3; k++) [min[k], max[k]] = [Math.min(min[k], values[at + k]), Math.max(max[k], values[at + k])];
    if (!count) return;
    const box = new X3D.Box3();
    box.setExtents(new X3D.Vector3(...min), new X3D.Vector3(...max));
    lines.push({ text: strings[i], box });
  });
  return lines;
}

/**
 * The extent of the chart from one walk of the scene graph, without drawing it: a function
 * that takes a camera heading ({ yaw, pitch } as camera.js turns it) and returns the world
 * points that bound everything shown, for the framing arithmetic. Shapes that stay put count
 * with the corners of their bounding boxes; the contents of a Billboard count turned towards
 * a viewer far away along the heading's view direction, as X_ITE will turn them. Its
 * texts(heading) gives the corners of the box around the letters of each line of text, and
 * facings the directions the other texts face.
 */
export function chartExtent(browser, { axes }) {
  const fixed = [], fixedTexts = [], facings = [];
  const boards = []; // { axis, toWorld, local: corners in the Billboard's own frame, texts }
  const visit = (node, matrix, board) => {
    if (typeof node.getInnerNode === "function" && node.getInnerNode() !== node) {
      visit(node.getInnerNode(), matrix, board);
    } else if (node.getTypeName?.() === "Billboard") {
      const entry = { axis: unit(plain(node._axisOfRotation.getValue())), toWorld: matrix.copy(), local: [], texts: [] };
      boards.push(entry);
      for (const child of node.visibleObjects) visit(child, new X3D.Matrix4(), entry);
    } else if (node.visibleObjects) {
      const own = typeof node.getMatrix === "function" ? matrix.copy().multLeft(node.getMatrix()) : matrix;
      for (const child of node.visibleObjects) visit(child, own, board);
    } else if (typeof node.getGeometry === "function" && node.getGeometry()) {
      const box = node.getBBox(new X3D.Box3());
      if (box.isEmpty()) return;
      const points = corners(box, matrix);
      const lines = node.getGeometry().getTypeName() === "Text" ? lineBoxes(node).map((line) => corners(line.box, matrix)) : [];
      if (board) {
        for (const line of lines) {
          board.texts.push(board.local.length);
          board.local.push(...line);
        }
        board.local.push(...points);
      } else {
        fixedTexts.push(...lines);
        if (lines.length) facings.push(unit(plain(matrix.multDirMatrix(new X3D.Vector3(0, 0, 1)))));
        fixed.push(...points);
      }
    }
  };
  for (const node of browser.currentScene.rootNodes) if (node) visit(node.getValue(), new X3D.Matrix4(), null);

  for (const board of boards) board.toLocal = board.toWorld.copy().inverse();
  const direction = (matrix, v) => unit(plain(matrix.multDirMatrix(new X3D.Vector3(...v))));
  // Every drawn point for a heading, and where the texts' boxes start among them.
  const turned = (heading) => {
    const { up, back } = axes(heading);
    const points = fixed.slice(), texts = [];
    for (const { axis, toWorld, toLocal, local, texts: starts } of boards) {
      // The Billboard's own axes: z towards the viewer, turned about its axis of rotation
      // (or, without one, also y along the viewer's up).
      const toViewer = direction(toLocal, back);
      let x, y, z;
      if (axis && toViewer) {
        z = unit(toViewer.map((v, k) => v - axis[k] * (toViewer[0] * axis[0] + toViewer[1] * axis[1] + toViewer[2] * axis[2])));
        y = axis;
      } else if (toViewer) {
        z = toViewer;
        x = unit(cross(direction(toLocal, up) ?? [0, 1, 0], z));
        y = x && cross(z, x);
      }
      if (!z || !y) [x, y, z] = [[1, 0, 0], [0, 1, 0], [0, 0, 1]];
      x ??= cross(y, z);
      const first = points.length;
      for (const [px, py, pz] of local) {
        const turnedPoint = [0, 1, 2].map((k) => px * x[k] + py * y[k] + pz * z[k]);
        points.push(plain(toWorld.multVecMatrix(new X3D.Vector3(...turnedPoint))));
      }
      for (const start of starts) texts.push(points.slice(first + start, first + start + 8));
    }
    return { points, texts };
  };
  const extent = (heading) => turned(heading).points;
  /** The corners of each line of text's box for the heading. */
  extent.texts = (heading) => [...fixedTexts, ...turned(heading).texts];
  /** The directions the texts that do not turn with the view face (their front's normals). */
  extent.facings = facings.filter(Boolean);
  return extent;
}

/** The nodes of an MFNode field `name` of node, or none when it has no such field. */
function childNodes(node, name = "children") {
  for (const field of node.getFieldDefinitions())
    if (field.name === name && field.dataType === X3D.X3DConstants.MFNode) return Array.from(node[name]);
  return [];
}

/**
 * Makes each series its own pop-up target. A series pop-up strip lies in a Transform beside
 * the series it belongs to, and its invisible markers catch the pointer only near the
 * values; the strip cannot tell an area from a ribbon or a row of columns. So the strip's
 * sensor (the TouchSensor DEF'd TOUCH in its proto body) is also put into the group that
 * holds the series: the pointer anywhere over the drawn series, whatever its kind, reports
 * to the strip, which shows the value of the cell nearest in x, and nothing is caught where
 * the series is not drawn. The strip and the series share one frame, so the hit points
 * need no conversion.
 */
export function shareStripSensors(scene) {
  const joins = [];
  walk(scene, (group) => {
    for (const holder of childNodes(group))
      if (holder.getNodeTypeName() === "Transform")
        for (const strip of childNodes(holder))
          if (strip.getNodeTypeName() === "qrx_PopupStrip") joins.push([group, strip.getValue().getBody().getNamedNode("TOUCH")]);
  });
  for (const [group, touch] of joins) group.children.push(touch);
}

// A Transform child that holds nothing but one Text shape, as { transform, min, max, turned }:
// the extents of the text's box in the parent's frame, and whether it stands turned a quarter
// turn about z (an axis header beside its column of labels); null for any other child or an
// empty text.
function textPart(child) {
  if (child.getNodeTypeName() !== "Transform") return null;
  const shapes = childNodes(child);
  const text = shapes.length === 1 && shapes[0].getNodeTypeName() === "Shape" &&
    shapes[0].geometry?.getNodeTypeName() === "Text";
  const box = text && shapes[0].getValue().getBBox(new X3D.Box3());
  if (!box || box.isEmpty()) return null;
  const [min, max] = [new X3D.Vector3(), new X3D.Vector3()];
  box.multRight(child.getValue().getMatrix()).getExtents(min, max);
  const { z, angle } = child.rotation;
  const turned = Math.abs(Math.abs(z) - 1) < 1e-3 && Math.abs(Math.abs(angle) - Math.PI / 2) < 1e-3;
  return { transform: child, min, max, turned };
}

const HEADER_GAP = 0.1; // of the labels' width, kept between an axis header and its labels

/**
 * Moves each axis header clear of its column of labels where the labels' letters, wider than
 * the world's layout reckons with, reach into it: the header moves away from the labels along
 * x by what they overlap plus a tenth of the labels' width. Only the header's translation in
 * the loaded scene changes, and its matrix at once, so that extents read next see it moved.
 */
export function clearAxisHeaders(scene) {
  const moves = [];
  walk(scene, (group) => {
    const parts = childNodes(group).map(textPart).filter(Boolean);
    const columns = parts.filter((part) => !part.turned);
    for (const header of parts.filter((part) => part.turned)) {
      let shift = 0;
      for (const labels of columns) {
        if (header.max.y <= labels.min.y || header.min.y >= labels.max.y) continue;
        const gap = HEADER_GAP * (labels.max.x - labels.min.x);
        shift = header.min.x + header.max.x < labels.min.x + labels.max.x
          ? Math.min(shift, labels.min.x - gap - header.max.x)
          : Math.max(shift, labels.max.x + gap - header.min.x);
      }
      if (shift) moves.push([header.transform, shift]);
    }
  });
  for (const [transform, shift] of moves) {
    const { x, y, z } = transform.translation;
    transform.translation = new X3D.SFVec3f(x + shift, y, z);
    transform.getValue().eventsProcessed();
  }
}

// Every face keeps at least about half of its colour from any side: the lights' ambient
// parts (VRML materials take a fifth of each light's ambientIntensity) and six weak lights from
// the axis directions light it from wherever it faces. A key light from just above the viewer
// shades the faces facing it.
const FILL_INTENSITY = 0.15;
const FILL_AMBIENT = 0.25;
const KEY_INTENSITY = 0.5;
const KEY_AMBIENT = 1;
const KEY_LIFT = 0.45; // the key light comes down at about 25 degrees

/**
 * Adds the viewer's own nodes to the scene: a Viewpoint it moves, a NavigationInfo without
 * navigation and headlight (the page turns the view itself), and the lights. Returns
 * { viewpoint, place(camera) }: place() moves the viewpoint and the key light to a camera
 * (see camera.js).
 */
export function addViewerNodes(scene, { orientationOf, axes }) {
  const viewpoint = scene.createNode("Viewpoint");
  const navigation = scene.createNode("NavigationInfo");
  navigation.type = new X3D.MFString("NONE");
  navigation.headlight = false;
  const key = scene.createNode("DirectionalLight");
  key.intensity = KEY_INTENSITY;
  key.ambientIntensity = KEY_AMBIENT;
  scene.addRootNode(key);
  for (const d of [[1, 0, 0], [-1, 0, 0], [0, 1, 0], [0, -1, 0], [0, 0, 1], [0, 0, -1]]) {
    const fill = scene.createNode("DirectionalLight");
    fill.intensity = FILL_INTENSITY;
    fill.ambientIntensity = FILL_AMBIENT;
    fill.direction = new X3D.SFVec3f(...d);
    scene.addRootNode(fill);
  }
  scene.addRootNode(viewpoint);
  scene.addRootNode(navigation);
  navigation.set_bind = true;
  viewpoint.set_bind = true;

  function place(camera) {
    const { up, back } = axes(camera);
    viewpoint.position = new X3D.SFVec3f(...camera.position);
    viewpoint.orientation = new X3D.SFRotation(...orientationOf(camera));
    viewpoint.centerOfRotation = new X3D.SFVec3f(...camera.pivot);
    viewpoint.fieldOfView = camera.fov;
    key.direction = new X3D.SFVec3f(...[0, 1, 2].map((k) => -back[k] - KEY_LIFT * up[k]));
  }
  return { viewpoint, place };
}

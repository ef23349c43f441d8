// What the viewer reads from and adds to a loaded X_ITE scene: the world's viewpoints, the
// corners of everything drawn, and the nodes it adds at run time (its own camera, lights and
// navigation, the series' pop-up sensors). The world file itself is never changed.

/** Calls visit(node) once for every node reachable from the scene's root nodes. */
export function walk(scene, visit) {
  const seen = new Set();
  const step = (node) => {
    if (!node || seen.has(node.getValue())) return;
    seen.add(node.getValue());
    visit(node);
    for (const field of node.getFieldDefinitions()) {
      if (field.accessType === X3D.X3DConstants.inputOnly || field.accessType === X3D.X3DConstants.outputOnly) continue;
      const value = node[field.name];
      if (field.dataType === X3D.X3DConstants.SFNode) step(value);
      else if (field.dataType === X3D.X3DConstants.MFNode) for (const child of value) step(child);
    }
  };
  for (const node of scene.rootNodes) step(node);
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
 * Every shape drawn now, as { type, texts, corners }: its geometry's node type, the strings
 * of a Text (else null), and the world coordinates of the corners of its bounding box (with
 * each Billboard turned as in the last frame). Reads X_ITE's scene graph, which knows the
 * extents of texts and of geometry that scripts build.
 */
export function drawnShapes(browser) {
  const shapes = [];
  const visit = (node, matrix) => {
    if (typeof node.getInnerNode === "function" && node.getInnerNode() !== node) {
      visit(node.getInnerNode(), matrix);
    } else if (node.visibleObjects) {
      const own = typeof node.getMatrix === "function" ? matrix.copy().multLeft(node.getMatrix()) : matrix;
      for (const child of node.visibleObjects) visit(child, own);
    } else if (typeof node.getGeometry === "function" && node.getGeometry()) {
      const box = node.getBBox(new X3D.Box3()).copy().multRight(matrix);
      if (box.isEmpty()) return;
      const type = node.getGeometry().getTypeName();
      const points = box.getPoints(Array.from({ length: 8 }, () => new X3D.Vector3()));
      shapes.push({ type, texts: type === "Text" ? Array.from(node.getGeometry()._string, String) : null,
                    corners: points.map((p) => [p.x, p.y, p.z]) });
    }
  };
  for (const node of browser.currentScene.rootNodes) if (node) visit(node.getValue(), new X3D.Matrix4());
  return shapes;
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

// Lights from the six axis directions give every face, whichever way it turns, at least this
// much of its colour; a key light from just above the viewer shades the faces facing it.
const FILL_INTENSITY = 0.22;
const KEY_INTENSITY = 0.75;
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
  scene.addRootNode(key);
  for (const d of [[1, 0, 0], [-1, 0, 0], [0, 1, 0], [0, -1, 0], [0, 0, 1], [0, 0, -1]]) {
    const fill = scene.createNode("DirectionalLight");
    fill.intensity = FILL_INTENSITY;
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

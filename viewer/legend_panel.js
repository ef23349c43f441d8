// The legend panel over the canvas: every entry of the world's legends with its colour, its
// text and a check box wired to the world's own check box (the qrx_CheckBox routed to the
// entry's content toggle). A click on an entry hides or shows it, a double click shows only
// that entry (or, when it already is the only one shown, all of them again). The panel only
// reads and writes the world's check boxes, so both stay in step whichever is clicked.
import { findNode, walk } from "./scene_tools.js";

/**
 * The entries of the scene's legends, top to bottom as each legend draws them:
 * { text, color: [r, g, b] (0 to 1) or null, box: the qrx_CheckBox node or null }.
 * A legend (qrx_Legend) lists its entries bottom up, the last added first; its column of
 * check boxes stands beside it in the legend's holder, numbered top down, so box k of n goes
 * with entry n - k.
 */
export function legendEntries(scene) {
  const entries = [];
  walk(scene, (legend) => {
    if (legend.getNodeTypeName() !== "qrx_Legend") return;
    const texts = Array.from(legend.descriptions, String);
    const looks = Array.from(legend.appearances);
    const path = findNode(scene, (node) => node.getValue() === legend.getValue());
    const holder = path?.[path.length - 3]; // holder -> inner Transform -> legend
    const boxes = [];
    if (holder) walk({ rootNodes: [holder] }, (node) => {
      if (node.getNodeTypeName() === "qrx_CheckBox") boxes.push(node);
    });
    const n = texts.length;
    for (let k = 1; k <= n; k++) {
      const box = boxes.length === n ? boxes[k - 1] : null;
      entries.push({ text: texts[n - k], color: colorOf(looks[n - k]) ?? (box && Array.from(box.color)), box });
    }
  });
  return entries;
}

function colorOf(appearance) {
  const material = appearance?.material;
  return material ? Array.from(material.diffuseColor) : null;
}

const css = ([r, g, b]) => `rgb(${[r, g, b].map((v) => Math.round(255 * Math.min(1, Math.max(0, v)))).join(", ")})`;

/**
 * Fills `element` (the #legend panel of index.html) with the scene's legend entries. Returns
 * { width() }: the CSS pixels the panel takes at the canvas's right edge (0 without entries).
 */
export function legendPanel(element, scene) {
  const entries = legendEntries(scene);
  if (!entries.length) return { width: () => 0 };
  const toggled = entries.filter((entry) => entry.box);

  const rows = entries.map((entry, index) => {
    const row = document.createElement("label");
    const check = document.createElement("input");
    check.type = "checkbox";
    check.disabled = !entry.box;
    const swatch = document.createElement("span");
    swatch.className = "swatch";
    if (entry.color) swatch.style.background = css(entry.color);
    const text = document.createElement("span");
    text.textContent = entry.text;
    row.dataset.index = String(index);
    row.append(check, swatch, text);
    element.appendChild(row);
    return { row, check };
  });

  const update = () => entries.forEach((entry, i) => {
    const on = entry.box ? entry.box.value : true;
    rows[i].check.checked = on;
    rows[i].row.classList.toggle("off", !on);
  });
  const set = (entry, on) => {
    if (entry.box && entry.box.value !== on) entry.box.value = on;
  };
  // Only this entry shown; when it already is the only one, every entry again.
  const only = (entry) => {
    const alone = toggled.every((other) => other.box.value === (other === entry));
    for (const other of toggled) set(other, alone || other === entry);
  };

  entries.forEach((entry, i) => {
    if (!entry.box) return;
    rows[i].check.addEventListener("change", () => set(entry, rows[i].check.checked));
    // The two clicks of a double click have toggled the entry twice, back to where it was.
    rows[i].row.addEventListener("dblclick", (event) => {
      event.preventDefault();
      only(entry);
    });
    entry.box.getField("value").addFieldCallback("legendPanel", update);
  });
  update();
  element.hidden = false;
  return { width: () => element.offsetWidth + 16 };
}

// The frame player over the canvas, for worlds whose points come in frames: the world's frame
// slider (the qrx_Slider DEF'd FRAME_SLIDER, whose value picks the frame shown) gets a panel
// that names the current frame ("Frame 3"), counts it ("3 of 6"), plays the frames in turn
// and steps through them. The panel only reads and writes the slider's value, so the world's
// own slider and the panel stay in step whichever is moved.
import { findNode } from "./scene_tools.js";

export const PLAY_STEP_MS = 1000; // how long each frame shows while playing

/** The slider's stop labels: the strings of the Text beside the slider in its own Transform. */
function stopLabels(scene, slider) {
  const path = findNode(scene, (node) => node.getValue() === slider.getValue());
  const root = path?.[path.length - 3]; // root Transform -> slider holder -> slider
  if (!root) return [];
  const text = findNode(root, (node) => node.getNodeTypeName() === "Text");
  return text ? Array.from(text[text.length - 1].string, String) : [];
}

/**
 * Sets up `element` (the #player panel of index.html) for the scene's frame slider, if it
 * has one. Returns { height() }: the CSS pixels the panel takes at the canvas's bottom edge
 * (0 when the world has no frames).
 */
export function framePlayer(element, scene) {
  let slider;
  try {
    slider = scene.getNamedNode("FRAME_SLIDER");
  } catch {
    return { height: () => 0 };
  }
  const labels = stopLabels(scene, slider);
  const [low, high] = [Math.min(slider.minimum, slider.maximum), Math.max(slider.minimum, slider.maximum)];
  const count = high - low + 1;
  const parts = Object.fromEntries(["back", "play", "forward", "slider", "count", "name"]
    .map((name) => [name, element.querySelector(`.${name}`)]));
  parts.slider.min = String(low);
  parts.slider.max = String(high);

  const current = () => Math.min(high, Math.max(low, slider.value));
  function update() {
    const value = current(), index = value - low;
    parts.slider.value = String(value);
    parts.count.textContent = `${index + 1} of ${count}`;
    parts.name.textContent = labels[index] ?? `Frame ${index + 1}`;
    element.dataset.frame = String(index);
  }
  const go = (value) => {
    slider.value = Math.min(high, Math.max(low, value));
  };

  let timer = null;
  function play(on) {
    clearInterval(timer);
    timer = on ? setInterval(() => go(current() >= high ? low : current() + 1), PLAY_STEP_MS) : null;
    parts.play.textContent = on ? "Pause" : "Play";
    parts.play.title = on ? "Stop at this frame" : "Play the frames";
    element.dataset.playing = String(on);
  }
  parts.play.addEventListener("click", () => play(timer === null));
  parts.back.addEventListener("click", () => go(current() - 1));
  parts.forward.addEventListener("click", () => go(current() + 1));
  parts.slider.addEventListener("input", () => go(Number(parts.slider.value)));
  slider.getField("value").addFieldCallback("framePlayer", update);

  play(false);
  update();
  element.hidden = false;
  return { height: () => element.offsetHeight + 8 };
}

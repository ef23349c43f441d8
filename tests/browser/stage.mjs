// Stages a folder the way the viewer page expects it (see viewer/index.html):
// the viewer files at the top, X_ITE's runtime under x_ite/, and any extra files
// (worlds, proto files) given on the command line beside the viewer.
//
//   node tests/browser/stage.mjs TARGET [FILE_OR_FOLDER ...]
//
// As a module: stageViewer(target) and stageFiles(target, paths).
import { cp, mkdir, readdir, stat } from "node:fs/promises";
import path from "node:path";
import { fileURLToPath } from "node:url";

export const repoRoot = path.resolve(path.dirname(fileURLToPath(import.meta.url)), "../..");
export const viewerDir = path.join(repoRoot, "viewer");
export const xiteDist = path.join(repoRoot, "node_modules", "x_ite", "dist");

// What the page needs from x_ite's dist folder. X_ITE finds its style sheet, components,
// fonts and libraries relative to x_ite.min.js; the unminified bundles, the ES module
// builds, the zip and the type declarations are not used.
export function isXiteRuntimeFile(relative) {
  const parts = relative.split(path.sep);
  if (parts.length === 1) return ["x_ite.min.js", "x_ite.css", "LICENSE.md"].includes(parts[0]);
  if (parts[0] !== "assets") return false;
  if (parts[1] === "components") return relative.endsWith(".min.js");
  return true;
}

async function copyTree(from, to, keep = () => true, base = from) {
  for (const entry of await readdir(from, { withFileTypes: true })) {
    const source = path.join(from, entry.name);
    const relative = path.relative(base, source);
    if (entry.isDirectory()) {
      await copyTree(source, path.join(to, entry.name), keep, base);
    } else if (keep(relative)) {
      await mkdir(to, { recursive: true });
      await cp(source, path.join(to, entry.name));
    }
  }
}

// Copies the viewer page and X_ITE's runtime into target.
export async function stageViewer(target) {
  await copyTree(viewerDir, target);
  await copyTree(xiteDist, path.join(target, "x_ite"), isXiteRuntimeFile);
}

// Copies files into target, and the contents of folders (with their subfolders).
export async function stageFiles(target, paths) {
  await mkdir(target, { recursive: true });
  for (const p of paths) {
    if ((await stat(p)).isDirectory()) await copyTree(p, target);
    else await cp(p, path.join(target, path.basename(p)));
  }
}

if (process.argv[1] && path.resolve(process.argv[1]) === fileURLToPath(import.meta.url)) {
  const [target, ...extra] = process.argv.slice(2);
  if (!target) {
    console.error("usage: node tests/browser/stage.mjs TARGET [FILE_OR_FOLDER ...]");
    process.exit(2);
  }
  await stageViewer(target);
  await stageFiles(target, extra);
  console.log(`staged viewer${extra.length ? " and " + extra.length + " item(s)" : ""} in ${target}`);
}

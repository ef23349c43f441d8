// Stages a folder the way the viewer page expects it (see viewer/index.html):
// the viewer files at the top, X_ITE's runtime under x_ite/, and any extra files
// (worlds, proto files) given on the command line beside the viewer.
//
//   node tests/browser/stage.mjs TARGET [FILE_OR_FOLDER ...]
//
// As a module: stageViewer(target) and stageFiles(target, paths).
import { cp, mkdir, readdir, stat } from "node:fs/promises";
import path from "node:path";
import { createRequire } from "node:module";
import { fileURLToPath } from "node:url";

export const repoRoot = path.resolve(path.dirname(fileURLToPath(import.meta.url)), "../..");
export const viewerDir = path.join(repoRoot, "viewer");
// What the build puts in its own tree: X_ITE's runtime as it stages it for the viewer page, and
// the npm packages (playwright-core). The tests are told where (ATRIUM_XITE_DIR,
// ATRIUM_NODE_MODULES); by hand they are taken from the README's build folder, build/.
const buildDir = path.join(repoRoot, "build");
export const xiteDist =
  process.env.ATRIUM_XITE_DIR ?? path.join(buildDir, "share", "atrium", "viewer", "x_ite");
export const nodeModules = process.env.ATRIUM_NODE_MODULES ?? path.join(buildDir, "node_modules");

// Loads an npm package (a CommonJS one) from nodeModules.
export function requirePackage(name) {
  return createRequire(path.join(path.dirname(nodeModules), "package.json"))(name);
}

async function copyTree(from, to) {
  for (const entry of await readdir(from, { withFileTypes: true })) {
    const source = path.join(from, entry.name);
    if (entry.isDirectory()) {
      await copyTree(source, path.join(to, entry.name));
    } else {
      await mkdir(to, { recursive: true });
      await cp(source, path.join(to, entry.name));
    }
  }
}

// Copies the viewer page and X_ITE's runtime into target.
export async function stageViewer(target) {
  await copyTree(viewerDir, target);
  await copyTree(xiteDist, path.join(target, "x_ite"));
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

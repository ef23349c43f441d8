// The worlds of the page's folder, for the page opened without ?world=: the names the server
// lists in worlds.json (a JSON array of file names) when it offers one, otherwise the .wrl
// links of the folder's HTML directory listing. The proto files are not worlds.
const PROTO_FILES = new Set(["HV_GRAPH.wrl", "HV_UI.wrl", "HV_NAV.wrl"]);

const isWorld = (name) => typeof name === "string" && /\.wrl$/i.test(name) && !PROTO_FILES.has(name);

/** The .wrl names linked from an HTML directory listing, relative to `base`. */
export function namesInListing(html, base) {
  const names = [];
  for (const link of new DOMParser().parseFromString(html, "text/html").querySelectorAll("a[href]")) {
    const url = new URL(link.getAttribute("href"), base);
    const name = decodeURIComponent(url.pathname.split("/").pop());
    if (url.origin === base.origin && url.pathname === new URL(name, base).pathname) names.push(name);
  }
  return names;
}

/** The world names of the page's folder, sorted, without duplicates (may be empty). */
export async function worldNames(base) {
  let names = [];
  const listed = await fetch(new URL("worlds.json", base), { cache: "no-store" });
  if (listed.ok) {
    names = await listed.json();
    if (!Array.isArray(names)) throw new Error("worlds.json does not hold a list of names");
  } else {
    const folder = await fetch(new URL("./", base), { cache: "no-store" });
    if (folder.ok && /html/.test(folder.headers.get("content-type") || ""))
      names = namesInListing(await folder.text(), base);
  }
  return [...new Set(names.filter(isWorld))].sort();
}

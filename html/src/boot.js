// The first script of a self-contained chart page. The page carries the files it would
// otherwise fetch (the world, its proto files, X_ITE's fonts, libraries and style sheet) in
// the JSON element #atrium-embedded:
//   { "world": "NAME.wrl", "files": [{ "url", "type", "text" | "base64" } | { "url", "sameAs" }, ...] }
// with URLs relative to the page (sameAs: answered with the file of that URL). A page opened from disk may fetch nothing, so fetch() is
// answered from those files, X_ITE's style sheet link gets the embedded sheet, and the world
// is named in the page address (?world=NAME.wrl) as the viewer page expects.
(() => {
  const embedded = JSON.parse(document.getElementById("atrium-embedded").textContent);
  const withoutFragment = (url) => {
    const plain = new URL(url, document.baseURI);
    plain.hash = "";
    return plain.href;
  };
  const files = new Map(embedded.files.map((file) => [withoutFragment(file.url), file]));
  for (const file of embedded.files)
    if (file.sameAs) files.set(withoutFragment(file.url), files.get(withoutFragment(file.sameAs)));
  const find = (input) => {
    try {
      return files.get(withoutFragment(input instanceof Request ? input.url : String(input)));
    } catch {
      return undefined; // not a URL: left to the browser
    }
  };
  const bytes = (base64) => Uint8Array.from(atob(base64), (c) => c.charCodeAt(0));
  const body = (file) => file.text ?? bytes(file.base64);

  const pageFetch = window.fetch.bind(window);
  window.fetch = (input, init) => {
    const file = find(input);
    if (!file) return pageFetch(input, init);
    return Promise.resolve(new Response(body(file), { status: 200, headers: { "content-type": file.type } }));
  };

  // X_ITE appends a <link rel="stylesheet"> to each canvas's shadow root and shows the canvas
  // once it has loaded.
  const append = Node.prototype.appendChild;
  ShadowRoot.prototype.appendChild = function (node) {
    const file = node instanceof HTMLLinkElement && node.rel === "stylesheet" && find(node.href);
    if (file) node.href = `data:${file.type};charset=utf-8,${encodeURIComponent(body(file))}`;
    return append.call(this, node);
  };

  // X_ITE adds the font faces of its user interface from their URLs.
  const PageFontFace = window.FontFace;
  window.FontFace = class extends PageFontFace {
    constructor(family, source, descriptors) {
      const url = typeof source === "string" && source.match(/^url\((.*)\)$/)?.[1];
      const file = url && find(url);
      super(family, file ? bytes(file.base64).buffer : source, descriptors);
    }
  };

  // The viewer page takes the world's name from the page address. A page shown in an iframe's
  // srcdoc (a notebook's output) cannot change its address, about:srcdoc, so the name is also
  // left where the viewer looks next.
  window.atriumWorldName = embedded.world;
  const address = new URL(location.href);
  if (!address.searchParams.has("world") && address.href !== "about:srcdoc") {
    address.searchParams.set("world", embedded.world);
    history.replaceState(history.state, "", address);
  }
})();

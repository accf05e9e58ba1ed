// Served by a web host, the page can be installed on a phone's home screen
// and opened again without a network: it links its manifest and registers
// its worker (sw.js), which keeps the page, the manifest and the icons. Opened
// from disk it does neither: it needs no copy, and a browser refuses both.
// make_page.mjs writes the files under these names beside the page.
export const kManifestFile = "manifest.webmanifest";
export const kWorkerFile = "sw.js";

export function offerOfflineCopy(window) {
  const { document, location, navigator } = window;
  if (location.protocol !== "http:" && location.protocol !== "https:") return;
  const link = document.createElement("link");
  link.rel = "manifest";
  link.href = kManifestFile;
  document.head.append(link);
  // Service workers need a secure context (https, or this machine). A page
  // its worker serves is registered already: the browser itself looks for a
  // changed worker at each visit (and a registration anew could not fetch
  // it offline).
  if (!window.isSecureContext || !("serviceWorker" in navigator) ||
      navigator.serviceWorker.controller !== null) {
    return;
  }
  // The worker keeps the page under the name it was opened by (index.html,
  // vantorix.html, or its folder's own address) and under its folder's.
  const page = location.pathname.slice(location.pathname.lastIndexOf("/") + 1);
  navigator.serviceWorker.register(`${kWorkerFile}?page=${encodeURIComponent(page)}`).catch((error) => {
    console.info(`vantorix: no offline copy: ${error.message}`);
  });
}

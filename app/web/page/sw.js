// The page's worker: it keeps the page, its manifest and its icons in a cache
// of their own and serves them from there first, so that the page, once
// opened from its host, opens again without a network. make_page.mjs writes
// it beside the page with two constants before this text: kCacheVersion, the
// project's version and a digest of the kept files (so a changed page brings
// a new worker, which keeps the new files), and kFiles, the files beside the
// page that it keeps. The page is kept under the name it was
// registered from (?page=) and under its folder's address, the manifest's
// start_url.
const kCachePrefix = "vantorix-";
const kCacheName = `${kCachePrefix}${kCacheVersion}`;

async function keepFiles() {
  const scope = self.registration.scope;
  const page = new URL(new URL(self.location.href).searchParams.get("page") ?? "", scope);
  if (!page.href.startsWith(scope)) throw new Error(`the page ${page.href} lies outside ${scope}`);
  const fresh = (url) => new Request(url, { cache: "reload" });
  const cache = await caches.open(kCacheName);
  await cache.addAll(kFiles.map((file) => fresh(new URL(file, scope))));
  const response = await fetch(fresh(page));
  if (!response.ok) throw new Error(`the page ${page.href} answered ${response.status}`);
  await cache.put(scope, response.clone());
  if (page.href !== scope) await cache.put(page, response);
}

async function dropOldCaches() {
  for (const name of await caches.keys()) {
    if (name.startsWith(kCachePrefix) && name !== kCacheName) await caches.delete(name);
  }
}

self.addEventListener("install", (event) => {
  event.waitUntil(keepFiles().then(() => self.skipWaiting()));
});

self.addEventListener("activate", (event) => {
  event.waitUntil(dropOldCaches().then(() => self.clients.claim()));
});

// Whatever the page was opened with (?pacing=10) it is the same page.
self.addEventListener("fetch", (event) => {
  if (event.request.method !== "GET") return;
  event.respondWith((async () => {
    const kept = await caches.match(event.request, { cacheName: kCacheName, ignoreSearch: true });
    return kept ?? fetch(event.request);
  })());
});

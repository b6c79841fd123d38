// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// The service worker of the school server's edition. It keeps the page and its manifest in a
// cache of this release and answers from there when the network is gone. The page
// itself comes from the server whenever the server answers, and is kept anew each time, so a new
// version put on the server is what the next load shows. A new version brings a new worker too,
// whose release differs: it takes over at once and drops the cache of the one before.
// server_edition.mjs writes in the release: the cache's name, the page and the files it keeps.
const release = {"cache":"velmora-c8e27eaef0da378b","page":"velmora.html","files":["velmora.html","velmora.webmanifest"]};

self.addEventListener("install", (event) => {
  event.waitUntil(
    caches
      .open(release.cache)
      .then((cache) => cache.addAll(release.files))
      .then(() => self.skipWaiting()),
  );
});

self.addEventListener("activate", (event) => {
  event.waitUntil(
    caches
      .keys()
      .then((names) =>
        Promise.all(
          names.filter((name) => name !== release.cache).map((name) => caches.delete(name)),
        ),
      )
      .then(() => self.clients.claim()),
  );
});

const pageAddress = new URL(release.page, location).href;
const keptAddresses = new Set(release.files.map((file) => new URL(file, location).href));
const withoutQuery = (url) => url.split(/[?#]/)[0];

// The page as the server has it now, kept for later; without an answer, the page as last kept.
async function freshPage(request) {
  const cache = await caches.open(release.cache);
  try {
    const response = await fetch(request);
    if (response.ok) {
      await cache.put(pageAddress, response.clone());
    }
    return response;
  } catch (offline) {
    const kept = await cache.match(pageAddress);
    if (kept) {
      return kept;
    }
    throw offline;
  }
}

// The manifest does not change within a release.
async function keptOrFetched(request) {
  return (await caches.match(request, { cacheName: release.cache })) ?? fetch(request);
}

// Only the files of the edition: whatever else the server's folder holds goes by as it would.
self.addEventListener("fetch", (event) => {
  const { request } = event;
  const address = withoutQuery(request.url);
  if (request.method !== "GET" || !keptAddresses.has(address)) {
    return;
  }
  event.respondWith(address === pageAddress ? freshPage(request) : keptOrFetched(request));
});

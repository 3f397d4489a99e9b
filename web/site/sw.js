// The service worker: keeps every file of the site, so that the calculator
// opens with no network after the first visit. The build writes the cache's
// name (a hash of the files) and the list, so that a new version is fetched
// whole and takes effect at the next start.
const CACHE = __TABRIX_CACHE__;
const FILES = __TABRIX_FILES__;

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(FILES)));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(
    caches.keys().then((names) => Promise.all(names.filter((name) => name !== CACHE).map((name) => caches.delete(name)))),
  );
});

// A page that offered "reload" to its reader lets the waiting version in.
self.addEventListener('message', (event) => {
  if (event.data === 'take-over') self.skipWaiting();
});

self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  event.respondWith(
    caches.match(event.request, { ignoreSearch: true }).then((kept) => kept || fetch(event.request)),
  );
});

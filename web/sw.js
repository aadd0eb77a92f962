// The service worker: keeps the whole site in a cache of its own version,
// so the page starts and computes charts with no network at all. A new
// version of the site (another cache name) is fetched whole when the page
// next starts online; the old cache goes once the new one is complete.
const CACHE = 'orrery-@SITE_VERSION@';
const FILES = [@SITE_FILES@];

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(FILES)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(
    caches.keys()
      .then((names) => Promise.all(names.filter((n) => n.startsWith('orrery-') && n !== CACHE).map((n) => caches.delete(n))))
      .then(() => self.clients.claim()));
});

// The page's own files come from the cache (the query of ?lang= and
// ?clock= does not matter); anything else goes to the network.
self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET' || new URL(event.request.url).origin !== self.location.origin) return;
  event.respondWith(
    caches.open(CACHE)
      .then((cache) => cache.match(event.request, { ignoreSearch: true }))
      .then((cached) => cached || fetch(event.request)));
});

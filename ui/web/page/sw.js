// Keeps every file of the page, so that after the first visit it opens and works
// without the network. The list and the version are written in when the page is
// built; a new version replaces the old files at once.
const VERSION = '@VERSION@';
const FILES = @FILES@;
const CACHE = 'CalculatorOrvi2009-' + VERSION;

self.addEventListener('install', (event) => {
  event.waitUntil(
    caches
      .open(CACHE)
      .then((cache) => cache.addAll(FILES))
      .then(() => self.skipWaiting()),
  );
});

self.addEventListener('activate', (event) => {
  event.waitUntil(
    caches
      .keys()
      .then((names) =>
        Promise.all(
          names.filter((name) => name.startsWith('CalculatorOrvi2009-') && name !== CACHE).map((name) => caches.delete(name)),
        ),
      )
      .then(() => self.clients.claim()),
  );
});

// The kept copy first; the network only for what is not kept.
self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  event.respondWith(
    caches.match(event.request, { ignoreSearch: true }).then((kept) => kept || fetch(event.request)),
  );
});

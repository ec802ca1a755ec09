// sw.js
// Keeps the site for use without a network. The first visit stores every page, the runtime script, each program's
// WebAssembly and the pictures in a cache named after this build; from then on every request is answered from it, and
// only what it lacks is fetched. A new build has a new name: its worker stores the new files and removes the old cache.
const cacheName = 'inversion-@version@';
const files = [@files@];

self.addEventListener('install', (event) => {
    event.waitUntil(caches.open(cacheName).then((cache) => cache.addAll(files)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
    const old = (name) => name.startsWith('inversion-') && name !== cacheName;
    event.waitUntil(caches.keys()
        .then((names) => Promise.all(names.filter(old).map((name) => caches.delete(name))))
        .then(() => self.clients.claim()));
});

self.addEventListener('fetch', (event) => {
    if (event.request.method !== 'GET') {
        return;
    }
    // The site's folder itself is its index page, whatever the server would answer.
    const url = new URL(event.request.url);
    const wanted = url.pathname.endsWith('/') ? new URL('index.html', url) : event.request;
    event.respondWith(caches.open(cacheName)
        .then((cache) => cache.match(wanted, { ignoreSearch: true }))
        .then((stored) => stored ?? fetch(event.request)));
});

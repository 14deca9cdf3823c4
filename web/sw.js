// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Keeps the page working offline: every file is cached on the first visit and
// served from the cache afterwards. The cache's name follows the files'
// contents, so a new build replaces it; it also names the page's folder, so
// that a new build deletes only this page's old caches, never those of another
// app (or another copy of the page) on the same server.
const OWN = `tessalo ${self.registration.scope} `;
const CACHE = OWN + '@VERSION@';
const FILES = ['./', @FILES@];
// Fetched only when first asked for, then kept: the braille of the tactile sheet and the proof,
// and the manifest, which the browser fetches by itself, before or while this installs.
const LATER = ['./braille.json', './manifest.webmanifest'].map(file => new URL(file, self.registration.scope).href);

self.addEventListener('install', event => {
  event.waitUntil((async () => {
    // A new build is fetched past the browser's HTTP cache, which behind a server that sends no
    // Cache-Control would hand it the old build's files; the first one takes what the visit
    // that installs it has just fetched, rather than fetching it all twice.
    const mode = self.registration.active ? 'reload' : 'force-cache';
    const cache = await caches.open(CACHE);
    await cache.addAll(FILES.map(file => new Request(file, {cache: mode})));
    await cache.put('./index.html', await cache.match('./'));
    await self.skipWaiting();
  })());
});

self.addEventListener('activate', event => {
  event.waitUntil(caches.keys()
    .then(names => Promise.all(names.filter(name => name.startsWith(OWN) && name !== CACHE)
      .map(name => caches.delete(name))))
    .then(() => self.clients.claim()));
});

self.addEventListener('fetch', event => {
  if (event.request.method !== 'GET')
    return;
  event.respondWith(caches.open(CACHE).then(async cache => {
    const cached = await cache.match(event.request, {ignoreSearch: true});
    if (cached)
      return cached;
    const response = await fetch(event.request);
    if (response.ok && LATER.includes(event.request.url.split('?')[0]))
      await cache.put(event.request, response.clone());
    return response;
  }));
});

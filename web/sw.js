// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
// Keeps the program's own files, and only those, so that the page opens with
// no network; each build names its cache, and older ones are let go.
"use strict";
const kCache = "vornaby-@VORNABY_WEB_BUILD@";
const kFiles = ["./", "index.html", "vornaby.css", "vornaby.js", "vornaby.wasm", "manifest.webmanifest",
                "icons/vornaby-16.png", "icons/vornaby-32.png", "icons/vornaby-48.png", "icons/vornaby-256.png",
                "icons/vornaby.svg"];

self.addEventListener("install", (event) => {
  event.waitUntil(caches.open(kCache).then((cache) => cache.addAll(kFiles)).then(() => self.skipWaiting()));
});

self.addEventListener("activate", (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((name) => name !== kCache).map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

self.addEventListener("fetch", (event) => {
  const request = event.request;
  if (request.method !== "GET" || new URL(request.url).origin !== self.location.origin)
    return;
  // The network first, so that a new build is seen at once; the kept copy
  // when there is no network.
  event.respondWith(fetch(request).catch(() =>
    caches.open(kCache).then((cache) => cache.match(request, { ignoreSearch: true }))
      .then((kept) => kept || Response.error())));
});

// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// The school server's edition: served over HTTPS (or from the machine itself), the page names its
// web app manifest and registers its service worker, which keeps it for use without a network and
// lets a phone put it on the home screen. Both files lie beside the page on the server (see
// server_edition.mjs). Opened as a file, from a USB stick or an e-mail, the page tries neither:
// a browser has no service worker there. A server that holds the page alone answers both with an
// error, which costs the pupil nothing, so the page stays silent about it.
export const manifestName = "velmora.webmanifest";
export const workerName = "velmora-sw.js";

export function offerOffline() {
  const served = location.protocol === "https:" || location.protocol === "http:";
  if (!served || !isSecureContext || !("serviceWorker" in navigator)) {
    return;
  }
  const manifest = document.createElement("link");
  manifest.rel = "manifest";
  manifest.href = manifestName;
  document.head.append(manifest);
  navigator.serviceWorker
    .register(workerName)
    .catch((error) => console.warn("No service worker beside the page:", error));
}

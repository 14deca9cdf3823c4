// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the page remembers in the browser. Where the browser blocks site data,
// or its storage is full, the page works the same and remembers nothing.
export function remembered(key) {
  try {
    return localStorage.getItem(key);
  } catch {
    return null;
  }
}

export function remember(key, value) {
  try {
    localStorage.setItem(key, value);
  } catch {
    // not remembered: the choice holds for this visit
  }
}

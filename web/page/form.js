// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The form as the layout table gives it (layout.js, made from the C++ side at
// build time): its size, its controls and the element the page builds it in.
// Positions are twips; layout.twipsPerPixel of them to a CSS pixel at 100 %.

export const layout = self.tessaloLayout;
export const TWIPS = layout.twipsPerPixel;
export const SVG = 'http://www.w3.org/2000/svg';
export const NEW_TERM = 3;  // the argument's line whose cells are the step's added ones

export const form = document.getElementById('form');
export const formWidth = layout.window.clientWidth / TWIPS;
export const formHeight = layout.window.clientHeight / TWIPS;

export const control = (name, index) => layout.controls.find(c => c.name === name && c.index === index);

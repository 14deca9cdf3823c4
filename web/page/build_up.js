// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Build-up: the cells one by one, in the order the proof makes them.
import {drawBoard} from './board.js';
import {layout} from './form.js';
import {core, speak} from './events.js';
import {coreSays} from './language.js';
import {showPressed} from './tools.js';
import {remember, remembered} from './storage.js';

const BUILD_UP_MS = layout.buildUpMs;  // the whole picture, as in the window
const BUILD_UP_SETTING = 'tessalo.buildUp';

export let buildUp = remembered(BUILD_UP_SETTING) === 'true';
export let buildUpHidden = null;  // the cells a build-up has not drawn yet
let buildUpTimer = 0;

// The core's build order: after a step up only the cells it added, the picture for n - 1 standing.
function buildOrder() {
  const base = core._tessalo_build_order() / 4;
  return Array.from(core.HEAP32.subarray(base, base + core._tessalo_build_count()));
}

// `always`: whatever the setting (a revealed step builds as the class watches)
export function startBuildUp(always = false) {
  const order = buildUp || always ? buildOrder() : [];
  if (!order.length)
    return;
  let built = 1;  // the first cell at once, as in the window
  const next = () => {
    if (built >= order.length)
      return finishBuildUp();
    buildUpHidden = new Set(order.slice(built++));
    drawBoard();
  };
  next();
  if (buildUpHidden)
    buildUpTimer = setInterval(next, BUILD_UP_MS / order.length);
}

export function finishBuildUp() {
  if (!buildUpHidden)
    return;
  clearInterval(buildUpTimer);
  buildUpHidden = null;
  drawBoard();
}

export function toggleBuildUp() {
  buildUp = !buildUp;
  remember(BUILD_UP_SETTING, String(buildUp));
  showPressed('BuildUp');
  if (!buildUp)
    finishBuildUp();
  speak(coreSays(buildUp ? 'SwitchBuildUpOn' : 'SwitchBuildUpOff'));
}

// any key or click shows the rest at once, and still does what it does
for (const type of ['keydown', 'pointerdown'])
  document.addEventListener(type, () => { if (core) finishBuildUp(); }, true);

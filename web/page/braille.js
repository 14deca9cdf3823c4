// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The tactile sheet of the picture (SVG) and the proof in braille (BRF), as the
// window saves them: the core lays them out, with the braille of the table the
// build made with the window's liblouis, fetched the first time it is needed.
import {core, speak} from './events.js';
import {progressionTerms} from './further.js';
import {coreSays, pageSays} from './language.js';
import {download, havePicture} from './picture_file.js';

let table = null;

async function brailleTable() {
  if (!table) {
    const response = await fetch('./braille.json');
    if (!response.ok)
      throw new Error(response.statusText);
    table = await response.json();
  }
  return table;
}

// Letter where the browser speaks American English, A4 elsewhere.
const letter = () => navigator.language === 'en-US' ? 1 : 0;

// Saves what `make` makes, named after the picture with `ending`; a sheet with a text the
// table lacks would be read wrong, and is not saved.
async function saveBraille(make, type, ending, said) {
  if (!havePicture())
    return;
  try {
    core.brailleTable = await brailleTable();
  } catch {
    speak(pageSays('BrailleMissing'));
    return;
  }
  const made = core.UTF8ToString(make());
  if (core._tessalo_braille_misses() > 0) {
    speak(pageSays('BrailleMissing'));
    return;
  }
  const name = core.UTF8ToString(core._tessalo_picture_stem()) + ending;
  download(new Blob([made], {type}), name);
  speak(pageSays(said).replace('{file}', name));
}

export function saveTactile() {
  // a larger picture of an identity beside the form's six does not fit a page
  const largest = core._tessalo_tactile_largest_n(letter());
  if (havePicture() && core._tessalo_drawn_n() > largest) {
    speak(`${coreSays('TactileTooLarge')}${largest}.`);
    return;
  }
  saveBraille(() => core._tessalo_tactile_svg(letter()), 'image/svg+xml', '-tactile.svg', 'SavedAs');
}
export function saveBrf() {
  // the page's table holds the progression's proof for a = d = 1 alone; the window makes every one
  const {a, d} = progressionTerms();
  if (core._tessalo_further() === 8 && (a !== 1 || d !== 1)) {
    speak(pageSays('BrailleProgressionOnly'));
    return;
  }
  saveBraille(() => core._tessalo_proof_brf(), 'application/x-brf', '.brf', 'BrailleSavedAs');
}

// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The picture as a file and on paper: the handout the window saves (the
// cells on white under their title, the proof beneath), as SVG, as PNG at twice
// the form's pixels, on the clipboard and printed; and the strip of the steps
// and the worksheet, printed on an A4 page.
import {cellsShown} from './address.js';
import {finishBuildUp} from './build_up.js';
import {toDisplayText} from './controls.js';
import {core, speak} from './events.js';
import {handoutSvg, stripSvg, worksheetSvg} from './handout.js';
import {coreSays, pageSays} from './language.js';

const pictureSvg = () => handoutSvg();

// The picture as PNG at twice the form's pixels, as the window saves it by default.
async function picturePng() {
  const svg = pictureSvg();
  const image = new Image();
  image.src = URL.createObjectURL(new Blob([svg], {type: 'image/svg+xml'}));
  await image.decode();
  const canvas = document.createElement('canvas');
  canvas.width = image.width * 2;
  canvas.height = image.height * 2;
  canvas.getContext('2d').drawImage(image, 0, 0, canvas.width, canvas.height);
  URL.revokeObjectURL(image.src);
  return new Promise(resolve => canvas.toBlob(resolve, 'image/png'));
}

export function pictureName(extension) {
  return `${core.UTF8ToString(core._tessalo_picture_stem())}.${extension}`;
}

// Saving with no picture says so instead of writing an empty board.
export function havePicture() {
  if (!core || !cellsShown) {
    speak(pageSays('NoPicture'));
    return false;
  }
  return true;
}

export function download(blob, name) {
  const link = document.createElement('a');
  link.href = URL.createObjectURL(blob);
  link.download = name;
  link.click();
  setTimeout(() => URL.revokeObjectURL(link.href), 1000);
}

export async function save(format) {
  if (!havePicture())
    return;
  finishBuildUp();
  download(format === 'svg' ? new Blob([pictureSvg()], {type: 'image/svg+xml'}) : await picturePng(),
           pictureName(format));
  speak(pageSays('SavedAs').replace('{file}', pictureName(format)));
}

export async function copy() {
  if (!havePicture())
    return;
  finishBuildUp();
  const text = toDisplayText(core.UTF8ToString(core._tessalo_proof_text()));
  try {
    await navigator.clipboard.write([new ClipboardItem({
      'image/png': picturePng(), 'text/plain': new Blob([text], {type: 'text/plain'}),
    })]);
    speak(coreSays('PictureCopied'));
  } catch {
    try {
      await navigator.clipboard.writeText(text);
      speak(pageSays('CopiedTextOnly'));
    } catch {
      speak(pageSays('CopyRefused'));
    }
  }
}

// What is printed: the sheet asked for, or else the handout of the picture shown.
const sheet = document.getElementById('print-sheet');
let sheetAsked = null;

function fillSheet() {
  sheet.innerHTML = sheetAsked ?? (core && cellsShown ? handoutSvg(true) : '');
}

// Ctrl+P, or the browser's own print: the handout of the picture.
const printing = matchMedia('print');
printing.addEventListener('change', () => { if (printing.matches) fillSheet(); });
window.addEventListener('beforeprint', fillSheet);
window.addEventListener('afterprint', () => { sheetAsked = null; });

const SHEETS = {strip: () => stripSvg(), worksheet: () => worksheetSvg(false), answers: () => worksheetSvg(true)};

// The strip of the steps, the worksheet or its answers for the picture shown, on an A4 page
// through the browser's print dialog, which also saves it as a PDF.
export function printSheet(which) {
  if (!havePicture())
    return;
  finishBuildUp();
  sheetAsked = SHEETS[which]();
  fillSheet();
  window.print();  // the picture's handout again once the dialog has closed (afterprint)
}

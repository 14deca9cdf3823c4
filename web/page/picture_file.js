// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The picture as a file: the board with the proof text beneath it, as the
// window saves it; SVG, PNG at twice the form's pixels, and the clipboard.
import {form, formWidth, layout, pictureTwips, SVG, TWIPS} from './form.js';
import {cellsShown} from './address.js';
import {argumentShown} from './argument.js';
import {boardContent} from './board.js';
import {finishBuildUp} from './build_up.js';
import {toDisplayText} from './controls.js';
import {core, speak} from './events.js';
import {coreSays, pageSays} from './language.js';

const FONT_PX = layout.window.fontPoints * 20 / TWIPS;
const MARGIN = layout.pictureMargin / TWIPS;  // around the text, as the window saves it

// The proof text's lines as the picture's width breaks them, measured in the form's font.
function pictureLines(text, width) {
  const context = document.createElement('canvas').getContext('2d');
  context.font = `${FONT_PX}px ${getComputedStyle(form).fontFamily}`;
  const lines = [];
  for (const paragraph of toDisplayText(text).split('\n')) {
    let line = '';
    for (const word of paragraph.split(/(?<= )/)) {
      if (line && context.measureText(line + word).width > width) {
        lines.push(line.trimEnd());
        line = word;
      } else {
        line += word;
      }
    }
    lines.push(line);
  }
  if (lines.length > 1 && lines[lines.length - 1] === '')
    lines.pop();
  return lines;
}

function pictureSvg() {
  const width = formWidth;
  const boardHeight = pictureTwips.height / TWIPS;
  const lineHeight = FONT_PX * 1.15;
  const shownArgument = argumentShown ? '\r\n' + core.UTF8ToString(core._tessalo_argument_plain()) : '';
  const lines = pictureLines(core.UTF8ToString(core._tessalo_proof_text()) + shownArgument, width - 2 * MARGIN);
  const height = Math.ceil(boardHeight + lines.length * lineHeight + 2 * MARGIN);
  const escape = s => s.replace(/[&<>"]/g, c => ({'&': '&amp;', '<': '&lt;', '>': '&gt;', '"': '&quot;'})[c]);
  const content = boardContent.cloneNode(true);
  content.querySelector('.hatching').remove();
  content.querySelector('#rings').remove();  // the panel's pointer, not the picture
  content.setAttribute('transform', `scale(${1 / TWIPS})`);
  const texts = lines.map((line, i) =>
    `<text x="${MARGIN}" y="${boardHeight + MARGIN + i * lineHeight}" dominant-baseline="text-before-edge"` +
    ` xml:space="preserve">${escape(line)}</text>`).join('');
  return `<svg xmlns="${SVG}" width="${width}" height="${height}" viewBox="0 0 ${width} ${height}"` +
    ` font-family="Times New Roman, Liberation Serif, serif" font-size="${FONT_PX}">` +
    `<rect width="${width}" height="${boardHeight}" fill="${layout.window.background}"/>` +
    `<rect y="${boardHeight}" width="${width}" height="${height - boardHeight}" fill="#fff"/>` +
    `<style>text{font-size:${FONT_PX}px} g text{font-size:240px}</style>` +
    new XMLSerializer().serializeToString(content) + `<g>${texts}</g></svg>`;
}

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

function pictureName(extension) {
  return `${core.UTF8ToString(core._tessalo_picture_stem())}.${extension}`;
}

// Saving with no picture says so instead of writing an empty board.
function havePicture() {
  if (!core || !cellsShown) {
    speak(pageSays('NoPicture'));
    return false;
  }
  return true;
}

function download(blob, name) {
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

// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Handouts, as the window saves and prints them, drawn as SVG from what the core
// describes: the picture on white under its title with the proof beneath (saved,
// copied and printed), and on an A4 page the strip of the steps and the
// worksheet with its answer sheet, printed through the browser (whose print
// dialog also saves a PDF).
import {form, formWidth, layout, TWIPS} from './form.js';
import {argumentShown} from './argument.js';
import {cellPath, hex, ITEM, readItems, readPicture} from './board.js';
import {toDisplayText} from './controls.js';
import {core} from './events.js';

const FONT_PX = layout.window.fontPoints * 20 / TWIPS;
const MARGIN = 16;  // pixels, around and between a handout's parts, as the window's
const FONT = 'Times New Roman, Liberation Serif, Tinos, serif';
// an A4 page inside the print's margins (15 mm), in points
const SHEET = {width: 595.3 - 85, height: 841.9 - 85};

const escape = s => s.replace(/[&<>"]/g, c => ({'&': '&amp;', '<': '&lt;', '>': '&gt;', '"': '&quot;'})[c]);
const text = pointer => core.UTF8ToString(pointer);

let measure = null;
// `text`'s lines broken to `width` in the form's letters `size` high (bold when asked).
export function linesOf(text, width, size = FONT_PX, bold = false) {
  measure ||= document.createElement('canvas').getContext('2d');
  measure.font = `${bold ? 'bold ' : ''}${size}px ${getComputedStyle(form).fontFamily}`;
  const lines = [];
  for (const paragraph of toDisplayText(text).split('\n')) {
    let line = '';
    for (const word of paragraph.split(/(?<= )/)) {
      if (line && measure.measureText(line + word).width > width) {
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

// Lines of text from `top`, each `size` high, at `x` (anchor: start or middle).
function textLines(lines, x, top, size, anchor = 'start', bold = false) {
  return lines.map((line, i) =>
    `<text x="${x}" y="${top + i * size * 1.15}" font-size="${size}" text-anchor="${anchor}"` +
    `${bold ? ' font-weight="bold"' : ''} dominant-baseline="text-before-edge" xml:space="preserve">` +
    `${escape(line)}</text>`).join('');
}

// The cells' box, in twips.
export function boxOf(items) {
  const cells = items.filter(item => item.kind === ITEM.cell);
  if (!cells.length)
    return null;
  const left = Math.min(...cells.map(c => c.left));
  const top = Math.min(...cells.map(c => c.top));
  return {left, top, width: Math.max(...cells.map(c => c.left + c.width)) - left,
          height: Math.max(...cells.map(c => c.top + c.height)) - top};
}

// On paper each colour carries a hatching, in the colours' order as on the board, so that a
// black and white print tells them apart.
const HATCHINGS = '<defs>' + [45, 0, -45].map((angle, shade) =>
  `<pattern id="hatch-${shade}" width="60" height="60" patternUnits="userSpaceOnUse"` +
  ` patternTransform="rotate(${angle})"><path d="M0 0h60" stroke="#000" stroke-width="8"/></pattern>`).join('') +
  '</defs>';

function hatchings(items) {
  const byColour = new Map();
  for (const item of items.filter(item => item.kind === ITEM.cell && item.cell !== 0))
    byColour.set(hex(item.fill), (byColour.get(hex(item.fill)) || '') + cellPath(item));
  return [...byColour.entries()].sort().map(([, data], shade) =>
    `<path d="${data}" fill="url(#hatch-${shade % 3})"/>`).join('');
}

// The cells and their frames, the box's corner at (x, y), `scale` units to a twip; the cells'
// outline a pixel at 100 %, as the window draws it.
export function cellsSvg(items, box, x, y, scale, hatched = false) {
  const shapes = (hatched ? HATCHINGS : '') + items.map(item => {
    if (item.kind === ITEM.cell)
      return `<path d="${cellPath(item)}" fill="${hex(item.fill)}" stroke="#000" stroke-width="${TWIPS}"/>`;
    if (item.kind === ITEM.frame)
      return `<path d="${cellPath(item)}" fill="none" stroke="${hex(item.line)}" stroke-width="${item.lineWidth}"/>`;
    return '';
  }).join('') + (hatched ? hatchings(items) : '');
  return `<g transform="translate(${x} ${y}) scale(${scale}) translate(${-box.left} ${-box.top})">${shapes}</g>`;
}

export const svgOf = (width, height, content) =>
  `<svg xmlns="http://www.w3.org/2000/svg" width="${width}" height="${height}" viewBox="0 0 ${width} ${height}"` +
  ` font-family="${FONT}"><rect width="${width}" height="${height}" fill="#fff"/>${content}</svg>`;

// The picture on the board as a handout: its title, its cells (where a build-up would put them
// all) as large as on the screen at 100 %, and the proof text, with the argument while it is
// shown; hatched for paper.
export function handoutSvg(hatched = false) {
  const width = formWidth;
  const inner = width - 2 * MARGIN;
  let top = MARGIN;
  let content = '';
  const title = text(core._tessalo_handout_title());
  if (title) {
    const size = FONT_PX * 1.25;
    const lines = linesOf(title, inner, size, true);
    content += textLines(lines, width / 2, top, size, 'middle', true);
    top += lines.length * size * 1.15 + MARGIN;
  }
  const all = readItems(core._tessalo_picture(-1));
  const box = boxOf(all);
  if (box) {
    const scale = Math.min(1 / TWIPS, inner / box.width);
    content += cellsSvg(readPicture(-1), box, (width - box.width * scale) / 2, top, scale, hatched);
    top += box.height * scale + MARGIN;
  }
  const argument = argumentShown ? '\r\n' + text(core._tessalo_argument_plain()) : '';
  const lines = linesOf(text(core._tessalo_proof_text()) + argument, inner);
  content += textLines(lines, MARGIN, top, FONT_PX);
  return svgOf(width, Math.ceil(top + lines.length * FONT_PX * 1.15 + MARGIN), content);
}

// The strip of the steps to the n shown: under the statement, the pictures for 1 .. n at one
// scale, each with its step's cells framed and its sum beneath.
export function stripSvg() {
  const n = core._tessalo_drawn_n();
  const size = 9;
  const line = size * 1.15;
  const statement = linesOf(text(core._tessalo_statement()), SHEET.width, size);
  let content = textLines(statement, SHEET.width / 2, 0, size, 'middle');
  const area = {top: statement.length * line + 2 * line, width: SHEET.width};
  area.height = SHEET.height - area.top;
  const box = boxOf(readItems(core._tessalo_step_picture(n, 0)));
  const below = 3.5 * line;
  const across = core._tessalo_strip_columns(n, area.width, area.height, box.width, box.height, below);
  const tile = {width: area.width / across, height: area.height / Math.ceil(n / across)};
  const scale = Math.min(tile.width * 0.9 / box.width, (tile.height - below) / box.height);
  for (let m = 1; m <= n; ++m) {
    const x = (m - 1) % across * tile.width;
    const y = area.top + Math.floor((m - 1) / across) * tile.height;
    content += cellsSvg(readItems(core._tessalo_step_picture(m, 0)), box, x + (tile.width - box.width * scale) / 2,
                        y, scale);
    const sum = linesOf(text(core._tessalo_step_sum(m)), tile.width, size);
    content += textLines(sum, x + tile.width / 2, y + box.height * scale + line / 2, size, 'middle');
  }
  return svgOf(SHEET.width, SHEET.height, content);
}

// The worksheet for the step to the n shown: the picture with the step's cells white to colour
// in (coloured on the answer sheet), and the proof with blanks where the pupil writes.
export function worksheetSvg(answers) {
  const heading = 16.5;
  const size = 11;
  const n = core._tessalo_drawn_n();
  let content = textLines([text(core._tessalo_worksheet_heading(answers ? 1 : 0))], 0, 0, heading, 'start', true);
  let top = 2 * heading * 1.15;
  const items = readItems(core._tessalo_step_picture(n, answers ? 0 : 1));
  const box = boxOf(items);
  const scale = Math.min(SHEET.width / 2 / box.width, SHEET.height / 3 / box.height);
  content += cellsSvg(items, box, (SHEET.width - box.width * scale) / 2, top, scale);
  top += box.height * scale + 2 * size;
  const count = core._tessalo_worksheet_count(answers ? 1 : 0);
  for (let i = 0; i < count; ++i) {
    const lines = linesOf(text(core._tessalo_worksheet_line(i)), SHEET.width, size);
    content += textLines(lines, 0, top, size);
    top += lines.length * size * 1.15 + size * 1.15 / 2;  // room to write on a blank
  }
  return svgOf(SHEET.width, SHEET.height, content);
}

// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Exploring the picture without seeing it, with the window's cursor from the core: Ctrl+E puts
// the keyboard on the board, the arrows move the cursor cell by cell along the picture's rows
// (Up and Down to the nearest cell of the next row), Home and End to a row's ends, D along a
// square's diagonals, and each move says the cell, the row first on entering another. The rows
// and their cells are also written beside the board, which a screen reader's swipe walks on a
// touch screen; the cell under the cursor takes the keyboard there, so that a screen reader
// keeps it on the braille line until the next move. The words are the core's. The board and
// the rows are an application's to a screen reader, whose keys then reach the page: a reader
// reading the page as a document would take the arrows for its own.
import {board, boardContent, readCells, svgElement} from './board.js';
import {core, keep, speak, whenIdle} from './events.js';
import {pageSays} from './language.js';

// One list, each row's words before its cells: a list in each row would be announced on the
// way into it. Its bullets would be named.
const rowList = document.createElement('ul');
rowList.id = 'explore-rows';
rowList.setAttribute('role', 'list');
let exploredRows = 0;
let listed = false;
let cursor = null;

const cellCount = r => core._tessalo_explore_cell_count(r);
const said = pointer => core.UTF8ToString(pointer);

export function createExplorer() {
  const place = document.createElement('div');
  place.setAttribute('role', 'application');
  place.className = 'unseen';
  place.append(rowList);
  board.after(place);
  board.addEventListener('focus', sayHere);
  document.addEventListener('focusin', showCursor);
  document.addEventListener('focusout', showCursor);
  for (const place of [board, rowList])
    place.addEventListener('keydown', move);
}

const cursorCell = () => rowList.querySelector(`[data-index="${core._tessalo_explore_cursor()}"]`);

// The board has the keyboard, or a cell of its list has.
const exploring = () => document.activeElement === board || rowList.contains(document.activeElement);

// After every event: the rows of the picture now on the board, the cursor as near its place
// as they allow.
export function showRows() {
  const inCell = rowList.contains(document.activeElement);
  exploredRows = core._tessalo_explore_start();
  if (exploredRows > 0)
    board.setAttribute('tabindex', '0');
  else
    board.removeAttribute('tabindex');
  listed = false;
  if (inCell && exploredRows > 0)
    stayInCell();
  else
    whenIdle(listRows);
  showCursor();
}

// The rows written anew while a cell had the keyboard (a step): it goes to the cursor's cell
// in them, whose words follow the event's own news.
function stayInCell() {
  listRows();
  const cell = cursorCell();
  cell?.setAttribute('aria-label', said(core._tessalo_explore_here()));
  cell?.focus({preventScroll: true});
}

// The rows and their cells, which a screen reader's swipe walks: a hundred elements and more,
// written once the picture is on the screen.
function listRows() {
  if (listed)
    return;
  listed = true;
  const items = [];
  for (let r = 0; r < exploredRows; ++r) {
    const row = document.createElement('li');
    row.textContent = said(core._tessalo_explore_row_words(r));
    items.push(row);
    for (let c = 0; c < cellCount(r); ++c) {
      const one = document.createElement('li');
      one.textContent = said(core._tessalo_explore_cell_words(r, c));
      one.dataset.index = core._tessalo_explore_cell_index(r, c);
      one.tabIndex = -1;
      items.push(one);
    }
  }
  rowList.replaceChildren(...items);
}

export function explore() {
  if (exploredRows === 0)
    speak(pageSays('BoardEmpty'));
  else if (exploring())
    sayHere();
  else
    board.focus();
}

// On the board: its shape, then the cell under the cursor. A screen reader says nothing of an
// application taking the keyboard.
function sayHere(event) {
  if (exploredRows > 0) {
    const here = said(core._tessalo_explore_here());
    speak(event?.type === 'focus' ? `${board.getAttribute('aria-label')}. ${here}` : here);
  }
}

// The core's keys: the arrows, Home and End; and the key D (Д on a Cyrillic layout) for a
// square's diagonals.
const WALK_KEYS = {ArrowLeft: 0, ArrowRight: 1, Home: 2, End: 3, ArrowUp: 4, ArrowDown: 5};
const DIAGONALS = 6;

function move(event) {
  if (exploredRows === 0 || event.ctrlKey || event.altKey || event.metaKey || event.shiftKey)
    return;
  const key = event.code === 'KeyD' ? DIAGONALS : WALK_KEYS[event.key];
  if (key === undefined)
    return;
  tell(said(core._tessalo_explore_press(key)));
  showCursor();
  event.preventDefault();  // the page does not scroll
}

// The cell under the cursor takes the keyboard, named by what was said of it: a screen reader
// speaks it and keeps it on the braille line. A key that left the cursor where it was (an
// edge, D) has its words spoken: a reader says nothing of a focus it has.
function tell(words) {
  listRows();
  const cell = cursorCell();
  if (!cell || cell === document.activeElement) {
    cell?.setAttribute('aria-label', words);
    speak(words);
    return;
  }
  rowList.querySelector('[aria-label]')?.removeAttribute('aria-label');
  cell.setAttribute('aria-label', words);
  keep(words);
  cell.focus({preventScroll: true});
}

// A black square just about the cell with a white one inside it, so that one of the two
// stands out on every colour; only while the board has the keyboard.
function showCursor() {
  cursor?.remove();
  cursor = null;
  if (exploredRows === 0 || !exploring())
    return;
  const index = core._tessalo_explore_cursor();
  const shown = readCells().find(c => c.index === index);
  if (!shown)
    return;
  cursor = svgElement('g', {id: 'explore-cursor', fill: 'none', 'vector-effect': 'non-scaling-stroke'});
  for (const [colour, inset] of [['#000', -20], ['#fff', 20]]) {
    cursor.append(svgElement('rect', {x: shown.left + inset, y: shown.top + inset, width: shown.width - 2 * inset,
                                      height: shown.height - 2 * inset, stroke: colour, 'stroke-width': 30}));
  }
  boardContent.append(cursor);
}

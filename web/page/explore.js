// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Exploring the picture without seeing it, with the window's cursor from the core: Ctrl+E puts
// the keyboard on the picture, the arrows move the cursor cell by cell along its rows (Up and
// Down to the nearest cell of the next row), Home and End to a row's ends, D along a square's
// diagonals, and each move says the cell, the row first on entering another. The rows and
// their cells are a list of choices beside the board, named by the picture's shape, which a
// screen reader's swipe walks on a touch screen; the cell under the cursor has the keyboard
// there, and is the picture's stop for Tab. A screen reader keeps the cell on the braille
// line until the next move, and leaves the arrows to the page in such a list: in a page read
// as a document it would take them for its own. The words are the core's.
import {board, boardContent, readCells, svgElement} from './board.js';
import {core, keep, speak, whenIdle} from './events.js';
import {pageSays} from './language.js';

// One list, each row's words before its cells: a list in each row would be announced on the
// way into it.
const rowList = document.createElement('ul');
rowList.id = 'explore-rows';
rowList.className = 'unseen';
rowList.setAttribute('role', 'listbox');
let exploredRows = 0;
let listed = false;
let cursor = null;

const cellCount = r => core._tessalo_explore_cell_count(r);
const said = pointer => core.UTF8ToString(pointer);

export function createExplorer() {
  board.after(rowList);
  document.addEventListener('focusin', showCursor);
  document.addEventListener('focusout', showCursor);
  rowList.addEventListener('keydown', move);
}

const cursorCell = () => rowList.querySelector(`[data-index="${core._tessalo_explore_cursor()}"]`);

// A cell of the picture's list has the keyboard.
const exploring = () => rowList.contains(document.activeElement);

// After every event: the rows of the picture now on the board, the cursor as near its place
// as they allow.
export function showRows() {
  const inCell = exploring();
  exploredRows = core._tessalo_explore_start();
  rowList.setAttribute('aria-label', board.getAttribute('aria-label') ?? '');
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
    row.setAttribute('role', 'option');
    row.textContent = said(core._tessalo_explore_row_words(r));
    items.push(row);
    for (let c = 0; c < cellCount(r); ++c) {
      const one = document.createElement('li');
      one.setAttribute('role', 'option');
      one.textContent = said(core._tessalo_explore_cell_words(r, c));
      one.dataset.index = core._tessalo_explore_cell_index(r, c);
      one.tabIndex = -1;
      items.push(one);
    }
  }
  rowList.replaceChildren(...items);
  cursorCell()?.setAttribute('tabindex', '0');  // the picture's stop for Tab
}

export function explore() {
  if (exploredRows === 0)
    speak(pageSays('BoardEmpty'));
  else
    tell(said(core._tessalo_explore_here()));
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
  for (const other of rowList.querySelectorAll('[aria-label], [tabindex="0"]')) {
    other.removeAttribute('aria-label');
    other.tabIndex = -1;
  }
  cell.setAttribute('aria-label', words);
  cell.tabIndex = 0;
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

// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Layout: the whole form scaled to the browser window, or laid out for a narrow
// screen (a phone, a small window); the board's view of the form, of paper or of
// the picture alone.
import {control, form, formHeight, formWidth, layout} from './form.js';
import {argumentShown, panel, showPanel} from './argument.js';
import {board, readCells} from './board.js';
import {list} from './controls.js';
import {core} from './events.js';
import {closeMenu} from './menu.js';
import {tools} from './tools.js';

// Below 100 % the form's controls would be too small to touch: a phone, a small window.
const NARROW_BELOW_SCALE = 1;
// A finger needs 44 pixels, and the list's rows, the form's smallest targets, are 18 at
// 100 %: a touch screen (a tablet, a whiteboard) smaller than that gets the laid-out page.
const TOUCH_BELOW_SCALE = 44 / 18;
const touch = matchMedia('(pointer: coarse)');
let narrow = null;

// The browser's zoom on a desktop (a phone's pinch zoom is not this): the form grows with it.
function browserZoom() {
  if (matchMedia('(pointer: coarse)').matches || !window.outerWidth || !viewWidth())
    return 1;
  const zoom = window.outerWidth / window.innerWidth;
  return zoom > 1.05 && zoom < 6 ? zoom : 1;
}

// The whole form; on a narrow
// screen the part any picture's cells take, its labels shown beside the page's own.
// On a narrow screen the scale stays for every picture, and the board ends below the picture shown.
export let view = 'form';

export function setViewBox(to = view) {
  view = to;
  const margin = control('Text1', 0).left;
  const {top: cellsTop, right, bottom: lowest} = layout.pictureExtent;
  const template = control('Shape1', 0);
  let bottom = template.top + template.height;
  for (const cell of core ? readCells() : [])
    if (cell.visible)
      bottom = Math.max(bottom, cell.top + cell.height);
  // (the narrow board starts at the cells: its labels are captions of their own there)
  const top = view === 'narrow' ? Math.min(cellsTop, template.top) - margin : 0;
  const [width, height] = {
    form: [layout.window.clientWidth, layout.window.clientHeight],
    narrow: [right + margin, Math.min(bottom, lowest) + margin - top],
  }[view];
  const box = `0 ${top} ${width} ${height}`;
  if (board.getAttribute('viewBox') !== box)
    board.setAttribute('viewBox', box);
}

// The board's labels as captions of their own on a narrow screen: above the picture and the list.
export function createCaptions() {
  const caption = (c, id) => {
    const element = document.createElement('div');
    element.className = 'caption';
    element.id = id;
    element.dataset.caption = `${c.name}-${c.index}`;
    element.style.backgroundColor = c.background;
    element.setAttribute('aria-hidden', 'true');  // the board and the list already say it
    return element;
  };
  form.prepend(caption(control('Label1', 0), 'title-caption'));
  list.before(caption(control('Label1', 1), 'list-caption'));
}

// The layout viewport: on a phone the visual one (innerWidth) grows with whatever overflows.
// While the form is being built it is the size read before: asking again would lay out
// the half-built page, which costs the first paint tens of milliseconds.
let viewSize = null;
const viewWidth = () => viewSize ? viewSize[0] : document.documentElement.clientWidth;
const viewHeight = () => viewSize ? viewSize[1] : document.documentElement.clientHeight;

// On a screen taller than 1080 pixels (a projector) the argument and the page's buttons grow
// with the form.
const uiScale = () => Math.max(1, viewHeight() / 1080);
// Beside the form the argument takes a column at the right; the form fits the rest. On a
// projector it takes the width the form leaves at full height, as the window does at full screen.
function panelWidth(shown = !panel.hidden) {
  if (!shown)
    return 0;
  const width = Math.min(416, Math.max(256, viewWidth() * 0.3));
  const spare = viewWidth() - formWidth * viewHeight() / formHeight;
  return Math.round(uiScale() > 1 ? Math.max(width, Math.min(spare, 416 * uiScale())) : width);
}
const roomWidth = () => viewWidth() - (narrow ? 0 : panelWidth());

export function holdViewSize(held) {
  viewSize = held ? [document.documentElement.clientWidth, document.documentElement.clientHeight] : null;
}

export function fit() {
  const zoom = browserZoom();
  const fitting = width => Math.min((viewWidth() - width) / formWidth, viewHeight() / formHeight) * zoom;
  // by F2's argument only: the guess's while a step waits must not turn the layout over
  const nowNarrow = fitting(panelWidth(argumentShown)) < (touch.matches ? TOUCH_BELOW_SCALE : NARROW_BELOW_SCALE);
  if (nowNarrow !== narrow) {
    narrow = nowNarrow;
    document.documentElement.classList.toggle('narrow', narrow);
    setViewBox(narrow ? 'narrow' : 'form');
    // on a narrow screen the argument comes below the picture, in the form's column
    // and the guess for a step and its verdict come out of it, to stay on the screen above the
    // steps' buttons even with the argument hidden
    const focus = document.activeElement;
    const guessRow = document.getElementById('guess-row');
    const verdict = document.getElementById('verdict');
    // the page's buttons join the form's column (so that the picture held sideways stays in
    // view down to the page's end)
    if (narrow) {
      board.after(panel);
      form.append(tools, guessRow, verdict);  // these two fixed above the steps, out of the column
    } else {
      document.getElementById('failed').after(panel);
      document.getElementById('tools-place').append(tools);
      panel.append(guessRow, verdict);
    }
    showPanel();
    if (focus && focus !== document.activeElement && (panel.contains(focus) || guessRow.contains(focus)))
      focus.focus({preventScroll: true});
  }
  panel.style.width = narrow ? '' : `${panelWidth()}px`;
  document.documentElement.style.setProperty('--panel-width', `${narrow ? 0 : panelWidth()}px`);
  document.documentElement.style.setProperty('--ui', String(narrow ? 1 : uiScale()));
  document.documentElement.classList.toggle('zoomed', !narrow && zoom > 1);
  if (narrow) {
    form.style.transform = '';
    form.style.setProperty('--scale', '1');
    form.style.setProperty('--ring', '3px');
    return;
  }
  const scale = fitting(panelWidth());
  const left = Math.max(0, (roomWidth() - formWidth * scale) / 2);
  const top = Math.max(0, (viewHeight() - formHeight * scale) / 2);
  form.style.transform = `translate(${left}px, ${top}px) scale(${scale})`;
  form.style.setProperty('--scale', String(scale));
  // The ring is laid out in whole device pixels before the form is scaled: this
  // width is at least 3 CSS pixels once scaled, and never rounds down to nothing.
  const dpr = window.devicePixelRatio || 1;
  form.style.setProperty('--ring', `${Math.max(1, Math.ceil(3 * dpr / scale)) / dpr}px`);
  placeTools(left, top, scale);
}

// On a narrow screen Show and the steps bring the board into view, above the steps' buttons,
// before it is built up: the pupil who tapped far below it sees what the tap drew.
export function bringBoardIntoView() {
  if (!narrow)
    return;
  const box = board.getBoundingClientRect();
  const bar = document.getElementById('step-up').getBoundingClientRect();
  const bottom = Math.min(viewHeight(), bar.top);
  if (box.top < 0 || box.bottom > bottom)
    board.scrollIntoView({block: 'start'});
}

// The page's own buttons in the lilac beside or below the form where there is room; otherwise
// they open as a menu on the picture, as the window's context menu does.
function placeTools(left, top, scale) {
  const roomRight = roomWidth() - left - formWidth * scale;
  const roomBelow = viewHeight() - top - formHeight * scale;
  const ui = uiScale();
  tools.classList.toggle('beside', roomRight >= 72 * ui);
  tools.classList.toggle('below', roomRight < 72 * ui && roomBelow >= 56 * ui);
  tools.classList.toggle('menu', roomRight < 72 * ui && roomBelow < 56 * ui);
  closeMenu();
}



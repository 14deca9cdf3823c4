// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The induction argument: the core's lines in one list beside the picture; the
// pointed or focused line rings on the board the cells it counts.
import {NEW_TERM} from './form.js';
import {drawRings} from './board.js';
import {core, queue, speak} from './events.js';
import {fit} from './fit.js';
import {coreSays} from './language.js';
import {showPressed} from './tools.js';
import {remember, remembered} from './storage.js';

const ARGUMENT_SETTING = 'tessalo.argument';

export const panel = document.getElementById('argument');
const argumentList = document.getElementById('argument-lines');
let argument = [];     // {text, spoken, role, cells} per line the class sees, after the last event
let activeLine = 0;    // the keyboard's line
let hoveredLine = -1;  // the mouse's line
export let argumentShown = remembered(ARGUMENT_SETTING) === 'true';
export let lineByLine = false;  // for one lesson: not remembered

function readArgument() {
  const lines = [];
  for (let i = 0, count = core._tessalo_argument_count(); i < count; ++i) {
    const base = core._tessalo_argument_cells(i) / 4;
    lines.push({text: core.UTF8ToString(core._tessalo_argument_text(i)),
                spoken: core.UTF8ToString(core._tessalo_argument_spoken(i)), role: core._tessalo_argument_role(i),
                cells: Array.from(core.HEAP32.subarray(base, base + core._tessalo_argument_cell_count(i)))});
  }
  return lines;
}

export function showArgument() {
  argument = readArgument();
  activeLine = Math.max(0, Math.min(activeLine, argument.length - 1));
  if (hoveredLine >= argument.length)
    hoveredLine = -1;
  const items = argument.map((line, i) => {
    const item = argumentList.children[i] || document.createElement('li');
    item.id = `argument-line-${i}`;
    item.setAttribute('role', 'option');
    if (item.textContent !== line.text)
      item.textContent = line.text;
    item.setAttribute('aria-label', line.spoken);  // the signs in words, grouped as written
    return item;
  });
  argumentList.replaceChildren(...items);
  markActiveLine();
}

// The line is highlighted; selected for a screen reader only while the lines have the keyboard,
// whose focus follows a list's selection even while the keyboard is elsewhere (the guess's box).
function markActiveLine(focused = document.activeElement === argumentList) {
  [...argumentList.children].forEach((item, i) => {
    item.classList.toggle('current', i === activeLine);
    item.setAttribute('aria-selected', String(focused && i === activeLine));
  });
  if (argumentList.children[activeLine])
    argumentList.setAttribute('aria-activedescendant', `argument-line-${activeLine}`);
  else
    argumentList.removeAttribute('aria-activedescendant');
}

// The keyboard on the step's line, which rings what the step added.
export function focusStepLine() {
  activeLine = Math.max(0, argument.findIndex(line => line.role === NEW_TERM));
  markActiveLine(true);  // selected as the keyboard comes, so that a screen reader says it once
  argumentList.focus({preventScroll: true});
}

// `news` said first where the keyboard stands in the lines, until the lines change: a screen
// reader says it as it comes to the line, before the line, and braille keeps it there.
export function sayOnLine(news) {
  const item = argumentList.children[activeLine];
  if (item && argument[activeLine])
    item.setAttribute('aria-label', `${news} ${argument[activeLine].spoken}`);
}

// The index of the line whose cells are ringed, -1 for none.
export function ringedLine() {
  if (!argumentShown)
    return -1;
  const line = hoveredLine >= 0 ? hoveredLine : document.activeElement === argumentList ? activeLine : -1;
  return argument[line] ? line : -1;
}

// As the lesson wants it: while F2 has it on, and while a step waits for the class's guess
// and gives its verdict, which stand in it on a wide screen (on a narrow one they stand above
// the steps' buttons, and only F2 counts). Whether it came or went.
export function showPanel() {
  const guessHere = panel.contains(document.getElementById('guess-row'));
  const shown = guessHere && core ? core._tessalo_shows_argument(argumentShown ? 1 : 0) === 1 : argumentShown;
  const changed = panel.hidden === shown;
  panel.hidden = !shown;
  document.documentElement.classList.toggle('argument', argumentShown);
  showPressed('Argument');
  return changed;
}

function setArgumentShown(shown, announce) {
  argumentShown = shown;
  remember(ARGUMENT_SETTING, String(shown));
  showPanel();
  if (panel.hidden && panel.contains(document.activeElement))
    document.activeElement.blur();
  hoveredLine = -1;
  fit();
  if (core)
    drawRings();
  if (announce)
    speak(coreSays(shown ? 'SwitchArgumentOn' : 'SwitchArgumentOff'));
}

// The keyboard goes where a screen reader goes, to the lines just shown, and back to where it
// was when they go.
let focusBefore = null;
export function toggleArgument() {
  const inLines = panel.contains(document.activeElement);
  if (!argumentShown && !inLines)
    focusBefore = document.activeElement;
  setArgumentShown(!argumentShown, true);
  if (argumentShown)
    argumentList.focus({preventScroll: true});
  else if (inLines && panel.hidden)
    focusBefore?.focus({preventScroll: true});
}

export function createArgumentPanel() {
  argumentList.addEventListener('keydown', event => {
    const last = argument.length - 1;
    const to = {ArrowDown: activeLine + 1, ArrowUp: activeLine - 1, Home: 0, End: last}[event.key];
    if (to === undefined || last < 0)
      return;
    event.preventDefault();
    activeLine = Math.max(0, Math.min(to, last));
    markActiveLine();
    argumentList.children[activeLine].scrollIntoView({block: 'nearest'});
    drawRings();
  });
  argumentList.addEventListener('pointermove', event => {
    const item = event.target.closest('li');
    const line = item ? [...argumentList.children].indexOf(item) : -1;
    if (line !== hoveredLine) {
      hoveredLine = line;
      if (line >= 0) {
        activeLine = line;  // the line pointed at is the line highlighted
        markActiveLine();
      }
      drawRings();
    }
  });
  argumentList.addEventListener('pointerleave', () => { hoveredLine = -1; drawRings(); });
  argumentList.addEventListener('click', event => {
    const item = event.target.closest('li');
    if (item) {
      activeLine = [...argumentList.children].indexOf(item);
      markActiveLine();
      drawRings();  // a tap on a touch screen, which points at nothing after it
    }
  });
  for (const type of ['focus', 'blur'])
    argumentList.addEventListener(type, () => {
      markActiveLine();
      if (core)
        drawRings();
    });
  showPanel();
}

// Line by line: the step's lines wait, and the next one comes on Space or Right
// in the lines, or on its button; each is said whole as it comes.
export function toggleLineByLine() {
  lineByLine = !lineByLine;
  showPressed('LineByLine');
  document.getElementById('next-line').hidden = !lineByLine;
  queue(() => {
    core._tessalo_set_line_by_line(lineByLine ? 1 : 0);
    showArgument();
    drawRings();
  });
  speak(coreSays(lineByLine ? 'SwitchLineByLineOn' : 'SwitchLineByLineOff'));
}

export function nextLine(event) {
  if (event && event.type === 'keydown' && document.activeElement !== argumentList)
    return false;  // elsewhere Space presses a button and Right moves in a list
  queue(() => {
    if (!core._tessalo_next_line()) {
      speak(coreSays('AllLinesShown'));
      return;
    }
    showArgument();
    activeLine = argument.length - 1;
    markActiveLine();
    argumentList.children[activeLine].scrollIntoView({block: 'nearest'});
    drawRings();
    if (document.activeElement !== argumentList)
      speak(argument[activeLine].spoken);  // in the lines, the screen reader reads the line it moves to
  });
}

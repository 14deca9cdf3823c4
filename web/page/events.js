// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Events: each goes to the core, then the page shows the form's state after it,
// as the window does.
import {followInAddress} from './address.js';
import {showArgument} from './argument.js';
import {board, drawBoard, forgetCells} from './board.js';
import {finishBuildUp, startBuildUp} from './build_up.js';
import {showRows} from './explore.js';
import {showFurther} from './further.js';
import {list, options, setBoxText, textBoxes} from './controls.js';
import {bringBoardIntoView, setViewBox, view} from './fit.js';
import {captions} from './language.js';
import {showGuessing} from './predict.js';

export let core = null;  // the WebAssembly module, once loaded
const pending = [];      // events that came before it was set up, run once it is
let ready = false;       // set up
let settingUp = false;   // a step of its setting up runs now: what it queues runs at once
const spoken = document.getElementById('spoken');
const spokenLater = document.getElementById('spoken-later');  // after what a reader is saying

// An event before the core is set up waits for it, so that a tap is never lost.
export function queue(event) {
  if (core && (ready || settingUp))
    event();
  else
    pending.push(event);
}

// The module has loaded: `steps` set it up, each a task of its own, so that the browser
// may draw or take a tap between them (a phone's slow CPU would otherwise be held for a
// tenth of a second); then the events that waited run. Resolves once it is all done.
export async function coreLoaded(module, steps) {
  core = module;
  for (const step of steps) {
    await new Promise(resolve => setTimeout(resolve));
    settingUp = true;
    try {
      step();
    } finally {
      settingUp = false;
    }
  }
  ready = true;
  for (const event of pending.splice(0))
    event();
}

// Choosing n has no handler of its own: the form only keeps the selection.
export function chooseN(n) {
  core._tessalo_choose_n(n);
  finishBuildUp();
  showState();
}

// Runs one event; after Show, a step and Clear a screen reader hears the core's sentence,
// and after Show and a step (draws) the board comes into view on a narrow screen.
export function run(event, speaks = true, draws = true) {
  queue(() => {
    finishBuildUp();
    const error = event();
    if (error !== 0) {
      window.alert(`${captions().window}\n\n${core.UTF8ToString(core._tessalo_error())}`);
      core._tessalo_load();
    }
    showState();
    if (speaks) {
      speakLesson();
      if (draws)
        bringBoardIntoView();
      startBuildUp();
    }
  });
}

// Work the next frame does not show (the address, the rows for a screen reader's swipe) waits
// until the browser is idle after it: once however many events came before, with the state then.
const idleWork = new Set();
export function whenIdle(work) {
  if (idleWork.has(work))
    return;
  idleWork.add(work);
  const run = () => {
    idleWork.delete(work);
    work();
  };
  if ('requestIdleCallback' in self)
    requestIdleCallback(run, {timeout: 200});
  else
    requestAnimationFrame(() => setTimeout(run));
}

let lastSentence = '';
let saying = 0;  // the sentences told, so that one held back is told only if none came after it

// An open dialog hides the page from a screen reader, which finds the page's region again as it
// closes and would say again what it held: empty before the dialog opens.
export function showDialog(dialog) {
  spoken.replaceChildren();
  spokenLater.replaceChildren();
  dialog.showModal();
}

// `whole`: what F9 says again, when the sentence left out what was heard already. `later`: after
// what the reader is saying (a radio button's own words), not cutting it short.
export function speak(sentence, whole = sentence, later = false) {
  lastSentence = whole;
  const said = ++saying;
  // while a dialog is open, all outside it is out of a screen reader's reach: its own region
  const region = later ? spokenLater : document.querySelector('dialog[open] > .spoken') ?? spoken;
  const tell = () => {
    if (said !== saying)
      return;
    const node = document.createElement('span');
    node.textContent = sentence;
    region.replaceChildren(node);
  };
  // the browser tells a screen reader of changed text only: the same sentence twice (Show
  // twice, F9) empties the region first and comes once the emptying has reached the reader
  if (region.textContent !== sentence)
    return tell();
  region.replaceChildren();
  setTimeout(tell, 150);
}

let shownText = null;

// The lesson's sentence about the last event: after a step of the picture shown only
// its news, which F9 says again whole.
export function speakLesson() {
  speak(core.UTF8ToString(core._tessalo_spoken()), core.UTF8ToString(core._tessalo_spoken_whole()));
}

// Keeps a sentence a screen reader has from elsewhere (the focus) for F9, unsaid.
export function keep(sentence) {
  lastSentence = sentence;
}

// F9: the last sentence again, for a pupil who missed it.
export function repeat() {
  speak(lastSentence);
}

// The proof's text, and once the core is there its words; before, the text the form opens with.
export function showProofText(text) {
  if (text === shownText)
    return;
  setBoxText(textBoxes[0], text, core ? core.UTF8ToString(core._tessalo_proof_words()) : '');
  shownText = core ? text : null;
}

export function showState() {
  forgetCells();  // an event has run
  showArgument();
  showGuessing();
  showProofText(core.UTF8ToString(core._tessalo_proof_text()));
  // the list box keeps the chosen n in its view itself, without moving the focus or the page
  const n = core._tessalo_n();
  if (list.selectedIndex !== n - 1)
    list.selectedIndex = n - 1;
  const kind = core._tessalo_kind();
  options.forEach((input, index) => { input.checked = index === kind; });
  showFurther();
  orderTabStops();
  drawBoard();
  board.setAttribute('aria-label', core.UTF8ToString(core._tessalo_board_words()));
  showRows();  // named by the board
  if (view === 'narrow')
    setViewBox();
  followInAddress();
}

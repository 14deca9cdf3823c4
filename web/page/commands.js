// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's commands, the rows of the window's table of commands (layout.js)
// that the page offers: what each does, the keys that do it wherever the focus
// is, and the list of keys (F1), all in the table's order.
import {layout} from './form.js';
import {nextLine, toggleArgument, toggleLineByLine} from './argument.js';
import {saveBrf, saveTactile} from './braille.js';
import {toggleBuildUp} from './build_up.js';
import {openClaims} from './claims.js';
import {core, queue, repeat, run, showDialog} from './events.js';
import {explore} from './explore.js';
import {catalogue} from './language.js';
import {copy, printSheet, save} from './picture_file.js';
import {reveal, togglePredict, waiting} from './predict.js';
import {listen} from './sound.js';

const keyList = document.getElementById('keys');
export const commandRow = name => layout.commands.find(row => row.command === name);
const pageCommands = layout.commands.filter(row => row.page);

// What each command does on its key or its button; false when the key is not
// the command's now and does what it does in the browser. Print is the
// browser's own: the page's style for paper gives the handout of the picture.
const ACTIONS = {
  Save: () => save('svg'),
  Copy: event => {
    if (event.target instanceof HTMLTextAreaElement)
      return false;  // the text box's selected text, as the browser copies it
    copy();
  },
  Print: null,
  Strip: () => printSheet('strip'),
  Worksheet: () => printSheet('worksheet'),
  WorksheetAnswers: () => printSheet('answers'),
  Tactile: saveTactile,
  Braille: saveBrf,
  Broken: openClaims,
  StepUp: () => waiting() ? reveal() : run(() => core._tessalo_step(1)),  // the teacher's PageDown: first what this step added
  StepDown: () => run(() => core._tessalo_step(-1)),
  BuildUp: toggleBuildUp,
  Argument: toggleArgument,
  Predict: togglePredict,
  Reveal: () => {
    if (!waiting())
      return false;  // Enter presses the focused button
    reveal();
  },
  Explore: explore,
  Repeat: repeat,
  Listen: listen,
  LineByLine: toggleLineByLine,
  NextLine: nextLine,
  Keys: () => {
    if (keyList.open) {
      keyList.close();
      return;
    }
    showDialog(keyList);
    queue(sayKeyListInWords);
  },
};

// Runs a command; false when it is not the command's to do now.
export function runCommand(name, event) {
  const action = ACTIONS[name];
  return action ? action(event) !== false : false;
}

const pressed = (event, key) => event.ctrlKey === key.ctrl && (!key.shift || event.shiftKey) &&
  (event.key === key.key || event.key.toLowerCase() === key.key || key.code !== '' && event.code === key.code);

// The keys work wherever the focus is (PageDown and PageUp are what presenter remotes send); while
// the list of keys is open only its own key, which closes it.
document.addEventListener('keydown', event => {
  if (event.altKey || event.metaKey)
    return;
  const row = pageCommands.find(row => row.keys.some(key => pressed(event, layout.browserKeys[key])));
  if (row && !(keyList.open && row.command !== 'Keys') && runCommand(row.command, event))
    event.preventDefault();
});

// The list of keys: the form's own, then the page's commands', each row the keys, named in the
// language, and what they do; the page's own words for it where the page does it otherwise.
export function createKeyList() {
  const table = document.createElement('table');
  // the keys' cell by a text of the catalogue (text) or by the keys' names (keys)
  // each cell shown as written and, for a screen reader, in words (sayKeyListInWords)
  const shown = (cell, how, key) => {
    const written = document.createElement('span');
    written.setAttribute('aria-hidden', 'true');
    written.dataset[how] = key;
    const words = document.createElement('span');
    words.className = 'unseen words';
    cell.append(written, words);
  };
  const addRow = (how, keys, meaning) => {
    const row = table.insertRow();
    const keysCell = document.createElement('th');
    keysCell.scope = 'row';
    shown(keysCell, how, keys);
    row.append(keysCell);
    shown(row.insertCell(), 'text', meaning);
  };
  for (const {keys, meaning} of layout.formKeys)
    addRow('text', keys, meaning);
  const pageOwn = catalogue[catalogue.languages[0]].page;
  for (const row of pageCommands) {
    if (!(row.command in ACTIONS))
      throw new Error(`the table gives the page ${row.command}, which it cannot do`);
    const ownMeaning = `${row.command}Meaning`;
    addRow('keys', row.keys.join(' '), ownMeaning in pageOwn ? ownMeaning : row.meaning);
  }
  keyList.querySelector('h2').after(table);
}

// A reader would name the signs of "Ctrl+E", "(SVG; PNG …)" and "по-едро": the cells in words, in
// the language shown now.
function sayKeyListInWords() {
  for (const words of keyList.querySelectorAll('.words')) {
    const text = core.allocateUTF8(words.previousElementSibling.textContent);
    words.textContent = core.UTF8ToString(core._tessalo_in_words(text));
    core._free(text);
  }
}

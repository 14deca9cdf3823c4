// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The form's controls, made from the layout table in its stacking order: each
// forwards its event to the core.
import {layout, TWIPS} from './form.js';
import {chooseN, core, queue, run, speak} from './events.js';

export let list, frame;
export const options = [];
export const textBoxes = [];

function place(element, c) {
  element.style.left = `${c.left / TWIPS}px`;
  element.style.top = `${c.top / TWIPS}px`;
  element.style.width = `${c.width / TWIPS}px`;
  element.style.height = `${c.height / TWIPS}px`;
  if (c.background)
    element.style.backgroundColor = c.background;
  // the page's order is the tab order (orderTabStops); the layout's order, the bottom first, stacks them
  element.style.zIndex = String(layout.controls.indexOf(c) + 1);
  element.id = `${c.name}-${c.index}`;
  return element;
}

export function createButton(c) {
  const button = place(document.createElement('button'), c);
  button.type = 'button';
  button.dataset.caption = button.id;
  button.addEventListener('click', () => run(c.index === 1 ? () => core._tessalo_show() : () => core._tessalo_clear(),
                                             true, c.index === 1));
  return button;
}

export function createFrame(c) {
  frame = place(document.createElement('fieldset'), c);
  frame.className = 'frame';
  const title = document.createElement('legend');
  title.dataset.caption = frame.id;
  title.setAttribute('aria-hidden', 'true');  // the group's name in words instead (showCaptionsInWords)
  frame.append(title);
  return frame;
}

export function createOption(c) {
  const option = document.createElement('label');
  option.className = 'option';
  for (const [key, value] of [['left', c.left], ['top', c.top], ['width', c.width], ['height', c.height]])
    option.style[key] = `${value / TWIPS}px`;
  option.style.backgroundColor = c.background;
  const input = document.createElement('input');
  input.type = 'radio';
  input.name = 'kind';
  input.id = `${c.name}-${c.index}`;
  input.dataset.tabIndex = String(c.tabIndex);
  input.addEventListener('change', () => {
    if (!input.checked)
      return;
    run(() => core._tessalo_choose_kind(c.index), false);
    // what the choice changes (the board keeps its picture until Show), after the button's words
    queue(() => {
      const news = core.UTF8ToString(core._tessalo_spoken());
      if (news)
        speak(news, news, true);
    });
  });
  const caption = document.createElement('span');
  caption.dataset.caption = input.id;
  caption.setAttribute('aria-hidden', 'true');  // read in words, as the button's name (showCaptionsInWords)
  option.append(input, caption);
  options[c.index] = input;
  frame.append(option);  // inside the frame, placed relative to it
}

export function createList(c) {
  list = place(document.createElement('select'), c);
  list.size = layout.listItems.length;
  layout.listItems.forEach((text, position) => {
    const item = new Option(text, String(position + 1));
    item.id = `List1-item-${position}`;
    list.append(item);
  });
  list.selectedIndex = -1;
  list.addEventListener('change', () => {
    const n = list.selectedIndex + 1;
    queue(() => chooseN(n));
  });
  return list;
}

// A read-only text box that shows its text as written ("n*(n+1)/2") and gives a screen reader
// the same lines in words: a text area's text is what a reader reads, every sign by its name.
export function createTextBox(c) {
  const textBox = makeReadOnlyBox(place(document.createElement('div'), c));
  textBox.dataset.label = ['ProofBox', 'QuotationBox'][c.index];
  textBoxes[c.index] = textBox;
  return textBox;
}

// `textBox` made a read-only text box that shows its text and is read in words (setBoxText).
export function makeReadOnlyBox(textBox) {
  textBox.className = 'text-box';
  textBox.tabIndex = 0;
  for (const [name, value] of [['role', 'textbox'], ['aria-readonly', 'true'], ['aria-multiline', 'true']])
    textBox.setAttribute(name, value);
  const shown = document.createElement('div');
  shown.setAttribute('aria-hidden', 'true');
  const words = document.createElement('div');
  words.className = 'unseen words';
  textBox.append(shown, words);
  textBox.addEventListener('keydown', event => readLine(textBox, event));
  return textBox;
}

// A text box's text as shown, and as a screen reader reads it (none before the core has come),
// each line of words a part of the box that Up and Down make the reader's.
export function setBoxText(textBox, text, words = '') {
  const [shown, read] = textBox.children;
  // a line feed at the end leaves an empty last line, as a text area shows it
  shown.textContent = toDisplayText(text).replace(/\n$/, '\n\n');
  read.replaceChildren(...toDisplayText(words).split('\n').filter(line => line).map((line, index) => {
    const part = document.createElement('div');
    part.id = `${textBox.id}-line-${index}`;
    part.textContent = line;
    return part;
  }));
  textBox.removeAttribute('aria-activedescendant');
}

// Up and Down (Ctrl+Home and Ctrl+End to the ends) read the box line by line: the line in
// words becomes the part of the box the reader stands on, which it says and braille keeps.
// The box scrolls as a box does.
function readLine(textBox, event) {
  const lines = [...textBox.lastElementChild.children];
  const current = lines.findIndex(line => line.id === textBox.getAttribute('aria-activedescendant'));
  const to = {ArrowDown: current + 1, ArrowUp: current - 1, Home: 0, End: lines.length - 1}[event.key];
  if (to === undefined || lines.length === 0 || (['Home', 'End'].includes(event.key) && !event.ctrlKey))
    return;
  textBox.setAttribute('aria-activedescendant', lines[Math.max(0, Math.min(to, lines.length - 1))].id);
}

// The form's tab stops in the page's own order, so that Tab follows the layout's tab indexes
// without a positive tabindex: the identities' group is one stop, where its chosen button
// stands in the layout (its first, with none chosen). Only a stop out of place moves, and
// the focus stays where it was.
export function orderTabStops() {
  const chosen = options.find(input => input.checked);
  const groupAt = chosen ? Number(chosen.dataset.tabIndex)
                         : Math.min(...options.map(input => Number(input.dataset.tabIndex)));
  const stops = layout.controls.filter(c => c.tabIndex >= 0 && ['PushButton', 'ListBox', 'TextBox'].includes(c.kind))
    .map(c => [c.tabIndex, document.getElementById(`${c.name}-${c.index}`)]);
  stops.push([groupAt, frame]);
  stops.sort((a, b) => a[0] - b[0]);
  const focused = document.activeElement;
  stops.reduce((previous, [, stop]) => {
    if (!(previous.compareDocumentPosition(stop) & Node.DOCUMENT_POSITION_FOLLOWING))
      previous.after(stop);
    return stop;
  }, stops.shift()[1]);
  if (document.activeElement !== focused)
    focused.focus({preventScroll: true});
}

export const toDisplayText = text => text.replaceAll('\r\n', '\n');


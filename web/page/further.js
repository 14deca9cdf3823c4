// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The identities beside the form's six, chosen as the window's menu chooses them:
// a list among the page's buttons, first the form's six again, and for the
// progression its first term a and difference d, 1 to 5 each.
import {core, run} from './events.js';
import {commandSays, coreSays, pageSays} from './language.js';

const KINDS = [[0, 'FurtherFormsOwn'], [7, 'FurtherEvenSum'], [8, 'FurtherProgression'], [9, 'FurtherPowersOfTwo'],
               [10, 'FurtherCubes'], [11, 'FurtherSquares']];
const PROGRESSION = 8;
export const LAST_KIND = KINDS[KINDS.length - 1][0];

let chooser, terms;
const term = name => terms.querySelector(`[name="${name}"]`);
// a whole number from 1 to 5, whatever was typed
const termValue = name => Math.min(5, Math.max(1, Math.round(Number(term(name).value)) || 1));

function choose() {
  const kind = Number(chooser.value);
  terms.hidden = kind !== PROGRESSION;
  run(() => core._tessalo_choose_further(kind, termValue('a'), termValue('d')));
}

function termBox(name) {
  const label = document.createElement('label');
  const input = document.createElement('input');
  Object.assign(input, {type: 'number', name, min: 1, max: 5, value: 1, inputMode: 'numeric'});
  input.addEventListener('change', choose);
  label.append(document.createElement('span'), input);
  return label;
}

export function createFurther(tools) {
  chooser = document.createElement('select');
  chooser.id = 'further';
  for (const [kind] of KINDS)
    chooser.add(new Option('', String(kind)));
  chooser.addEventListener('change', choose);
  terms = document.createElement('span');
  terms.id = 'progression';
  terms.hidden = true;
  terms.append(termBox('a'), termBox('d'));
  tools.append(chooser, terms);
}

// Its names in the language in use.
export function showFurtherNames() {
  chooser.setAttribute('aria-label', commandSays('CommandFurther'));
  chooser.title = commandSays('CommandFurther');
  KINDS.forEach(([, key], at) => { chooser.options[at].text = coreSays(key); });
  terms.querySelector('label:first-child span').textContent = pageSays('FurtherA');
  terms.querySelector('label:last-child span').textContent = pageSays('FurtherD');
}

// What the board shows: a radio button gives the form's pictures back.
export function showFurther() {
  const kind = String(core._tessalo_further());
  if (chooser.value !== kind)
    chooser.value = kind;
  terms.hidden = kind !== String(PROGRESSION);
}

// The progression's a and d as chosen, for the address; set from an address.
export const progressionTerms = () => ({a: termValue('a'), d: termValue('d')});
export function setProgressionTerms(a, d) {
  term('a').value = a;
  term('d').value = d;
}

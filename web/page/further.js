// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The identities beside the form's six, chosen as the window's menu chooses them:
// a list among the page's buttons, first the form's six again, and for the
// progression its first term a and difference d, 1 to 5 each.
import {core, run} from './events.js';
import {commandSays, pageSays} from './language.js';

const FIRST_KIND = 7;  // the kinds after the form's six
const PROGRESSION = 8;
export let LAST_KIND = FIRST_KIND - 1;  // as the core describes them, once it is there

let chooser, terms;
let namedIn = -1;  // the core's language the names are in
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
  chooser.add(new Option('', '0'));  // the form's six again; the others come with the core
  chooser.addEventListener('change', choose);
  terms = document.createElement('span');
  terms.id = 'progression';
  terms.hidden = true;
  terms.append(termBox('a'), termBox('d'));
  tools.append(chooser, terms);
}

// Its names in the language in use, each identity's from the core.
export function showFurtherNames() {
  chooser.setAttribute('aria-label', commandSays('CommandFurther'));
  chooser.title = commandSays('CommandFurther');
  if (core) {
    for (let kind = FIRST_KIND; core.UTF8ToString(core._tessalo_further_name(kind)); ++kind) {
      if (kind > LAST_KIND) {
        chooser.add(new Option('', String(kind)));
        LAST_KIND = kind;
      }
    }
    for (const option of chooser.options)
      option.text = core.UTF8ToString(core._tessalo_further_name(Number(option.value)));
    namedIn = core._tessalo_language();
  }
  terms.querySelector('label:first-child span').textContent = pageSays('FurtherA');
  terms.querySelector('label:last-child span').textContent = pageSays('FurtherD');
}

// What the board shows: a radio button gives the form's pictures back.
export function showFurther() {
  if (namedIn !== core._tessalo_language())
    showFurtherNames();  // the core has switched language since
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

// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The address: #kind=4&n=5 (and &step) names the picture on the board, #lang=en a
// language other than the default; it follows Show and the steps without new
// history entries, and a choice in the form not yet shown leaves it.
import {layout} from './form.js';
import {readCells} from './board.js';
import {options} from './controls.js';
import {core, queue, showState, speakLesson, whenIdle} from './events.js';
import {LAST_KIND, progressionTerms, setProgressionTerms} from './further.js';
import {addressLanguage, catalogue, language, LANGUAGE_SETTING, setLanguage} from './language.js';
import {remember} from './storage.js';

export let cellsShown = false;

export function followInAddress() {
  // the template is the picture's first cell: n = 1 shows it alone
  cellsShown = readCells().some(cell => cell.visible);
  whenIdle(writeAddress);
}

// The picture on the board, not what the form has chosen since. Writing the address costs a
// few milliseconds (the browser looks again at every element the address may point to), so
// it waits until the picture is on the screen.
function writeAddress() {
  const kind = core._tessalo_drawn_kind();
  const n = core._tessalo_drawn_n();
  const parts = language === catalogue.languages[0] ? [] : [`lang=${language}`];
  if (cellsShown && kind >= 0 && n > 0) {
    // the progression with its first term and difference
    const {a, d} = progressionTerms();
    const terms = core._tessalo_further() === 8 ? `&a=${a}&d=${d}` : '';
    parts.push(`kind=${kind + 1}${terms}&n=${n}${readCells().some(cell => cell.added) ? '&step' : ''}`);
  }
  const address = parts.length ? `#${parts.join('&')}` : '';
  if (address !== location.hash)
    history.replaceState(history.state, '', address || location.pathname + location.search);
}

// The kind (1 to 6, or 7 to 11 beside the form's six), n (1 to 11) and the progression's a and d
// (1 to 5, 1 when missing) an address names; a bad or missing kind or n is null.
function fromAddress(hash) {
  const parameters = new URLSearchParams(hash.replace(/^#/, ''));
  const whole = (name, last) => {
    const value = parameters.get(name);
    return value !== null && /^[0-9]{1,2}$/.test(value) && +value >= 1 && +value <= last ? +value : null;
  };
  return {kind: whole('kind', LAST_KIND), n: whole('n', layout.listItems.length), step: parameters.has('step'),
          a: whole('a', 5) ?? 1, d: whole('d', 5) ?? 1};
}

export function openAddress() {
  const chosen = addressLanguage(location.hash);
  if (chosen && chosen !== language)
    setLanguage(chosen, false);
  else if (chosen)
    remember(LANGUAGE_SETTING, chosen);
  const {kind, n, step, a, d} = fromAddress(location.hash);
  const beside = kind !== null && kind > options.length;
  if (kind !== null && !beside)
    core._tessalo_choose_kind(kind - 1);
  setProgressionTerms(a, d);
  if (n !== null && kind !== null) {
    core._tessalo_choose_n(step && n > 1 ? n - 1 : n);
    if (beside)
      core._tessalo_choose_further(kind, a, d);  // drawn at once
    else
      core._tessalo_show();
    if (step && n > 1)
      core._tessalo_step(1);
    showState();
    speakLesson();
  } else {
    if (n !== null)
      core._tessalo_choose_n(n);
    showState();
  }
}

window.addEventListener('hashchange', () => queue(openAddress));

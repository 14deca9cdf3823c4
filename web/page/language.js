// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The language: bg whatever the browser's, the address's or the last one chosen.
// Every text comes from the catalogues of the chosen language (self.tessaloTexts,
// made at build time from translations/), by its key in an element's data-text
// (its text), data-label (aria-label), data-placeholder, data-caption (a caption
// of the window, by control) or data-keys (the names of keys); the buttons beside
// the form are named by tools.js.
import {frame, list, options, setBoxText, textBoxes} from './controls.js';
import {core, queue, showProofText, showState, speak} from './events.js';
import {showTools} from './tools.js';
import {remember, remembered} from './storage.js';

export const LANGUAGE_SETTING = 'tessalo.language';

export const catalogue = self.tessaloTexts;
const knownLanguage = code => catalogue.languages.includes(code) ? code : null;
export const addressLanguage = hash => knownLanguage(new URLSearchParams(hash.replace(/^#/, '')).get('lang'));
export let language = addressLanguage(location.hash) || knownLanguage(remembered(LANGUAGE_SETTING)) ||
                      catalogue.languages[0];
export const captions = () => catalogue[language].captions;
export const pageSays = key => catalogue[language].page[key];
export const coreSays = key => catalogue[language].core[key];
export const commandSays = key => catalogue[language].commands[key];
// the page's own text, or the window's where the page has the same words
const says = key => pageSays(key) ?? commandSays(key);
// keys by the table's names ("PgDown"), as the language names them, each name once
export const keyNames = keys => [...new Set(keys.map(key => catalogue[language].keys[key]))].join(', ');
export const nextLanguage = () =>
  catalogue.languages[(catalogue.languages.indexOf(language) + 1) % catalogue.languages.length];

// Puts every text in the language; the form's own texts follow once the core has switched.
export function showLanguage() {
  const {captions} = catalogue[language];
  document.documentElement.lang = language;
  // the tab and a screen reader's name of the page in words: the form's caption has a dash
  document.title = document.getElementById('page-title').textContent = captions.windowInWords;
  document.querySelector('meta[name="description"]').content = pageSays('Description');
  const each = (attribute, show) => document.querySelectorAll(`[data-${attribute}]`)
    .forEach(element => show(element, element.dataset[attribute]));
  each('text', (element, key) => { element.textContent = says(key); });
  each('label', (element, key) => element.setAttribute('aria-label', says(key)));
  each('placeholder', (element, key) => { element.placeholder = says(key); });
  each('caption', (element, key) => { element.textContent = captions[key]; });
  each('keys', (element, keys) => { element.textContent = keyNames(keys.split(' ')); });
  list.setAttribute('aria-label', captions['Label1-1']);
  setBoxText(textBoxes[1], captions['Text1-1']);
  queue(showCaptionsInWords);
  if (!core)
    showProofText(captions['Text1-0']);
  showTools();
}

export function setLanguage(to, announce) {
  language = to;
  remember(LANGUAGE_SETTING, to);
  showLanguage();
  queue(() => {
    core._tessalo_set_language(catalogue.languages.indexOf(to));
    showState();
  });
  if (announce)
    speak(pageSays('LanguageChosen'));
}

// What a screen reader reads of the page's title, the identities' group and its buttons: the
// core's words, "Индукция, нагледно" where the screen shows "Индукция - нагледно"; each button
// named as the sentences name its identity (three of them show the same sum), and the sum
// as written beside it in words ("1 плюс 3 плюс …", not its signs), as the window does.
function showCaptionsInWords() {
  const index = catalogue.languages.indexOf(language);
  const words = caption => core.UTF8ToString(core._tessalo_caption_words(caption, index));
  frame.setAttribute('aria-label', words(1));
  options.forEach((input, kind) => {
    input.setAttribute('aria-label', words(9 + kind));
    input.setAttribute('aria-description', words(3 + kind));
  });
  setBoxText(textBoxes[1], captions()['Text1-1'], words(2));
}

// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The page: builds the desktop window's controls from the layout table, forwards
// every event to the core (tessalo_core.wasm) and shows the form's state after
// it, as the window does. Here it starts: the form is built and painted at
// once; the core loads after it, and the events made meanwhile run once it is there.
import {form, formHeight, formWidth, layout} from './form.js';
import {openAddress} from './address.js';
import {createArgumentPanel} from './argument.js';
import {createBoard} from './board.js';
import {createExplorer} from './explore.js';
import {createKeyList} from './commands.js';
import {createButton, createFrame, createList, createOption, createTextBox, frame, orderTabStops} from './controls.js';
import {core, coreLoaded} from './events.js';
import {createCaptions, fit, holdViewSize} from './fit.js';
import {catalogue, language, showLanguage} from './language.js';
import {createMenu} from './menu.js';
import {createTools} from './tools.js';
import {showFurtherNames} from './further.js';

function build() {
  holdViewSize(true);
  form.style.width = `${formWidth}px`;
  form.style.height = `${formHeight}px`;
  form.style.backgroundColor = layout.window.background;
  for (const c of layout.controls) {
    switch (c.kind) {
    case 'PushButton': form.append(createButton(c)); break;
    case 'Frame': form.append(createFrame(c)); break;
    case 'OptionButton': createOption(c); break;
    case 'ListBox': form.append(createList(c)); break;
    case 'TextBox': form.append(createTextBox(c)); break;
    default: break;  // labels and the template are drawn on the board
    }
  }
  // arrows move between radio buttons by place, top to bottom, as in the window
  [...frame.querySelectorAll('.option')]
    .sort((a, b) => parseFloat(a.style.top) - parseFloat(b.style.top))
    .forEach(option => frame.append(option));
  orderTabStops();
  // beneath the controls (the style says so), after them in the tab order, as in the window
  form.append(createBoard());
  createExplorer();
  createCaptions();
  createTools();
  createMenu();
  createArgumentPanel();
  createKeyList();
  showLanguage();
  fit();
  holdViewSize(false);
  // once laid out, the page may have gained a scroll bar the size read before did not know of
  requestAnimationFrame(() => requestAnimationFrame(fit));
  window.addEventListener('resize', fit);
  // the page opens on the first tab stop, as the window does
  form.querySelector('.text-box, select, button, input').focus({preventScroll: true});
}

build();
document.documentElement.dataset.ready = 'false';
form.setAttribute('aria-busy', 'true');
// The core's loader comes after the form is on the screen, so that nothing waits for it.
const loader = document.createElement('script');
loader.src = 'tessalo_core.js';
// Its files missing or cut short, the core never comes: say so once, instead
// of keeping the taps waiting behind a progress pointer a touch screen never shows.
function failed() {
  const sentence = document.getElementById('failed');
  sentence.textContent = catalogue[language].page.CoreFailed;
  sentence.hidden = false;
  document.documentElement.dataset.ready = 'failed';
  form.removeAttribute('aria-busy');
}
loader.onerror = failed;
loader.onload = () => (typeof createTessaloCore === 'function' ? createTessaloCore() : Promise.reject()).then(module =>
  coreLoaded(module, [
    () => {
      module._tessalo_set_language(catalogue.languages.indexOf(language));
      module._tessalo_load();
    },
    showFurtherNames,  // the identities the core describes, which an address may name
    openAddress,
  ]).then(() => {
    self.tessaloCore = core;  // for the tests and benchmarks
    document.documentElement.dataset.ready = 'true';
    form.removeAttribute('aria-busy');
    performance.mark('tessalo-ready');
  }), failed);
document.head.append(loader);

if ('serviceWorker' in navigator && location.protocol !== 'file:')
  navigator.serviceWorker.register('sw.js');

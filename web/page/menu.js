// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's buttons as a menu on the picture, where there is no room for them
// beside or below the form, as the window's context menu.
import {form} from './form.js';
import {tools} from './tools.js';

export function closeMenu() {
  if (!tools.classList.contains('open'))
    return;
  tools.classList.remove('open');
  tools.style.left = tools.style.top = '';
  if (tools.contains(document.activeElement)) {
    if (menuOpener && menuOpener !== document.body)
      menuOpener.focus({preventScroll: true});
    else
      document.activeElement.blur();
  }
}

let menuOpener = null;

function openMenu(x, y) {
  menuOpener = document.activeElement;
  tools.classList.add('open');
  tools.style.left = `${Math.max(0, Math.min(x, window.innerWidth - tools.offsetWidth))}px`;
  tools.style.top = `${Math.max(0, Math.min(y, window.innerHeight - tools.offsetHeight))}px`;
  tools.firstElementChild.focus();
}

// Opened with a right click on the picture; closed by a choice, Escape or a click elsewhere.
export function createMenu() {
  form.addEventListener('contextmenu', event => {
    if (!tools.classList.contains('menu') || event.target.closest('.text-box, select, button, label'))
      return;
    event.preventDefault();
    openMenu(event.clientX, event.clientY);
  });
  tools.addEventListener('click', () => setTimeout(closeMenu));
  tools.addEventListener('keydown', event => { if (event.key === 'Escape') closeMenu(); });
  document.addEventListener('pointerdown', event => { if (!tools.contains(event.target)) closeMenu(); });
}

// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Where does the proof break: a dialog with the false claims of the identity the
// form or the board has chosen, and a box for the class's own right-hand side,
// each checked by the core as the proof goes: its lines, read in words, and its
// picture with the cells the claim misses or adds marked.
import {readItems} from './board.js';
import {makeReadOnlyBox, setBoxText} from './controls.js';
import {core, showDialog, speak} from './events.js';
import {boxOf, cellsSvg, svgOf} from './handout.js';
import {pageSays} from './language.js';

const claimDialog = document.getElementById('claims');
const claimList = document.getElementById('claim-list');
const claimTyped = document.getElementById('claim-typed');
const claimProof = makeReadOnlyBox(document.getElementById('claim-proof'));
const claimPicture = document.getElementById('claim-picture');
// the picture's room, in pixels: a small picture grows to it, as in the window's dialog
const CLAIM_PICTURE = {width: 320, height: 240};

function checkClaim() {
  const typed = core.allocateUTF8(claimTyped.value);
  const count = core._tessalo_check_claim(typed);
  // what was checked, in words, heard as the keyboard reaches the box: a reader would name its signs
  claimTyped.setAttribute('aria-description', core.UTF8ToString(core._tessalo_in_words(typed)));
  core._free(typed);
  const items = readItems(count);
  const box = boxOf(items);
  if (box) {
    const scale = Math.min(CLAIM_PICTURE.width / box.width, CLAIM_PICTURE.height / box.height);
    claimPicture.innerHTML = svgOf(Math.ceil(box.width * scale), Math.ceil(box.height * scale),
                                   cellsSvg(items, box, 0, 0, scale));
  } else {
    claimPicture.replaceChildren();
  }
  setBoxText(claimProof, core.UTF8ToString(core._tessalo_claim_text()), core.UTF8ToString(core._tessalo_claim_words()));
  speak(core.UTF8ToString(core._tessalo_claim_spoken()));
}

// Opens the dialog on the first false claim of the identity chosen now, checked.
export function openClaims() {
  const count = core._tessalo_claim_count();
  claimList.replaceChildren();
  for (let at = 0; at < count; ++at) {
    const option = new Option(core.UTF8ToString(core._tessalo_claim_statement(at)),
                              core.UTF8ToString(core._tessalo_claim_typed(at)));
    option.setAttribute('aria-label', core.UTF8ToString(core._tessalo_claim_statement_words(at)));  // «2 на степен n», not «2n»
    claimList.add(option);
  }
  claimList.add(new Option(pageSays('ClaimsOwn'), ''));
  claimTyped.value = claimList.value;
  showDialog(claimDialog);
  checkClaim();
}

claimList.addEventListener('change', () => {
  claimTyped.value = claimList.value;
  if (claimList.value)
    checkClaim();
  else
    claimTyped.focus();  // the class's own, to type
});
document.getElementById('claim-check').addEventListener('click', checkClaim);
claimTyped.addEventListener('keydown', event => {
  if (event.key === 'Enter') {
    event.preventDefault();
    checkClaim();
  }
});

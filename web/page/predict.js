// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Predict, then reveal: a step up waits in the core until the class has guessed
// what it adds.
import {focusStepLine, panel, sayOnLine, showPanel} from './argument.js';
import {startBuildUp} from './build_up.js';
import {core, keep, queue, showState, speak, speakLesson} from './events.js';
import {bringBoardIntoView, fit} from './fit.js';
import {coreSays} from './language.js';
import {showPressed} from './tools.js';

const guessRow = document.getElementById('guess-row');
const guessInput = document.getElementById('guess');
const verdict = document.getElementById('verdict');
export let predicting = false;  // for one lesson: not remembered

export const waiting = () => core && core._tessalo_waiting() === 1;

export function showGuessing() {
  const waits = waiting();
  const started = waits && guessRow.hidden;
  if (guessRow.hidden === waits) {
    guessRow.hidden = !waits;
    guessInput.value = '';
    // named by the question asked, which a screen reader says as it reaches the box and braille keeps
    if (waits)
      guessInput.setAttribute('aria-label', core.UTF8ToString(core._tessalo_spoken()));
    else
      guessInput.removeAttribute('aria-label');
  }
  const note = core.UTF8ToString(core._tessalo_note());
  verdict.textContent = note;
  verdict.hidden = !note;
  if (showPanel())
    fit();
  if (started && !panel.hidden)
    guessInput.focus({preventScroll: true});  // the pupil types at once
}

export function reveal() {
  queue(() => {
    if (!waiting())
      return;
    const typed = guessInput.value.trim();
    const typing = document.activeElement === guessInput;
    core._tessalo_reveal(/^[0-9]+$/.test(typed) ? Number(typed) : -1);
    showState();
    if (typing) {  // on its lines, at the step's, the verdict first (a page cannot cut short what is said)
      focusStepLine();
      // and the caret the box had nowhere: left, it moves on to the verdict below the box, and
      // a screen reader goes with it and back to the line, saying all twice
      document.getSelection()?.removeAllRanges();
      sayOnLine(core.UTF8ToString(core._tessalo_spoken()));
      keep(core.UTF8ToString(core._tessalo_spoken_whole()));
    } else {
      speakLesson();
    }
    bringBoardIntoView();
    startBuildUp(true);
  });
}

document.getElementById('reveal').addEventListener('click', reveal);

export function togglePredict() {
  predicting = !predicting;
  showPressed('Predict');
  queue(() => {
    const waits = waiting();
    core._tessalo_set_predicting(predicting ? 1 : 0);
    if (waits && !predicting) {
      showState();
      startBuildUp(true);
    }
  });
  speak(coreSays(predicting ? 'SwitchPredictOn' : 'SwitchPredictOff'));
}

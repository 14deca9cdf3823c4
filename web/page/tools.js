// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's own buttons beside the form: what the window has in its menu and
// keys. A button of a command of the table is named as the window's menu names
// it, with its keys, and shows whether a command that is on or off is on.
import {argumentShown, lineByLine} from './argument.js';
import {buildUp} from './build_up.js';
import {commandRow, runCommand} from './commands.js';
import {createFurther, showFurtherNames} from './further.js';
import {catalogue, commandSays, keyNames, nextLanguage, pageSays, setLanguage} from './language.js';
import {save} from './picture_file.js';
import {predicting} from './predict.js';

// Each shows a name of a file format or a sign (sign), or a text of the catalogue (text); its
// name is the page's own (label) or its command's, after what it shows for the steps, which
// show n − 1 and n + 1 with an arrow for the eye only.
const TOOLS = [
  {id: 'step-down', text: 'StepDownButton', arrow: '◀', command: 'StepDown'},
  {id: 'step-up', text: 'StepUpButton', arrow: '▶', command: 'StepUp'},
  {id: 'save-svg', sign: 'SVG', label: 'SaveSvgLabel', command: 'Save'},
  {id: 'save-png', sign: 'PNG', label: 'SavePngLabel', action: () => save('png')},
  {id: 'copy', text: 'CopyButton', command: 'Copy'},
  {id: 'strip', text: 'StripButton', command: 'Strip'},
  {id: 'worksheet', text: 'WorksheetButton', command: 'Worksheet'},
  {id: 'answers', text: 'WorksheetAnswersButton', command: 'WorksheetAnswers'},
  {id: 'tactile', text: 'TactileButton', command: 'Tactile'},
  {id: 'braille', text: 'BrailleButton', command: 'Braille'},
  {id: 'broken', text: 'BrokenButton', command: 'Broken'},
  {id: 'listen', text: 'ListenButton', command: 'Listen'},
  {id: 'build-up', text: 'BuildUpButton', command: 'BuildUp'},
  {id: 'argument-toggle', text: 'ArgumentButton', command: 'Argument'},
  {id: 'predict', text: 'PredictButton', command: 'Predict'},
  {id: 'line-by-line', text: 'LineByLineButton', command: 'LineByLine'},
  {id: 'next-line', text: 'NextLineButton', command: 'NextLine', hidden: true},  // while line by line
  {id: 'help', sign: '?', command: 'Keys'},
  {id: 'language', action: () => setLanguage(nextLanguage(), true)},  // in the language it goes to
];
// whether a command that is on or off is on now
const IS_ON = {BuildUp: () => buildUp, Argument: () => argumentShown, Predict: () => predicting,
               LineByLine: () => lineByLine};

export const tools = document.getElementById('tools');
const tool = id => document.getElementById(id);
const toolOf = command => TOOLS.find(t => t.command === command);

export function createTools() {
  for (const {id, sign, arrow, text, command, action, hidden} of TOOLS) {
    const button = document.createElement('button');
    button.type = 'button';
    button.id = id;
    button.hidden = Boolean(hidden);
    if (text && !arrow)
      button.dataset.text = text;
    else if (sign)
      button.textContent = sign;
    button.addEventListener('click', action || (event => runCommand(command, event)));
    tools.append(button);
    if (command && commandRow(command).checkable)
      showPressed(command);
    if (id === 'braille')
      createFurther(tools);  // where the window's menu has it
  }
}

// "◀ n − 1", "n + 1 ▶": the arrow is a shape, which a screen reader would read as its symbol's name
function showWithArrow(button, text, arrow, before) {
  const shape = document.createElement('span');
  shape.setAttribute('aria-hidden', 'true');
  shape.textContent = before ? `${arrow} ` : ` ${arrow}`;
  button.replaceChildren(...(before ? [shape, text] : [text, shape]));
}

export function showPressed(command) {
  tool(toolOf(command).id).setAttribute('aria-pressed', String(IS_ON[command]()));
}

// The buttons' names in the language in use, and the switch, which shows and says the language
// it goes to in that language.
export function showTools() {
  for (const {id, label, command, arrow, text} of TOOLS) {
    const row = command && commandRow(command);
    if (!label && !row)
      continue;
    if (arrow)
      showWithArrow(tool(id), pageSays(text), arrow, command === 'StepDown');
    // a name holds what the button shows, so that a pupil who says it is understood; in parts
    // of a sentence, without the brackets, colon and dots a screen reader would name; the tip
    // the same, which a screen reader would read again, signs and all, were it another
    const does = label ? pageSays(label) : commandSays(row.text);
    const name = [arrow && pageSays(text), does.replace(/(\.\.\.|…)$/u, ''), row && keyNames(row.keys)]
      .filter(Boolean).join(', ');
    tool(id).title = name;
    tool(id).setAttribute('aria-label', name);
  }
  const next = catalogue[nextLanguage()].page;
  const button = tool('language');
  button.lang = nextLanguage();
  button.textContent = next.LanguageButton;
  // with what it shows, so that a pupil who says "EN" to her voice control is understood
  button.title = `${next.LanguageButton}, ${next.LanguageLabel}`;
  button.setAttribute('aria-label', button.title);
  showFurtherNames();
}

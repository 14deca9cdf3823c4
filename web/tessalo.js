// The page: builds the desktop window's controls from the layout table
// (layout.js, made from the C++ side at build time), forwards every event to
// the core (tessalo_core.wasm) and shows the form's state after it, as the
// window does. Positions are twips; layout.twipsPerPixel of them to a CSS pixel
// at 100 %. Every text comes from the catalogues of the chosen language
// (self.tessaloTexts, made at build time from translations/), by its key in an
// element's data-text (its text), data-label (aria-label), data-title, data-placeholder
// or data-caption (a caption of the window, by control).
(() => {
  'use strict';

  const layout = self.tessaloLayout;
  const TWIPS = layout.twipsPerPixel;
  const SVG = 'http://www.w3.org/2000/svg';
  const BUILD_UP_MS = 1500;  // the whole picture, as in the window
  const BUILD_UP_SETTING = 'tessalo.buildUp';
  const ARGUMENT_SETTING = 'tessalo.argument';
  const LANGUAGE_SETTING = 'tessalo.language';
  const STEP_WITH_NUMBERS = 3;  // the argument's line whose cells are the step's added ones

  const form = document.getElementById('form');
  const spoken = document.getElementById('spoken');
  const formWidth = layout.window.clientWidth / TWIPS;
  const formHeight = layout.window.clientHeight / TWIPS;
  // the picture as saved and printed: the whole width, down to the proof's box
  const pictureTwips = {width: layout.window.clientWidth, height: 0};

  let core = null;     // the WebAssembly module, once loaded
  const pending = [];  // events that came before it, run once it is there
  let board, boardContent, cellGroup, markGroup, hatchGroup, ringGroup, templateCell, list, frame;
  const options = [];
  const buttons = [];
  const textBoxes = [];

  const control = (name, index) => layout.controls.find(c => c.name === name && c.index === index);

  // --- the language: bg whatever the browser's, the address's or the last one chosen ---

  const catalogue = self.tessaloTexts;
  const knownLanguage = code => catalogue.languages.includes(code) ? code : null;
  const addressLanguage = hash => knownLanguage(new URLSearchParams(hash.replace(/^#/, '')).get('lang'));
  let language = addressLanguage(location.hash) || knownLanguage(localStorage.getItem(LANGUAGE_SETTING)) ||
                 catalogue.languages[0];
  const captions = () => catalogue[language].captions;
  const pageSays = key => catalogue[language].page[key];
  const coreSays = key => catalogue[language].core[key];
  const nextLanguage = () => catalogue.languages[(catalogue.languages.indexOf(language) + 1) % catalogue.languages.length];

  // Puts every text in the language; the form's own texts follow once the core has switched.
  function showLanguage() {
    const {captions, page} = catalogue[language];
    document.documentElement.lang = language;
    document.title = captions.window;
    document.querySelector('meta[name="description"]').content = page.Description;
    const each = (attribute, show) => document.querySelectorAll(`[data-${attribute}]`)
      .forEach(element => show(element, element.dataset[attribute]));
    each('text', (element, key) => { element.textContent = page[key]; });
    each('label', (element, key) => element.setAttribute('aria-label', page[key]));
    each('title', (element, key) => { element.title = page[key]; });
    each('placeholder', (element, key) => { element.placeholder = page[key]; });
    each('caption', (element, key) => { element.textContent = captions[key]; });
    list.setAttribute('aria-label', captions['Label1-1']);
    textBoxes[1].value = toDisplayText(captions['Text1-1']);
    if (!core)
      showProofText(captions['Text1-0']);
    // the switch shows and says the language it goes to, in that language
    const next = catalogue[nextLanguage()].page;
    const button = tool('language');
    button.lang = nextLanguage();
    button.textContent = next.LanguageButton;
    button.title = next.LanguageLabel;
    button.setAttribute('aria-label', next.LanguageLabel);
  }

  function setLanguage(to, announce) {
    language = to;
    localStorage.setItem(LANGUAGE_SETTING, to);
    showLanguage();
    queue(() => {
      core._tessalo_set_language(catalogue.languages.indexOf(to));
      showState();
    });
    if (announce)
      speak(pageSays('LanguageChosen'));
  }

  function place(element, c) {
    element.style.left = `${c.left / TWIPS}px`;
    element.style.top = `${c.top / TWIPS}px`;
    element.style.width = `${c.width / TWIPS}px`;
    element.style.height = `${c.height / TWIPS}px`;
    if (c.background)
      element.style.backgroundColor = c.background;
    // the layout's tab indexes start at 0; the page's at 1, as 0 means "in document order"
    if (c.tabIndex >= 0 && c.kind !== 'Frame' && c.kind !== 'Label')
      element.tabIndex = c.tabIndex + 1;
    element.id = `${c.name}-${c.index}`;
    return element;
  }

  function svgElement(name, attributes) {
    const element = document.createElementNS(SVG, name);
    for (const [key, value] of Object.entries(attributes))
      element.setAttribute(key, value);
    return element;
  }

  // --- the board: labels and cells on one surface beneath every control ---

  // Hatchings that tell the cells' colours apart on a black and white print.
  function hatchings() {
    const defs = svgElement('defs', {});
    [45, 0, -45].forEach((angle, shade) => {
      const pattern = svgElement('pattern', {
        id: `hatch-${shade}`, width: 60, height: 60, patternUnits: 'userSpaceOnUse',
        patternTransform: `rotate(${angle})`,
      });
      pattern.append(svgElement('path', {d: 'M0 0h60', stroke: '#000', 'stroke-width': 8}));
      defs.append(pattern);
    });
    return defs;
  }

  function createBoard() {
    board = svgElement('svg', {id: 'board', role: 'img'});
    boardContent = svgElement('g', {});
    board.append(hatchings(), boardContent);
    for (const c of layout.controls) {
      if (c.kind === 'Label') {
        boardContent.append(svgElement('rect', {x: c.left, y: c.top, width: c.width, height: c.height,
                                                fill: c.background, class: 'label'}));
        const caption = svgElement('text', {class: 'label',
          x: c.left + c.width / 2, y: c.top, 'text-anchor': 'middle', 'dominant-baseline': 'text-before-edge',
          fill: '#000',
        });
        caption.dataset.caption = `${c.name}-${c.index}`;
        boardContent.append(caption);
      } else if (c.kind === 'Shape') {
        templateCell = svgElement('g', {});  // the template lies at its own place in the stacking order
        boardContent.append(templateCell);
      }
    }
    cellGroup = svgElement('g', {});
    hatchGroup = svgElement('g', {class: 'hatching'});
    markGroup = svgElement('g', {fill: 'none', stroke: layout.stepMark});
    ringGroup = svgElement('g', {id: 'rings', fill: 'none'});
    boardContent.append(cellGroup, hatchGroup, markGroup, ringGroup);
    return board;
  }

  // The outline of a cell's box as path data; a circle is two half arcs.
  function cellPath(cell) {
    if (cell.shape === layout.circle) {
      const rx = cell.width / 2;
      const ry = cell.height / 2;
      return `M${cell.left} ${cell.top + ry}a${rx} ${ry} 0 1 0 ${cell.width} 0a${rx} ${ry} 0 1 0 ${-cell.width} 0z`;
    }
    return `M${cell.left} ${cell.top}h${cell.width}v${cell.height}h${-cell.width}z`;
  }

  // Shows one path per value in a group: the cells of one colour, or the marks of one
  // thickness, share a path. Cells never overlap, so their order among each other
  // does not show, and a few long attributes cost far less than a hundred elements.
  function showPaths(group, paths, attribute, extra) {
    let at = 0;
    for (const [value, data] of paths) {
      let path = group.children[at++];
      if (!path) {
        path = svgElement('path', extra);
        group.append(path);
      }
      if (path.getAttribute(attribute) !== value)
        path.setAttribute(attribute, value);
      if (path.getAttribute('d') !== data)
        path.setAttribute('d', data);
    }
    while (group.children.length > at)
      group.lastChild.remove();
  }

  // The loaded cells from the core, template first, read by the struct's layout as the C++ side
  // gives it (every field four bytes), once per event.
  let cellsRead = null;

  function readCells() {
    if (cellsRead)
      return cellsRead;
    const count = core._tessalo_cell_count();
    const base = core._tessalo_cells() / 4;
    const views = {i32: core.HEAP32, u32: core.HEAPU32, f32: core.HEAPF32};
    const fields = Object.entries(layout.cell.fields).map(([name, [offset, type]]) => [name, offset / 4, views[type]]);
    const stride = layout.cell.size / 4;
    cellsRead = [];
    for (let i = 0, at = base; i < count; ++i, at += stride) {
      const cell = {};
      for (const [name, offset, view] of fields)
        cell[name] = view[at + offset];
      cell.visible = cell.visible === 1;
      cell.added = cell.added === 1;
      cellsRead.push(cell);
    }
    return cellsRead;
  }

  // What the board shows, as the core describes it for the window's painter too: the cells,
  // the step's frames and the rings of argument line `line` (-1: none), in painting order.
  const ITEM = {label: 0, cell: 1, frame: 2, ring: 3};

  function readPicture(line) {
    const count = core._tessalo_picture(line);
    const base = core._tessalo_picture_items() / 4;
    const views = {i32: core.HEAP32, u32: core.HEAPU32, f32: core.HEAPF32};
    const fields = Object.entries(layout.item.fields).map(([name, [offset, type]]) => [name, offset / 4, views[type]]);
    const stride = layout.item.size / 4;
    const items = [];
    for (let i = 0, at = base; i < count; ++i, at += stride) {
      const item = {};
      for (const [name, offset, view] of fields)
        item[name] = view[at + offset];
      if (!(buildUpHidden && buildUpHidden.has(item.cell)))
        items.push(item);
    }
    return items;
  }

  const CELL_OUTLINE = {stroke: '#000', 'stroke-width': 1, 'vector-effect': 'non-scaling-stroke'};
  const hex = colour => `#${colour.toString(16).padStart(6, '0')}`;

  let buildUpHidden = null;  // the cells a build-up has not drawn yet

  function drawBoard() {
    const template = new Map();
    const loaded = new Map();
    const frames = new Map();
    const add = (paths, key, data) => paths.set(key, (paths.get(key) || '') + data);
    for (const item of readPicture(-1)) {
      if (item.kind === ITEM.cell)
        add(item.cell === 0 ? template : loaded, hex(item.fill), cellPath(item));
      else if (item.kind === ITEM.frame)
        add(frames, String(item.lineWidth), cellPath(item));
    }
    showPaths(templateCell, template, 'fill', CELL_OUTLINE);
    showPaths(cellGroup, loaded, 'fill', CELL_OUTLINE);
    // a hatching per colour, in the colours' order, shown only on paper
    const hatched = new Map([...loaded.entries()].sort().map(([, data], shade) => [`url(#hatch-${shade % 3})`, data]));
    showPaths(hatchGroup, hatched, 'fill', {});
    showPaths(markGroup, frames, 'stroke-width', {});
    drawRings();
  }

  // The rings of the pointed or focused line of the argument, as the core places them.
  function drawRings() {
    const rings = readPicture(ringedLine()).filter(item => item.kind === ITEM.ring).map(ring =>
      svgElement('circle', {cx: ring.left + ring.width / 2, cy: ring.top + ring.height / 2, r: ring.width / 2,
                            stroke: hex(ring.line), 'stroke-width': ring.lineWidth, 'data-cell': ring.cell}));
    ringGroup.replaceChildren(...rings);
  }

  // --- the controls, in the layout's stacking order ---

  function createButton(c) {
    const button = place(document.createElement('button'), c);
    button.type = 'button';
    button.dataset.caption = button.id;
    button.addEventListener('click', () => run(c.index === 1 ? () => core._tessalo_show() : () => core._tessalo_clear()));
    buttons[c.index] = button;
    return button;
  }

  function createFrame(c) {
    frame = place(document.createElement('fieldset'), c);
    frame.className = 'frame';
    const title = document.createElement('legend');
    title.dataset.caption = frame.id;
    frame.append(title);
    return frame;
  }

  function createOption(c) {
    const option = document.createElement('label');
    option.className = 'option';
    for (const [key, value] of [['left', c.left], ['top', c.top], ['width', c.width], ['height', c.height]])
      option.style[key] = `${value / TWIPS}px`;
    option.style.backgroundColor = c.background;
    const input = document.createElement('input');
    input.type = 'radio';
    input.name = 'kind';
    input.id = `${c.name}-${c.index}`;
    input.tabIndex = c.tabIndex + 1;
    input.addEventListener('change', () => {
      if (input.checked)
        run(() => core._tessalo_choose_kind(c.index), false);
    });
    const caption = document.createElement('span');
    caption.dataset.caption = input.id;
    option.append(input, caption);
    options[c.index] = input;
    frame.append(option);  // inside the frame, placed relative to it
  }

  function createList(c) {
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

  function createTextBox(c) {
    const textBox = place(document.createElement('textarea'), c);
    textBox.readOnly = true;
    textBox.spellcheck = false;
    textBox.dataset.label = ['ProofBox', 'QuotationBox'][c.index];
    textBoxes[c.index] = textBox;
    return textBox;
  }

  const toDisplayText = text => text.replaceAll('\r\n', '\n');

  function lastLine(text) {
    const lines = text.split('\r\n');
    if (lines.length > 1 && lines[lines.length - 1] === '')
      lines.pop();
    return lines[lines.length - 1];
  }

  // --- events: each goes to the core, then the page shows the form's state ---

  // An event before the core has loaded waits for it, so that a tap is never lost.
  function queue(event) {
    if (core)
      event();
    else
      pending.push(event);
  }

  // Choosing n has no handler of its own: the form only keeps the selection.
  function chooseN(n) {
    core._tessalo_choose_n(n);
    finishBuildUp();
    showState();
  }

  // Runs one event; after Show, a step and Clear a screen reader hears the core's sentence.
  function run(event, speaks = true) {
    queue(() => {
      finishBuildUp();
      const error = event();
      if (error !== 0) {
        window.alert(`${captions().window}\n\n${core.UTF8ToString(core._tessalo_error())}`);
        core._tessalo_load();
      }
      showState();
      if (speaks) {
        speak(core.UTF8ToString(core._tessalo_spoken()));
        startBuildUp();
      }
    });
  }

  function speak(sentence) {
    // a new node, so that the same sentence twice is spoken twice
    const node = document.createElement('span');
    node.textContent = sentence;
    spoken.replaceChildren(node);
  }

  let shownText = null;

  // On a narrow screen the text boxes show their whole text; where the browser cannot size a
  // box to its text by itself, the page does.
  const sizesItself = CSS.supports('field-sizing', 'content');

  function fitTextBoxes() {
    for (const textBox of textBoxes) {
      textBox.style.minHeight = '';
      if (narrow && !sizesItself)
        textBox.style.minHeight = `${textBox.scrollHeight + textBox.offsetHeight - textBox.clientHeight}px`;
    }
  }

  function showProofText(text) {
    if (text === shownText)
      return;
    textBoxes[0].value = toDisplayText(text);
    fitTextBoxes();
    document.getElementById('print-text').textContent = toDisplayText(text);
    board.setAttribute('aria-label', lastLine(text));
    shownText = text;
  }

  function showState() {
    cellsRead = null;  // an event has run
    showArgument();
    showGuessing();
    showProofText(core.UTF8ToString(core._tessalo_proof_text()));
    // the list box keeps the chosen n in its view itself, without moving the focus or the page
    const n = core._tessalo_n();
    if (list.selectedIndex !== n - 1)
      list.selectedIndex = n - 1;
    const kind = core._tessalo_kind();
    options.forEach((input, index) => { input.checked = index === kind; });
    drawBoard();
    if (view === 'narrow')
      setViewBox();
    followInAddress();
  }

  // --- the induction argument: the core's lines in one list; the pointed or focused line rings its cells ---

  const panel = document.getElementById('argument');
  const argumentList = document.getElementById('argument-lines');
  let argument = [];     // {text, role, cells} per line, after the last event
  let activeLine = 0;    // the keyboard's line
  let hoveredLine = -1;  // the mouse's line
  let argumentShown = localStorage.getItem(ARGUMENT_SETTING) === 'true';

  function readArgument() {
    const lines = [];
    for (let i = 0, count = core._tessalo_argument_count(); i < count; ++i) {
      const base = core._tessalo_argument_cells(i) / 4;
      lines.push({text: core.UTF8ToString(core._tessalo_argument_text(i)), role: core._tessalo_argument_role(i),
                  cells: Array.from(core.HEAP32.subarray(base, base + core._tessalo_argument_cell_count(i)))});
    }
    return lines;
  }

  function showArgument() {
    argument = readArgument();
    activeLine = Math.max(0, Math.min(activeLine, argument.length - 1));
    if (hoveredLine >= argument.length)
      hoveredLine = -1;
    const items = argument.map((line, i) => {
      const item = argumentList.children[i] || document.createElement('li');
      item.id = `argument-line-${i}`;
      item.setAttribute('role', 'option');
      if (item.textContent !== line.text)
        item.textContent = line.text;
      return item;
    });
    argumentList.replaceChildren(...items);
    markActiveLine();
    document.getElementById('print-argument').replaceChildren(
      ...argument.map(line => Object.assign(document.createElement('li'), {textContent: line.text})));
  }

  function markActiveLine() {
    [...argumentList.children].forEach((item, i) => item.setAttribute('aria-selected', String(i === activeLine)));
    if (argumentList.children[activeLine])
      argumentList.setAttribute('aria-activedescendant', `argument-line-${activeLine}`);
    else
      argumentList.removeAttribute('aria-activedescendant');
  }

  // The index of the line whose cells are ringed, -1 for none.
  function ringedLine() {
    if (!argumentShown)
      return -1;
    const line = hoveredLine >= 0 ? hoveredLine : document.activeElement === argumentList ? activeLine : -1;
    return argument[line] ? line : -1;
  }

  function setArgumentShown(shown, announce) {
    argumentShown = shown;
    localStorage.setItem(ARGUMENT_SETTING, String(shown));
    panel.hidden = !shown;
    document.documentElement.classList.toggle('argument', shown);
    tool('argument-toggle').setAttribute('aria-pressed', String(shown));
    if (!shown && panel.contains(document.activeElement))
      document.activeElement.blur();
    hoveredLine = -1;
    fit();
    if (core)
      drawRings();
    if (announce)
      speak(coreSays(shown ? 'SwitchArgumentOn' : 'SwitchArgumentOff'));
  }

  function createArgumentPanel() {
    argumentList.addEventListener('keydown', event => {
      const last = argument.length - 1;
      const to = {ArrowDown: activeLine + 1, ArrowUp: activeLine - 1, Home: 0, End: last}[event.key];
      if (to === undefined || last < 0)
        return;
      event.preventDefault();
      activeLine = Math.max(0, Math.min(to, last));
      markActiveLine();
      argumentList.children[activeLine].scrollIntoView({block: 'nearest'});
      drawRings();
    });
    argumentList.addEventListener('pointermove', event => {
      const item = event.target.closest('li');
      const line = item ? [...argumentList.children].indexOf(item) : -1;
      if (line !== hoveredLine) {
        hoveredLine = line;
        drawRings();
      }
    });
    argumentList.addEventListener('pointerleave', () => { hoveredLine = -1; drawRings(); });
    argumentList.addEventListener('click', event => {
      const item = event.target.closest('li');
      if (item) {
        activeLine = [...argumentList.children].indexOf(item);
        markActiveLine();
        drawRings();  // a tap on a touch screen, which points at nothing after it
      }
    });
    for (const type of ['focus', 'blur'])
      argumentList.addEventListener(type, () => { if (core) drawRings(); });
    panel.hidden = !argumentShown;
    document.documentElement.classList.toggle('argument', argumentShown);
    tool('argument-toggle').setAttribute('aria-pressed', String(argumentShown));
  }

  // --- predict, then reveal: a step up waits in the core until the class has guessed what it adds ---

  const guessRow = document.getElementById('guess-row');
  const guessInput = document.getElementById('guess');
  const verdict = document.getElementById('verdict');
  let predicting = false;  // for one lesson: not remembered

  function showGuessing() {
    const waiting = core._tessalo_waiting() === 1;
    if (guessRow.hidden === waiting) {
      guessRow.hidden = !waiting;
      guessInput.value = '';
      if (waiting && argumentShown)
        guessInput.focus({preventScroll: true});  // the pupil types at once
    }
    const note = core.UTF8ToString(core._tessalo_note());
    verdict.textContent = note;
    verdict.hidden = !note;
  }

  function reveal() {
    queue(() => {
      if (core._tessalo_waiting() !== 1)
        return;
      const typed = guessInput.value.trim();
      const typing = document.activeElement === guessInput;
      core._tessalo_reveal(/^[0-9]+$/.test(typed) ? Number(typed) : -1);
      showState();
      if (typing) {
        // on its lines, at the step's, which rings what the step added
        activeLine = Math.max(0, argument.findIndex(line => line.role === STEP_WITH_NUMBERS));
        markActiveLine();
        argumentList.focus({preventScroll: true});
      }
      speak(core.UTF8ToString(core._tessalo_spoken()));
      startBuildUp(true);
    });
  }

  document.getElementById('reveal').addEventListener('click', reveal);

  function togglePredict() {
    predicting = !predicting;
    tool('predict').setAttribute('aria-pressed', String(predicting));
    queue(() => {
      const waiting = core._tessalo_waiting() === 1;
      core._tessalo_set_predicting(predicting ? 1 : 0);
      if (waiting && !predicting) {
        showState();
        startBuildUp(true);
      }
    });
    speak(coreSays(predicting ? 'SwitchPredictOn' : 'SwitchPredictOff'));
  }

  // --- the address: #kind=4&n=5 (and &step) names a picture, #lang=en a language other than the
  // default, and it follows the pupil's choices ---

  let cellsShown = false;

  function followInAddress() {
    const cells = readCells();
    cellsShown = cells.some(cell => cell.index > 0 && cell.visible);
    const kind = core._tessalo_kind();
    const n = core._tessalo_n();
    const parts = language === catalogue.languages[0] ? [] : [`lang=${language}`];
    if (cellsShown && kind >= 0 && n > 0)
      parts.push(`kind=${kind + 1}&n=${n}${cells.some(cell => cell.added) ? '&step' : ''}`);
    const address = parts.length ? `#${parts.join('&')}` : '';
    if (address !== location.hash)
      history.replaceState(history.state, '', address || location.pathname + location.search);
  }

  // The kind (1 to 6) and n (1 to 11) an address names; a bad or missing value is null.
  function fromAddress(hash) {
    const parameters = new URLSearchParams(hash.replace(/^#/, ''));
    const whole = (name, last) => {
      const value = parameters.get(name);
      return value !== null && /^[0-9]{1,2}$/.test(value) && +value >= 1 && +value <= last ? +value : null;
    };
    return {kind: whole('kind', options.length), n: whole('n', layout.listItems.length), step: parameters.has('step')};
  }

  function openAddress() {
    const chosen = addressLanguage(location.hash);
    if (chosen && chosen !== language)
      setLanguage(chosen, false);
    else if (chosen)
      localStorage.setItem(LANGUAGE_SETTING, chosen);
    const {kind, n, step} = fromAddress(location.hash);
    if (kind !== null)
      core._tessalo_choose_kind(kind - 1);
    if (n !== null && kind !== null) {
      core._tessalo_choose_n(step && n > 1 ? n - 1 : n);
      core._tessalo_show();
      if (step && n > 1)
        core._tessalo_step(1);
      showState();
      speak(core.UTF8ToString(core._tessalo_spoken()));
    } else {
      if (n !== null)
        core._tessalo_choose_n(n);
      showState();
    }
  }

  window.addEventListener('hashchange', () => queue(openAddress));

  // --- build-up: the cells one by one, in the order the proof makes them ---

  let buildUp = localStorage.getItem(BUILD_UP_SETTING) === 'true';
  let buildUpTimer = 0;

  // The core's build order: after a step up only the cells it added, the picture for n - 1 standing.
  function buildOrder() {
    const base = core._tessalo_build_order() / 4;
    return Array.from(core.HEAP32.subarray(base, base + core._tessalo_build_count()));
  }

  // `always`: whatever the setting (a revealed step builds as the class watches)
  function startBuildUp(always = false) {
    const order = buildUp || always ? buildOrder() : [];
    if (!order.length)
      return;
    let built = 1;  // the first cell at once, as in the window
    const next = () => {
      if (built >= order.length)
        return finishBuildUp();
      buildUpHidden = new Set(order.slice(built++));
      drawBoard();
    };
    next();
    if (buildUpHidden)
      buildUpTimer = setInterval(next, BUILD_UP_MS / order.length);
  }

  function finishBuildUp() {
    if (!buildUpHidden)
      return;
    clearInterval(buildUpTimer);
    buildUpHidden = null;
    drawBoard();
  }

  function toggleBuildUp() {
    buildUp = !buildUp;
    localStorage.setItem(BUILD_UP_SETTING, String(buildUp));
    tool('build-up').setAttribute('aria-pressed', String(buildUp));
    if (!buildUp)
      finishBuildUp();
    speak(coreSays(buildUp ? 'SwitchBuildUpOn' : 'SwitchBuildUpOff'));
  }

  // any key or click shows the rest at once, and still does what it does
  for (const type of ['keydown', 'pointerdown'])
    document.addEventListener(type, () => { if (core) finishBuildUp(); }, true);

  // --- the picture as a file: the board with the proof text beneath it, as the window saves it ---

  const FONT_PX = layout.window.fontPoints * 20 / TWIPS;
  const MARGIN = 8;  // around the text, as the layout's 120 twips

  // The proof text's lines as the picture's width breaks them, measured in the form's font.
  function pictureLines(text, width) {
    const context = document.createElement('canvas').getContext('2d');
    context.font = `${FONT_PX}px ${getComputedStyle(form).fontFamily}`;
    const lines = [];
    for (const paragraph of toDisplayText(text).split('\n')) {
      let line = '';
      for (const word of paragraph.split(/(?<= )/)) {
        if (line && context.measureText(line + word).width > width) {
          lines.push(line.trimEnd());
          line = word;
        } else {
          line += word;
        }
      }
      lines.push(line);
    }
    if (lines.length > 1 && lines[lines.length - 1] === '')
      lines.pop();
    return lines;
  }

  function pictureSvg() {
    const width = formWidth;
    const boardHeight = pictureTwips.height / TWIPS;
    const lineHeight = FONT_PX * 1.15;
    const shownArgument = argumentShown ? '\r\n' + core.UTF8ToString(core._tessalo_argument_plain()) : '';
    const lines = pictureLines(core.UTF8ToString(core._tessalo_proof_text()) + shownArgument, width - 2 * MARGIN);
    const height = Math.ceil(boardHeight + lines.length * lineHeight + 2 * MARGIN);
    const escape = s => s.replace(/[&<>"]/g, c => ({'&': '&amp;', '<': '&lt;', '>': '&gt;', '"': '&quot;'})[c]);
    const content = boardContent.cloneNode(true);
    content.querySelector('.hatching').remove();
    content.querySelector('#rings').remove();  // the panel's pointer, not the picture
    content.setAttribute('transform', `scale(${1 / TWIPS})`);
    const texts = lines.map((line, i) =>
      `<text x="${MARGIN}" y="${boardHeight + MARGIN + i * lineHeight}" dominant-baseline="text-before-edge"` +
      ` xml:space="preserve">${escape(line)}</text>`).join('');
    return `<svg xmlns="${SVG}" width="${width}" height="${height}" viewBox="0 0 ${width} ${height}"` +
      ` font-family="Times New Roman, Liberation Serif, serif" font-size="${FONT_PX}">` +
      `<rect width="${width}" height="${boardHeight}" fill="${layout.window.background}"/>` +
      `<rect y="${boardHeight}" width="${width}" height="${height - boardHeight}" fill="#fff"/>` +
      `<style>text{font-size:${FONT_PX}px} g text{font-size:240px}</style>` +
      new XMLSerializer().serializeToString(content) + `<g>${texts}</g></svg>`;
  }

  // The picture as PNG at twice the form's pixels, as the window saves it by default.
  async function picturePng() {
    const svg = pictureSvg();
    const image = new Image();
    image.src = URL.createObjectURL(new Blob([svg], {type: 'image/svg+xml'}));
    await image.decode();
    const canvas = document.createElement('canvas');
    canvas.width = image.width * 2;
    canvas.height = image.height * 2;
    canvas.getContext('2d').drawImage(image, 0, 0, canvas.width, canvas.height);
    URL.revokeObjectURL(image.src);
    return new Promise(resolve => canvas.toBlob(resolve, 'image/png'));
  }

  function pictureName(extension) {
    return `${core.UTF8ToString(core._tessalo_picture_stem())}.${extension}`;
  }

  // Saving with no picture says so instead of writing an empty board.
  function havePicture() {
    if (!core || !cellsShown) {
      speak(pageSays('NoPicture'));
      return false;
    }
    return true;
  }

  function download(blob, name) {
    const link = document.createElement('a');
    link.href = URL.createObjectURL(blob);
    link.download = name;
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href), 1000);
  }

  async function save(format) {
    if (!havePicture())
      return;
    finishBuildUp();
    download(format === 'svg' ? new Blob([pictureSvg()], {type: 'image/svg+xml'}) : await picturePng(),
             pictureName(format));
    speak(pageSays('SavedAs').replace('{file}', pictureName(format)));
  }

  async function copy() {
    if (!havePicture())
      return;
    finishBuildUp();
    const text = toDisplayText(core.UTF8ToString(core._tessalo_proof_text()));
    try {
      await navigator.clipboard.write([new ClipboardItem({
        'image/png': picturePng(), 'text/plain': new Blob([text], {type: 'text/plain'}),
      })]);
      speak(coreSays('PictureCopied'));
    } catch {
      try {
        await navigator.clipboard.writeText(text);
        speak(pageSays('CopiedTextOnly'));
      } catch {
        speak(pageSays('CopyRefused'));
      }
    }
  }

  // --- the page's own controls beside the form: what the window has in its menu and keys ---

  // each shows a name of a file format, a sign or a text of the catalogue (key)
  const TOOLS = [
    {id: 'save-svg', text: 'SVG', label: 'SaveSvgLabel', action: () => save('svg')},
    {id: 'save-png', text: 'PNG', label: 'SavePngLabel', action: () => save('png')},
    {id: 'copy', key: 'CopyButton', label: 'CopyLabel', action: copy},
    {id: 'build-up', key: 'BuildUpButton', label: 'BuildUpLabel', action: toggleBuildUp},
    {id: 'argument-toggle', key: 'ArgumentButton', label: 'ArgumentLabel',
     action: () => setArgumentShown(!argumentShown, true)},
    {id: 'predict', key: 'PredictButton', label: 'PredictLabel', action: togglePredict},
    {id: 'help', text: '?', label: 'HelpLabel', action: () => keys.showModal()},
    {id: 'language', action: () => setLanguage(nextLanguage(), true)},  // in the language it goes to
  ];
  const tools = document.getElementById('tools');
  const tool = id => document.getElementById(id);
  const keys = document.getElementById('keys');

  function createTools() {
    for (const {id, text, key, label, action} of TOOLS) {
      const button = document.createElement('button');
      button.type = 'button';
      button.id = id;
      if (key)
        button.dataset.text = key;
      else if (text)
        button.textContent = text;
      if (label)
        button.dataset.label = button.dataset.title = label;
      button.addEventListener('click', action);
      tools.append(button);
    }
    tool('build-up').setAttribute('aria-pressed', String(buildUp));
    tool('predict').setAttribute('aria-pressed', 'false');
  }

  // the rows of the list of keys, as Keys<row> (the keys, named as in the language) and Keys<row>Meaning
  const KEY_ROWS = ['Tab', 'Arrows', 'Press', 'Step', 'BuildUp', 'Save', 'Copy', 'Print', 'Argument', 'Predict',
                    'Reveal', 'Help'];

  function createKeyList() {
    const table = document.createElement('table');
    for (const name of KEY_ROWS) {
      const row = table.insertRow();
      const keyCell = document.createElement('th');
      keyCell.scope = 'row';
      keyCell.dataset.text = `Keys${name}`;
      row.append(keyCell);
      row.insertCell().dataset.text = `Keys${name}Meaning`;
    }
    keys.querySelector('h2').after(table);
  }

  // PageDown and PageUp step n wherever the focus is (what presenter remotes send); the window's other keys.
  document.addEventListener('keydown', event => {
    if (event.altKey || event.metaKey || keys.open && event.key !== 'F1')
      return;
    const ctrl = event.ctrlKey;
    const key = event.key.toLowerCase();
    const waiting = core && core._tessalo_waiting() === 1;
    if (!ctrl && waiting && (event.key === 'PageDown' || event.key === 'Enter')) {
      reveal();  // the teacher's PageDown: first what this step added
    } else if (!ctrl && (event.key === 'PageDown' || event.key === 'PageUp')) {
      run(() => core._tessalo_step(event.key === 'PageDown' ? 1 : -1));
    } else if (!ctrl && event.key === 'F1') {
      keys.open ? keys.close() : keys.showModal();
    } else if (!ctrl && event.key === 'F2') {
      setArgumentShown(!argumentShown, true);
    } else if (!ctrl && event.key === 'F3') {
      togglePredict();
    } else if (ctrl && (key === 'b' || event.code === 'KeyB')) {
      toggleBuildUp();
    } else if (ctrl && (key === 's' || event.code === 'KeyS')) {
      save('svg');
    } else if (ctrl && (key === 'c' || event.code === 'KeyC') && !(event.target instanceof HTMLTextAreaElement)) {
      copy();
    } else {
      return;
    }
    event.preventDefault();
  });

  // --- layout: the whole form scaled to the browser window, or laid out for a narrow screen ---

  // Below 100 % the form's controls would be too small to touch: a phone, a small window.
  const NARROW_BELOW_SCALE = 1;
  let narrow = null;

  // The browser's zoom on a desktop (a phone's pinch zoom is not this): the form grows with it.
  function browserZoom() {
    if (matchMedia('(pointer: coarse)').matches || !window.outerWidth || !viewWidth())
      return 1;
    const zoom = window.outerWidth / window.innerWidth;
    return zoom > 1.05 && zoom < 6 ? zoom : 1;
  }

  // The whole form; on paper the picture down to the proof's box; on a narrow
  // screen the part any picture's cells take, its labels shown beside the page's own.
  // On a narrow screen the scale stays for every picture, and the board ends below the picture shown.
  let view = 'form';

  function setViewBox(to = view) {
    view = to;
    const margin = control('Text1', 0).left;
    const {top: cellsTop, right, bottom: lowest} = layout.pictureExtent;
    const template = control('Shape1', 0);
    let bottom = template.top + template.height;
    for (const cell of core ? readCells() : [])
      if (cell.visible)
        bottom = Math.max(bottom, cell.top + cell.height);
    // (the narrow board starts at the cells: its labels are captions of their own there)
    const top = view === 'narrow' ? Math.min(cellsTop, template.top) - margin : 0;
    const [width, height] = {
      form: [layout.window.clientWidth, layout.window.clientHeight],
      print: [layout.window.clientWidth, pictureTwips.height],
      narrow: [right + margin, Math.min(bottom, lowest) + margin - top],
    }[view];
    const box = `0 ${top} ${width} ${height}`;
    if (board.getAttribute('viewBox') !== box)
      board.setAttribute('viewBox', box);
  }

  // The board's labels as captions of their own on a narrow screen: above the picture and the list.
  function createCaptions() {
    const caption = (c, id) => {
      const element = document.createElement('div');
      element.className = 'caption';
      element.id = id;
      element.dataset.caption = `${c.name}-${c.index}`;
      element.style.backgroundColor = c.background;
      element.setAttribute('aria-hidden', 'true');  // the board and the list already say it
      return element;
    };
    form.prepend(caption(control('Label1', 0), 'title-caption'));
    list.before(caption(control('Label1', 1), 'list-caption'));
  }

  // The layout viewport: on a phone the visual one (innerWidth) grows with whatever overflows.
  // While the form is being built it is the size read before: asking again would lay out
  // the half-built page, which costs the first paint tens of milliseconds.
  let viewSize = null;
  const viewWidth = () => viewSize ? viewSize[0] : document.documentElement.clientWidth;
  const viewHeight = () => viewSize ? viewSize[1] : document.documentElement.clientHeight;

  // Beside the form the argument takes a column at the right; the form fits the rest.
  const panelWidth = () => argumentShown ? Math.round(Math.min(416, Math.max(256, viewWidth() * 0.3))) : 0;
  const roomWidth = () => viewWidth() - (narrow ? 0 : panelWidth());

  function fit() {
    const zoom = browserZoom();
    const fitted = Math.min((viewWidth() - panelWidth()) / formWidth, viewHeight() / formHeight) * zoom;
    const nowNarrow = fitted < NARROW_BELOW_SCALE;
    if (nowNarrow !== narrow) {
      narrow = nowNarrow;
      document.documentElement.classList.toggle('narrow', narrow);
      setViewBox(narrow ? 'narrow' : 'form');
      // on a narrow screen the argument comes below the picture, in the form's column
      const focus = document.activeElement;
      if (narrow)
        board.after(panel);
      else
        tools.before(panel);
      if (focus && focus !== document.activeElement && panel.contains(focus))
        focus.focus({preventScroll: true});
    }
    panel.style.width = narrow ? '' : `${panelWidth()}px`;
    document.documentElement.style.setProperty('--panel-width', `${narrow ? 0 : panelWidth()}px`);
    document.documentElement.classList.toggle('zoomed', !narrow && zoom > 1);
    fitTextBoxes();
    if (narrow) {
      form.style.transform = '';
      form.style.setProperty('--scale', '1');
      form.style.setProperty('--ring', '3px');
      return;
    }
    const scale = fitted;
    const left = Math.max(0, (roomWidth() - formWidth * scale) / 2);
    const top = Math.max(0, (viewHeight() - formHeight * scale) / 2);
    form.style.transform = `translate(${left}px, ${top}px) scale(${scale})`;
    form.style.setProperty('--scale', String(scale));
    // The ring is laid out in whole device pixels before the form is scaled: this
    // width is at least 3 CSS pixels once scaled, and never rounds down to nothing.
    const dpr = window.devicePixelRatio || 1;
    form.style.setProperty('--ring', `${Math.max(1, Math.ceil(3 * dpr / scale)) / dpr}px`);
    placeTools(left, top, scale);
  }

  // The page's own buttons in the lilac beside or below the form where there is room; otherwise
  // they open as a menu on the picture, as the window's context menu does.
  function placeTools(left, top, scale) {
    const roomRight = roomWidth() - left - formWidth * scale;
    const roomBelow = viewHeight() - top - formHeight * scale;
    tools.classList.toggle('beside', roomRight >= 72);
    tools.classList.toggle('below', roomRight < 72 && roomBelow >= 56);
    tools.classList.toggle('menu', roomRight < 72 && roomBelow < 56);
    closeMenu();
  }

  function closeMenu() {
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

  form.addEventListener('contextmenu', event => {
    if (!tools.classList.contains('menu') || event.target.closest('textarea, select, button, label'))
      return;
    event.preventDefault();
    openMenu(event.clientX, event.clientY);
  });
  tools.addEventListener('click', () => setTimeout(closeMenu));
  tools.addEventListener('keydown', event => { if (event.key === 'Escape') closeMenu(); });
  document.addEventListener('pointerdown', event => { if (!tools.contains(event.target)) closeMenu(); });

  // Printing: the picture on white and the whole proof text.
  const printing = matchMedia('print');
  // (during beforeprint the print media query does not match yet)
  const onPrint = event => setViewBox(printing.matches || event.type === 'beforeprint' ? 'print'
    : narrow ? 'narrow' : 'form');
  printing.addEventListener('change', onPrint);
  window.addEventListener('beforeprint', onPrint);
  window.addEventListener('afterprint', onPrint);

  function build() {
    viewSize = [document.documentElement.clientWidth, document.documentElement.clientHeight];
    pictureTwips.height = control('Text1', 0).top;
    form.style.width = `${formWidth}px`;
    form.style.height = `${formHeight}px`;
    form.style.backgroundColor = layout.window.background;
    form.append(createBoard());
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
    createCaptions();
    createTools();
    createArgumentPanel();
    createKeyList();
    showLanguage();
    fit();
    viewSize = null;
    // once laid out, the page may have gained a scroll bar the size read before did not know of
    requestAnimationFrame(() => requestAnimationFrame(fit));
    window.addEventListener('resize', fit);
    // the page opens on the first tab stop, as the window does
    const first = [...form.querySelectorAll('[tabindex]')].filter(e => e.tabIndex > 0)
      .sort((a, b) => a.tabIndex - b.tabIndex)[0];
    first.focus({preventScroll: true});
  }

  build();
  document.documentElement.dataset.ready = 'false';
  form.setAttribute('aria-busy', 'true');
  // The core's loader comes after the form is on the screen, so that nothing waits for it.
  const loader = document.createElement('script');
  loader.src = 'tessalo_core.js';
  loader.onload = () => createTessaloCore().then(module => {
    core = module;
    core._tessalo_set_language(catalogue.languages.indexOf(language));
    core._tessalo_load();
    openAddress();
    for (const event of pending.splice(0))
      event();
    self.tessaloCore = core;  // for the tests and benchmarks
    document.documentElement.dataset.ready = 'true';
    form.removeAttribute('aria-busy');
    performance.mark('tessalo-ready');
  });
  document.head.append(loader);

  if ('serviceWorker' in navigator && location.protocol !== 'file:')
    navigator.serviceWorker.register('sw.js');
})();

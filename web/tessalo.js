// The page: builds the desktop window's controls from the layout table
// (layout.js, made from the C++ table at build time), forwards every event to
// the core (tessalo_core.wasm) and shows the form's state after it, as the
// window does. Positions are twips, 15 to a CSS pixel before scaling.
'use strict';

(() => {
  const layout = self.tessaloLayout;
  const TWIPS_PER_PIXEL = 15;
  const SVG = 'http://www.w3.org/2000/svg';
  const STEP_MARK = '#5a0028';  // dark wine: at least 3:1 against every cell colour and the background
  const CIRCLE = 3;
  // what a screen reader calls the controls that have no caption of their own
  const TEXT_BOX_NAMES = ['Доказателство', 'Цитат'];

  const form = document.getElementById('form');
  const spoken = document.getElementById('spoken');
  const formWidth = layout.window.clientWidth / TWIPS_PER_PIXEL;
  const formHeight = layout.window.clientHeight / TWIPS_PER_PIXEL;

  let core = null;   // the WebAssembly module, once loaded
  let board, cellGroup, markGroup, templateCell, list, frame;
  const options = [];
  const buttons = [];
  const textBoxes = [];

  const control = (name, index) => layout.controls.find(c => c.name === name && c.index === index);

  function place(element, c) {
    element.style.left = `${c.left / TWIPS_PER_PIXEL}px`;
    element.style.top = `${c.top / TWIPS_PER_PIXEL}px`;
    element.style.width = `${c.width / TWIPS_PER_PIXEL}px`;
    element.style.height = `${c.height / TWIPS_PER_PIXEL}px`;
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

  function createBoard() {
    board = svgElement('svg', {
      id: 'board', role: 'img',
      viewBox: `0 0 ${layout.window.clientWidth} ${layout.window.clientHeight}`,
    });
    for (const c of layout.controls) {
      if (c.kind === 'Label') {
        board.append(svgElement('rect', {x: c.left, y: c.top, width: c.width, height: c.height, fill: c.background}));
        const caption = svgElement('text', {
          x: c.left + c.width / 2, y: c.top, 'text-anchor': 'middle', 'dominant-baseline': 'text-before-edge',
          fill: '#000',
        });
        caption.textContent = c.text;
        board.append(caption);
      } else if (c.kind === 'Shape') {
        templateCell = svgElement('g', {});  // the template lies at its own place in the stacking order
        board.append(templateCell);
      }
    }
    cellGroup = svgElement('g', {});
    markGroup = svgElement('g', {fill: 'none', stroke: STEP_MARK});
    board.append(cellGroup, markGroup);
    return board;
  }

  // The outline of a cell as path data; a circle is two half arcs.
  function cellPath(cell) {
    if (cell.shape === CIRCLE) {
      const rx = cell.width / 2;
      const ry = cell.height / 2;
      return `M${cell.left} ${cell.top + ry}a${rx} ${ry} 0 1 0 ${cell.width} 0a${rx} ${ry} 0 1 0 ${-cell.width} 0z`;
    }
    return `M${cell.left} ${cell.top}h${cell.width}v${cell.height}h${-cell.width}z`;
  }

  // A frame inside the cell's square, a fifth of the cell thick, so that it never covers a neighbour.
  function markPath(cell, thickness) {
    return `M${cell.left + thickness / 2} ${cell.top + thickness / 2}h${cell.width - thickness}` +
           `v${cell.height - thickness}h${thickness - cell.width}z`;
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

  // The loaded cells from the core, template first.
  function readCells() {
    const count = core._tessalo_cell_count();
    const base = core._tessalo_cells() / 4;
    const ints = core.HEAP32;
    const floats = core.HEAPF32;
    const cells = [];
    for (let i = 0, at = base; i < count; ++i, at += 9) {
      cells.push({
        index: ints[at], left: floats[at + 1], top: floats[at + 2], width: floats[at + 3], height: floats[at + 4],
        colour: ints[at + 5], shape: ints[at + 6], visible: ints[at + 7] === 1, added: ints[at + 8] === 1,
      });
    }
    return cells;
  }

  const CELL_OUTLINE = {stroke: '#000', 'stroke-width': 1, 'vector-effect': 'non-scaling-stroke'};

  function drawBoard() {
    const template = new Map();
    const loaded = new Map();
    const marks = new Map();
    const add = (paths, key, data) => paths.set(key, (paths.get(key) || '') + data);
    for (const cell of readCells()) {
      if (cell.visible) {
        const colour = `#${cell.colour.toString(16).padStart(6, '0')}`;
        add(cell.index === 0 ? template : loaded, colour, cellPath(cell));
      }
      if (cell.added) {
        const thickness = Math.min(cell.width, cell.height) / 5;
        add(marks, String(thickness), markPath(cell, thickness));
      }
    }
    showPaths(templateCell, template, 'fill', CELL_OUTLINE);
    showPaths(cellGroup, loaded, 'fill', CELL_OUTLINE);
    showPaths(markGroup, marks, 'stroke-width', {});
  }

  // --- the controls, in the layout's stacking order ---

  function createButton(c) {
    const button = place(document.createElement('button'), c);
    button.type = 'button';
    button.textContent = c.text;
    button.addEventListener('click', () => run(c.index === 1 ? () => core._tessalo_show() : () => core._tessalo_clear()));
    buttons[c.index] = button;
    return button;
  }

  function createFrame(c) {
    frame = place(document.createElement('div'), c);
    frame.className = 'frame';
    frame.setAttribute('role', 'radiogroup');
    const title = document.createElement('span');
    title.className = 'title';
    title.id = 'frame-title';
    title.textContent = c.text;
    frame.setAttribute('aria-labelledby', title.id);
    frame.append(title);
    return frame;
  }

  function createOption(c) {
    const option = document.createElement('label');
    option.className = 'option';
    for (const [key, value] of [['left', c.left], ['top', c.top], ['width', c.width], ['height', c.height]])
      option.style[key] = `${value / TWIPS_PER_PIXEL}px`;
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
    caption.textContent = c.text;
    option.append(input, caption);
    options[c.index] = input;
    frame.append(option);  // inside the frame, placed relative to it
  }

  function createList(c) {
    list = place(document.createElement('div'), c);
    list.setAttribute('role', 'listbox');
    list.setAttribute('aria-label', control('Label1', 1).text);
    layout.listItems.forEach((text, position) => {
      const item = document.createElement('div');
      item.setAttribute('role', 'option');
      item.id = `List1-item-${position}`;
      item.setAttribute('aria-selected', 'false');
      item.textContent = text;
      item.addEventListener('mousedown', event => {
        event.preventDefault();  // keep the focus where it goes below, without a text selection
        list.focus();
        chooseN(position + 1);
      });
      list.append(item);
    });
    list.addEventListener('keydown', event => {
      const count = layout.listItems.length;
      const n = core ? core._tessalo_n() : 0;
      const moves = {ArrowDown: Math.min(n + 1, count), ArrowUp: Math.max(n - 1, 1), Home: 1, End: count};
      if (!(event.key in moves) || event.altKey || event.ctrlKey || event.metaKey)
        return;
      event.preventDefault();
      chooseN(moves[event.key]);
    });
    return list;
  }

  function createTextBox(c) {
    const textBox = place(document.createElement('textarea'), c);
    textBox.readOnly = true;
    textBox.spellcheck = false;
    textBox.setAttribute('aria-label', TEXT_BOX_NAMES[c.index]);
    textBox.value = toDisplayText(c.text);
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

  // Choosing n has no handler of its own: the form only keeps the selection.
  function chooseN(n) {
    if (!core)
      return;
    core._tessalo_choose_n(n);
    showState();
  }

  // Runs one event; after Show, a step and Clear a screen reader hears the core's sentence.
  function run(event, speaks = true) {
    if (!core)
      return;
    const error = event();
    if (error !== 0) {
      window.alert(`${layout.window.caption}\n\n${core.UTF8ToString(core._tessalo_error())}`);
      core._tessalo_load();
    }
    showState();
    if (speaks)
      speak(core.UTF8ToString(core._tessalo_spoken()));
  }

  function speak(sentence) {
    // a new node, so that the same sentence twice is spoken twice
    const node = document.createElement('span');
    node.textContent = sentence;
    spoken.replaceChildren(node);
  }

  let shownText = null;

  function showState() {
    const text = core.UTF8ToString(core._tessalo_proof_text());
    if (text !== shownText) {
      textBoxes[0].value = toDisplayText(text);
      board.setAttribute('aria-label', lastLine(text));
      shownText = text;
    }
    const n = core._tessalo_n();
    list.querySelectorAll('[role="option"]').forEach((item, position) => {
      item.setAttribute('aria-selected', String(position + 1 === n));
    });
    if (n > 0) {
      const item = list.children[n - 1];
      list.setAttribute('aria-activedescendant', item.id);
      const top = item.offsetTop - list.clientTop;
      if (top < list.scrollTop)
        list.scrollTop = top;
      else if (top + item.offsetHeight > list.scrollTop + list.clientHeight)
        list.scrollTop = top + item.offsetHeight - list.clientHeight;
    } else {
      list.removeAttribute('aria-activedescendant');
    }
    const kind = core._tessalo_kind();
    options.forEach((input, index) => { input.checked = index === kind; });
    drawBoard();
  }

  // PageDown and PageUp step n, wherever the focus is: what presenter remotes send.
  document.addEventListener('keydown', event => {
    if ((event.key !== 'PageDown' && event.key !== 'PageUp') || event.altKey || event.ctrlKey || event.metaKey)
      return;
    event.preventDefault();
    run(() => core._tessalo_step(event.key === 'PageDown' ? 1 : -1));
  });

  // --- scale: the whole form, as large as the browser window allows ---

  function fit() {
    const scale = Math.min(window.innerWidth / formWidth, window.innerHeight / formHeight);
    const left = (window.innerWidth - formWidth * scale) / 2;
    const top = (window.innerHeight - formHeight * scale) / 2;
    form.style.transform = `translate(${left}px, ${top}px) scale(${scale})`;
    form.style.setProperty('--scale', String(scale));
  }

  function build() {
    document.title = layout.window.caption;
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
    board.setAttribute('aria-label', lastLine(control('Text1', 0).text));
    fit();
    window.addEventListener('resize', fit);
    // the page opens on the first tab stop, as the window does
    const first = [...form.querySelectorAll('[tabindex]')].sort((a, b) => a.tabIndex - b.tabIndex)[0];
    first.focus({preventScroll: true});
  }

  build();
  createTessaloCore().then(module => {
    core = module;
    core._tessalo_load();
    showState();
    self.tessaloCore = core;  // for the tests and benchmarks
    document.documentElement.dataset.ready = 'true';
  });

  if ('serviceWorker' in navigator && location.protocol !== 'file:')
    navigator.serviceWorker.register('sw.js');
})();

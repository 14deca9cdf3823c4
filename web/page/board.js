// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The board: the labels and the cells on one surface beneath every control, as
// the core lists them after each event, with the frames of a step and the rings
// of the argument's line.
import {layout, SVG} from './form.js';
import {ringedLine} from './argument.js';
import {buildUpHidden} from './build_up.js';
import {core} from './events.js';

export let board, boardContent;
let cellGroup, markGroup, ringGroup, templateCell;

export function svgElement(name, attributes) {
  const element = document.createElementNS(SVG, name);
  for (const [key, value] of Object.entries(attributes))
    element.setAttribute(key, value);
  return element;
}

export function createBoard() {
  board = svgElement('svg', {id: 'board', role: 'img'});
  boardContent = svgElement('g', {});
  board.append(boardContent);
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
  markGroup = svgElement('g', {fill: 'none', stroke: layout.stepMark});
  ringGroup = svgElement('g', {id: 'rings', fill: 'none'});
  boardContent.append(cellGroup, markGroup, ringGroup);
  return board;
}

// The outline of a cell's box as path data; a circle is two half arcs.
export function cellPath(cell) {
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

// An event has run: the cells are read again when next asked for.
export function forgetCells() {
  cellsRead = null;
}

export function readCells() {
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
export const ITEM = {label: 0, cell: 1, frame: 2, ring: 3};

// The `count` items the core has just listed (tessalo_picture, tessalo_step_picture).
export function readItems(count) {
  const base = core._tessalo_picture_items() / 4;
  const views = {i32: core.HEAP32, u32: core.HEAPU32, f32: core.HEAPF32};
  const fields = Object.entries(layout.item.fields).map(([name, [offset, type]]) => [name, offset / 4, views[type]]);
  const stride = layout.item.size / 4;
  const items = [];
  for (let i = 0, at = base; i < count; ++i, at += stride) {
    const item = {};
    for (const [name, offset, view] of fields)
      item[name] = view[at + offset];
    items.push(item);
  }
  return items;
}

// The cells a build-up has not drawn yet are left out.
export function readPicture(line) {
  return readItems(core._tessalo_picture(line)).filter(item => !(buildUpHidden && buildUpHidden.has(item.cell)));
}

const CELL_OUTLINE = {stroke: '#000', 'stroke-width': 1, 'vector-effect': 'non-scaling-stroke'};
export const hex = colour => `#${colour.toString(16).padStart(6, '0')}`;

export function drawBoard() {
  const template = new Map();
  const loaded = new Map();
  const frames = new Map();
  const add = (paths, key, data) => paths.set(key, (paths.get(key) || '') + data);
  const items = readPicture(ringedLine());
  for (const item of items) {
    if (item.kind === ITEM.cell)
      add(item.cell === 0 ? template : loaded, hex(item.fill), cellPath(item));
    else if (item.kind === ITEM.frame)
      add(frames, String(item.lineWidth), cellPath(item));
  }
  showPaths(templateCell, template, 'fill', CELL_OUTLINE);
  showPaths(cellGroup, loaded, 'fill', CELL_OUTLINE);
  showPaths(markGroup, frames, 'stroke-width', {});
  drawRings(items);
}

// The rings of the pointed or focused line of the argument, as the core places them;
// `items`, when given, is the picture already read with them.
export function drawRings(items = readPicture(ringedLine())) {
  const rings = items.filter(item => item.kind === ITEM.ring).map(ring =>
    svgElement('circle', {cx: ring.left + ring.width / 2, cy: ring.top + ring.height / 2, r: ring.width / 2,
                          stroke: hex(ring.line), 'stroke-width': ring.lineWidth, 'data-cell': ring.cell}));
  ringGroup.replaceChildren(...rings);
}

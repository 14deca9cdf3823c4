// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The page in headless Chromium, by mouse, touch and keyboard, against the core
// it runs: pictures read back from screenshots, the tab order, the spoken
// sentence, the layout on a desktop and on phones, the focus ring, forced
// colours, links to a picture, printing, taps before the core has loaded, a
// reload without the server, and the page in another language.
//   SITE=build/web/site node --test tests/web/
import {after, before, describe, test} from 'node:test';
import assert from 'node:assert/strict';
import {cp, mkdtemp, readdir, readFile, rm, utimes, writeFile} from 'node:fs/promises';
import {tmpdir} from 'node:os';
import {join} from 'node:path';
import * as web from './browser.mjs';

const SITE = process.env.SITE || 'build/web/site';
const STEP_MARK = [0x5a, 0x00, 0x28];
let site, browser;

before(async () => {
  site = await web.serve(SITE);
  browser = await web.launch();
});
after(async () => {
  await browser.close();
  await site.stop();
});

// A page for one test, closed after it.
async function withPage(device, body, url = site.url) {
  const page = await web.open(browser, url, device);
  try {
    await body(page);
  } finally {
    await page.context().close();
  }
}

// Every visible cell shows its colour at its centre; with marks, the frame's middle is the
// step mark's wine on the cells a step added and the cell's own colour elsewhere.
async function assertCellsDrawn(page, cells, {marks = false} = {}) {
  const points = [...cells.map(cell => cell.centre), ...(marks ? cells.map(cell => cell.frame) : [])];
  const seen = await web.coloursAt(page, points);
  const expected = [...cells.map(cell => web.rgb(cell.colour)),
                    ...(marks ? cells.map(cell => cell.added ? STEP_MARK : web.rgb(cell.colour)) : [])];
  seen.forEach((got, i) => assert.ok(got.every((c, k) => Math.abs(c - expected[i][k]) <= 12),
                                     `${got} at ${points[i]}, not ${expected[i]}`));
}

// Scrolls the list with the wheel until item n shows whole, then clicks it.
async function chooseNByMouse(page, n) {
  for (let i = 0; i < 40; ++i) {
    const where = await page.evaluate(n => {
      const list = document.getElementById('List1-0').getBoundingClientRect();
      const item = document.getElementById(`List1-item-${n - 1}`).getBoundingClientRect();
      return item.top < list.top ? -1 : item.bottom > list.bottom ? 1 : 0;
    }, n);
    if (where === 0)
      break;
    await page.mouse.move(...await web.centre(page, 'List1-0'));
    await page.mouse.wheel(0, 40 * where);
    await page.evaluate(() => new Promise(r => requestAnimationFrame(() => requestAnimationFrame(r))));
  }
  await web.click(page, `List1-item-${n - 1}`);
}

const spoken = page => page.evaluate(() => document.getElementById('spoken').textContent);
const focused = page => page.evaluate(() => document.activeElement.id);
const address = page => web.idle(page).then(() => page.evaluate(() => location.hash));

function contrast(a, b) {  // WCAG contrast ratio of two sRGB colours
  const luminance = colour => {
    const [r, g, b] = colour.map(c => c / 255 <= 0.04045 ? c / 255 / 12.92 : ((c / 255 + 0.055) / 1.055) ** 2.4);
    return 0.2126 * r + 0.7152 * g + 0.0722 * b;
  };
  const [light, dark] = [luminance(a), luminance(b)].sort((x, y) => y - x);
  return (light + 0.05) / (dark + 0.05);
}

describe('pictures', () => {
  test('by mouse on a desktop: every identity at n = 1, 5, 11', () => withPage(web.DEVICES.desktop, async page => {
    for (let kind = 0; kind < 6; ++kind) {
      for (const n of [1, 5, 11]) {
        await web.click(page, `Option1-${kind}`);
        await chooseNByMouse(page, n);
        await web.click(page, 'Command1-1');
        assert.deepEqual(await web.state(page), [kind, n]);
        const cells = await web.cells(page);
        assert.ok(cells.length >= n);
        await assertCellsDrawn(page, cells);
      }
    }
  }));

  // On a projector the argument's and the buttons' letters grow with the form.
  for (const [name, device] of [['a desktop window', web.DEVICES.desktop], ['a projector', web.DEVICES.projector]]) {
    test(`the form fills ${name} keeping its proportions`, () => withPage(device, async page => {
      const {width, height} = device.viewport;
      const box = await web.box(page, 'form');
      assert.ok(Math.abs(box.width / box.height - 8190 / 6930) < 1e-3);
      assert.ok(box.left >= -0.5 && box.top >= -0.5 && box.right <= width + 0.5 && box.bottom <= height + 0.5);
      assert.ok(Math.abs(box.width - width) < 1 || Math.abs(box.height - height) < 1);
      await page.keyboard.press('F2');
      assert.deepEqual(await page.evaluate(() => ['argument', 'copy'].map(id =>
        parseFloat(getComputedStyle(document.getElementById(id)).fontSize))), [16, 16].map(px => px * height / 1080));
    }));
  }

  // A phone or a tablet held upright: every control whole in view once scrolled to, at least 44 px
  // and its letters 16, nothing sideways; taps draw each identity's largest picture,
  // and turning it keeps the picture and the choice.
  for (const [name, device] of [['a phone upright, 360 × 640', web.DEVICES.phone],
                                ['a phone upright, 320 × 568', web.DEVICES.smallPhone],
                                ['a tablet upright, 768 × 1024', web.DEVICES.tablet]]) {
    test(`by touch on ${name}`, () => withPage(device, async page => {
      const {width} = device.viewport;
      const targets = await page.evaluate(() => [...document.querySelectorAll(
        '#form button, #form .option, #form option, #tools button')].filter(e => e.getClientRects().length)
        .map(e => e.id || e.querySelector('input').id));
      assert.equal(targets.length, 2 + 6 + 11 + 18);  // the page's own buttons, the steps among them
      for (const id of targets) {
        const target = id.startsWith('Option1-') ? `label:has(#${id})` : `#${id}`;
        await page.locator(target).scrollIntoViewIfNeeded();
        const box = await page.locator(target).boundingBox();
        const size = await page.locator(target).evaluate(e => parseFloat(getComputedStyle(e).fontSize));
        assert.ok(box.width >= 44 && box.height >= 44, `${id}: ${box.width} × ${box.height}`);
        assert.ok(box.x >= 0 && box.x + box.width <= width, `${id} cut off at ${box.x}`);
        assert.ok(size >= 16, `${id}: ${size} px letters`);
        // a name holds the words the button shows, for a pupil who says them to voice control
        const [shown, name] = await page.locator(target).evaluate(e => [[...e.childNodes]
          .filter(node => !(node.nodeType === 1 && node.getAttribute('aria-hidden'))).map(node => node.textContent)
          .join('').trim(), e.getAttribute('aria-label')]);
        const asWords = new RegExp(`(^|[^\\p{L}])${shown.replace(/[.*+?^${}()|[\]\\]/g, '\\$&')}($|[^\\p{L}])`, 'iu');
        assert.ok(name === null || !/[\p{L}\p{N}]/u.test(shown) || asWords.test(name), `${id}: "${shown}" in "${name}"`);
      }
      assert.ok(await page.evaluate(() => document.documentElement.scrollWidth <= document.documentElement.clientWidth));
      // the text boxes show their whole text: the method the page opens with, and the quotation
      assert.deepEqual(await page.evaluate(() => ['Text1-0', 'Text1-1'].filter(id => {
        const box = document.getElementById(id);
        return box.scrollHeight > box.clientHeight;
      })), []);
      for (let kind = 0; kind < 6; ++kind) {
        await web.tap(page, `Option1-${kind}`);
        await web.tap(page, 'List1-item-10');
        await web.tap(page, 'Command1-1');
        assert.deepEqual(await web.state(page), [kind, 11]);
        await page.evaluate(() => scrollTo(0, 0));
        await assertCellsDrawn(page, await web.cells(page));
      }
      await page.setViewportSize({width: device.viewport.height, height: width});
      assert.deepEqual(await web.state(page), [5, 11]);
      await page.evaluate(() => scrollTo(0, 0));
      await assertCellsDrawn(page, await web.cells(page));
    }));
  }
});

describe('keyboard', () => {
  test('the tab order takes the chosen radio button as one stop', () => withPage(web.DEVICES.desktop, async page => {
    const rows = {
      0: ['Text1-1', 'List1-0', 'Command1-0', 'Option1-0', 'Command1-1'],
      3: ['Text1-1', 'List1-0', 'Command1-0', 'Option1-3', 'Command1-1'],
      4: ['Text1-1', 'List1-0', 'Command1-0', 'Command1-1', 'Option1-4'],
      5: ['Text1-1', 'List1-0', 'Command1-0', 'Command1-1', 'Option1-5'],
    };
    for (const [kind, order] of Object.entries(rows)) {
      await web.click(page, `Option1-${kind}`);
      await web.click(page, 'Text1-0');
      const seen = [];
      for (const _ of order) {
        await page.keyboard.press('Tab');
        seen.push(await focused(page));
      }
      assert.deepEqual(seen, order, `kind ${kind}`);
    }
    // in the page's order for Tab, they still lie as the layout stacks them where they overlap:
    // the list over the board's caption of n, the proof over the quotation
    const onTop = await page.evaluate(() => [['List1-0', 'board'], ['Text1-0', 'Text1-1']].map(pair => {
      const [a, b] = pair.map(id => document.getElementById(id).getBoundingClientRect());
      const x = (Math.max(a.left, b.left) + Math.min(a.right, b.right)) / 2;
      return document.elementFromPoint(x, a.top + 0.5).id;
    }));
    assert.deepEqual(onTop, ['List1-0', 'Text1-0']);
  }));

  test('the keyboard alone shows, steps and clears', () => withPage(web.DEVICES.desktop, async page => {
    const press = key => page.keyboard.press(key);
    const entries = await page.evaluate(() => history.length);
    assert.equal(await focused(page), 'Text1-0');  // the page opens on the first stop
    await press('Tab'); await press('Tab');
    for (let i = 0; i < 3; ++i)
      await press('ArrowDown');  // from no choice: 1, 2, 3
    await press('Tab'); await press('Tab');
    assert.equal(await focused(page), 'Option1-0');
    await press('ArrowDown'); await press('ArrowDown'); await press('ArrowUp');
    assert.equal(await focused(page), 'Option1-1');
    await press('ArrowUp');
    await press('Tab');
    assert.equal(await focused(page), 'Command1-1');
    await press('Enter');
    assert.deepEqual(await web.state(page), [0, 3]);
    assert.match(await spoken(page), /n е 3/);
    assert.equal((await web.cells(page)).length, 6);
    assert.equal(await address(page), '#kind=1&n=3');
    // another identity chosen: what it changes, after the button's own words
    await press('Shift+Tab'); await press('ArrowDown');
    assert.match(await page.evaluate(() => document.getElementById('spoken-later').textContent), /^Изведи ще начертае /);
    await press('ArrowUp'); await press('Tab');

    await press('F2');  // the argument, shown before the step, follows it
    assert.equal(await focused(page), 'argument-lines');  // the keyboard where a screen reader goes
    await press('PageDown');
    // the picture shown, the step says only its news; F9 says it whole
    assert.equal(await spoken(page), 'Стъпката добави 4 кръга. n е 4, общо 10.');
    await press('F9');
    assert.equal(await spoken(page), 'Стъпката добави 4 кръга. Сума на първите естествени числа, n е 4, ' +
                                     'стълба от кръгове в 4 реда, 6 плюс 4 прави 10, колкото е 4 по 5 върху 2.');
    assert.deepEqual(await page.evaluate(() => {
      const c = tessaloCore;
      return [c._tessalo_explore_row_count(), c.UTF8ToString(c._tessalo_explore_row_words(3)),
              c.UTF8ToString(c._tessalo_explore_cell_words(3, 1)), c._tessalo_explore_cell_index(3, 1)];
    }), [4, 'ред 4, 4 кръга, колони 1 до 4, 4 нови', 'ред 4, кръг 2 от 4, колона 2, нов', 7]);
    const cells = await web.cells(page);
    assert.equal(cells.filter(cell => cell.added).length, 4);
    await assertCellsDrawn(page, cells, {marks: true});
    // a circle's frame is round, as the window draws it: the corner of its box stays unframed
    (await web.coloursAt(page, cells.filter(cell => cell.added).map(cell => cell.corner))).forEach(seen =>
      assert.ok(seen.some((c, k) => Math.abs(c - STEP_MARK[k]) > 40), `${seen}: a square frame on a circle`));
    assert.equal(await page.evaluate(() => document.querySelector('#List1-0 option:checked').id), 'List1-item-3');
    assert.equal(await address(page), '#kind=1&n=4&step');
    // the panel's lines are the core's; on the step's line the step's rings lie on exactly the added cells
    const argument = await page.evaluate(() => ({
      lines: [...document.querySelectorAll('#argument-lines li')].map(item => item.textContent),
      plain: tessaloCore.UTF8ToString(tessaloCore._tessalo_argument_plain()),
      step: [...Array(tessaloCore._tessalo_argument_count()).keys()].find(i => tessaloCore._tessalo_argument_role(i) === 3),
    }));
    assert.equal(argument.lines.map(line => `${line}\n`).join(''), argument.plain);
    await page.focus('#argument-lines');
    for (let i = 0; i < argument.step; ++i)
      await press('ArrowDown');
    const rings = await page.evaluate(() => [...document.querySelectorAll('#rings circle')].map(ring => {
      const matrix = ring.getScreenCTM();
      const at = (x, y) => { const p = new DOMPoint(x, y).matrixTransform(matrix); return [p.x, p.y]; };
      const [x, y, r] = ['cx', 'cy', 'r'].map(name => ring[name].baseVal.value);
      return {centre: at(x, y), edge: at(x + r, y)};
    }));
    const near = (a, b) => Math.hypot(a[0] - b[0], a[1] - b[1]) < 1;
    assert.deepEqual(cells.filter(cell => rings.some(ring => near(ring.centre, cell.centre))).map(cell => cell.index),
                     cells.filter(cell => cell.added).map(cell => cell.index));
    assert.equal(rings.length, 4);
    (await web.coloursAt(page, rings.map(ring => ring.edge))).forEach(seen =>
      assert.ok(seen.every((c, k) => Math.abs(c - STEP_MARK[k]) <= 40), `${seen} on a ring`));
    // the line pointed at is the line highlighted; line by line, Space in the lines or the
    // button shows the next line, said as it comes
    await page.hover('#argument-line-3');
    assert.equal(await page.evaluate(() => document.querySelector('#argument-lines .current').id),
                 'argument-line-3');
    const shownLines = () => page.evaluate(() => document.querySelectorAll('#argument-lines li').length);
    await press('F4');
    assert.equal(await shownLines(), 5);
    await page.focus('#argument-lines');
    await press('Space');
    await page.click('#next-line');
    assert.equal(await shownLines(), 7);
    assert.equal(await spoken(page), await page.evaluate(() =>
      document.querySelector('#argument-lines li:last-child').getAttribute('aria-label')));
    await press('F4');
    assert.equal(await shownLines(), argument.lines.length);
    await page.focus('#Command1-1');
    assert.equal(await page.evaluate(() => document.querySelectorAll('#rings circle').length), 0);

    await press('PageUp');
    assert.equal((await web.state(page))[1], 3);
    assert.ok(!(await web.cells(page)).some(cell => cell.added));

    // predicting, the step to 4 waits for the guess: its cells and the new proof text stay away
    const proofText = () => page.evaluate(() => document.querySelector('#Text1-0 > [aria-hidden]').textContent);
    const before = await proofText();
    await press('F3');
    await press('PageDown');
    assert.equal(await focused(page), 'guess');
    // the box named by the question, which braille keeps; no line selected to draw a screen reader away
    assert.deepEqual(await page.evaluate(() => [document.getElementById('guess').getAttribute('aria-label'),
                                               document.querySelectorAll('#argument-lines [aria-selected=true]').length]),
                     ['n е 4. Колко кръга ще добави стъпката? Напишете броя и натиснете Enter.', 0]);
    assert.equal((await web.cells(page)).length, 6);
    assert.equal(await proofText(), before);
    assert.match(await spoken(page), /Колко кръга ще добави стъпката/);
    await page.focus('#guess');
    const added = cells.filter(cell => cell.added);
    (await web.coloursAt(page, added.map(cell => cell.centre))).forEach((seen, i) =>
      assert.ok(seen.some((c, k) => Math.abs(c - web.rgb(added[i].colour)[k]) > 12), `${seen}: a held cell drawn`));
    await page.keyboard.type('3');
    await press('Enter');
    assert.equal(await page.evaluate(() => document.getElementById('verdict').textContent),
                 'Не: стъпката добави 4 кръга, а не 3.');
    // said where the keyboard comes, on the step's line, before the line: nothing on a page cuts
    // short what a screen reader says, and the lines would come first
    assert.match(await page.evaluate(() => document.querySelector('#argument-lines [aria-selected=true]')
      .getAttribute('aria-label')), /^Не, стъпката добави 4 кръга, а не 3\. n е 4, общо 10\. Стъпката добавя /);
    assert.notEqual(await proofText(), before);
    await press('Escape');  // the rest of the build-up at once
    await assertCellsDrawn(page, await web.cells(page), {marks: true});
    await press('F3');
    await press('PageUp');
    await page.focus('#Command1-1');

    await press('Shift+Tab'); await press('Shift+Tab');
    assert.equal(await focused(page), 'Command1-0');
    await press(' ');
    assert.deepEqual(await web.cells(page), []);
    assert.equal(await page.evaluate(() => document.querySelectorAll('#List1-0 option:checked').length), 0);
    assert.notEqual(await spoken(page), '');
    assert.equal(await address(page), '');
    assert.equal(await page.evaluate(() => history.length), entries);  // the address followed without new entries
  }));

  // Ctrl+E puts the keyboard on the board: the arrows move a cursor along the picture's rows and
  // each move says the cell, as in the window, the cell in the rows' list taking the keyboard
  // named by its words; F9 says it again, D is the core's; a step keeps the keyboard on a cell;
  // the board's name is its shape in words, the captions have no dash; the rows are a list for a swipe.
  test('exploring the picture by keyboard', () => withPage(web.DEVICES.desktop, async page => {
    const said = [];
    for (const key of ['Control+E', 'ArrowDown', 'ArrowRight', 'F9', 'ArrowUp', 'd']) {
      await page.evaluate(() => document.querySelector('#spoken span')?.setAttribute('data-old', ''));
      await page.keyboard.press(key);
      said.push(await page.evaluate(() => document.querySelector('#spoken span:not([data-old])')?.textContent ??
                                          document.querySelector('#explore-rows :focus')?.getAttribute('aria-label')));
    }
    assert.deepEqual(said, ['ред 1, 1 квадрат, колона 1. Квадрат 1 от 1, колона 1, кафяв',
                            'ред 2, 2 квадрата, колони 1 и 2. Квадрат 1 от 2, колона 1, син',
                            'ред 2, квадрат 2 от 2, колона 2, кафяв', 'ред 2, квадрат 2 от 2, колона 2, кафяв',
                            'ред 1, 1 квадрат, колона 1. Квадрат 1 от 1, колона 1, кафяв',
                            'Картината няма диагонали. ред 1, 1 квадрат, колона 1. Квадрат 1 от 1, колона 1, кафяв']);
    // the picture and its cells' list named by its shape, which a reader says on the way in
    assert.deepEqual(await page.evaluate(() => ['#board', '#explore-rows'].map(id =>
      document.querySelector(id).getAttribute('aria-label'))),
                     Array(2).fill('Стълба от 2 реда, подравнена вляво, с 1, 2 квадрата. Общ брой, 3'));
    assert.deepEqual(await page.evaluate(() => [document.querySelector('#Frame1-0').getAttribute('aria-label'),
                                               document.querySelector('#page-title').textContent, document.title]),
                     ['Индукция, нагледно', ...Array(2).fill('Математика, индукция, прогресии, суми')]);
    // the text boxes read in words, a line for each line shown
    for (const id of ['Text1-0', 'Text1-1']) {
      const [shown, words] = await page.evaluate(id => [...document.getElementById(id).children].map(part =>
        [...part.children].map(line => line.textContent).join('\n') || part.textContent), id);
      assert.doesNotMatch(words, /[()*\/:^²·−…+=]/u);
      assert.equal(words.split('\n').length, shown.trim().split('\n').length, words);
    }
    // and the identities' group: every name and text a reader finds in it in words
    const group = (await page.locator('#Frame1-0').ariaSnapshot()).match(/"[^"]*"|text: .*/gu);
    const sums = await page.$$eval('#Frame1-0 input', inputs => inputs.map(input => input.getAttribute('aria-description')));
    assert.deepEqual([group[4], sums[3]], ['"Сума на първите нечетни числа"',
                                           '1 плюс 3 плюс 5 плюс и така нататък плюс скоба, 2 n минус 1, затваряме скобата, равно на n по n']);
    assert.doesNotMatch([...group, ...sums].join('\n'), /[()*\/:^²·−…+=-]/u);  // nor a dash, read «тире»
    assert.equal(await page.evaluate(() => document.querySelectorAll('#explore-cursor').length), 1);
    for (const key of ['ArrowDown', 'PageDown'])
      await page.keyboard.press(key);
    await web.idle(page);
    await page.keyboard.press('ArrowDown');
    assert.deepEqual(await page.evaluate(() => [document.querySelector('#explore-rows :focus')?.getAttribute('aria-label'),
                                               document.querySelectorAll('#explore-cursor').length]),
                     ['ред 3, 3 квадрата, колони 1 до 3, 3 нови. Квадрат 1 от 3, колона 1, син, нов', 1]);
    await page.keyboard.press('PageUp');
    await web.idle(page);
    // one list, each row's words before its cells
    assert.deepEqual(await page.evaluate(() => [...document.querySelectorAll('#explore-rows > li')].reduce((rows, item) =>
      (item.dataset.index === undefined ? rows.push(0) : ++rows[rows.length - 1], rows), [])), [1, 2]);
  }, `${site.url}#kind=2&n=2`));

  // With the argument off a waiting step still takes the guess: the argument comes beside the
  // form with its box, and typing 7 goes there, not to the list of n.
  test('predicting with the argument off takes the guess', () => withPage(web.DEVICES.desktop, async page => {
    await page.keyboard.press('F3');
    await page.keyboard.press('PageDown');
    assert.equal(await focused(page), 'guess');
    await page.keyboard.type('7');
    assert.deepEqual(await web.state(page), [3, 4]);
    await page.keyboard.press('Enter');
    assert.match(await page.evaluate(() => document.getElementById('verdict').textContent), /7/);
  }, `${site.url}#kind=4&n=3`));

  // the shown identity's first false claim as the dialog opens, then what the class types
  test('where does the proof break: a false claim and the class\'s own', () => withPage(web.DEVICES.desktop, async page => {
    await page.goto(`${site.url}#kind=4&n=3`);
    await web.ready(page);
    await page.locator('#broken').click();
    const shown = () => web.idle(page).then(() => page.evaluate(() => ({
      proof: document.querySelector('#claim-proof > [aria-hidden]').textContent.replaceAll('\u00a0', ' '),
      words: document.querySelector('#claim-proof > .words').textContent,
      frames: document.querySelectorAll('#claim-picture path[fill="none"]').length,
      said: document.querySelector('#claims > .spoken').textContent,  // the page around is out of reach
      typed: document.getElementById('claim-typed').getAttribute('aria-description')})));
    const first = await shown();
    // the page's region emptied as the dialog hides it, which a reader would say again as it closes
    assert.equal(await page.evaluate(() => document.getElementById('spoken').textContent), '');
    assert.ok(first.proof.includes('1 + 3 + … + (2n − 1) = 3n − 2') && first.proof.includes('чупи в стъпката') &&
              first.frames > 0 && first.said.includes("чупи в стъпката") && !/[()=≠]/.test(first.words) &&
              /^3.*минус 2$/.test(first.typed), JSON.stringify(first));
    await page.locator('#claim-typed').fill('n^');
    await page.keyboard.press('Enter');
    const wrong = await shown();
    assert.ok(wrong.proof.startsWith('Колона 3') && wrong.frames === 0 && wrong.said.startsWith("Колона 3"), JSON.stringify(wrong));
  }));

  test('Show without n says so', () => withPage(web.DEVICES.desktop, async page => {
    await web.click(page, 'Command1-1');
    assert.match(await spoken(page), /n/);
    assert.deepEqual(await web.cells(page), []);
  }));

  test('F1 lists the keys and Ctrl+B builds the picture up', () => withPage(web.DEVICES.desktop, async page => {
    await page.keyboard.press('F1');
    assert.ok(await page.evaluate(() => document.getElementById('keys').open));
    assert.match(await page.locator('#keys').innerText(), /PageDown[\s\S]*Ctrl\+B/);
    // each cell read in words: «Ctrl и B», «SVG, PNG с бутона»
    await web.idle(page);
    const unheard = await page.evaluate(() => [...document.querySelectorAll('#keys td, #keys th')]
      .map(cell => [cell.firstChild.textContent, cell.lastChild.textContent]).filter(([shown, words]) => shown && (!words || /[()%:;\/—+-]/.test(words))));
    assert.deepEqual(unheard, []);
    // opened above the list, which a screen reader then reads on down, not on the button below it
    assert.ok(await page.evaluate(() => document.activeElement.compareDocumentPosition(
      document.querySelector('#keys table')) & Node.DOCUMENT_POSITION_FOLLOWING));
    // every key the table of commands gives the page is listed, all of a command's on one row,
    // as the window's key list (tests/ui) lists every key of every command
    assert.deepEqual(await page.evaluate(() => {
      const names = tessaloTexts.bg.keys;
      const listed = [...document.querySelectorAll('#keys th')].map(cell => cell.firstChild.textContent.split(', '));
      return tessaloLayout.commands.filter(row => row.page)
        .filter(row => !listed.some(keys => row.keys.every(key => keys.includes(names[key]))))
        .map(row => row.command);
    }), []);
    await page.keyboard.press('Escape');
    assert.ok(!await page.evaluate(() => document.getElementById('keys').open));

    await page.keyboard.press('Control+B');
    assert.match(await spoken(page), /включено/);
    await web.click(page, 'Option1-0');
    await chooseNByMouse(page, 11);
    await web.click(page, 'Command1-1');
    const drawn = () => page.evaluate(() => document.querySelectorAll('#board path').length &&
      [...document.querySelectorAll('#board > g > g:not(.hatching) path')]
        .reduce((count, path) => count + (path.getAttribute('d').match(/M/g) || []).length, 0));
    const early = await drawn();
    assert.ok(early < 66, `${early} cells at once`);
    await page.keyboard.press('Shift');  // any key shows the rest
    assert.equal(await drawn(), 66);
  }));
});

describe('focus and colours', () => {
  // A ring outside the control's own border, at 3:1 against what lies beyond it, and at least
  // 2 CSS and 2 device pixels wide: on a phone, at 1366 wide, and on a desktop.
  const rows = [['phone', web.DEVICES.phone], ['1366 × 768', {viewport: {width: 1366, height: 768}}],
                ['1920 × 1080', web.DEVICES.desktop]];
  for (const [name, device] of rows) {
    test(`every tab stop shows a ring, ${name}`, () => withPage(device, async page => {
      const dpr = device.deviceScaleFactor || 1;
      const stops = ['Text1-0', 'Text1-1', 'List1-0', 'Command1-0', 'Option1-0', 'Command1-1'];
      for (const stop of stops) {
        if (stop !== stops[0])
          await page.keyboard.press('Tab');
        assert.equal(await focused(page), stop);
        const box = await page.evaluate(id => {
          let element = document.getElementById(id);
          if (element.type === 'radio')
            element = element.parentElement;
          element.scrollIntoView({block: 'start'});
          scrollBy(0, -20);
          const {left, top, right, bottom} = element.getBoundingClientRect();
          const view = document.documentElement;
          return {left, top, middleX: (left + Math.min(right, view.clientWidth)) / 2,
                  middleY: (top + Math.min(bottom, view.clientHeight)) / 2};
        }, stop);
        // device pixels 1 to 12 out from the left and the top edge
        const out = Array.from({length: 12}, (_, i) => (i + 0.5) / dpr);
        const seen = await web.coloursAt(page, [...out.map(d => [box.left - d, box.middleY]),
                                                ...out.map(d => [box.middleX, box.top - d])]);
        for (const edge of [seen.slice(0, 12), seen.slice(12)]) {
          const beyond = edge[11];
          const ring = edge.slice(0, 11).filter(colour => contrast(colour, beyond) >= 3).length;
          assert.ok(ring >= Math.max(2, 2 * dpr), `${stop}: a ring of ${ring} device pixels on ${edge}`);
        }
      }
    }));
  }

  // The audits of Lighthouse's accessibility score and axe's best practices, by axe itself:
  // names that hold the shown words, contrast, no positive tabindex, landmarks, on every layout
  // with the argument and a waiting guess showing.
  const axe = readFile(new URL('node_modules/axe-core/axe.min.js', import.meta.url), 'utf8');
  for (const device of ['desktop', 'phone', 'phoneSideways', 'tablet', 'projector']) {
    test(`axe finds nothing to mend, ${device}`, () => withPage(web.DEVICES[device], async page => {
      await page.keyboard.press('F2');
      await page.keyboard.press('F3');
      await page.keyboard.press('PageDown');
      await page.addScriptTag({content: await axe});
      const {violations} = await page.evaluate(() => self.axe.run(document));
      assert.deepEqual(violations.map(v => `${v.id}: ${v.nodes.map(n => n.target).join(' ')}`), []);
    }, `${site.url}#kind=4&n=5`));
  }

  test('forced colours keep the chosen n and identity visible', () => withPage(web.DEVICES.desktop, async page => {
    await page.emulateMedia({forcedColors: 'active'});
    await web.click(page, 'Option1-2');
    await chooseNByMouse(page, 5);
    await web.click(page, 'Text1-0');
    const at = async id => {
      const b = await web.box(page, id);
      return [b.left + b.width * 0.75, b.top + b.height / 2];
    };
    const [chosenN, otherN, chosenKind, otherKind] = await web.coloursAt(page, [
      await at('List1-item-4'), await at('List1-item-3'),
      ...await page.evaluate(() => [2, 3].map(i => {
        const b = document.getElementById(`Option1-${i}`).parentElement.getBoundingClientRect();
        return [b.right - 4, b.top + b.height / 2];
      }))]);
    assert.ok(contrast(chosenN, otherN) >= 3, `${chosenN} against ${otherN}`);
    assert.ok(contrast(chosenKind, otherKind) >= 3, `${chosenKind} against ${otherKind}`);
  }));
});

describe('links, printing, loading', () => {
  // kind 1 to 11 (7 to 11 beside the form's six, the progression with its a and d) and n 1 to 11; a bad or
  // missing value is ignored (the page opens on the first identity);
  // lang=en in English. The language's switch keeps the picture and its frames, puts the proof, the
  // argument and the address in the other language, and back again byte for byte.
  const proofIn = {
    bg: 'Доказвам: 1+3+5+...+(2n-1)=n*n\r\nОбщ брой: 5*5 = 25\r\n1 + 3 + 5 + 7 + 9 = 5*5 = 25\r\n',
    en: 'To prove: 1+3+5+...+(2n-1)=n*n\r\nTotal: 5*5 = 25\r\n1 + 3 + 5 + 7 + 9 = 5*5 = 25\r\n',
  };
  const rows = [['#kind=6&n=4', [5, 4], true, false], ['#kind=4&n=5&step', [3, 5], true, true, proofIn],
                ['#kind=12&n=4', [0, 4], false, false], ['#kind=2&n=0', [1, 0], false, false],
                ['#kind=7&n=5&step', [0, 5], true, true], ['#kind=8&a=2&d=3&n=3', [0, 3], true, false],
                ['#kind=x&n=', [0, 0], false, false], ['#lang=en&kind=4&n=5&step', [3, 5], true, true, proofIn],
                ['#kind=1&n=1', [0, 1], true, false]];
  const seen = page => web.idle(page).then(() => page.evaluate(() => ({
    language: document.documentElement.lang, hash: location.hash,
    proof: tessaloCore.UTF8ToString(tessaloCore._tessalo_proof_text()), shown: document.querySelector('#Text1-0 > [aria-hidden]').textContent.replace(/\n\n$/, '\n'),
    argument: tessaloCore.UTF8ToString(tessaloCore._tessalo_argument_plain()),
    panel: [...document.querySelectorAll('#argument-lines li')].map(item => `${item.textContent}\n`).join(''),
  })));
  const cyrillic = text => /[\u0400-\u04ff]/.test(text);
  test('an address opens its picture', async () => {
    for (const [hash, state, shown, step, proof] of rows) {
      await withPage(web.DEVICES.desktop, async page => {
        assert.deepEqual(await web.state(page), state, hash);
        const cells = await web.cells(page);
        assert.equal(cells.length > 0, shown, hash);
        assert.equal(cells.some(cell => cell.added), step, hash);
        if (cells.length)
          await assertCellsDrawn(page, cells, {marks: step});
        const before = await seen(page);
        if (shown)
          assert.equal(before.hash, hash, 'a copied address opens the same picture');
        await web.click(page, 'language');
        const other = await seen(page);
        assert.deepEqual(await web.cells(page), cells, hash);
        assert.notEqual(other.language, before.language, hash);
        assert.equal(other.hash.includes('lang=en'), other.language === 'en', hash);
        assert.equal(other.shown, other.proof.replaceAll('\r\n', '\n'), hash);
        assert.equal(other.panel, other.argument, hash);
        assert.equal(cyrillic(other.proof + other.argument), other.language === 'bg', hash);
        if (proof)
          assert.deepEqual([before.proof, other.proof], [proof[before.language], proof[other.language]], hash);
        await web.click(page, 'language');
        assert.deepEqual(await seen(page), before, hash);
        assert.deepEqual(await web.cells(page), cells, hash);
        // another n chosen and not shown: the address still names the picture on the board
        await web.click(page, `List1-item-${state[1] % 11}`);
        assert.equal((await seen(page)).hash, before.hash, hash);
      }, site.url + hash);
    }
  });

  // Written once the browser is idle, off the path of the frame that shows the picture:
  // once for however many pictures came before.
  test('the address is written once, after the pictures', () => withPage(web.DEVICES.desktop, async page => {
    const writes = await page.evaluate(() => {
      let count = 0;
      const replace = history.replaceState.bind(history);
      history.replaceState = (...values) => { ++count; replace(...values); };
      for (const kind of [1, 2]) {
        document.getElementById(`Option1-${kind}`).click();
        document.getElementById('Command1-1').click();
      }
      const during = count;
      return new Promise(resolve => requestIdleCallback(() => resolve([during, count, location.hash]), {timeout: 1000}));
    });
    assert.deepEqual(writes, [0, 1, '#kind=3&n=3']);
  }, `${site.url}#kind=1&n=3`));

  // The method text the page opens with is longer than its box shows.
  // Where the browser blocks site data, or its storage is full, the page still draws, switches
  // its language and keeps its address true; it only remembers nothing.
  for (const [name, blocked] of [['blocked', true], ['full', false]]) {
    test(`storage ${name}`, async () => {
      const context = await browser.newContext(web.DEVICES.desktop);
      await context.addInitScript(blocked => {
        const refuse = () => { throw new DOMException('refused', blocked ? 'SecurityError' : 'QuotaExceededError'); };
        Storage.prototype.setItem = refuse;
        if (blocked)
          Storage.prototype.getItem = refuse;
      }, blocked);
      const page = await context.newPage();
      try {
        await page.goto(`${site.url}#kind=4&n=3`);
        await web.ready(page);
        assert.equal((await web.cells(page)).length, 9);
        await page.keyboard.press('F2');
        await web.click(page, 'language');
        assert.equal(await page.evaluate(() => document.documentElement.lang), 'en');
        assert.equal(await address(page), '#lang=en&kind=4&n=3');
      } finally {
        await context.close();
      }
    });
  }

  // What the window saves as a handout, the page prints: the cells on white under their title
  // and the whole proof, no control; the strip, the worksheet and its answers on an A4 page.
  test('printing gives the handout, the strip of the steps and the worksheets', () => withPage(web.DEVICES.desktop, async page => {
    await page.goto(`${site.url}#kind=4&n=3`);
    await web.ready(page);
    await page.emulateMedia({media: 'print'});
    await page.waitForFunction(() => document.getElementById('print-sheet').childElementCount > 0);
    const printed = () => page.evaluate(() => {
      const sheet = document.getElementById('print-sheet');
      return {text: [...sheet.querySelectorAll('text')].map(t => t.textContent.replaceAll('\u00a0', ' ')).join('\n'),
              frames: sheet.querySelectorAll('path[fill="none"]').length,
              alone: !document.getElementById('form').checkVisibility() && sheet.checkVisibility(),
              lilac: sheet.innerHTML.includes('#8080ff')};
    });
    const proof = await page.evaluate(() => tessaloCore.UTF8ToString(tessaloCore._tessalo_proof_text()));
    const handout = await printed();
    assert.ok(handout.text.includes('Сума на първите нечетни числа, n = 3'), handout.text);
    assert.ok(handout.text.includes(proof.trimEnd().split('\r\n').at(-1)), handout.text);
    assert.ok(handout.alone && !handout.lilac && !/Брой|Изведи/.test(handout.text));
    assert.equal(handout.frames, 0);
    for (const [id, check] of [
      ['strip', sheet => ['1 = 1', '1 + 3 = 4', '1 + 3 + 5 = 9'].every(sum => sheet.text.includes(sum)) &&
                         sheet.frames === 1 + 3 + 5],
      ['worksheet', sheet => sheet.text.includes('____') && !sheet.text.includes('= 3² = 9') && sheet.frames === 5],
      ['answers', sheet => !sheet.text.includes('____') && sheet.text.includes('= 3² = 9') && sheet.frames === 5],
    ]) {
      await page.evaluate(id => document.getElementById(id).click(), id);
      const sheet = await printed();
      assert.ok(check(sheet) && sheet.alone && !sheet.lilac, `${id}: ${JSON.stringify(sheet)}`);
    }
    // an identity beside the form's six, chosen in its list: its own steps and worksheet
    await page.emulateMedia({media: 'screen'});
    await page.selectOption('#further', '7');
    await web.idle(page);
    await page.emulateMedia({media: 'print'});
    for (const [id, check] of [
      ['strip', sheet => ['2 = 2', '2 + 4 + 6 = 12'].every(sum => sheet.text.includes(sum)) &&
                         sheet.frames === 2 + 4 + 6],
      ['answers', sheet => sheet.text.includes('Стъпката добавя 2(k + 1) = 2·3 = 6') && sheet.frames === 6],
    ]) {
      await page.evaluate(id => document.getElementById(id).click(), id);
      const sheet = await printed();
      assert.ok(check(sheet), `${id}: ${JSON.stringify(sheet)}`);
    }
  }));

  test('taps before the core has loaded take effect once it is there', async () => {
    const context = await browser.newContext(web.DEVICES.phone);
    try {
      let release;
      const held = new Promise(resolve => { release = resolve; });
      await context.route('**/tessalo_core.wasm', async route => { await held; await route.continue(); });
      const page = await context.newPage();
      await page.goto(site.url);
      await page.waitForSelector('#Command1-1');
      assert.equal(await page.evaluate(() => document.documentElement.dataset.ready), 'false');
      for (const id of ['Option1-3', 'List1-item-4', 'Command1-1'])
        await web.tap(page, id);
      release();
      await web.ready(page);
      assert.deepEqual(await web.state(page), [3, 5]);
      assert.equal((await web.cells(page)).length, 25);
    } finally {
      await context.close();
    }
  });

  // Missing or cut short, the core never comes: one sentence says so, and the page waits no more.
  test('a core that cannot load says so', async () => {
    const cutShort = async route => {
      try {
        const whole = await route.fetch();
        await route.fulfill({response: whole, body: (await whole.body()).subarray(0, 4096)});
      } catch {}  // the preload's second request, once the page is closed
    };
    for (const [file, answer] of [['tessalo_core.wasm', route => route.fulfill({status: 404})],
                                  ['tessalo_core.js', route => route.fulfill({status: 404})],
                                  ['tessalo_core.wasm', cutShort], ['tessalo_core.js', cutShort]]) {
      const context = await browser.newContext(web.DEVICES.phone);
      try {
        await context.route(`**/${file}`, answer);
        const page = await context.newPage();
        await page.goto(site.url);
        await page.waitForFunction(() => document.documentElement.dataset.ready === 'failed', null, {timeout: 10000});
        assert.match(await page.locator('#failed').innerText(), /не можа да се зареди/, file);
      } finally {
        await context.close();
      }
    }
  });

  test('saving and copying draw the picture and its proof into SVG, PNG and braille', () => withPage(web.DEVICES.desktop, async page => {
    await page.keyboard.press('Control+S');
    assert.match(await spoken(page), /Няма картина/);
    await page.goto(`${site.url}#kind=4&n=5`);
    await web.ready(page);
    await web.click(page, 'List1-item-2');  // n = 3 chosen, n = 5 still on the board
    for (const [id, ending, check] of [
      ['save-svg', '.svg', async data => {
        const svg = data.toString();
        assert.match(svg, /1 \+ 3 \+ 5 \+ 7 \+ 9 = 5\*5 = 25/);
        // a handout: under its title, on white, no control's caption
        assert.match(svg, /Сума на първите нечетни числа, n = 5/);
        assert.doesNotMatch(svg, /#8080ff|Брой|Изведи/);
        assert.equal(await page.evaluate(svg => {
          const doc = new DOMParser().parseFromString(svg, 'image/svg+xml');
          return [...doc.querySelectorAll('path')].reduce((count, p) => count + p.getAttribute('d').split('M').length - 1, 0);
        }, svg), 25);
      }],
      ['save-png', '.png', data => {
        assert.equal(data.subarray(1, 4).toString(), 'PNG');
        assert.equal(data.readUInt32BE(16), 2 * 546);
      }],
      // the window's braille, from the table its liblouis made: the sheet's 25 cells with its
      // braille dots, and the proof's sum in numbers with the number sign
      ['tactile', '-tactile.svg', async data => {
        const counts = await page.evaluate(svg => {
          const doc = new DOMParser().parseFromString(svg, 'image/svg+xml');
          const circles = [...doc.querySelectorAll('circle')].map(c => c.getAttribute('r'));
          return [doc.querySelectorAll('rect[width="' + doc.querySelectorAll('rect')[1].getAttribute('width') + '"]').length,
                  circles.filter(r => r === '0.72').length];
        }, data.toString());
        assert.equal(counts[0], 25, 'every cell in its outline');
        assert.ok(counts[1] > 100, `${counts[1]} braille dots`);
      }],
      ['braille', '.brf', data => {
        const lines = data.toString('latin1').split('\r\n');
        assert.ok(lines.every(line => line.replace('\f', '').length <= 40 && /^\f?[ -_]*$/.test(line)),
                  'ASCII braille, 40 cells, a form feed between pages');
        assert.match(data.toString('latin1'), /#A 6 #C 6 #E 6 #G 6 #I/);
      }],
    ]) {
      const download = page.waitForEvent('download');
      await page.evaluate(id => document.getElementById(id).click(), id);
      assert.equal((await download).suggestedFilename(), `tessalo-kind-4-n-5${ending}`, 'named as the window names it');
      await check(await readFile(await (await download).path()));
    }
    // copied as an image and as the proof's text
    await page.context().grantPermissions(['clipboard-read', 'clipboard-write']);
    await page.evaluate(() => document.activeElement.blur());
    await page.keyboard.press('Control+C');
    await page.waitForFunction(() => document.getElementById('spoken').textContent.includes('копирана'));
    const copied = await page.evaluate(async () => {
      const [item] = await navigator.clipboard.read();
      return [item.types.toSorted(), await (await item.getType('text/plain')).text()];
    });
    assert.deepEqual(copied[0], ['image/png', 'text/plain']);
    assert.match(copied[1], /1 \+ 3 \+ 5 \+ 7 \+ 9 = 5\*5 = 25/);
    // the cubes' picture at 5 is larger than a page holds at the least cell; at 4 it fits
    await page.selectOption('#further', '10');  // at the n chosen, 3
    await page.evaluate(() => ['step-up', 'step-up', 'tactile'].forEach(id => document.getElementById(id).click()));
    await page.waitForFunction(() => document.getElementById('spoken').textContent.endsWith('най-много 4.'));
    await page.evaluate(() => document.getElementById('step-down').click());
    const sheet = page.waitForEvent('download');
    await page.evaluate(() => document.getElementById('tactile').click());
    assert.equal((await sheet).suggestedFilename(), 'tessalo-kind-10-n-4-tactile.svg');
  }));

  test('installable, and reloads without the server after the first visit', async () => {
    const own = await web.serve(SITE);
    let stopped = false;
    const profile = await mkdtemp(join(tmpdir(), 'tessalo-chromium-'));
    const context = await web.launchWithProfile(profile);
    try {
      const page = await context.newPage();
      await page.goto(own.url);
      await page.evaluate(() => caches.open('another app of this server'));  // before the worker activates
      await web.ready(page);
      await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
      assert.ok(await page.evaluate(() => caches.has('another app of this server')), 'the other cache is left');
      // the first visit fetches each file once, and the app's icons only when it is installed
      const twice = own.requested.filter((path, i) => own.requested.indexOf(path) !== i);
      assert.deepEqual(twice, [], own.requested.join(' '));
      assert.ok(!own.requested.some(path => path.endsWith('.png')), own.requested.join(' '));
      const session = await context.newCDPSession(page);
      assert.deepEqual((await session.send('Page.getInstallabilityErrors')).installabilityErrors, []);
      const manifest = JSON.parse(await readFile(`${SITE}/manifest.webmanifest`, 'utf8'));
      for (const icon of manifest.icons.filter(icon => icon.type === 'image/png')) {
        const png = await readFile(`${SITE}/${icon.src}`);
        assert.equal(`${png.readUInt32BE(16)}x${png.readUInt32BE(20)}`, icon.sizes, icon.src);
      }
      await own.stop();
      stopped = true;
      await page.reload();
      await web.ready(page);
      await page.evaluate(() => { tessaloCore._tessalo_choose_n(11); document.getElementById('Command1-1').click(); });
      assert.equal(await page.evaluate(() => tessaloCore._tessalo_cell_count()), 66);
      assert.ok(await page.evaluate(() => document.querySelectorAll('#board path').length) > 0);
    } finally {
      await context.close();
      await rm(profile, {recursive: true, force: true});
      if (!stopped)
        await own.stop();
    }
  });
});

describe('touch', () => {
  // By touch alone, the picture comes into view after every tap that draws, and the step and
  // its guess are under the thumb: upright, and held sideways with the picture kept at the left.
  const boardInView = page => page.evaluate(() => {
    const box = document.getElementById('board').getBoundingClientRect();
    return box.top >= -1 && box.bottom <= innerHeight + 1;
  });
  for (const [name, device, sticks] of [['upright', web.DEVICES.phone, false],
                                        ['sideways', web.DEVICES.phoneSideways, true]]) {
    test(`a phone held ${name} takes the step and its guess`, () => withPage(device, async page => {
      for (const id of ['Option1-3', 'List1-item-4', 'Command1-1'])
        await web.tap(page, id);
      assert.deepEqual(await web.state(page), [3, 5]);
      assert.ok(await boardInView(page), 'after Show');
      await web.tap(page, 'step-up');
      assert.deepEqual(await web.state(page), [3, 6]);
      assert.ok(await boardInView(page), 'after the step');
      await web.tap(page, 'predict');  // at the page's end
      if (sticks)
        assert.ok(await boardInView(page), 'the picture stays at the left while the rest scrolls');
      await web.tap(page, 'step-up');
      assert.equal(await page.evaluate(() => tessaloCore._tessalo_waiting()), 1);
      assert.ok(await boardInView(page), 'while the step waits');
      await web.tap(page, 'guess');
      await page.keyboard.type('13');
      await web.tap(page, 'reveal');
      assert.equal(await page.locator('#verdict').innerText(), 'Вярно: стъпката добави 13 квадрата.');
      assert.ok(await boardInView(page), 'after the reveal');
    }));
  }
});

describe('updates', () => {
  // A school's server that sends no Cache-Control (Python's, a default Apache): build B,
  // put up with files as old as A's, is what the second visit after it shows.
  test('a new build arrives behind a server that sends no Cache-Control', async () => {
    const folder = await mkdtemp(join(tmpdir(), 'tessalo-site-'));
    const profile = await mkdtemp(join(tmpdir(), 'tessalo-chromium-'));
    await cp(SITE, folder, {recursive: true});
    const age = async () => {
      const old = new Date('2024-01-01');
      for (const name of await readdir(folder))
        await utimes(join(folder, name), old, old);
    };
    await age();
    const own = await web.serve(folder, null, {lastModified: true});
    const context = await web.launchWithProfile(profile);
    try {
      const page = await context.newPage();
      await page.goto(own.url);
      await web.ready(page);
      await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
      const worker = await readFile(join(folder, 'sw.js'), 'utf8');
      await writeFile(join(folder, 'sw.js'), worker.replace(/const CACHE = OWN \+ '[^']*'/, "const CACHE = OWN + 'B'"));
      const html = await readFile(join(folder, 'index.html'), 'utf8');
      await writeFile(join(folder, 'index.html'), html.replace('<title>', '<meta name="build" content="B"><title>'));
      await age();
      await page.reload();
      await web.ready(page);
      // B's worker active, and A's cache gone with A
      const onlyB = async () => {
        const own = (await caches.keys()).filter(name => name.startsWith('tessalo '));
        return own.length === 1 && own[0].endsWith(' B');
      };
      for (let tries = 0; tries < 100 && !await page.evaluate(onlyB); tries++)
        await new Promise(resolve => setTimeout(resolve, 100));
      await page.reload();
      await web.ready(page);
      assert.equal(await page.evaluate(() => document.querySelector('meta[name="build"]')?.content), 'B');
    } finally {
      await context.close();
      await own.stop();
      await rm(profile, {recursive: true, force: true});
      await rm(folder, {recursive: true, force: true});
    }
  });
});

describe('languages', () => {
  // Every text the page shows in English comes from the catalogues: served with each English
  // text marked, the page shows nothing unmarked but what the core writes at run time.
  test('every English text passes through the catalogues', async () => {
    const marked = await web.serve(SITE, html => web.markTexts(html, 'en'));
    const core = ['#Text1-0', '#Text1-1 > .words', '#guess@aria-label', '#argument-lines', '#verdict', '#board@aria-label', '#explore-rows', '#page-title',
                  '#Frame1-0@aria-label', '#Frame1-0 input@aria-label', '#Frame1-0 input@aria-description'];
    const states = [  // [name, device, what to do, whether the last sentence is the page's]
      ['fresh', web.DEVICES.desktop, page => page.keyboard.press('Control+S'), true],
      ['shown', web.DEVICES.desktop, async page => {
        await page.evaluate(() => { location.hash = '#lang=en&kind=4&n=5'; });
        await page.waitForFunction(() => tessaloCore._tessalo_cell_count() > 1);
      }, false],
      ['argument', web.DEVICES.desktop, page => page.keyboard.press('F2'), true],
      ['key list', web.DEVICES.desktop, page => page.keyboard.press('F1'), true],
      ['predict', web.DEVICES.desktop, page => page.keyboard.press('Escape').then(() => page.keyboard.press('F3')), true],
      ['waiting', web.DEVICES.desktop, page => page.keyboard.press('PageDown'), false],
      ['phone', web.DEVICES.phone, () => {}, false],
    ];
    let page = null;
    try {
      for (const [name, device, act, pageSpoke] of states) {
        if (!page || device !== web.DEVICES.desktop) {
          await page?.context().close();
          page = await web.open(browser, `${marked.url}#lang=en`, device);
        }
        await act(page);
        assert.deepEqual(await web.unmarkedTexts(page, pageSpoke ? core : [...core, '#spoken']), [], name);
      }
      assert.ok(await page.evaluate(mark => document.title.startsWith(mark), web.MARK[0]));
    } finally {
      await page?.context().close();
      await marked.stop();
    }
  });
});

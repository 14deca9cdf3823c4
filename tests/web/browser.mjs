// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's folder served on localhost and the distribution's headless
// Chromium driven by Playwright: what the page tests, the README's pictures
// and the benchmarks share. No browser is downloaded.
import {createServer} from 'node:http';
import {gzipSync} from 'node:zlib';
import {readFile, stat} from 'node:fs/promises';
import {extname, join, normalize} from 'node:path';
import {chromium} from 'playwright-core';

export const FLAGS = ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
                      '--disable-background-networking', '--disable-component-update', '--disable-sync'];

const TYPES = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.css': 'text/css', '.wasm': 'application/wasm',
  '.svg': 'image/svg+xml', '.png': 'image/png', '.webmanifest': 'application/manifest+json',
};

// The folder on 127.0.0.1 on a free port, until stop(); compressed with gzip as web servers send it.
// `rewrite`, if given, turns the text of index.html into what is served instead. With
// `lastModified`, each file's date goes with it and nothing says how long to keep it, as
// Python's server and a default Apache do: the browser then keeps old files by their age.
export async function serve(folder, rewrite = null, {lastModified = false} = {}) {
  const requested = [];  // every path asked for, in order
  const server = createServer(async (request, response) => {
    let path = decodeURIComponent(new URL(request.url, 'http://localhost').pathname);
    requested.push(path);
    if (path.endsWith('/'))
      path += 'index.html';
    try {
      let body = await readFile(join(folder, normalize(path)));
      if (rewrite && path === '/index.html')
        body = Buffer.from(rewrite(body.toString()));
      const headers = {'Content-Type': TYPES[extname(path)] || 'application/octet-stream'};
      if (lastModified)
        headers['Last-Modified'] = (await stat(join(folder, normalize(path)))).mtime.toUTCString();
      const gzip = /\bgzip\b/.test(request.headers['accept-encoding'] || '') && extname(path) !== '.png';
      if (gzip)
        headers['Content-Encoding'] = 'gzip';
      response.writeHead(200, headers);
      response.end(gzip ? gzipSync(body) : body);
    } catch {
      response.writeHead(404).end();
    }
  });
  await new Promise(resolve => server.listen(0, '127.0.0.1', resolve));
  return {
    url: `http://127.0.0.1:${server.address().port}/`,
    requested,
    stop: () => new Promise(resolve => { server.closeAllConnections(); server.close(resolve); }),
  };
}

// A browser with a profile on disk: an incognito context may not install the page.
export function launchWithProfile(folder) {
  return chromium.launchPersistentContext(folder, {executablePath: '/usr/bin/chromium', args: FLAGS});
}

export function launch() {
  // the page's scroll bars are part of its looks: keep them in screenshots
  return chromium.launch({executablePath: '/usr/bin/chromium', args: FLAGS, ignoreDefaultArgs: ['--hide-scrollbars']});
}

// Phones and screens the tests and pictures use.
export const DEVICES = {
  desktop: {viewport: {width: 1920, height: 1080}},
  window: {viewport: {width: 546, height: 462}},
  phone: {viewport: {width: 360, height: 640}, deviceScaleFactor: 3, isMobile: true, hasTouch: true},
  smallPhone: {viewport: {width: 320, height: 568}, deviceScaleFactor: 3, isMobile: true, hasTouch: true},
  phoneSideways: {viewport: {width: 640, height: 360}, deviceScaleFactor: 3, isMobile: true, hasTouch: true},
  projector: {viewport: {width: 3840, height: 2160}},
  tablet: {viewport: {width: 768, height: 1024}, deviceScaleFactor: 2, isMobile: true, hasTouch: true},
};

// A new page in a fresh context (no cache, no service worker, no settings), on url, once the core is ready.
export async function open(browser, url, device = DEVICES.desktop) {
  const context = await browser.newContext({...device, locale: 'bg-BG'});
  const page = await context.newPage();
  await page.goto(url);
  await ready(page);
  return page;
}

export const ready = page => page.waitForFunction(() => document.documentElement.dataset.ready === 'true');
// Once the browser is idle: the page writes the address and the rows for a swipe only then.
export const idle = page => page.evaluate(() => new Promise(resolve => requestIdleCallback(resolve, {timeout: 1000})));

// The loaded cells as the core lists them, read by the offsets layout.js gives, each visible
// one with its centre and its frame's middle in CSS pixels of the viewport.
export function cells(page) {
  return page.evaluate(() => {
    const core = self.tessaloCore;
    const {size, fields} = self.tessaloLayout.cell;
    const memory = new DataView(core.HEAPU8.buffer);
    const read = {i32: 'getInt32', u32: 'getUint32', f32: 'getFloat32'};
    const field = (at, name) => memory[read[fields[name][1]]](at + fields[name][0], true);
    // from twips to the viewport's CSS pixels, whatever the board's scale and place
    const matrix = document.getElementById('board').getScreenCTM();
    const at = (x, y) => { const p = new DOMPoint(x, y).matrixTransform(matrix); return [p.x, p.y]; };
    const out = [];
    for (let i = 0, cell = core._tessalo_cells(); i < core._tessalo_cell_count(); ++i, cell += size) {
      if (field(cell, 'visible') !== 1)
        continue;
      const [left, top, width, height] = ['left', 'top', 'width', 'height'].map(name => field(cell, name));
      out.push({index: field(cell, 'index'), colour: field(cell, 'colour'), added: field(cell, 'added') === 1,
                centre: at(left + width / 2, top + height / 2), frame: at(left + width / 10, top + height / 2),
                corner: at(left + width / 12, top + height / 12)});
    }
    return out;
  });
}

// The [r, g, b] of a screenshot (of the viewport, in device pixels) at each [x, y] in CSS pixels.
export async function coloursAt(page, points) {
  const png = (await page.screenshot({scale: 'device'})).toString('base64');
  return page.evaluate(async ([png, points]) => {
    const bytes = Uint8Array.from(atob(png), c => c.charCodeAt(0));
    const image = await createImageBitmap(new Blob([bytes], {type: 'image/png'}));
    const canvas = new OffscreenCanvas(image.width, image.height);
    const context = canvas.getContext('2d');
    context.drawImage(image, 0, 0);
    const pixels = context.getImageData(0, 0, image.width, image.height).data;
    const ratio = devicePixelRatio;
    return points.map(([x, y]) => {
      const at = (Math.floor(y * ratio) * image.width + Math.floor(x * ratio)) * 4;
      return [pixels[at], pixels[at + 1], pixels[at + 2]];
    });
  }, [png, points]);
}

export const rgb = value => [(value >> 16) & 255, (value >> 8) & 255, value & 255];

// The element's box in CSS pixels of the viewport.
export const box = (page, id) => page.evaluate(id => {
  const {left, top, right, bottom, width, height} = document.getElementById(id).getBoundingClientRect();
  return {left, top, right, bottom, width, height};
}, id);

export async function centre(page, id) {
  const b = await box(page, id);
  return [b.left + b.width / 2, b.top + b.height / 2];
}

export async function click(page, id) {
  const [x, y] = await centre(page, id);
  await page.mouse.click(x, y);
}

export async function tap(page, id) {
  await page.locator(`#${id}`).scrollIntoViewIfNeeded();
  const [x, y] = await centre(page, id);
  await page.touchscreen.tap(x, y);
}

export const state = page => page.evaluate(() => [self.tessaloCore._tessalo_kind(), self.tessaloCore._tessalo_n()]);

// --- a pseudo-language: every text of one language's catalogues marked, to find texts that miss them ---

export const MARK = ['\u27e6', '\u27e7'];  // ⟦ ⟧

// index.html with every text of `language` in the catalogues the build wrote into it (one line of
// JSON each, self.tessaloTexts.<language>.<part> = {...};) marked; none found is an error.
export function markTexts(html, language) {
  let marked = 0;
  const out = html.replace(new RegExp(`^(self\\.tessaloTexts\\.${language}\\.\\w+ = )(\\{.*\\});$`, 'gm'),
    (_, head, json) => {
      ++marked;
      const texts = Object.entries(JSON.parse(json)).map(([key, text]) => [key, `${MARK[0]}${text}${MARK[1]}`]);
      return `${head}${JSON.stringify(Object.fromEntries(texts))};`;
    });
  if (!marked)
    throw new Error(`no catalogue of ${language} in index.html`);
  return out;
}

// What the page shows or names with letters outside a mark: the title, every visible text node,
// aria-label, title and placeholder, and text box values. Exempt: names of file formats; what is in
// another language than the page's (an element's lang), and `exempt`, selectors of what the core
// writes at run time ("selector" a whole element, "selector@attribute" one attribute).
export function unmarkedTexts(page, exempt = []) {
  return page.evaluate(([exempt, [open, close]]) => {
    const marked = new RegExp(`${open}[^${close}]*${close}`, 'g');
    const unmarked = text => /\p{L}/u.test(text.replace(marked, '').replace(/\b(SVG|PNG)\b/g, ''));
    const whole = exempt.filter(rule => !rule.includes('@')).join(', ');
    const attributes = exempt.filter(rule => rule.includes('@')).map(rule => rule.split('@'));
    const language = document.documentElement.lang;
    const skipped = element => !element.checkVisibility() || whole && element.closest(whole) ||
                               element.closest('[lang]').lang !== language;
    const found = [];
    if (unmarked(document.title))
      found.push(`title: ${document.title}`);
    for (const element of document.body.querySelectorAll('*')) {
      if (skipped(element))
        continue;
      for (const node of element.childNodes)
        if (node.nodeType === Node.TEXT_NODE && unmarked(node.data))
          found.push(`${element.id || element.localName}: ${node.data}`);
      for (const name of ['aria-label', 'aria-description', 'title', 'placeholder'])
        if (element.hasAttribute(name) && unmarked(element.getAttribute(name)) &&
            !attributes.some(([selector, attribute]) => attribute === name && element.matches(selector)))
          found.push(`${element.id || element.localName} ${name}: ${element.getAttribute(name)}`);
      if (element.matches('textarea, input[type="text"]') && unmarked(element.value))
        found.push(`${element.id} value: ${element.value}`);
    }
    return found;
  }, [exempt, MARK]);
}

// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Figures of the web page in headless Chromium on localhost, as JSON, each beside the same
// figure of a floor page (one button that draws a line, served the same way with gzip), the
// two measured alternately on a phone (360 × 640, touch), medians of RUNS each:
//   - first contentful paint and the first tap that draws (navigation to the frame after the
//     tap on Show at #n=11), cold (a new browser profile) and warm (the second visit), with
//     the CPU as it is and 4 × slower;
//   - Show at n = 11 on a 4 × slower CPU, from the tap to the next frame;
// and, on their own, the files' size with gzip and Show of n = 11 to the laid-out SVG.
//   node bench/web_page.mjs SITE_DIR RUNS
import {mkdtemp, readdir, readFile, rm, writeFile} from 'node:fs/promises';
import {tmpdir} from 'node:os';
import {join} from 'node:path';
import {gzipSync} from 'node:zlib';
import * as web from '../tests/web/browser.mjs';

const [folder = 'build/web/site', runs = '9'] = process.argv.slice(2);

const FLOOR = `<!doctype html>
<html lang="bg"><head><meta charset="utf-8"><meta name="viewport" content="width=device-width, initial-scale=1">
<title>Floor</title></head><body>
<button id="Command1-1" type="button">Изведи</button><svg id="board" width="300" height="20"></svg>
<script>
document.getElementById('Command1-1').addEventListener('click', () => {
  document.getElementById('board').innerHTML = '<path d="M0 10h300" stroke="#000"/>';
});
</script></body></html>
`;

// All files of the folder together, each compressed with gzip -9, in KiB.
async function gzipKib() {
  let total = 0;
  for (const name of await readdir(folder))
    total += gzipSync(await readFile(`${folder}/${name}`), {level: 9}).length;
  return total / 1024;
}

const median = values => [...values].sort((a, b) => a - b)[values.length >> 1];

async function throttle(context, page, rate) {
  const session = await context.newCDPSession(page);
  await session.send('Emulation.setCPUThrottlingRate', {rate});
}

// In the page: the time of the frame after the one whose board first has a path drawn.
const drawnFrame = page => page.evaluate(() => new Promise(resolve => {
  const check = () => document.querySelector('#board path')
    ? requestAnimationFrame(() => resolve(performance.now())) : requestAnimationFrame(check);
  check();
}));

const firstPaint = page => page.evaluate(() => new Promise(resolve => new PerformanceObserver(list => {
  const entry = list.getEntriesByName('first-contentful-paint')[0];
  if (entry)
    resolve(entry.startTime);
}).observe({type: 'paint', buffered: true})));

// One visit: navigation to the first contentful paint, and to the frame after the first tap on Show.
async function visit(page, url) {
  await page.goto(`${url}#n=11`, {waitUntil: 'commit'});
  await page.locator('#Command1-1').tap();
  const drawn = await drawnFrame(page);
  return {paint: await firstPaint(page), tap: drawn};
}

// A cold visit and a warm one (the second, with what the first left cached), in a new profile.
async function visits(browser, url, rate) {
  const context = await browser.newContext({...web.DEVICES.phone, locale: 'bg-BG'});
  try {
    const page = await context.newPage();
    await throttle(context, page, rate);
    const cold = await visit(page, url);
    // the offline copy, where there is one, is complete before the second visit
    await page.evaluate(async () => (await navigator.serviceWorker.getRegistration()) && navigator.serviceWorker.ready);
    await page.goto('about:blank');
    const warm = await visit(page, url);
    return {cold, warm};
  } finally {
    await context.close();
  }
}

// Milliseconds from the tap on Show at n = 11 to the next frame, 4 × slower CPU: the median over
// the kinds, each after another identity was chosen, so that every Show draws anew.
async function showToFrame(browser, url) {
  const context = await browser.newContext({...web.DEVICES.phone, locale: 'bg-BG'});
  try {
    const page = await context.newPage();
    await page.goto(`${url}#n=11`);
    await page.waitForFunction(() => !document.documentElement.dataset.ready || document.documentElement.dataset.ready === 'true');
    await throttle(context, page, 4);
    const times = [];
    for (let i = 0; i < 12; ++i) {
      await page.evaluate(i => document.getElementById(`Option1-${i % 6}`)?.click(), i);
      // and the work it left for when the browser is idle done, as a pupil's next tap finds it
      await page.evaluate(() => new Promise(r => requestAnimationFrame(() => requestIdleCallback(r))));
      times.push(await page.evaluate(() => new Promise(resolve => {
        const start = performance.now();
        document.getElementById('Command1-1').click();
        requestAnimationFrame(() => setTimeout(() => resolve(performance.now() - start)));
      })));
    }
    return median(times);
  } finally {
    await context.close();
  }
}

// Milliseconds from a click on Show to the laid-out SVG, n = 11: the mean of each kind, slowest kind.
async function showEleven(browser, url, repetitions = 200) {
  const page = await web.open(browser, url);
  const means = await page.evaluate(repetitions => {
    const core = self.tessaloCore;
    const show = document.getElementById('Command1-1');
    const board = document.getElementById('board');
    core._tessalo_choose_n(11);
    const out = [];
    for (let kind = 0; kind < 6; ++kind) {
      let total = 0;
      for (let i = 0; i < repetitions; ++i) {
        // another picture first, so that every Show writes a new text and a new board
        document.getElementById(`Option1-${(kind + 1) % 6}`).click();
        show.click();
        document.getElementById(`Option1-${kind}`).click();
        const start = performance.now();
        show.click();
        board.getBoundingClientRect();  // style and layout of the new board
        total += performance.now() - start;
      }
      out.push(total / repetitions);
    }
    return out;
  }, repetitions);
  await page.context().close();
  return Math.max(...means);
}

const floorFolder = await mkdtemp(join(tmpdir(), 'tessalo-floor-'));
await writeFile(join(floorFolder, 'index.html'), FLOOR);
const sites = {page: await web.serve(folder), floor: await web.serve(floorFolder)};
const browser = await web.launch();
try {
  const figures = {};
  const add = (name, which, value) => ((figures[name] ??= {page: [], floor: []})[which].push(value));
  for (const rate of [1, 4]) {
    for (let i = 0; i < Number(runs); ++i) {
      for (const which of ['page', 'floor']) {  // alternated, so that the machine's moods fall on both
        const {cold, warm} = await visits(browser, sites[which].url, rate);
        add(`paintCold${rate}`, which, cold.paint);
        add(`paintWarm${rate}`, which, warm.paint);
        add(`tapCold${rate}`, which, cold.tap);
        add(`tapWarm${rate}`, which, warm.tap);
      }
    }
  }
  for (let i = 0; i < 3; ++i)
    for (const which of ['page', 'floor'])
      add('showFrame4', which, await showToFrame(browser, sites[which].url));
  const out = {};
  for (const [name, {page, floor}] of Object.entries(figures))
    out[name] = {page: median(page), floor: median(floor), ratio: median(page) / median(floor)};
  out.gzipKib = await gzipKib();
  out.showMs = await showEleven(browser, sites.page.url);
  console.log(JSON.stringify(out));
} finally {
  await browser.close();
  await sites.page.stop();
  await sites.floor.stop();
  await rm(floorFolder, {recursive: true, force: true});
}

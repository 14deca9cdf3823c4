// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Figures of the web page in headless Chromium on localhost, as JSON: first
// contentful paint with a cold cache, and again with a 4 × slower CPU and a
// 1.6 Mbit/s, 150 ms network (DevTools emulation) together with the time until
// the core has loaded; the files' size with gzip; Show of n = 11 to the SVG.
//   node bench/web_page.mjs SITE_DIR RUNS
import {readdir, readFile} from 'node:fs/promises';
import {gzipSync} from 'node:zlib';
import * as web from '../tests/web/browser.mjs';

const [folder = 'build/web/site', runs = '9'] = process.argv.slice(2);

// All files of the folder together, each compressed with gzip -9, in KiB.
async function gzipKib() {
  let total = 0;
  for (const name of await readdir(folder))
    total += gzipSync(await readFile(`${folder}/${name}`), {level: 9}).length;
  return total / 1024;
}

const median = values => values.sort((a, b) => a - b)[values.length >> 1];

// Milliseconds from navigation to the first contentful paint and to the core's being ready, each
// run in a new context: nothing cached, no service worker.
async function firstPaint(browser, url, slow) {
  const paints = [];
  const readies = [];
  for (let i = 0; i < Number(runs); ++i) {
    const context = await browser.newContext({viewport: {width: 1920, height: 1080}});
    const page = await context.newPage();
    if (slow) {
      const session = await context.newCDPSession(page);
      await session.send('Network.enable');
      await session.send('Network.emulateNetworkConditions', {
        offline: false, latency: 150, downloadThroughput: 1.6e6 / 8, uploadThroughput: 750e3 / 8,
      });
      await session.send('Emulation.setCPUThrottlingRate', {rate: 4});
    }
    await page.goto(url);
    await web.ready(page);
    const [paint, ready] = await page.evaluate(() => new Promise(resolve => new PerformanceObserver(list => {
      const entry = list.getEntriesByName('first-contentful-paint')[0];
      if (entry)
        resolve([entry.startTime, performance.getEntriesByName('tessalo-ready')[0]?.startTime ?? NaN]);
    }).observe({type: 'paint', buffered: true})));
    paints.push(paint);
    readies.push(ready);
    await context.close();
  }
  return {paint: median(paints), ready: median(readies)};
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

const site = await web.serve(folder);
const browser = await web.launch();
try {
  const cold = await firstPaint(browser, site.url, false);
  const slow = await firstPaint(browser, site.url, true);
  console.log(JSON.stringify({
    fcp: cold.paint, slowFcp: slow.paint, slowReady: slow.ready, gzipKib: await gzipKib(),
    showMs: await showEleven(browser, site.url),
  }));
} finally {
  await browser.close();
  await site.stop();
}

// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Makes the README's pictures of the page as the page tests work: the odd
// numbers at n = 5, chosen by mouse in a browser window the size of the desktop
// window at 100 %, and by touch on a phone held upright.
//   node tests/web/screenshot.mjs [SITE_DIR [DOCS_DIR]]
import * as web from './browser.mjs';

const [folder = 'build/web/site', docs = 'docs'] = process.argv.slice(2);
const shots = [
  ['web-screenshot.png', web.DEVICES.window, web.click],
  ['web-phone.png', {...web.DEVICES.phone, deviceScaleFactor: 2}, web.tap],
];
const site = await web.serve(folder);
const browser = await web.launch();
try {
  for (const [name, device, press] of shots) {
    const page = await web.open(browser, site.url, device);
    for (const id of ['Option1-3', 'List1-item-4', 'Command1-1'])
      await press(page, id);
    await page.evaluate(() => { document.activeElement.blur(); scrollTo(0, 0); });
    await page.screenshot({path: `${docs}/${name}`});
    await page.context().close();
  }
} finally {
  await browser.close();
  await site.stop();
}

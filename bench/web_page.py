"""Figures of the web page in headless Chromium on localhost (see bench/run.py):
first contentful paint with a cold cache, the files' size with gzip, and Show of
n = 11 to the updated SVG in the page.

  python3 bench/web_page.py [SITE_DIR]"""

import gzip
import os
import statistics
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "web"))
import chromium  # noqa: E402


def gzip_kib(site):
    """All files of the folder together, each compressed with gzip -9, in KiB."""
    total = 0
    for name in sorted(os.listdir(site)):
        with open(os.path.join(site, name), "rb") as f:
            total += len(gzip.compress(f.read(), 9))
    return total / 1024


def first_contentful_paint(url, runs):
    """Median milliseconds from navigation to the first contentful paint, each run in a new browser
    with a new profile: nothing cached, no service worker."""
    times = []
    for _ in range(runs):
        with chromium.Browser() as browser:
            browser.open(url)
            times.append(browser.evaluate("""new Promise(resolve => new PerformanceObserver(list => {
                const paint = list.getEntriesByName('first-contentful-paint')[0];
                if (paint) resolve(paint.startTime);
            }).observe({type: 'paint', buffered: true}))"""))
    return statistics.median(times)


SHOW_ELEVEN = """(() => {
    const core = tessaloCore;
    const show = document.getElementById('Command1-1');
    const board = document.getElementById('board');
    core._tessalo_choose_n(11);
    const means = [];
    for (let kind = 0; kind < 6; ++kind) {
        let total = 0;
        for (let i = 0; i < %d; ++i) {
            // another picture first, so that every Show writes a new text and a new board
            document.getElementById(`Option1-${(kind + 1) %% 6}`).click();
            show.click();
            document.getElementById(`Option1-${kind}`).click();
            const start = performance.now();
            show.click();
            board.getBoundingClientRect();  // style and layout of the new board
            total += performance.now() - start;
        }
        means.push(total / %d);
    }
    return means;
})()"""


def show_eleven_ms(url, repetitions=200):
    """Milliseconds from a click on Show to the laid-out SVG, n = 11: the mean of each kind, slowest kind."""
    with chromium.Browser() as browser:
        browser.open(url)
        return max(browser.evaluate(SHOW_ELEVEN % (repetitions, repetitions)))


def figures(site, runs=9):
    server = chromium.Site(site)
    try:
        return first_contentful_paint(server.url, runs), gzip_kib(site), show_eleven_ms(server.url)
    finally:
        server.stop()


if __name__ == "__main__":
    fcp, kib, show = figures(sys.argv[1] if len(sys.argv) > 1 else "build/web/site")
    print(f"first contentful paint {fcp:.0f} ms, gzip {kib:.1f} KiB, Show n = 11 {show:.3f} ms")

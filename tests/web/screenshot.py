"""Makes the README's picture of the page: the odd numbers at n = 5, chosen by
mouse, in a browser window the size of the desktop window at 100 %.

  python3 tests/web/screenshot.py [SITE_DIR [PNG]]"""

import sys

import chromium


def main(site_dir="build/web/site", png="docs/web-screenshot.png"):
    site = chromium.Site(site_dir)
    try:
        with chromium.Browser(546, 462) as browser:
            browser.open(site.url)
            for element in ("Option1-3", "List1-item-4", "Command1-1"):
                x, y = browser.evaluate(f"""(() => {{
                    const box = document.getElementById('{element}').getBoundingClientRect();
                    return [box.left + box.width / 2, box.top + box.height / 2];
                }})()""")
                browser.click(x, y)
            browser.evaluate("document.activeElement.blur()")
            chromium.save_png(browser.screenshot(), png)
    finally:
        site.stop()


if __name__ == "__main__":
    main(*sys.argv[1:])

# SPDX-FileCopyrightText: 2026 Tessalo developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Figures of the web page in headless Chromium on localhost (see bench/run.py),
measured by bench/web_page.mjs through Playwright: first contentful paint with a
cold cache, and with a 4 x slower CPU and a 1.6 Mbit/s, 150 ms network together
with the time until the core has loaded; the files' size with gzip; Show of
n = 11 to the updated SVG in the page.

  python3 bench/web_page.py [SITE_DIR]"""

import json
import os
import subprocess
import sys

SCRIPT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "web_page.mjs")


def measure(site, runs=9):
    """Every figure, as a dict: fcp, slowFcp and slowReady in ms, gzipKib, showMs."""
    out = subprocess.run(["node", SCRIPT, site, str(runs)], check=True, capture_output=True, text=True).stdout
    return json.loads(out.splitlines()[-1])


def figures(site, runs=9):
    """First contentful paint (ms), all files with gzip (KiB), Show of n = 11 (ms)."""
    measured = measure(site, runs)
    return measured["fcp"], measured["gzipKib"], measured["showMs"]


if __name__ == "__main__":
    m = measure(sys.argv[1] if len(sys.argv) > 1 else "build/web/site")
    print(f"first contentful paint {m['fcp']:.0f} ms (target 300), with 4 x CPU and 1.6 Mbit/s, 150 ms: "
          f"{m['slowFcp']:.0f} ms (target 800), core ready at {m['slowReady']:.0f} ms; "
          f"gzip {m['gzipKib']:.1f} KiB (target 200); Show n = 11 {m['showMs']:.3f} ms")

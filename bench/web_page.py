# SPDX-FileCopyrightText: 2026 Tessalo developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Figures of the web page in headless Chromium on localhost (see bench/run.py), measured
by bench/web_page.mjs through Playwright beside a floor page (one button that draws a line),
alternately, on a phone: first contentful paint and the first tap that draws, cold and warm,
with the CPU as it is and 4 x slower; Show at n = 11 to the next frame on the slow CPU; the
files' size with gzip; Show of n = 11 to the updated SVG in the page.

  python3 bench/web_page.py [SITE_DIR]"""

import json
import os
import subprocess
import sys

SCRIPT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "web_page.mjs")

# name in the JSON, what it is, the most it may be as a ratio to the floor
RATIOS = [(f"{what}{visit}{rate}", f"{label}, {visit.lower()}, CPU x {rate}", limit)
          for what, label, limit in [("paint", "first contentful paint", 1.3), ("tap", "first tap that draws", 2)]
          for rate in (1, 4) for visit in ("Cold", "Warm")] + [("showFrame4", "Show n = 11 to the next frame, CPU x 4", 3)]


def measure(site, runs=9):
    """Every figure, as a dict: for each of RATIOS the page's and the floor's median in ms and
    their ratio; gzipKib; showMs."""
    out = subprocess.run(["node", SCRIPT, site, str(runs)], check=True, capture_output=True, text=True).stdout
    return json.loads(out.splitlines()[-1])


if __name__ == "__main__":
    m = measure(sys.argv[1] if len(sys.argv) > 1 else "build/web/site")
    for key, label, limit in RATIOS:
        f = m[key]
        print(f"{label}: {f['page']:.0f} ms against {f['floor']:.0f} ms, {f['ratio']:.2f} x (target {limit} x)")
    print(f"gzip {m['gzipKib']:.1f} KiB (target 200); Show n = 11 to the SVG {m['showMs']:.3f} ms")

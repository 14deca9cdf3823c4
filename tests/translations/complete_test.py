# SPDX-FileCopyrightText: 2026 Tessalo developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Every text of the window's and the command line's translations is translated:
no entry left unfinished or empty, none in Cyrillic but the Bulgarian ones (a
translation that fell through would show the Bulgarian source instead).
Usage: python3 complete_test.py FOLDER (translations/window)."""
import pathlib
import re
import sys
import xml.etree.ElementTree as ElementTree

faults = []
for ts in sorted(pathlib.Path(sys.argv[1]).glob("tessalo_*.ts")):
    root = ElementTree.parse(ts).getroot()
    cyrillic_allowed = root.get("language", "").startswith("bg")
    for context in root.iter("context"):
        for message in context.iter("message"):
            source = message.findtext("source")
            translation = message.find("translation")
            if translation is None or translation.get("type") in ("unfinished", "vanished", "obsolete") \
                    or not (translation.text or "").strip():
                faults.append(f"{ts.name}: {context.findtext('name')}: not translated: {source!r}")
            elif not cyrillic_allowed and re.search("[\u0400-\u04ff]", translation.text):
                faults.append(f"{ts.name}: {context.findtext('name')}: Cyrillic in {translation.text!r}")
print("\n".join(faults) or "every text translated")
sys.exit(1 if faults else 0)

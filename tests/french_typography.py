#!/usr/bin/env python3
"""French typography in every French text of the project's own: a
no-break space before ":" and a narrow no-break one before "! ? ;" and
inside "« »", never an ordinary space, which lets a wrapped line begin with
the sign. Usage: french_typography.py TS METAINFO DESKTOP NSI"""
import re
import sys
import xml.etree.ElementTree as tree

ts, metainfo, desktop, nsi = sys.argv[1:5]
texts = [m.findtext("translation") or "" for m in tree.parse(ts).iter("message")]
texts += [e.text or "" for e in tree.parse(metainfo).iter() if e.get("{http://www.w3.org/XML/1998/namespace}lang") == "fr"]
texts += [line for line in open(desktop, encoding="utf-8") if re.match(r"\w+\[fr\]=", line)]
texts += [line for line in open(nsi, encoding="utf-8") if "${LANG_FRENCH}" in line]
faults = [text for text in texts if re.search(r"[ \t\n][!?;:»]|«[ \t\n]", text)]
for text in faults:
    print(f"FAIL: an ordinary space by a French sign: {' '.join(text.split())[:120]}")
print(f"{len(texts) - len(faults)} passed, {len(faults)} failed")
sys.exit(1 if faults else 0)

"""Writes a pseudo-translation of the program's texts for the checks: each
text wrapped in [ ] and lengthened by a third with ~, so that a walk over the
running program finds any text that does not pass through the translation
system, and shows where a longer translation would be cut.
Usage: pseudo_translation.py SOURCE.ts PSEUDO.ts"""
import sys
import xml.etree.ElementTree as ET

tree = ET.parse(sys.argv[1])
for message in tree.iter("message"):
    source = message.find("source").text
    translation = message.find("translation")
    translation.attrib.clear()
    translation.text = "[" + source + "~" * ((len(source) + 2) // 3) + "]"
tree.write(sys.argv[2], encoding="utf-8", xml_declaration=True)

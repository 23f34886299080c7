#!/usr/bin/env python3
"""Reads the application manifest back out of the program and the installer
(the XML stands as it is in each file's resources) and checks what each
declares: the program Windows 10/11, no elevation, Common Controls 6 and
per-monitor DPI awareness; the installer DPI awareness."""
import re
import sys

WANTED = {
    "program": [
        r'<supportedOS Id="\{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a\}"',
        r'<requestedExecutionLevel level="asInvoker"',
        r'name="Microsoft\.Windows\.Common-Controls" version="6\.0\.0\.0"',
        r"<dpiAware[^>]*>true/pm</dpiAware>",
        r"<dpiAwareness[^>]*>PerMonitorV2</dpiAwareness>",
    ],
    "installer": [r"<dpiAware[^>]*>true</dpiAware>"],
}

failures = 0
for kind, path in (("program", sys.argv[1]), ("installer", sys.argv[2])):
    data = open(path, "rb").read()
    found = re.search(rb"<assembly\b.*?</assembly>", data, re.S)
    if not found:
        print(f"FAIL: {path} carries no application manifest")
        failures += 1
        continue
    manifest = found.group(0).decode("utf-8", "replace")
    for pattern in WANTED[kind]:
        if not re.search(pattern, manifest):
            print(f"FAIL: the {kind}'s manifest lacks {pattern}")
            failures += 1
    if not failures:
        print(f"PASS: the {kind}'s manifest declares what it should")
sys.exit(1 if failures else 0)

#!/usr/bin/env python3
"""Checks Qt Linguist .ts files: every entry finished, none vanished or obsolete, every plural
form written, and each translation with the placeholders of its source (%1 ... %99, %n, %L1;
a plural form may leave %n out).
Prints one line per fault and exits 1 when there is one."""
import os
import re
import sys
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r"%L?(\d{1,2}|n)")


def placeholders(text):
    return sorted(set(m.group(1) for m in PLACEHOLDER.finditer(text or "")))


def check(path):
    faults = []
    name = os.path.basename(path)
    root = ET.parse(path).getroot()
    for context in root.iter("context"):
        where = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            translation = message.find("translation")
            kind = translation.get("type") if translation is not None else "missing"
            shown = f"{name}: {where}: {source!r}"
            if kind in ("unfinished", "vanished", "obsolete", "missing"):
                faults.append(f"{shown}: {kind}")
                continue
            if message.get("numerus") == "yes":
                texts = [form.text or "" for form in translation.iter("numerusform")]
            else:
                texts = [translation.text or ""]
            for text in texts:
                # A plural form may leave the number out: "Delete this flight?" for one.
                wanted = placeholders(source)
                if message.get("numerus") == "yes" and "n" not in placeholders(text):
                    wanted = [p for p in wanted if p != "n"]
                if not text.strip():
                    faults.append(f"{shown}: an empty translation")
                elif placeholders(text) != wanted:
                    faults.append(f"{shown}: placeholders {placeholders(text)} in {text!r}, "
                                  f"the source has {placeholders(source)}")
    return faults


def main():
    faults = [f for path in sys.argv[1:] for f in check(path)]
    for fault in faults:
        print(fault)
    if faults:
        print(f"translations: {len(faults)} fault(s); run tools/update-translations.sh and translate")
        return 1
    print(f"translations: {len(sys.argv) - 1} files complete")
    return 0


if __name__ == "__main__":
    sys.exit(main())

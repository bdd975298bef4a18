#!/usr/bin/python3
"""Checks that a translation is complete: every message finished, none
obsolete, the same %1-style placeholders as its source, and a mnemonic
wherever the source has one. Prints one line per fault and exits 1 if any.

    tools/checktranslations.py app/translations/quorvex_*.ts
"""

import re
import sys
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r"%(?:L?[1-9]|n)")
# A mnemonic is "&" before a character other than "&" or a blank; "&&" is a
# literal ampersand.
MNEMONIC = re.compile(r"&(?!&)(?=\S)")


def placeholders(text):
    return sorted(PLACEHOLDER.findall(text))


def mnemonics(text):
    return len(MNEMONIC.findall(text.replace("&&", "")))


def faults(path):
    root = ET.parse(path).getroot()
    for context in root.iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            translation = message.find("translation")
            where = f"{path}: {name}: {source!r}"
            kind = translation.get("type") if translation is not None else "unfinished"
            if kind in ("unfinished", "obsolete", "vanished"):
                yield f"{where}: {kind}"
                continue
            forms = [n.text or "" for n in translation.iter("numerusform")] or [
                translation.text or ""
            ]
            for text in forms:
                if not text.strip():
                    yield f"{where}: empty translation"
                elif placeholders(text) != placeholders(source):
                    yield f"{where}: placeholders {placeholders(text)} in {text!r}"
                elif mnemonics(text) != mnemonics(source):
                    yield f"{where}: {mnemonics(text)} mnemonics in {text!r}"


def main(paths):
    found = [fault for path in paths for fault in faults(path)]
    for fault in found:
        print(fault)
    if not paths:
        print("no translation files given")
    return 1 if found or not paths else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))

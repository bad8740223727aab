#!/usr/bin/python3
"""Checks Orbet's translations: every catalogue up to date with the code, every shipped
language complete (no unfinished message, nothing left out of a numerus form, the place
markers and access keys kept), the desktop and AppStream catalogues complete, and a help page
in every language.

Usage: check_catalogues.py SOURCE_DIR POT SOURCES LUPDATE [LUPDATE_OPTION...]
  POT      the desktop and AppStream messages as the build makes them from the files now
  SOURCES  a file naming the files lupdate reads, one a line, as the build gives them to it
"""
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree

source = pathlib.Path(sys.argv[1])
pot = pathlib.Path(sys.argv[2])
code = pathlib.Path(sys.argv[3]).read_text().split()
lupdate = sys.argv[4]
options = sys.argv[5:] + ["-silent"]
faults = []
languages = (source / "po" / "LINGUAS").read_text().split()

# Up to date: the catalogues are what lupdate makes of the code now.
with tempfile.TemporaryDirectory() as scratch:
    for ts in sorted((source / "translations").glob("orbet_*.ts")):
        copy = pathlib.Path(scratch) / ts.name
        shutil.copy(ts, copy)
        plural = ["-pluralonly"] if ts.name == "orbet_en.ts" else []
        subprocess.run([lupdate, *options, *plural, *code, "-ts", str(copy)], check=True,
                       capture_output=True)
        if copy.read_bytes() != ts.read_bytes():
            faults.append(f"{ts.name} is out of date with the code: run "
                          "cmake --build build --target update_translations")

# Complete: every message finished, every form filled, markers and access keys kept.
MARKERS = re.compile(r"%(?:\d|n)")
for language in languages + ["en"]:
    ts = source / "translations" / f"orbet_{language}.ts"
    if not ts.exists():
        faults.append(f"{ts.name} is missing")
        continue
    root = ElementTree.parse(ts).getroot()
    for context in root.iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            text = message.findtext("source")
            translation = message.find("translation")
            where = f"{ts.name}, {name}: {text!r}"
            kind = translation.get("type")
            if kind in ("unfinished", "vanished", "obsolete"):
                faults.append(f"{where} is {kind}")
                continue
            forms = [f.text or "" for f in translation.iter("numerusform")] or \
                [translation.text or ""]
            for form in forms:
                if not form.strip():
                    faults.append(f"{where} has an empty translation")
                elif sorted(set(MARKERS.findall(text)) - {"%n"}) != \
                        sorted(set(MARKERS.findall(form)) - {"%n"}):
                    faults.append(f"{where}: place markers differ in {form!r}")
                elif re.search(r"&[^&\s]", text) and not re.search(r"&[^&\s]", form) and \
                        name != "QWidgetTextControl":
                    faults.append(f"{where}: no access key in {form!r}")

# The desktop entry's and the AppStream file's catalogues: up to date and complete.
for language in languages:
    po = source / "po" / f"{language}.po"
    done = subprocess.run(["msgcmp", str(po), str(pot)], capture_output=True, text=True)
    if done.returncode != 0:
        faults.append(f"{po.name}: {done.stderr.strip()}")
    fuzzy = subprocess.run(["msgattrib", "--only-fuzzy", "--no-obsolete", str(po)],
                           capture_output=True, text=True).stdout
    if "msgid" in fuzzy.split("\n\n", 1)[-1]:
        faults.append(f"{po.name} has fuzzy messages")
    check = subprocess.run(["msgfmt", "--check", "-o", "/dev/null", str(po)],
                           capture_output=True, text=True)
    if check.returncode != 0:
        faults.append(f"{po.name}: {check.stderr.strip()}")

# A help page in every language.
for language in languages:
    if not (source / "assets" / "help" / f"orbet_{language}.html").exists():
        faults.append(f"no help page in {language}")

if faults:
    print("\n".join(faults))
    sys.exit(1)
print(f"the catalogues are up to date and complete in {len(languages)} languages")

#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Fills the Traditional Chinese translation file from the Simplified one.

Regenerate with:
    python3 tools/gen_trad_ts.py            # after `cmake --build build --target lupdate`

lang/lang_Chinese_Simp.ts holds every source text (Simplified Chinese). Its
translations are made equal to the source, so the Simplified .qm is never
empty. lang/lang_Chinese_Trad.ts gets, for every source text, the OpenCC
conversion with Taiwan phrases (s2twp). A Traditional translation that a person
has already reviewed (no type="unfinished" attribute) is kept as it stands; new
conversions are written as finished, since they were reviewed in the diff.
"""
import subprocess
import sys
import xml.etree.ElementTree as ET
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
SIMP = ROOT / "lang" / "lang_Chinese_Simp.ts"
TRAD = ROOT / "lang" / "lang_Chinese_Trad.ts"


def opencc(texts):
    if not texts:
        return []
    # One text per record; an ASCII marker line keeps multi-line texts apart.
    sep = "\n@@QINGYAO-SEP@@\n"
    joined = sep.join(texts)
    out = subprocess.run(["opencc", "-c", "s2twp.json"], input=joined.encode("utf-8"),
                         stdout=subprocess.PIPE, check=True).stdout.decode("utf-8")
    parts = out.split(sep)
    if len(parts) != len(texts):
        sys.exit("opencc changed the number of texts")
    return parts


# In this program 干 is always the stem (天干, 日干, 藏干), 丑 the branch and
# 冲 the clash; OpenCC reads them by phrase as 幹/乾, 醜 and 衝. Where the
# conversion kept the length, the character at the same place is put back
# (冲 as 沖, its Traditional clash form); other places are left to review.
CALENDAR_CHARS = {"干": "干", "丑": "丑", "冲": "沖"}


def keep_calendar_chars(source, converted):
    if len(source) != len(converted):
        return converted
    out = list(converted)
    for i, ch in enumerate(source):
        if ch in CALENDAR_CHARS:
            out[i] = CALENDAR_CHARS[ch]
    return "".join(out)


def load(path):
    return ET.parse(path) if path.exists() else None


def reviewed(tree):
    done = {}
    if tree is None:
        return done
    for ctx in tree.getroot().iter("context"):
        cname = ctx.findtext("name")
        for msg in ctx.iter("message"):
            tr = msg.find("translation")
            if tr is not None and tr.get("type") is None and tr.text:
                done[(cname, msg.findtext("source"))] = tr.text
    return done


def write(tree, path, language):
    root = tree.getroot()
    root.set("language", language)
    ET.indent(tree, space="    ")
    body = ET.tostring(root, encoding="unicode")
    path.write_text('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n' + body + "\n", encoding="utf-8")


def main():
    simp = load(SIMP)
    if simp is None:
        sys.exit(f"missing {SIMP}")
    old = reviewed(load(TRAD))

    for msg in simp.getroot().iter("message"):
        tr = msg.find("translation")
        if tr is None:
            tr = ET.SubElement(msg, "translation")
        tr.attrib.pop("type", None)
        tr.text = msg.findtext("source")
    write(simp, SIMP, "zh_CN")

    trad = ET.ElementTree(ET.fromstring(ET.tostring(simp.getroot())))
    pending = []
    for ctx in trad.getroot().iter("context"):
        cname = ctx.findtext("name")
        for msg in ctx.iter("message"):
            key = (cname, msg.findtext("source"))
            tr = msg.find("translation")
            if key in old:
                tr.text = old[key]
            else:
                pending.append((tr, key[1]))
    for (tr, src), text in zip(pending, opencc([src for _, src in pending])):
        tr.text = keep_calendar_chars(src, text)
    write(trad, TRAD, "zh_TW")
    print(f"{len(pending)} new Traditional texts, {len(old)} kept")


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the character tables of the name-numerology and conversion scripts.

    js/strokeTables.js   stroke table by traditional form, the twelve
                         special-radical sets and their remaining strokes
    js/sim2tradTable.js  one-to-one simplified -> traditional code pairs

Sources (Debian packages, nothing fetched):
  - Unicode Han Database (unicode-data 15.0.0): /usr/share/unicode/Unihan_*.txt.bz2
      kTotalStrokes (the zh-Hant value where two are given), kRSKangXi,
      kRSUnicode, kRSAdobe_Japan1_6 (stroke count of the radical as written),
      kCangjie (first components, where the Adobe data is silent)
  - OpenCC character table STCharacters (libopencc-data 1.1.6), dumped with
      opencc_dict -i /usr/share/opencc/STCharacters.ocd2 -o - -f ocd2 -t text

Regenerate from the repository root:
    python3 tools/gen_name_tables.py
"""
import bz2
import re
import subprocess
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
UNIHAN = Path("/usr/share/unicode")
FIRST, LAST = 0x4E00, 0x9FA5  # the unified ideographs of Unicode 1.1
MAX_STROKES = 39

# index: (radical number, full form, full-form strokes, first members, Cangjie
# prefix of the reduced form for characters the Adobe data does not cover;
# None = every character of the radical with remaining strokes is reduced)
SPECIAL = [
    (85, "水", 4, "氵", "E"),
    (64, "手", 4, "扌", "Q"),
    (130, "肉", 6, "月", None),
    (140, "艸", 6, "艹", None),
    (162, "辵", 7, "辶", None),
    (170, "阜", 8, "阝", None),
    (163, "邑", 7, "", None),
    (96, "玉", 5, "", "MG"),
    (113, "示", 5, "礻", "IF"),
    (145, "衣", 6, "衤", "L"),
    (94, "犬", 4, "犭", "KH"),
    (61, "心", 4, "忄", "P"),
]


# Surnames written the same in both scripts although OpenCC's first candidate
# for the character is another word's traditional form.
KEEP_SURNAMES = "范于余郁党朴种游咸占仆"


def unihan(name, fields):
    # Lines are "U+XXXX<TAB>field<TAB>value"; one search per field over the
    # whole file is far quicker than splitting each of its lines.
    with bz2.open(UNIHAN / f"Unihan_{name}.txt.bz2", "rt", encoding="utf-8") as fh:
        text = fh.read()
    return {f: {int(code, 16): value
                for code, value in re.findall(r"^U\+([0-9A-F]+)\t" + re.escape(f) + r"\t([^\n]*)$", text, re.M)}
            for f in fields}


def radical_strokes(value):
    """(radical number, remaining strokes) from a kRSKangXi/kRSUnicode value."""
    rad, rest = value.split()[0].split(".")
    return int(rad.rstrip("'")), int(rest)


def main():
    irg = unihan("IRGSources", ["kTotalStrokes", "kRSUnicode"])
    rsc = unihan("RadicalStrokeCounts", ["kRSKangXi", "kRSAdobe_Japan1_6"])
    dic = unihan("DictionaryLikeData", ["kCangjie"])

    strokes = {}
    for cp in range(FIRST, LAST + 1):
        v = irg["kTotalStrokes"].get(cp)
        if v:
            strokes[cp] = int(v.split()[-1])  # the last value is the zh-Hant count

    charstr = [[] for _ in range(MAX_STROKES + 1)]
    for cp, n in sorted(strokes.items()):
        if n <= MAX_STROKES:
            charstr[n].append(chr(cp))

    def radical_and_rest(cp):
        v = rsc["kRSKangXi"].get(cp) or irg["kRSUnicode"].get(cp)
        return radical_strokes(v) if v else None
    rs_table = {cp: radical_and_rest(cp) for cp in range(FIRST, LAST + 1)}

    def rs_of(cp):
        return rs_table[cp] if cp in rs_table else radical_and_rest(cp)

    def written_reduced(cp, rad, full, prefix):
        adobe = rsc["kRSAdobe_Japan1_6"].get(cp)
        if adobe:
            for entry in adobe.split():
                r, written, _ = entry.split("+")[2].split(".")
                if int(r) == rad:
                    return int(written) < full
        if prefix is None:
            return True
        cj = dic["kCangjie"].get(cp)
        return bool(cj) and cj.startswith(prefix)

    sets, rests = [], []
    for rad, _, full, first, prefix in SPECIAL:
        members, rest = [], []
        for ch in first:
            members.append(ch)
            rest.append(rs_of(ord(ch))[1] if rs_of(ord(ch))[0] == rad else 0)
        given = set(first)  # the loop adds each code once; only these can repeat
        for cp in range(FIRST, LAST + 1):
            ch = chr(cp)
            rs = rs_of(cp)
            if ch in given or not rs or rs[0] != rad or rs[1] <= 0:
                continue
            if written_reduced(cp, rad, full, prefix):
                members.append(ch)
                rest.append(rs[1])
        sets.append("".join(members))
        rests.append(rest)

    # Simplified -> traditional: OpenCC's first (most common) candidate,
    # single characters in the unified block that really change.
    dump = subprocess.run(["opencc_dict", "-i", "/usr/share/opencc/STCharacters.ocd2", "-o",
                           "/dev/stdout", "-f", "ocd2", "-t", "text"],
                          check=True, capture_output=True, text=True).stdout
    pairs = {}
    for line in dump.splitlines():
        simp, trad = line.split("\t")
        candidates = trad.split()
        # Common surnames that OpenCC would turn into another word's form
        # (范 -> 範, 于 -> 於) keep their own, which is also a traditional form.
        trad = simp if simp in KEEP_SURNAMES and simp in candidates else candidates[0]
        if len(simp) == 1 and len(trad) == 1 and FIRST <= ord(simp) <= LAST and (
                simp != trad or simp in KEEP_SURNAMES):
            pairs[ord(simp)] = ord(trad)
    sim = sorted(pairs)

    head = ("// generated - do not edit\n"
            "// Sources: Unicode Han Database 15.0 (Debian unicode-data 15.0.0)%s.\n"
            "// Regenerate: python3 tools/gen_name_tables.py\n"
            ".pragma library\n\n")

    def js_str(s):
        return '"' + s + '"'

    with open(ROOT / "js" / "strokeTables.js", "w", encoding="utf-8") as fh:
        fh.write(head % ": kTotalStrokes (zh-Hant), kRSKangXi, kRSAdobe_Japan1_6, kCangjie")
        fh.write("// charstr[n]: characters of U+4E00..U+9FA5 whose traditional form has n strokes.\n")
        fh.write("var charstr = [\n")
        fh.write(",\n".join("    " + js_str("".join(c)) for c in charstr))
        fh.write("\n];\n\n")
        fh.write("// charstrSpec[i]: characters written with the reduced form of one radical;\n")
        fh.write("// charstrSpecRest[i][k]: remaining strokes (kRSKangXi) of charstrSpec[i][k].\n")
        fh.write("var charstrSpec = [\n")
        fh.write(",\n".join("    " + js_str(s) for s in sets))
        fh.write("\n];\n\nvar charstrSpecRest = [\n")
        fh.write(",\n".join("    [" + ",".join(map(str, r)) + "]" for r in rests))
        fh.write("\n];\n")

    with open(ROOT / "js" / "sim2tradTable.js", "w", encoding="utf-8") as fh:
        fh.write(head % " and OpenCC STCharacters (Debian libopencc-data 1.1.6)")
        fh.write("// %d pairs, simplified codes sorted ascending and distinct.\n" % len(sim))
        fh.write("var simCodes = [\n")
        for i in range(0, len(sim), 16):
            fh.write("    " + ", ".join(str(c) for c in sim[i:i + 16]) + ",\n")
        fh.write("];\n\nvar tradCodes = [\n")
        for i in range(0, len(sim), 16):
            fh.write("    " + ", ".join(str(pairs[c]) for c in sim[i:i + 16]) + ",\n")
        fh.write("];\n")

    print("stroke table: %d characters; special sets: %s; pairs: %d (%d..%d)" % (
        sum(len(c) for c in charstr), [len(s) for s in sets], len(sim), sim[0], sim[-1]),
        file=sys.stderr)


if __name__ == "__main__":
    main()

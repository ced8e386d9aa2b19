#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes cpp/scriptConversion.txt, the table of ScriptConverter.

    S  a character that exists only in Simplified writing
    T  a character that exists only in Traditional writing
    f  traditional -> simplified, one character, for script-blind search
    s  simplified -> traditional, one character or a phrase; the converter
       takes the longest phrase that starts at each place (as OpenCC does)

One row a line, "tag<TAB>key[<TAB>value]", sorted by tag and key as UTF-8
bytes (after the comment lines): the converter looks rows up by bisecting
the text where it lies in the program, without building tables at start.

Sources (Debian libopencc-data 1.1.6, nothing fetched): the dictionaries of
OpenCC's s2twp chain (STPhrases, STCharacters, TWPhrases, TWVariants), which
the Traditional translation catalogue also uses (tools/gen_trad_ts.py), and
TSCharacters. Each entry's value is what `opencc -c s2twp.json` makes of the
entry alone, then the field's own usage below is laid over it.

Regenerate from the repository root (needs the Debian package `opencc`):
    python3 tools/gen_script_conversion.py
"""
import subprocess
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
OUT = ROOT / "cpp" / "scriptConversion.txt"
DICTS = Path("/usr/share/opencc")

# This field's own writing, where OpenCC reads the everyday word instead.
PROTECTED_CHARS = {
    "干": "干",  # the stems: 天干, 日干, 时干, 藏干 (干净, 干部 stay 乾/幹 by phrase)
    "丑": "丑",  # the branch (丑陋 stays 醜 by phrase)
    "冲": "沖",  # clashes are written 沖 (冲突 stays 衝 by phrase)
}
PROTECTED_PHRASES = {
    "天克地冲": "天剋地沖",  # 反吟: stems overcome, branches clash
    "生克": "生剋",
    "克我": "剋我",
    "我克": "我剋",
    "克泄": "剋洩",
    "干支历": "干支曆",  # calendars are 曆, histories 歷
    "节气历": "節氣曆",
    "芒种": "芒種",
    "刑冲": "刑沖",
    "冲合": "沖合",
    "冲克": "沖剋",
    "干头": "干頭",  # the stem standing over a branch
}


def dump(name):
    out = subprocess.run(["opencc_dict", "-i", str(DICTS / (name + ".ocd2")), "-o", "/dev/stdout",
                          "-f", "ocd2", "-t", "text"], stdout=subprocess.PIPE, check=True).stdout
    rows = {}
    for line in out.decode("utf-8").splitlines():
        key, _, values = line.partition("\t")
        if key and values:
            rows[key] = values.split(" ")
    return rows


def opencc(config, texts):
    joined = "\n".join(texts) + "\n"
    out = subprocess.run(["opencc", "-c", config], input=joined.encode("utf-8"),
                         stdout=subprocess.PIPE, check=True).stdout.decode("utf-8")
    lines = out.split("\n")[:len(texts)]
    if len(lines) != len(texts):
        sys.exit("opencc changed the number of lines")
    return lines


def main():
    st_chars = dump("STCharacters")
    st_phrases = dump("STPhrases")
    tw_phrases = dump("TWPhrases")
    ts_chars = dump("TSCharacters")

    # Taiwan phrases are keyed by their Traditional form; find them from the
    # Simplified side too.
    keys = set(st_chars) | set(st_phrases) | set(opencc("t2s.json", sorted(tw_phrases)))
    keys = sorted(k for k in keys if "\n" not in k)
    values = dict(zip(keys, opencc("s2twp.json", keys)))
    chars = {k: v for k, v in values.items() if len(k) == 1}
    chars.update(PROTECTED_CHARS)

    # Every phrase stays, also those that convert like their characters:
    # they keep a longer or overlapping match from starting inside them.
    kept = {k: v for k, v in values.items() if len(k) > 1}
    kept.update(PROTECTED_PHRASES)

    fold = {k: v[0] for k, v in ts_chars.items() if len(k) == 1 and v[0] != k}
    simplified_only = sorted(k for k, v in st_chars.items() if len(k) == 1 and k not in v)
    traditional_only = sorted(k for k, v in ts_chars.items() if len(k) == 1 and k not in v)

    with OUT.open("w", encoding="utf-8") as fh:
        fh.write("# generated - do not edit\n"
                 "# Regenerate from the repository root: python3 tools/gen_script_conversion.py\n"
                 "# Sources: OpenCC dictionaries (Debian libopencc-data 1.1.6), s2twp chain and TSCharacters;\n"
                 "# licence Apache-2.0, copyright the OpenCC authors.\n")
        rows = [("S", k, None) for k in simplified_only] + [("T", k, None) for k in traditional_only]
        rows += [("f", k, v) for k, v in fold.items()]
        rows += [("s", k, v) for k, v in chars.items() if v != k]
        rows += [("s", k, v) for k, v in kept.items()]
        # Python orders str by code point, as UTF-8 bytes compare.
        rows.sort(key=lambda r: (r[0], r[1]))
        for tag, k, v in rows:
            fh.write("%s\t%s\n" % (tag, k) if v is None else "%s\t%s\t%s\n" % (tag, k, v))
    print("%d characters, %d phrases, %d folds, %d simplified-only, %d traditional-only"
          % (len(chars), len(kept), len(fold), len(simplified_only), len(traditional_only)),
          file=sys.stderr)


if __name__ == "__main__":
    main()

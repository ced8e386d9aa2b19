#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Prints random paragraphs of the book script for reading review.

    python3 tools/sample_book_text.py              # ten rows from all books
    python3 tools/sample_book_text.py -n 5 -b baojian --seed 7
    python3 tools/sample_book_text.py --readings   # also numerology readings

The script is loaded into an in-memory SQLite database the way the program
loads it (split at ";", one transaction), so a sample also shows that the
script runs. Markers are turned into line breaks for reading.
"""
import argparse
import random
import re
import sqlite3
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent


def load_books():
    db = sqlite3.connect(":memory:")
    script = (ROOT / "datafiles" / "bookData.sql").read_text(encoding="utf-8")
    with db:
        for statement in script.split(";"):
            if statement.strip():
                db.execute(statement)
    return db


def readable(text):
    text = re.sub(r"<?s1>?", "", text)
    text = re.sub(r"<?s2>?", "", text)
    text = re.sub(r"<?p1>?", "\n  ", text)
    return re.sub(r"<?p2>?", "", text).strip("\n")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("-n", type=int, default=10, help="number of samples")
    parser.add_argument("-b", "--book", help="only this book key")
    parser.add_argument("--seed", type=int, help="random seed for a repeatable sample")
    parser.add_argument("--readings", action="store_true", help="also sample js/sanCaiReadings.js")
    args = parser.parse_args()
    rng = random.Random(args.seed)

    db = load_books()
    if args.book:
        rows = db.execute("SELECT bookname, idx01, idx02, idx03, content01 FROM bookData WHERE bookname = ?",
                          (args.book,)).fetchall()
    else:
        rows = db.execute("SELECT bookname, idx01, idx02, idx03, content01 FROM bookData").fetchall()
    if not rows:
        raise SystemExit("no rows")
    for book, i1, i2, i3, text in rng.sample(rows, min(args.n, len(rows))):
        key = ",".join(x for x in (i1, i2, i3) if x is not None)
        print(f"[{book} {key}]\n  {readable(text)}\n")

    if args.readings:
        source = (ROOT / "js" / "sanCaiReadings.js").read_text(encoding="utf-8")
        texts = [bytes(t, "utf-8").decode("unicode_escape").encode("latin-1").decode("utf-8")
                 for t in re.findall(r'"((?:[^"\\]|\\.)*)"', source)]
        texts = [t for t in texts if t]
        for t in rng.sample(texts, min(args.n, len(texts))):
            print(t)


if __name__ == "__main__":
    main()

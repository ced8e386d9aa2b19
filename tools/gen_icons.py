#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draws the four tool-bar icons of the "gallery" icon theme.

Regenerate with:
    python3 tools/gen_icons.py

Writes icons/gallery/index.theme and icons/gallery/20x20[@N]/{back,drawer,menu,
question-circle}.png for scales 1 to 4. The icons are drawn here from strokes
(distance to line segments and arcs, 4x4 supersampling), in one calm grey.
"""
import math
import struct
import zlib
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent / "icons" / "gallery"
COLOR = (0x35, 0x3a, 0x40)
NAMES = ["back", "drawer", "menu", "question-circle"]


def seg_dist(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy or 1)))
    return math.hypot(px - (ax + t * dx), py - (ay + t * dy))


def arc_points(cx, cy, r, a0, a1, n=24):
    return [(cx + r * math.cos(math.radians(a0 + (a1 - a0) * i / n)),
             cy + r * math.sin(math.radians(a0 + (a1 - a0) * i / n))) for i in range(n + 1)]


# Shapes on a 20x20 canvas: polylines with a stroke width, and filled dots.
SHAPES = {
    "back": {"lines": [[(16, 10), (4, 10)], [(9.5, 4.5), (4, 10), (9.5, 15.5)]], "dots": [], "w": 2.0},
    "drawer": {"lines": [[(3, 5), (17, 5)], [(3, 10), (17, 10)], [(3, 15), (17, 15)]], "dots": [], "w": 2.0},
    "menu": {"lines": [], "dots": [(10, 4, 1.7), (10, 10, 1.7), (10, 16, 1.7)], "w": 2.0},
    "question-circle": {
        "lines": [arc_points(10, 10, 8.2, 0, 360, 48),
                  arc_points(10, 7.6, 2.6, 180, 405, 20) + [(10, 11.6)]],
        "dots": [(10, 14.6, 1.2)], "w": 1.6},
}


def segments(shape):
    """The shape's segments with their boxes widened by half the stroke: a
    point outside a box is farther than half from its segment."""
    half = shape["w"] / 2
    out = []
    for line in shape["lines"]:
        for (ax, ay), (bx, by) in zip(line, line[1:]):
            out.append((min(ax, bx) - half, max(ax, bx) + half, min(ay, by) - half, max(ay, by) + half,
                        ax, ay, bx, by))
    return out


def coverage(shape, segs, x, y):
    half = shape["w"] / 2
    for x0, x1, y0, y1, ax, ay, bx, by in segs:
        if x < x0 or x > x1 or y < y0 or y > y1:
            continue
        if seg_dist(x, y, ax, ay, bx, by) <= half:
            return 1
    for cx, cy, r in shape["dots"]:
        if math.hypot(x - cx, y - cy) <= r:
            return 1
    return 0


def render(shape, scale):
    size = 20 * scale
    segs = segments(shape)
    # What a sample can hit lies in one of these boxes; a pixel whose samples
    # all lie outside every box is empty, without testing each sample.
    boxes = [seg[:4] for seg in segs] + [(cx - r, cx + r, cy - r, cy + r) for cx, cy, r in shape["dots"]]
    rows = []
    for j in range(size):
        row = bytearray([0])
        y0, y1 = (j + 0.125) / scale, (j + 0.875) / scale  # the first and last sample
        for i in range(size):
            x0, x1 = (i + 0.125) / scale, (i + 0.875) / scale
            hits = 0
            if any(x1 >= bx0 and x0 <= bx1 and y1 >= by0 and y0 <= by1 for bx0, bx1, by0, by1 in boxes):
                hits = sum(coverage(shape, segs, (i + (a + 0.5) / 4) / scale, (j + (b + 0.5) / 4) / scale)
                           for a in range(4) for b in range(4))
            row += bytes(COLOR) + bytes([round(255 * hits / 16)])
        rows.append(bytes(row))
    return size, b"".join(rows)


def png(size, raw):
    def chunk(tag, data):
        return struct.pack(">I", len(data)) + tag + data + struct.pack(">I", zlib.crc32(tag + data) & 0xFFFFFFFF)
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")


def main():
    dirs = []
    for scale in (1, 2, 3, 4):
        name = "20x20" if scale == 1 else f"20x20@{scale}"
        dirs.append((name, scale))
        out = ROOT / name
        out.mkdir(parents=True, exist_ok=True)
        for icon in NAMES:
            (out / f"{icon}.png").write_bytes(png(*render(SHAPES[icon], scale)))
    lines = ["[Icon Theme]", "Name=Gallery", "Comment=Tool-bar icons of 晴曜命盘",
             "Directories=" + ",".join(d for d, _ in dirs), ""]
    for d, scale in dirs:
        lines += [f"[{d}]", "Size=20", f"Scale={scale}", "Type=Fixed", ""]
    (ROOT / "index.theme").write_text("\n".join(lines), encoding="utf-8")


if __name__ == "__main__":
    main()

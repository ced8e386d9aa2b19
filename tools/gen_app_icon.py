#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draws the application icon (the product mark of qml/AppLogo.qml) as SVG.

Regenerate with:
    /usr/bin/python3 tools/gen_app_icon.py

Writes packaging/com.solquist.qingyao.svg: a night-blue disc with a gold rim, a
sun disc at the upper right and the character 曜 in white. The character is
stored as its outline, taken from Noto Sans CJK SC Bold (Debian fonts-noto-cjk,
SIL Open Font License 1.1) with fontTools (Debian python3-fonttools), so the
icon looks the same whatever fonts the desktop has. The build turns this file
into the 48, 128 and 256 pixel PNGs of the hicolor theme.
"""
from pathlib import Path

from fontTools.pens.boundsPen import BoundsPen
from fontTools.pens.svgPathPen import SVGPathPen
from fontTools.pens.transformPen import TransformPen
from fontTools.ttLib import TTCollection

FONT = "/usr/share/fonts/opentype/noto/NotoSansCJK-Bold.ttc"
FAMILY = "Noto Sans CJK SC"
CHAR = "曜"
OUT = Path(__file__).resolve().parent.parent / "packaging" / "com.solquist.qingyao.svg"

# The same proportions and colours as qml/AppLogo.qml, on a 128-unit canvas.
SIZE = 128
FIELD, RIM, SUN, INK = "#1d3b52", "#f3d27a", "#f3b33d", "#ffffff"
RIM_WIDTH = SIZE / 28
SUN_D, SUN_X, SUN_Y = 0.34 * SIZE, 0.56 * SIZE, 0.12 * SIZE
GLYPH_PX, GLYPH_DY = 0.46 * SIZE, 0.06 * SIZE


def num(x):
    text = f"{x:.2f}".rstrip("0").rstrip(".")
    return "0" if text == "-0" else text


def font():
    for f in TTCollection(FONT).fonts:
        if f["name"].getDebugName(1) == FAMILY:
            return f
    raise SystemExit(f"{FAMILY} not found in {FONT}")


def glyph_path():
    f = font()
    glyphs = f.getGlyphSet()
    name = f.getBestCmap()[ord(CHAR)]
    scale = GLYPH_PX / f["head"].unitsPerEm
    bounds = BoundsPen(glyphs)
    glyphs[name].draw(bounds)
    x0, y0, x1, y1 = bounds.bounds
    # Centre the outline's box on the disc's centre moved down as the QML
    # text is; font units point up, SVG units down.
    dx = SIZE / 2 - scale * (x0 + x1) / 2
    dy = SIZE / 2 + GLYPH_DY + scale * (y0 + y1) / 2
    svg = SVGPathPen(glyphs, ntos=num)
    glyphs[name].draw(TransformPen(svg, (scale, 0, 0, -scale, dx, dy)))
    return svg.getCommands()


def main():
    r = SIZE / 2 - RIM_WIDTH / 2
    text = f"""<?xml version="1.0" encoding="UTF-8"?>
<!-- generated - do not edit. Regenerate with: /usr/bin/python3 tools/gen_app_icon.py -->
<svg xmlns="http://www.w3.org/2000/svg" width="{SIZE}" height="{SIZE}" viewBox="0 0 {SIZE} {SIZE}">
  <circle cx="{num(SIZE / 2)}" cy="{num(SIZE / 2)}" r="{num(r)}" fill="{FIELD}" stroke="{RIM}" stroke-width="{num(RIM_WIDTH)}"/>
  <circle cx="{num(SUN_X + SUN_D / 2)}" cy="{num(SUN_Y + SUN_D / 2)}" r="{num(SUN_D / 2)}" fill="{SUN}"/>
  <path fill="{INK}" d="{glyph_path()}"/>
</svg>
"""
    OUT.parent.mkdir(parents=True, exist_ok=True)
    OUT.write_text(text, encoding="utf-8")


if __name__ == "__main__":
    main()

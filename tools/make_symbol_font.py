#!/usr/bin/python3
"""Writes a symbol-encoded "Symbol" font from a Unicode Greek/maths face.

Windows programs select the face "Symbol" and draw "W" to get the ohm sign. Wine only matches that
face to a symbol-charset font, so the copy has a single (3, 0) cmap that maps 0xF000 + c to the
glyph the source maps at c, and declares the symbol code page.
"""
import sys

from fontTools.ttLib import TTFont
from fontTools.ttLib.tables._c_m_a_p import cmap_format_4


def main(source: str, target: str) -> None:
    font = TTFont(source)
    best = font.getBestCmap()
    mapping = {0xF000 + c: best[c] for c in range(0x20, 0x100) if c in best}

    sub = cmap_format_4(4)
    sub.platformID, sub.platEncID, sub.language = 3, 0, 0
    sub.cmap = mapping
    font["cmap"].tables = [sub]

    for record in font["name"].names:
        if record.nameID in (1, 4, 6, 16):
            record.string = "Symbol"

    os2 = font["OS/2"]
    os2.ulCodePageRange1 = 1 << 31
    os2.ulCodePageRange2 = 0
    os2.usFirstCharIndex = 0xF020
    os2.usLastCharIndex = 0xF0FF
    font.save(target)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])

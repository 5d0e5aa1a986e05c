#!/usr/bin/python3
"""Draws the program's artwork at build time: the application icon, the hand cursor and the
bitmaps of the resistor picture and
the small pictures of the menus, the About dialog's banner and the options pages' icons.

Usage: make_artwork.py OUTDIR   (writes OUTDIR/vantrel.ico, OUTDIR/hand.cur and the .bmp files)
"""
import os
import struct
import sys

import about_art
import menu_art
import option_icons
import resistor_art

# Ring colours of a 4.7 kOhm, 5 % resistor: yellow, violet, red, gold.
RINGS = [(230, 200, 0), (140, 40, 170), (200, 20, 20), (200, 160, 40)]
BODY = (222, 190, 140)
BODY_EDGE = (150, 115, 70)
LEAD = (150, 150, 150)

HAND = [
    "      XX        ",
    "     X..X       ",
    "     X..X       ",
    "     X..X       ",
    "     X..XXX     ",
    "     X..X..XXX  ",
    "  XX X..X..X..XX",
    " X..XX........X ",
    " X...X........X ",
    "  X...........X ",
    "   X..........X ",
    "   X.........X  ",
    "    X........X  ",
    "    X.......X   ",
    "     X......X   ",
    "     XXXXXXXX   ",
]


def icon_pixels(size):
    """RGBA rows, top first: a horizontal resistor with four rings on its leads."""
    px = [[(0, 0, 0, 0)] * size for _ in range(size)]
    s = size / 32.0
    cy = size // 2
    lead_h = max(1, round(2 * s))
    for x in range(size):
        for y in range(cy - lead_h // 2, cy - lead_h // 2 + lead_h):
            px[y][x] = LEAD + (255,)
    left, right = round(5 * s), size - round(5 * s)
    half = round(7 * s)
    for y in range(cy - half, cy + half):
        for x in range(left, right):
            edge = y in (cy - half, cy + half - 1) or x in (left, right - 1)
            px[y][x] = (BODY_EDGE if edge else BODY) + (255,)
    width = max(1, round(3 * s))
    starts = [round(v * s) for v in (8, 12, 16, 22)]
    for colour, x0 in zip(RINGS, starts):
        for y in range(cy - half + 1, cy + half - 1):
            for x in range(x0, x0 + width):
                px[y][x] = colour + (255,)
    return px


def icon_image(size):
    px = icon_pixels(size)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    xor = b"".join(bytes((b, g, r, a)) for row in reversed(px) for (r, g, b, a) in row)
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(px):
        bits = bytearray(mask_stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + xor + bytes(mask)


def write_icon_file(path, kind, images, hotspot=(0, 0)):
    out = struct.pack("<HHH", 0, kind, len(images))
    offset = 6 + 16 * len(images)
    entries, data = b"", b""
    for size, blob, bpp in images:
        planes_or_x, bits_or_y = (1, bpp) if kind == 1 else hotspot
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, planes_or_x, bits_or_y,
                               len(blob), offset + len(data))
        data += blob
    with open(path, "wb") as f:
        f.write(out + entries + data)


def cursor_image():
    """32x32 monochrome hand: AND mask clear where drawn, XOR white inside, black outline."""
    size = 32
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 1, 0, 0, 0, 0, 2, 0)
    palette = bytes((0, 0, 0, 0, 255, 255, 255, 0))
    xor_rows, and_rows = [], []
    for y in range(size):
        line = HAND[y] if y < len(HAND) else ""
        xor_bits, and_bits = 0, 0xFFFFFFFF
        for x, ch in enumerate(line.ljust(32)[:32]):
            bit = 1 << (31 - x)
            if ch in "X.":
                and_bits &= ~bit
            if ch == ".":
                xor_bits |= bit
        xor_rows.append(struct.pack(">I", xor_bits))
        and_rows.append(struct.pack(">I", and_bits & 0xFFFFFFFF))
    return header + palette + b"".join(reversed(xor_rows)) + b"".join(reversed(and_rows))


def main(outdir):
    os.makedirs(outdir, exist_ok=True)
    write_icon_file(os.path.join(outdir, "vantrel.ico"), 1,
                    [(32, icon_image(32), 32), (16, icon_image(16), 32)])
    write_icon_file(os.path.join(outdir, "hand.cur"), 2, [(32, cursor_image(), 1)], hotspot=(6, 0))
    resistor_art.write_all(outdir)
    menu_art.write_all(outdir)
    about_art.write_all(outdir, icon_pixels)
    option_icons.write_all(outdir)


if __name__ == "__main__":
    main(sys.argv[1])

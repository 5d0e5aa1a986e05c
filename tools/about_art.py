"""The About dialog's banner, 390 x 60: the program's resistor on a band that darkens from the
top down. Each row is one colour but for the resistor, so the bitmap is stored run-length
encoded (BI_RLE8) and costs the program almost nothing."""
import os
import struct

import resistor_art

WIDTH, HEIGHT = 390, 60
TOP, BOTTOM = (205, 222, 245), (40, 90, 160)
ICON_SIZE, ICON_LEFT = 48, 14


def banner_rows(icon_pixels):
    """icon_pixels(size) gives RGBA rows of the program's resistor."""
    rows = []
    for y in range(HEIGHT):
        t = y / (HEIGHT - 1)
        colour = tuple(resistor_art.clamp(a + (b - a) * t) for a, b in zip(TOP, BOTTOM))
        rows.append([colour] * WIDTH)
    top = (HEIGHT - ICON_SIZE) // 2
    for y, line in enumerate(icon_pixels(ICON_SIZE)):
        for x, (r, g, b, a) in enumerate(line):
            if a:
                rows[top + y][ICON_LEFT + x] = (r, g, b)
    return rows


def rle8(indices):
    """One row in BI_RLE8 encoded runs, ended by the end-of-line code."""
    out = bytearray()
    x = 0
    while x < len(indices):
        run = 1
        while x + run < len(indices) and run < 255 and indices[x + run] == indices[x]:
            run += 1
        out += bytes((run, indices[x]))
        x += run
    return out + b"\x00\x00"


def write_rle8_bmp(path, rows):
    palette = sorted({c for row in rows for c in row})
    assert len(palette) <= 256, len(palette)
    index = {c: i for i, c in enumerate(palette)}
    data = bytearray()
    for row in reversed(rows):
        data += rle8([index[c] for c in row])
    data += b"\x00\x01"
    colours = b"".join(bytes((b, g, r, 0)) for (r, g, b) in palette)
    offset = 14 + 40 + len(colours)
    header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 8, 1, len(data), 2835, 2835, len(palette), 0)
    with open(path, "wb") as f:
        f.write(header + info + colours + data)


def write_all(outdir, icon_pixels):
    write_rle8_bmp(os.path.join(outdir, "about_banner.bmp"), banner_rows(icon_pixels))

"""The options pages' icons, 32 x 32 in 16 colours: the look page (a window with its title bar
and side bar), the online update (a green circular arrow) and the repair tool (a wrench)."""
import math
import os
import struct

SIZE = 32
PALETTE = [(0, 0, 0), (40, 40, 40), (255, 255, 255), (60, 110, 200), (150, 190, 240), (230, 235, 245),
           (40, 150, 60), (120, 200, 120), (130, 130, 140), (190, 190, 200), (230, 200, 0), (200, 20, 20),
           (140, 40, 170), (222, 190, 140), (90, 90, 100), (0, 0, 0)]
CLEAR = None


def blank():
    return [[CLEAR] * SIZE for _ in range(SIZE)]


def look_icon():
    px = blank()
    for y in range(4, 28):
        for x in range(2, 30):
            edge = y in (4, 27) or x in (2, 29)
            px[y][x] = 1 if edge else (3 if y < 9 else (4 if x > 21 else 5))
    for x, colour in ((6, 10), (8, 12), (10, 11)):  # rings of a small resistor in the body
        for y in range(14, 21):
            px[y][x] = colour
    for y in range(14, 21):
        for x in range(4, 17):
            if px[y][x] == 5:
                px[y][x] = 13
    return px


def update_icon():
    px = blank()
    c = (SIZE - 1) / 2
    for y in range(SIZE):
        for x in range(SIZE):
            r = math.hypot(x - c, y - c)
            angle = math.degrees(math.atan2(y - c, x - c)) % 360
            if 8 <= r <= 13 and not 300 < angle < 350:
                px[y][x] = 6 if r > 11 or r < 9.5 else 7
    for i in range(7):  # the arrow's head at the ring's open end
        for x in range(24 - i, 25 + i):
            if 0 <= x < SIZE:
                px[6 + i][x] = 6
    return px


def repair_icon():
    px = blank()
    for t in range(0, 40):
        x, y = 6 + t * 0.5, 25 - t * 0.5
        for d in range(-2, 3):
            xi, yi = int(round(x + d * 0.7)), int(round(y + d * 0.7))
            if 0 <= xi < SIZE and 0 <= yi < SIZE:
                px[yi][xi] = 8 if d else 9
    c = (24, 8)
    for y in range(SIZE):
        for x in range(SIZE):
            r = math.hypot(x - c[0], y - c[1])
            if 3 <= r <= 6.5 and not (x > c[0] and y < c[1]):
                px[y][x] = 14 if r > 5.5 else 8
    return px


def icon_file(pixels):
    stride = SIZE // 2  # 4 bits a pixel: 16 bytes a row, already a multiple of 4
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    colours = b"".join(bytes((b, g, r, 0)) for (r, g, b) in PALETTE)
    xor = bytearray()
    mask = bytearray()
    for row in reversed(pixels):
        for x in range(0, SIZE, 2):
            hi, lo = (row[x] or 0), (row[x + 1] or 0)
            xor.append((hi << 4) | lo)
        bits = bytearray(4)
        for x, p in enumerate(row):
            if p is CLEAR:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    image = header + colours + bytes(xor) + bytes(mask)
    assert len(xor) == stride * SIZE
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 16, 0, 1, 4, len(image), 6 + 16)
    return struct.pack("<HHH", 0, 1, 1) + entry + image


def write_all(outdir):
    for name, pixels in (("page_look.ico", look_icon()), ("page_update.ico", update_icon()),
                         ("page_repair.ico", repair_icon())):
        with open(os.path.join(outdir, name), "wb") as f:
            f.write(icon_file(pixels))

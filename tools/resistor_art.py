"""The resistor picture's bitmaps: the body in both orientations, the colour scales and the
background with its omega sign. Sizes, transparent colours and the swatch layout are fixed by
the program's drawing code; only the look is free.
"""
import math
import os
import struct

WHITE = (255, 255, 255)
SILVER_KEY = (192, 192, 192)
BLACK = (0, 0, 0)

# Swatch colours by scale, position 1 first (tolerance blue and violet are 192 here, as on the
# other rings, although the painted tolerance ring uses 198).
BROWN, RED, ORANGE, YELLOW = (136, 109, 72), (255, 0, 0), (255, 128, 0), (255, 255, 0)
GREEN, BLUE, VIOLET, GREY = (0, 255, 0), (0, 0, 192), (192, 0, 192), (224, 224, 224)
SILVER, GOLD = (128, 128, 128), (192, 192, 0)
DIGITS = [BLACK, BROWN, RED, ORANGE, YELLOW, GREEN, BLUE, VIOLET, GREY, WHITE]
SCALES = {
    "digit": (134, [1, 15, 29, 43, 57, 71, 85, 99, 113, 127], DIGITS),
    "multiplier": (133, [0, 16, 32, 47, 64, 79, 95, 110, 126],
                   [SILVER, GOLD, BLACK, BROWN, RED, ORANGE, YELLOW, GREEN, BLUE]),
    "tolerance": (133, [0, 18, 36, 54, 72, 90, 108, 126],
                  [SILVER, GOLD, BROWN, RED, GREEN, BLUE, VIOLET, GREY]),
    "tempco": (133, [0, 21, 42, 63, 84, 105, 126], [BROWN, RED, ORANGE, YELLOW, BLUE, VIOLET, WHITE]),
}
SWATCH_LENGTH, SCALE_THICKNESS = 7, 10

# The lying body: 330 x 82 on white. Rings cover rows 9 to 70 and columns 49 to 272 of it.
BODY_W, BODY_H = 330, 82
BODY_COLOUR = (226, 196, 146)
BODY_CY, BODY_HALF = 40.0, 32.0
BODY_LEFT, BODY_RIGHT = 24.5, 296.5
CAP_HALF, CAP_LENGTH, NECK_LENGTH, END_RADIUS = 35.0, 19.0, 5.0, 11.0
LEAD_HALF = 3.0

# The exported picture's small resistor: 80 along by 34 across. Its rings cover columns 18 to 57
# along and 22 rows across, from row 4 (lying) or column 8 (upright).
SMALL_ALONG, SMALL_ACROSS = 80, 34
SMALL_BODY_FIRST, SMALL_BODY_LAST, SMALL_BODY_HALF = 13, 64, 13
SMALL_PALETTE = [WHITE, BODY_COLOUR, tuple(c * 42 // 100 for c in BODY_COLOUR), (150, 150, 150)]

BACKGROUND_W, BACKGROUND_H = 332, 372
GRADIENT_STEPS, COVER_LEVELS = 51, 5
BAYER = [[0, 8, 2, 10], [12, 4, 14, 6], [3, 11, 1, 9], [15, 7, 13, 5]]


def write_bmp(path, width, rows, bpp, palette=None):
    """rows: top first; RGB tuples for 24 bits, palette indices otherwise."""
    stride = ((width * bpp + 31) // 32) * 4
    data = bytearray()
    for row in reversed(rows):
        if bpp == 24:
            line = b"".join(bytes((b, g, r)) for (r, g, b) in row)
        elif bpp == 8:
            line = bytes(row)
        else:
            line = bytes((row[i] << 4) | (row[i + 1] if i + 1 < width else 0) for i in range(0, width, 2))
        data += line + bytes(stride - len(line))
    colours = b"".join(bytes((b, g, r, 0)) for (r, g, b) in (palette or []))
    offset = 14 + 40 + len(colours)
    header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, len(rows), 1, bpp, 0, len(data), 2835, 2835,
                       len(palette or []), 0)
    with open(path, "wb") as f:
        f.write(header + info + colours + data)


def clamp(v, top=255):
    return max(0, min(top, int(round(v))))


def body_half_height(x):
    """Half height of the silhouette at x: bulged end caps, a short neck, rounded ends."""
    d = min(x - BODY_LEFT, BODY_RIGHT - x)
    if d < 0:
        return 0.0
    if d < END_RADIUS:
        return CAP_HALF - END_RADIUS + math.sqrt(END_RADIUS ** 2 - (END_RADIUS - d) ** 2)
    if d < CAP_LENGTH:
        return CAP_HALF
    if d < CAP_LENGTH + NECK_LENGTH:
        t = (d - CAP_LENGTH) / NECK_LENGTH
        return BODY_HALF + (CAP_HALF - BODY_HALF) * (1 + math.cos(t * math.pi)) / 2
    return BODY_HALF


def cylinder_light(n):
    """Brightness of a cylinder lit from above and in front; n runs from -1 (top) to 1 (bottom)."""
    nz = math.sqrt(max(0.0, 1 - n * n))
    diffuse = max(0.0, -0.55 * n + 0.835 * nz)
    return 0.4 + 0.68 * diffuse, diffuse ** 40 * 0.3


def lying_body():
    inside = [[abs(y + 0.5 - BODY_CY) < body_half_height(x + 0.5) for x in range(BODY_W)]
              for y in range(BODY_H)]
    rows = []
    for y in range(BODY_H):
        row = []
        for x in range(BODY_W):
            cx, cy = x + 0.5, y + 0.5
            if inside[y][x]:
                edge = any(not inside[y + dy][x + dx] for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))
                if edge:
                    row.append(tuple(clamp(c * 0.42) for c in BODY_COLOUR))
                    continue
                light, shine = cylinder_light((cy - BODY_CY) / body_half_height(cx))
                # The rounded ends turn away from the light.
                d = min(cx - BODY_LEFT, BODY_RIGHT - cx)
                light *= 0.7 + 0.3 * min(1.0, d / END_RADIUS)
                row.append(tuple(clamp(c * light + 255 * shine, 254) for c in BODY_COLOUR))
            elif abs(cy - BODY_CY) < LEAD_HALF:
                light, shine = cylinder_light((cy - BODY_CY) / LEAD_HALF)
                row.append(tuple(clamp(c * light + 255 * shine, 254) for c in (176, 180, 188)))
            else:
                row.append(WHITE)
        rows.append(row)
    return rows


def transpose(rows):
    return [list(column) for column in zip(*rows)]


def upright_scale(name):
    """Index rows of an upright scale: 0 silver, 1 black, then the swatch colours."""
    length, offsets, colours = SCALES[name]
    rows = [[0] * SCALE_THICKNESS for _ in range(length)]
    for offset, colour in zip(offsets, colours):
        for y in range(offset, offset + SWATCH_LENGTH):
            for x in range(SCALE_THICKNESS):
                frame = y in (offset, offset + SWATCH_LENGTH - 1) or x in (0, SCALE_THICKNESS - 1)
                rows[y][x] = 1 if frame else SCALE_PALETTE.index(colour)
    return rows


SCALE_PALETTE = [SILVER_KEY, BLACK] + [c for c in dict.fromkeys(
    DIGITS + [SILVER, GOLD]) if c != BLACK]
SCALE_PALETTE += [BLACK] * (16 - len(SCALE_PALETTE))


def background_colour(step, cover):
    """Light blue, darker toward the bottom right, lightened where the omega covers it."""
    t = step / (GRADIENT_STEPS - 1)
    base = [236 - 62 * t, 245 - 40 * t, 253 - 16 * t]
    a = 0.55 * cover / (COVER_LEVELS - 1)
    return tuple(clamp(c + (255 - c) * a) for c in base)


def in_omega(x, y):
    """An upright omega: a ring whose bottom opens into two legs standing on outward feet."""
    dx, dy = abs(x - 166.0), y - 172.0
    if 64 <= math.hypot(dx, dy) <= 92 and not (dy > 0 and dx < 36):
        return True
    if 36 <= dx <= 60 and 60 <= dy <= 104:
        return True
    return 36 <= dx <= 96 and 91 <= dy <= 104


def background():
    rows = []
    for y in range(BACKGROUND_H):
        row = []
        for x in range(BACKGROUND_W):
            t = (0.35 * x / BACKGROUND_W + 0.65 * y / BACKGROUND_H)
            step = min(GRADIENT_STEPS - 1, int(t * (GRADIENT_STEPS - 1) + BAYER[y % 4][x % 4] / 16))
            hits = sum(in_omega(x + (i + 0.5) / 3, y + (j + 0.5) / 3) for i in range(3) for j in range(3))
            cover = round(hits / 9 * (COVER_LEVELS - 1))
            row.append(step * COVER_LEVELS + cover)
        rows.append(row)
    palette = [background_colour(s, c) for s in range(GRADIENT_STEPS) for c in range(COVER_LEVELS)]
    return rows, palette + [BLACK] * (256 - len(palette))


def small_body(ring_first):
    """Palette index rows, along the resistor: a flat beige body with a dark outline on a lead."""
    centre = ring_first + 11
    rows = []
    for a in range(SMALL_ACROSS):
        row = []
        d = abs(a + 0.5 - centre)
        for x in range(SMALL_ALONG):
            if SMALL_BODY_FIRST <= x <= SMALL_BODY_LAST and d <= SMALL_BODY_HALF:
                end, side = x in (SMALL_BODY_FIRST, SMALL_BODY_LAST), d > SMALL_BODY_HALF - 1
                # Cut corners; the rest of the rim is the outline.
                row.append(0 if end and side else 2 if end or side else 1)
            else:
                row.append(3 if d <= 1.5 else 0)
        rows.append(row)
    return rows


def write_all(outdir):
    body = lying_body()
    write_bmp(os.path.join(outdir, "body_lying.bmp"), BODY_W, body, 24)
    for name in SCALES:
        rows = upright_scale(name)
        write_bmp(os.path.join(outdir, "scale_%s_upright.bmp" % name), SCALE_THICKNESS, rows, 4, SCALE_PALETTE)
        write_bmp(os.path.join(outdir, "scale_%s_lying.bmp" % name), len(rows), transpose(rows), 4,
                  SCALE_PALETTE)
    rows, palette = background()
    write_bmp(os.path.join(outdir, "background.bmp"), BACKGROUND_W, rows, 8, palette)
    write_bmp(os.path.join(outdir, "small_lying.bmp"), SMALL_ALONG, small_body(4), 8, SMALL_PALETTE)
    write_bmp(os.path.join(outdir, "small_upright.bmp"), SMALL_ACROSS, transpose(small_body(8)), 8, SMALL_PALETTE)


OUTPUTS = ["body_lying.bmp", "background.bmp", "small_lying.bmp", "small_upright.bmp"] + [
    "scale_%s_%s.bmp" % (name, form) for name in SCALES for form in ("upright", "lying")]

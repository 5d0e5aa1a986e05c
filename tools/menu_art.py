"""Small pictures of the menus' copy, save and print items, drawn as one strip of 16 x 16
cells on magenta, the colour the menus leave out. Cells in the order of the resource script:
copy the value, copy the picture, save the picture, print the picture, print the value."""
import os

import resistor_art

KEY = (255, 0, 255)
COLOURS = {
    ".": KEY,
    "k": (40, 40, 40),        # outlines
    "w": (255, 255, 255),     # paper
    "t": (90, 110, 160),      # lines of text
    "b": (222, 190, 140),     # resistor body
    "y": (230, 200, 0),       # rings: yellow, violet, red
    "v": (140, 40, 170),
    "r": (200, 20, 20),
    "d": (60, 90, 170),       # disk
    "s": (200, 200, 200),     # disk shutter, printer body
    "g": (120, 120, 120),     # printer shade
}

# Two sheets: the one behind, the copy in front with what is copied on it.
COPY_VALUE = [
    "kkkkkkkk........",
    "kwwwwwwk........",
    "kwttttwk........",
    "kwwwwwwk........",
    "kwttkkkkkkkk....",
    "kwwwkwwwwwwk....",
    "kwttkwttttwk....",
    "kwwwkwwwwwwk....",
    "kkkkkwttttwk....",
    "....kwwwwwwk....",
    "....kwttttwk....",
    "....kwwwwwwk....",
    "....kwttwwwk....",
    "....kwwwwwwk....",
    "....kkkkkkkk....",
    "................",
]
COPY_PICTURE = [
    "kkkkkkkk........",
    "kwwwwwwk........",
    "kwttttwk........",
    "kwwwwwwk........",
    "kwttkkkkkkkkkk..",
    "kwwwkwwwwwwwwk..",
    "kwttkwwwwwwwwk..",
    "kwwwkwwwwwwwwk..",
    "kkkkkwbyvrbbwk..",
    "....kkbyvrbbkk..",
    "....kwbyvrbbwk..",
    "....kwwwwwwwwk..",
    "....kwwwwwwwwk..",
    "....kwwwwwwwwk..",
    "....kkkkkkkkkk..",
    "................",
]
SAVE = [
    "kkkkkkkkkkkkkk..",
    "kdkwwwwwwwwkdk..",
    "kdkwttttttwkdk..",
    "kdkwwwwwwwwkdk..",
    "kdkwttttttwkdk..",
    "kdkwwwwwwwwkdk..",
    "kddkkkkkkkkddk..",
    "kddddddddddddk..",
    "kddkkkkkkkkddk..",
    "kddksskddsskdk..",
    "kddksskddsskdk..",
    "kddksskddsskdk..",
    "kddksskddsskdk..",
    ".kdkkkkkkkkkdk..",
    "..kkkkkkkkkkkk..",
    "................",
]
PRINT_TOP = [
    "....kkkkkkkk....",
    "....kwwwwwwk....",
    "....k{}k....",
    "....kwwwwwwk....",
    "..kkkkkkkkkkkk..",
    ".kssssssssssssk.",
    ".ksssssssssgysk.",
    ".kssssssssssssk.",
    ".kggggggggggggk.",
    ".kgkkkkkkkkkkgk.",
    ".kggkwwwwwwkggk.",
    "..kkkw{}wkkk..",
    "....kwwwwwwk....",
    "....kkkkkkkk....",
    "................",
    "................",
]


def printer(paper, sheet):
    return [row.replace("{}", paper if i == 2 else sheet) for i, row in enumerate(PRINT_TOP)]


PRINT_PICTURE = printer("byvrbb", "yvrb")
PRINT_VALUE = printer("tttttt", "tttt")
CELLS = [COPY_VALUE, COPY_PICTURE, SAVE, PRINT_PICTURE, PRINT_VALUE]


def strip_rows():
    rows = []
    for y in range(16):
        row = []
        for cell in CELLS:
            line = cell[y]
            assert len(line) == 16, (cell is SAVE, y, line)
            row += [COLOURS[ch] for ch in line]
        rows.append(row)
    return rows


def write_all(outdir):
    resistor_art.write_bmp(os.path.join(outdir, "menu_icons.bmp"), 16 * len(CELLS), strip_rows(), 24)

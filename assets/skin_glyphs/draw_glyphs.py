#!/usr/bin/env python3
"""Draws quorvelmenu.bmp, the glyphs of the skinned system menu.

One 64 x 16 picture of 1 bit per pixel holding four 16 x 16 glyphs from left
to right: restore, maximize, minimize, close. Black strokes on white; the menu
draws white transparent.

    draw_glyphs.py           writes quorvelmenu.bmp beside this script
    draw_glyphs.py --check   exits 1 when quorvelmenu.bmp differs from a fresh drawing
"""

import argparse
import pathlib
import struct
import sys

HERE = pathlib.Path(__file__).resolve().parent
SIDE = 16

# '#' is a black pixel, '.' white. Strokes sit inside a 10 x 10 box in the
# middle of each cell, like the system's own caption glyphs.
GLYPHS = {
    "restore": [
        "................",
        "................",
        "................",
        "......########..",
        "......########..",
        "......#......#..",
        "...########..#..",
        "...########..#..",
        "...#......#..#..",
        "...#......####..",
        "...#......#.....",
        "...#......#.....",
        "...########.....",
        "................",
        "................",
        "................",
    ],
    "maximize": [
        "................",
        "................",
        "................",
        "...##########...",
        "...##########...",
        "...#........#...",
        "...#........#...",
        "...#........#...",
        "...#........#...",
        "...#........#...",
        "...#........#...",
        "...#........#...",
        "...##########...",
        "................",
        "................",
        "................",
    ],
    "minimize": [
        "................",
        "................",
        "................",
        "................",
        "................",
        "................",
        "................",
        "................",
        "................",
        "................",
        "....#######.....",
        "....#######.....",
        "................",
        "................",
        "................",
        "................",
    ],
    "close": [
        "................",
        "................",
        "................",
        "...##......##...",
        "....##....##....",
        ".....##..##.....",
        "......####......",
        ".......##.......",
        "......####......",
        ".....##..##.....",
        "....##....##....",
        "...##......##...",
        "................",
        "................",
        "................",
        "................",
    ],
}
ORDER = ["restore", "maximize", "minimize", "close"]


def strip_rows():
    """The picture's rows, top first, as strings of '#' and '.'."""
    for name in ORDER:
        rows = GLYPHS[name]
        assert len(rows) == SIDE and all(len(row) == SIDE for row in rows), name
    return ["".join(GLYPHS[name][y] for name in ORDER) for y in range(SIDE)]


def one_bit_bmp(rows):
    """An uncompressed 1-bit BMP, bottom-up, palette 0 black and 1 white."""
    width, height = len(rows[0]), len(rows)
    stride = (width + 31) // 32 * 4
    pixels = bytearray()
    for row in reversed(rows):
        line = bytearray(stride)
        for x, pixel in enumerate(row):
            if pixel == ".":
                line[x // 8] |= 0x80 >> (x % 8)
        pixels += line
    palette = bytes([0, 0, 0, 0, 255, 255, 255, 0])
    offset = 14 + 40 + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 1, 0, len(pixels), 2835, 2835, 2, 2)
    return header + info + palette + bytes(pixels)


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--check", action="store_true", help="compare instead of writing")
    args = parser.parse_args()
    output = HERE / "quorvelmenu.bmp"
    picture = one_bit_bmp(strip_rows())
    if not args.check:
        output.write_bytes(picture)
    elif not output.exists() or output.read_bytes() != picture:
        sys.exit(f"{output} is not what draw_glyphs.py draws; run it again")


if __name__ == "__main__":
    main()

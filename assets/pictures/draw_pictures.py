#!/usr/bin/env python3
"""Draws the calendar window's pictures into this folder.

The five button glyphs are hand-set pixel maps written as uncompressed 24-bit
BMPs; the "today" picture is lettered by ImageMagick and saved as a JPEG.

    draw_pictures.py                  writes the pictures beside this script
    draw_pictures.py --preview DIR    also writes enlarged PNG copies to DIR
"""

import argparse
import pathlib
import struct
import subprocess

HERE = pathlib.Path(__file__).resolve().parent
IMAGEMAGICK = "/usr/bin/convert-im6.q16"
CHINESE_FONT = "/usr/share/fonts/truetype/wqy/wqy-zenhei.ttc"

WHITE = (255, 255, 255)

# Each glyph: a palette of map letters and the map itself, one string per row,
# top row first. '.' is the white background that the buttons draw transparent.
GLYPHS = {
    # BitBtn1 "网址导航": a pair of cartoon eyes under orange lids.
    "glyph_nav.bmp": (
        {".": WHITE, "k": (32, 32, 32), "O": (255, 150, 20), "o": (214, 96, 0),
         "w": WHITE, "p": (20, 20, 20), "h": (250, 250, 250)},
        [
            "..................",
            "...kkkk....kkkk...",
            "..kOOOOk..kOOOOk..",
            ".kOOOOOOkkOOOOOOk.",
            ".kOOOOOOkkOOOOOOk.",
            ".kooooookkooooook.",
            ".kwwwwwwkkwwwwwwk.",
            ".kwwwppwkkwwwppwk.",
            ".kwwphpwkkwwphpwk.",
            ".kwwpppwkkwwpppwk.",
            ".kwwpppwkkwwpppwk.",
            ".kwwwpwwkkwwwpwwk.",
            "..kwwwwk..kwwwwk..",
            "...kkkk....kkkk...",
            "..................",
            "..................",
        ],
    ),
    # BitBtn2 "网上购物": a green square with a white stylised 购.
    "glyph_shopping.bmp": (
        {".": WHITE, "G": (46, 160, 67), "w": WHITE},
        [
            ".GGGGGGGGGGGGGGG.",
            "GGGGGGGGGGGGGGGGG",
            "GGGGGGGGGGGGGGGGG",
            "GGGGGGGGGGwGGGGGG",
            "GGGwwwwwGGwwwwwGG",
            "GGGwGGGwGwGGGGwGG",
            "GGGwGwGwGGGwGGwGG",
            "GGGwGwGwGGwGGGwGG",
            "GGGwGwGwGwGGwGwGG",
            "GGGwGwGwGwwwwGwGG",
            "GGGGGwGGGGGGGGwGG",
            "GGGGwGwGGGGGGGwGG",
            "GGGwGGGwGGGGGwwGG",
            "GGGGGGGGGGGGGGGGG",
            "GGGGGGGGGGGGGGGGG",
            ".GGGGGGGGGGGGGGG.",
        ],
    ),
    # BitBtn3 "淘宝商城": a red square with a white 商.
    "glyph_mall.bmp": (
        {".": WHITE, "R": (214, 36, 36), "w": WHITE},
        [
            ".RRRRRRRRRRRRRRR.",
            "RRRRRRRRRRRRRRRRR",
            "RRRRRRRRRRRRRRRRR",
            "RRRRRRRRwRRRRRRRR",
            "RRRwwwwwwwwwwwRRR",
            "RRRRRRwRRRwRRRRRR",
            "RRRwwwwwwwwwwwRRR",
            "RRRwRRwRRRwRRwRRR",
            "RRRwRwRRRRRwRwRRR",
            "RRRwRRwwwwwRRwRRR",
            "RRRwRRwRRRwRRwRRR",
            "RRRwRRwwwwwRRwRRR",
            "RRRwRRRRRRRRRwRRR",
            "RRRwRRRRRRRRwwRRR",
            "RRRRRRRRRRRRRRRRR",
            "RRRRRRRRRRRRRRRRR",
            ".RRRRRRRRRRRRRRR.",
        ],
    ),
    # BitBtn4 "淘 宝 网": an orange square with a white 淘.
    "glyph_taobao.bmp": (
        {".": WHITE, "O": (255, 102, 0), "w": WHITE},
        [
            ".OOOOOOOOOOOOOO.",
            "OOOOOOOOOOOOOOOO",
            "OOOOOOOOOOOOOOOO",
            "OOwOOOOwOOOOOOOO",
            "OOOwOOwwwwwwwOOO",
            "OOOOOwOOOOOOwOOO",
            "OOwOOOOwOOOOwOOO",
            "OOOwOOwwwwOOwOOO",
            "OOOOOOOwOOOOwOOO",
            "OOOOOwwwwwwOwOOO",
            "OOOwOwOwOwOOwOOO",
            "OOOwOwwwwwOOwOOO",
            "OOwOOOOOOOOOwOOO",
            "OOwOOOOOOOOwwOOO",
            "OOOOOOOOOOOOOOOO",
            ".OOOOOOOOOOOOOO.",
        ],
    ),
    # BitBtn5 "软件设置": a grey gear.
    "glyph_settings.bmp": (
        {".": WHITE, "d": (80, 80, 80), "g": (150, 150, 150), "l": (200, 200, 200)},
        [
            ".......ddd.......",
            ".......dgd.......",
            "...dd..dgd..dd...",
            "...dgddgggddgd...",
            "....dgggdgggd....",
            "....dggd.dggd....",
            ".dddggd...dggddd.",
            ".dggggd...dggggd.",
            ".dddggd...dggddd.",
            "....dggd.dggd....",
            "....dgggdgggd....",
            "...dgddgggddgd...",
            "...dd..dgd..dd...",
            ".......dgd.......",
            ".......ddd.......",
            ".................",
        ],
    ),
}


def glyph_pixels(palette, rows):
    widths = {len(row) for row in rows}
    if len(widths) != 1:
        raise ValueError(f"ragged pixel map: row widths {sorted(widths)}")
    return [[palette[letter] for letter in row] for row in rows]


def bmp_bytes(pixels):
    """An uncompressed 24-bit BMP: rows bottom-up, each padded to four bytes."""
    height, width = len(pixels), len(pixels[0])
    row_size = (width * 3 + 3) // 4 * 4
    data = bytearray()
    for row in reversed(pixels):
        for red, green, blue in row:
            data += bytes((blue, green, red))
        data += bytes(row_size - width * 3)
    header_size = 14 + 40
    file_header = struct.pack("<2sIHHI", b"BM", header_size + len(data), 0, 0, header_size)
    info_header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    return file_header + info_header + bytes(data)


def draw_today(path):
    """返回今天 in black on white along the top of a 60 x 40 picture.

    The window shows only its top 33 rows, and lays the "今天" label over the
    middle of rows 16 to 28, so the lettering keeps to rows 1 to 15.
    """
    subprocess.run(
        [IMAGEMAGICK, "-size", "60x40", "xc:white", "-font", CHINESE_FONT, "-pointsize", "14",
         "-kerning", "1", "-fill", "black", "-annotate", "+1+13", "返回今天",
         "-type", "TrueColor", "-strip", "-quality", "95", "-sampling-factor", "1x1", str(path)],
        check=True)


def write_preview(picture, preview_dir):
    subprocess.run(
        [IMAGEMAGICK, str(picture), "-filter", "point", "-resize", "1000%",
         str(preview_dir / (picture.stem + ".png"))],
        check=True)


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--preview", type=pathlib.Path, help="folder for enlarged PNG copies")
    args = parser.parse_args()

    pictures = [HERE / "today.jpg"]
    draw_today(pictures[0])
    for name, (palette, rows) in GLYPHS.items():
        (HERE / name).write_bytes(bmp_bytes(glyph_pixels(palette, rows)))
        pictures.append(HERE / name)

    if args.preview:
        args.preview.mkdir(parents=True, exist_ok=True)
        for picture in pictures:
            write_preview(picture, args.preview)


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
"""Draws the program's icon, rilvanta.ico, into this folder.

A desk-calendar leaf: a red header bound by two rings over a warm white page
that carries a golden crescent moon, the lunar calendar the program shows. The
icon holds the four sizes Windows asks for, each drawn at its own size: 16, 32
and 48 pixels as 32-bit bitmaps with an alpha channel, 256 as a PNG.

    draw_icon.py                  writes rilvanta.ico beside this script
    draw_icon.py --check          exits 1 when rilvanta.ico differs from a fresh drawing
    draw_icon.py --preview DIR    also writes each size as an enlarged PNG to DIR

Only the standard library is used. Shapes are signed distance functions with
anti-aliased edges, as in the skin's script; the design is laid out on a
256-unit square, and strokes that would be thinner than a pixel at the small
sizes are widened to one pixel so that they stay visible.
"""

import argparse
import math
import pathlib
import struct
import sys
import zlib

HERE = pathlib.Path(__file__).resolve().parent
ICON = HERE / "rilvanta.ico"
SIZES = (16, 32, 48, 256)
UNITS = 256  # the design square

PAGE_EDGE = (150, 140, 120)
PAGE_TOP, PAGE_BOTTOM = (255, 255, 255), (241, 236, 220)  # the skin's warm beige below
HEADER_TOP, HEADER_BOTTOM = (232, 72, 58), (186, 34, 28)
HEADER_LINE = (140, 22, 18)
RING, RING_LIGHT = (70, 66, 60), (150, 144, 134)
MOON_LIGHT, MOON_DARK = (255, 206, 84), (232, 146, 30)

# ---------------------------------------------------------------------------
# Shapes as signed distance functions in design units: negative inside.


def box(x0, y0, x1, y1, radius=0.0):
    cx, cy, hx, hy = (x0 + x1) / 2, (y0 + y1) / 2, (x1 - x0) / 2, (y1 - y0) / 2

    def distance(px, py):
        qx, qy = abs(px - cx) - hx + radius, abs(py - cy) - hy + radius
        return math.hypot(max(qx, 0), max(qy, 0)) + min(max(qx, qy), 0) - radius

    return distance


def circle(cx, cy, r):
    return lambda px, py: math.hypot(px - cx, py - cy) - r


def segment(ax, ay, bx, by, half_width):
    ex, ey = bx - ax, by - ay

    def distance(px, py):
        t = max(0.0, min(1.0, ((px - ax) * ex + (py - ay) * ey) / (ex * ex + ey * ey)))
        return math.hypot(px - ax - ex * t, py - ay - ey * t) - half_width

    return distance


def above(shape, y):
    """The part of `shape` above the line y."""
    return lambda px, py: max(shape(px, py), py - y)


def without(shape, hole):
    return lambda px, py: max(shape(px, py), -hole(px, py))


def grown(shape, amount):
    return lambda px, py: shape(px, py) - amount


def vertical(top, bottom, y0, y1):
    def shade(px, py):
        t = min(1.0, max(0.0, (py - y0) / (y1 - y0)))
        return tuple(a + (b - a) * t for a, b in zip(top, bottom))

    return shade


def solid(colour):
    return lambda px, py: colour


# ---------------------------------------------------------------------------
# Canvas: premultiplied RGBA, painted shape over shape.


class Canvas:
    def __init__(self, size):
        self.size = size
        self.scale = size / UNITS  # pixels per design unit
        self.pixels = [[(0.0, 0.0, 0.0, 0.0)] * size for _ in range(size)]

    def units(self, pixels):
        return pixels / self.scale

    def paint(self, shape, shader, opacity=1.0, softness=0.5):
        """Lays `shape` over the picture; `softness` (pixels) widens the edge's ramp."""
        for y in range(self.size):
            row = self.pixels[y]
            for x in range(self.size):
                ux, uy = self.units(x + 0.5), self.units(y + 0.5)
                d = shape(ux, uy) * self.scale
                cover = min(1.0, max(0.0, 0.5 - d / (2 * softness))) * opacity
                if cover <= 0:
                    continue
                r, g, b = shader(ux, uy)
                pr, pg, pb, pa = row[x]
                keep = 1 - cover
                row[x] = (r * cover + pr * keep, g * cover + pg * keep, b * cover + pb * keep, cover + pa * keep)

    def rgba_rows(self):
        """Rows top first, each pixel (r, g, b, a) in 0-255, colours no longer premultiplied."""
        rows = []
        for row in self.pixels:
            out = []
            for r, g, b, a in row:
                alpha = channel(a * 255)
                out.append((0, 0, 0, 0) if alpha == 0 else (channel(r / a), channel(g / a), channel(b / a), alpha))
            rows.append(out)
        return rows


def channel(value):
    return max(0, min(255, int(round(value))))


# ---------------------------------------------------------------------------
# The picture.


def draw(size):
    c = Canvas(size)
    line = max(5.0, c.units(1.0))  # outlines: at least one pixel
    page = box(22, 34, 234, 238, radius=max(24.0, c.units(1.5)))
    header_bottom = 96

    if size >= 48:  # a soft shadow under the page
        c.paint(box(28, 44, 240, 248, radius=30), solid((0, 0, 0)), opacity=0.30, softness=6 * c.scale)

    c.paint(page, solid(PAGE_EDGE))
    inside = grown(page, -line)
    c.paint(inside, vertical(PAGE_TOP, PAGE_BOTTOM, header_bottom, 238))
    c.paint(above(inside, header_bottom), vertical(HEADER_TOP, HEADER_BOTTOM, 34, header_bottom))
    c.paint(box(22 + line, header_bottom - line, 234 - line, header_bottom), solid(HEADER_LINE))

    # The two binding rings, from above the page into its header.
    ring_half = max(10.0, c.units(0.9))
    for x in (82, 174):
        c.paint(segment(x, 18, x, 62, ring_half), solid(RING))
        if size >= 32:
            c.paint(segment(x - ring_half * 0.35, 22, x - ring_half * 0.35, 56, ring_half * 0.3), solid(RING_LIGHT))

    # The crescent: a disc less a disc moved up and to the right; thicker when small.
    radius, cut_shift = (54, 22) if size >= 48 else (62, 36)
    moon = without(circle(128, 168, radius), circle(128 + cut_shift, 168 - cut_shift * 0.75, radius - 6))
    c.paint(moon, vertical(MOON_LIGHT, MOON_DARK, 116, 224))
    return c.rgba_rows()


# ---------------------------------------------------------------------------
# Files.


def dib_bytes(rows):
    """An icon image as a bottom-up 32-bit DIB followed by its 1-bit AND mask."""
    size = len(rows)
    info = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = bytearray()
    mask = bytearray()
    stride = (size + 31) // 32 * 4
    for row in reversed(rows):
        line = bytearray(stride)
        for x, (r, g, b, a) in enumerate(row):
            colour += bytes((b, g, r, a))
            if a == 0:
                line[x // 8] |= 0x80 >> (x % 8)
        mask += line
    return info + bytes(colour) + bytes(mask)


def png_bytes(rows):
    size = len(rows)

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    raw = b"".join(b"\0" + bytes(v for pixel in row for v in pixel) for row in rows)
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")


def ico_bytes(images):
    """An icon file of (size, image bytes) pairs."""
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = len(directory) + 16 * len(images)
    body = b""
    for size, data in images:
        side = 0 if size == 256 else size  # 0 stands for 256
        directory += struct.pack("<BBBBHHII", side, side, 0, 0, 1, 32, len(data), offset + len(body))
        body += data
    return directory + body


def pixels_of(ico):
    """The icon's images with PNG data unpacked, to compare drawings whatever zlib packed them."""
    count = struct.unpack_from("<H", ico, 4)[0]
    images = []
    for i in range(count):
        entry = ico[6 + 16 * i:22 + 16 * i]
        length, offset = struct.unpack_from("<II", entry, 8)
        data = ico[offset:offset + length]
        if data.startswith(b"\x89PNG"):
            idat = data.index(b"IDAT")
            data = data[:idat] + zlib.decompress(data[idat + 4:idat + 4 + struct.unpack_from(">I", data, idat - 4)[0]])
        images.append((entry[:8], data))
    return images


def write_preview(rows, path):
    """An enlarged PNG over a light grey square, to look at the edges."""
    zoom = max(1, 256 // len(rows))
    grey = 208
    big = []
    for row in rows:
        line = []
        for r, g, b, a in row:
            mixed = tuple(channel((v * a + grey * (255 - a)) / 255) for v in (r, g, b)) + (255,)
            line += [mixed] * zoom
        big += [line] * zoom
    path.write_bytes(png_bytes(big))


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--check", action="store_true", help="compare instead of writing")
    parser.add_argument("--preview", type=pathlib.Path, help="folder for enlarged PNG copies")
    args = parser.parse_args()

    drawings = {size: draw(size) for size in SIZES}
    icon = ico_bytes([(size, png_bytes(rows) if size == 256 else dib_bytes(rows)) for size, rows in drawings.items()])
    if args.check:
        if not ICON.exists() or pixels_of(ICON.read_bytes()) != pixels_of(icon):
            sys.exit(f"{ICON} is not what draw_icon.py draws; run it again")
        return
    ICON.write_bytes(icon)
    if args.preview:
        args.preview.mkdir(parents=True, exist_ok=True)
        for size, rows in drawings.items():
            write_preview(rows, args.preview / f"rilvanta-{size}.png")


if __name__ == "__main__":
    main()

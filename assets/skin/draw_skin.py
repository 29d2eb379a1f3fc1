#!/usr/bin/env python3
"""Draws the default skin "Rilvanta Beige" into this folder.

Writes the settings text rilvanta.ini, its 44 pictures (24-bit uncompressed
BMPs) and order.txt, the archive order of the 45 entries with the settings text
last. Everything about the skin's look lives here: the palette, the sizes and
margins, the shapes of every element and the settings text that describes them.

    draw_skin.py            writes the skin beside this script
    draw_skin.py DIR        writes it into DIR instead

Only the standard library is used. Shapes are drawn from signed distance
functions with anti-aliased edges; pixels that a shape does not cover become
magenta (255, 0, 255), the skin's transparent colour. Edge pixels are blended
with the colour that will lie under them on screen (the button face, the title
bar, the menu), so rounded corners stay smooth although the transparency
itself is all or nothing.
"""

import collections
import math
import pathlib
import struct
import sys

HERE = pathlib.Path(__file__).resolve().parent
SETTINGS_NAME = "rilvanta.ini"
SKIN_NAME = "Rilvanta Beige"

MAGENTA = (255, 0, 255)
WHITE = (255, 255, 255)

# ---------------------------------------------------------------------------
# Palette: warm beige face, tan title bar, caramel and honey accents.

FACE = (236, 233, 216)
FACE_LIGHT = (241, 239, 226)
SHADOW = (172, 168, 153)
DARK_SHADOW = (113, 111, 100)
TEXT = (33, 27, 19)
DISABLED_TEXT = (161, 155, 140)

MENU = (252, 250, 244)
MENU_EDGE = (166, 150, 122)
SELECT_TOP = (255, 243, 214)
SELECT_BOTTOM = (250, 224, 170)
SELECT_EDGE = (219, 166, 92)
SELECT_TEXT = (58, 36, 12)

CONTROL_EDGE = (128, 113, 88)  # outline of buttons, boxes and thumbs
GLYPH = (78, 56, 32)  # arrows and caption-button symbols
HOT = (236, 166, 62)  # amber ring of a control under the mouse
HOT_LIGHT = (250, 206, 124)
ACCENT = (196, 120, 44)  # check marks, radio dots, progress
FIELD_EDGE = (165, 150, 122)  # edit and combo borders

ACTIVE = {  # title bar and frame of the active window
    "title": [(248, 236, 212), (232, 210, 170), (214, 184, 136), (202, 168, 118)],
    "highlight": (250, 242, 224),
    "rings": [(118, 88, 52), (232, 210, 168), (213, 186, 142), (176, 142, 98)],
    "text": (52, 33, 14),
}
INACTIVE = {
    "title": [(246, 244, 236), (238, 234, 222), (230, 225, 210), (224, 219, 202)],
    "highlight": (250, 249, 243),
    "rings": [(165, 159, 143), (240, 237, 226), (226, 221, 204), (200, 194, 176)],
    "text": (142, 134, 118),
}

# ---------------------------------------------------------------------------
# Geometry shared by the pictures and the settings text.

TITLE_HEIGHT = 30  # height of the title bar, including the outline row
BORDER = 4  # width of the left, right and bottom frame
CORNER_RADIUS = 8  # rounded top corners of the window
TOP_END = 8  # fixed ends of the title bar picture (they hold the corner)
TEXT_BACK_END = 9  # fixed ends of the caption text background

CAPTION_BUTTON = 21  # caption buttons are 21 x 21, six states
CAPTION_BUTTON_Y = 4
ICON_X, ICON_Y = 9, 7  # the window icon, 16 x 16

MDI_BUTTON = 15  # the three MDI child buttons, four states each
GLYPH_BOX = 13  # check-box and radio-button glyphs, five states
SCROLL = 17  # thickness of scroll bars


# ---------------------------------------------------------------------------
# Colour helpers.


def mix(a, b, t):
    """The colour t of the way from a to b."""
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def lighter(c, t):
    return mix(c, WHITE, t)


def darker(c, t):
    return mix(c, (0, 0, 0), t)


def vertical(top, bottom, y0, y1):
    """A shader: a gradient from `top` at row y0 to `bottom` at row y1."""
    span = max(1.0, y1 - y0 - 1)
    return lambda x, y: mix(top, bottom, min(1.0, max(0.0, (y - y0) / span)))


def through(stops, y0, y1):
    """A vertical gradient through evenly spaced colour stops."""
    def shade(x, y):
        t = min(1.0, max(0.0, (y - y0) / max(1.0, y1 - y0 - 1))) * (len(stops) - 1)
        i = min(int(t), len(stops) - 2)
        return mix(stops[i], stops[i + 1], t - i)

    return shade


def horizontal(left, right, x0, x1):
    span = max(1.0, x1 - x0 - 1)
    return lambda x, y: mix(left, right, min(1.0, max(0.0, (x - x0) / span)))


def solid(colour):
    return lambda x, y: colour


# ---------------------------------------------------------------------------
# Shapes as signed distance functions: negative inside, in pixels.


def box(x0, y0, x1, y1, radius=0.0, top_only=False):
    """A rectangle from (x0, y0) to (x1, y1) in pixel edges, corners rounded."""
    cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
    hx, hy = (x1 - x0) / 2, (y1 - y0) / 2

    def distance(px, py):
        r = 0.0 if top_only and py > cy else radius
        qx, qy = abs(px - cx) - hx + r, abs(py - cy) - hy + r
        return math.hypot(max(qx, 0), max(qy, 0)) + min(max(qx, qy), 0) - r

    return distance


def circle(cx, cy, r):
    return lambda px, py: math.hypot(px - cx, py - cy) - r


def stroke(points, half_width):
    """A polyline of round-capped segments."""
    segments = list(zip(points, points[1:]))

    def distance(px, py):
        best = float("inf")
        for (ax, ay), (bx, by) in segments:
            ex, ey = bx - ax, by - ay
            t = max(0.0, min(1.0, ((px - ax) * ex + (py - ay) * ey) / (ex * ex + ey * ey)))
            best = min(best, math.hypot(px - ax - ex * t, py - ay - ey * t))
        return best - half_width

    return distance


def polygon(points):
    def distance(px, py):
        inside = False
        best = float("inf")
        for (ax, ay), (bx, by) in zip(points, points[1:] + points[:1]):
            ex, ey = bx - ax, by - ay
            t = max(0.0, min(1.0, ((px - ax) * ex + (py - ay) * ey) / (ex * ex + ey * ey)))
            best = min(best, math.hypot(px - ax - ex * t, py - ay - ey * t))
            if (ay > py) != (by > py) and px < ax + (py - ay) * ex / ey:
                inside = not inside
        return -best if inside else best

    return distance


def ring(outer, inner):
    """What lies inside `outer` and outside `inner`."""
    return lambda px, py: max(outer(px, py), -inner(px, py))


def at_origin(points, margin):
    """Points moved so that their top-left bound lies at (margin, margin)."""
    dx = margin - min(x for x, _ in points)
    dy = margin - min(y for _, y in points)
    return [(x + dx, y + dy) for x, y in points]


def turned(points, quarter_turns, cx, cy):
    """Points turned clockwise around (cx, cy) by 90 degrees per quarter turn."""
    for _ in range(quarter_turns % 4):
        points = [(cx - (y - cy), cy + (x - cx)) for x, y in points]
    return points


# ---------------------------------------------------------------------------
# Canvas.


class Canvas:
    """An RGB picture that remembers how much of each pixel shapes covered.

    It starts as the matte (a colour or a shader): the colour expected under
    the picture on screen. `Transparent()` turns uncovered pixels magenta.
    """

    def __init__(self, width, height, matte=FACE):
        shade = matte if callable(matte) else solid(matte)
        self.width, self.height = width, height
        self.pixels = [[shade(x, y) for x in range(width)] for y in range(height)]
        self.cover = [[0.0] * width for _ in range(height)]

    def paint(self, shape, shader, hard=False):
        for y in range(self.height):
            row, cover = self.pixels[y], self.cover[y]
            for x in range(self.width):
                d = shape(x + 0.5, y + 0.5)
                amount = (1.0 if d < 0 else 0.0) if hard else min(1.0, max(0.0, 0.5 - d))
                if amount > 0:
                    row[x] = mix(row[x], shader(x, y), amount)
                    cover[x] = cover[x] + amount * (1 - cover[x])
        return self

    def fill(self, x0, y0, x1, y1, shader):
        return self.paint(box(x0, y0, x1, y1), shader if callable(shader) else solid(shader))

    def transparent(self):
        for y in range(self.height):
            for x in range(self.width):
                if self.cover[y][x] < 0.02:
                    self.pixels[y][x] = MAGENTA
        return self

    def crop(self, x0, y0, x1, y1):
        part = Canvas(x1 - x0, y1 - y0)
        part.pixels = [row[x0:x1] for row in self.pixels[y0:y1]]
        part.cover = [row[x0:x1] for row in self.cover[y0:y1]]
        return part

    def bmp(self):
        """The picture as a bottom-up 24-bit uncompressed BMP file."""
        stride = (self.width * 3 + 3) & ~3
        body = bytearray()
        for row in reversed(self.pixels):
            line = bytearray()
            for r, g, b in row:
                line += bytes((channel(b), channel(g), channel(r)))
            body += line + bytes(stride - len(line))
        header = struct.pack("<2sIHHI", b"BM", 54 + len(body), 0, 0, 54)
        info = struct.pack("<IiiHHIIiiII", 40, self.width, self.height, 1, 24, 0, len(body), 3780, 3780, 0, 0)
        return header + info + bytes(body)


def channel(value):
    return max(0, min(255, int(round(value))))


def beside(frames):
    """Frames side by side, as in a strip of states."""
    strip = Canvas(sum(f.width for f in frames), frames[0].height)
    for y in range(strip.height):
        strip.pixels[y] = [p for f in frames for p in f.pixels[y]]
        strip.cover[y] = [c for f in frames for c in f.cover[y]]
    return strip


def stacked(frames):
    strip = Canvas(frames[0].width, sum(f.height for f in frames))
    strip.pixels = [row for f in frames for row in f.pixels]
    strip.cover = [row for f in frames for row in f.cover]
    return strip


def framed_box(c, x0, y0, x1, y1, radius, edge, fill, top_only=False):
    """A shape with a one-pixel outline around a filled inside."""
    c.paint(box(x0, y0, x1, y1, radius, top_only), solid(edge))
    c.paint(box(x0 + 1, y0 + 1, x1 - 1, y1 - 1, max(0.0, radius - 1), top_only), fill)
    return c


# ---------------------------------------------------------------------------
# Window frame. One model window is drawn whole and cut into the four border
# pictures and the title bar, so the pieces always meet exactly.

MODEL_WIDTH, MODEL_HEIGHT = 64, 72
MIDDLE = 12  # length of the stretched middle of a border picture


def model_window(look):
    def shader(x, y):
        if y < TITLE_HEIGHT:
            if y == 1:
                return look["highlight"]
            if y == TITLE_HEIGHT - 1:
                return look["rings"][3]
            return title_shade(look)(x, y)
        ring = min(x, MODEL_WIDTH - 1 - x, MODEL_HEIGHT - 1 - y)
        return look["rings"][ring] if ring < BORDER else FACE

    c = Canvas(MODEL_WIDTH, MODEL_HEIGHT, MAGENTA)
    outline = box(0, 0, MODEL_WIDTH, MODEL_HEIGHT, CORNER_RADIUS, top_only=True)
    c.paint(outline, solid(look["rings"][0]), hard=True)
    inside = box(1, 1, MODEL_WIDTH - 1, MODEL_HEIGHT - 1, CORNER_RADIUS - 1, top_only=True)
    c.paint(inside, shader)
    return c.transparent()


def side_border(look, right):
    model = model_window(look)
    x0 = MODEL_WIDTH - BORDER if right else 0
    middle = TITLE_HEIGHT + 8
    return stacked([
        model.crop(x0, 0, x0 + BORDER, TITLE_HEIGHT),
        model.crop(x0, middle, x0 + BORDER, middle + MIDDLE),
        model.crop(x0, MODEL_HEIGHT - BORDER, x0 + BORDER, MODEL_HEIGHT),
    ])


def left_border():
    return beside([side_border(ACTIVE, False), side_border(INACTIVE, False)])


def right_border():
    return beside([side_border(ACTIVE, True), side_border(INACTIVE, True)])


def across(model, y0, y1):
    """The top or bottom piece between the side borders: two ends and a middle."""
    mid = MODEL_WIDTH // 2 - MIDDLE // 2
    return beside([
        model.crop(BORDER, y0, BORDER + TOP_END, y1),
        model.crop(mid, y0, mid + MIDDLE, y1),
        model.crop(MODEL_WIDTH - BORDER - TOP_END, y0, MODEL_WIDTH - BORDER, y1),
    ])


def top_border():
    return stacked([across(model_window(look), 0, TITLE_HEIGHT) for look in (ACTIVE, INACTIVE)])


def bottom_border():
    return stacked([across(model_window(look), MODEL_HEIGHT - BORDER, MODEL_HEIGHT) for look in (ACTIVE, INACTIVE)])


def title_shade(look, dy=0):
    """The colour of the title bar at a picture row placed dy rows down."""
    body = through(look["title"], 2, TITLE_HEIGHT - 1)
    return lambda x, y: body(x, y + dy)


def text_back():
    """A soft lighter band behind the caption text."""
    frames = []
    width = 2 * TEXT_BACK_END + 6
    for look in (ACTIVE, INACTIVE):
        c = Canvas(width, TITLE_HEIGHT, title_shade(look))
        back = title_shade(look)
        c.paint(box(0, 6, width, TITLE_HEIGHT - 5, 8), lambda x, y, b=back: lighter(b(x, y), 0.45))
        c.paint(box(1, 7, width - 1, TITLE_HEIGHT - 6, 7), lambda x, y, b=back: lighter(b(x, y), 0.62))
        frames.append(c.transparent())
    return stacked(frames)


# ---------------------------------------------------------------------------
# Caption buttons: six states, 1 normal, 2 pressed, 3 hot, 4 inactive window,
# 5 disabled, 6 hot in an inactive window.


def symbol(c, kind, x0, y0, size, colour):
    """Draws a caption symbol into the square (x0, y0, size)."""
    ink = solid(colour)
    s = size
    if kind == "close":
        a, b = x0 + s * 0.3, x0 + s * 0.7
        t, u = y0 + s * 0.3, y0 + s * 0.7
        c.paint(stroke([(a, t), (b, u)], s * 0.07 + 0.45), ink)
        c.paint(stroke([(b, t), (a, u)], s * 0.07 + 0.45), ink)
    elif kind == "maximize":
        window_symbol(c, x0 + round(s * 0.27), y0 + round(s * 0.27), x0 + round(s * 0.73), y0 + round(s * 0.71), ink)
    elif kind == "restore":
        k = round(s * 0.16)
        ax0, ay0 = x0 + round(s * 0.26), y0 + round(s * 0.26)
        ax1, ay1 = x0 + round(s * 0.74), y0 + round(s * 0.74)
        window_symbol(c, ax0 + k, ay0, ax1, ay1 - k, ink)
        window_symbol(c, ax0, ay0 + k, ax1 - k, ay1, ink)
    elif kind == "minimize":
        y = y0 + round(s * 0.66)
        c.fill(x0 + round(s * 0.28), y, x0 + round(s * 0.62), y + max(2, round(s * 0.1)), ink)


def window_symbol(c, x0, y0, x1, y1, ink):
    """A small window: outline with a thick top; its inside is left unpainted."""
    c.fill(x0, y0, x1, y0 + 2, ink)
    c.fill(x0, y0, x0 + 1, y1, ink)
    c.fill(x1 - 1, y0, x1, y1, ink)
    c.fill(x0, y1 - 1, x1, y1, ink)


def restore_inside(c, kind, x0, y0, size, fill):
    """Clears the front window of the restore symbol, so the back one hides behind it."""
    if kind == "restore":
        k = round(size * 0.16)
        c.fill(x0 + round(size * 0.26) + 1, y0 + round(size * 0.26) + k + 2,
               x0 + round(size * 0.74) - k - 1, y0 + round(size * 0.74) - 1, fill)


CAPTION_LOOKS = {
    # state: (window look, top, bottom, edge, symbol)
    "plain": {
        1: (ACTIVE, (255, 252, 244), (231, 217, 190), (134, 102, 62), GLYPH),
        2: (ACTIVE, (206, 184, 146), (228, 212, 182), (112, 82, 46), GLYPH),
        3: (ACTIVE, (255, 253, 246), (246, 224, 178), (196, 128, 44), GLYPH),
        4: (INACTIVE, (250, 249, 243), (234, 230, 216), (184, 178, 162), (160, 152, 136)),
        5: (ACTIVE, (247, 240, 226), (229, 216, 192), (176, 152, 120), (182, 164, 138)),
        6: (INACTIVE, (255, 253, 246), (246, 224, 178), (196, 128, 44), GLYPH),
    },
    "close": {
        1: (ACTIVE, (232, 136, 96), (192, 74, 42), (124, 46, 24), WHITE),
        2: (ACTIVE, (168, 58, 30), (198, 88, 56), (104, 36, 18), WHITE),
        3: (ACTIVE, (246, 162, 120), (214, 94, 58), (150, 56, 28), WHITE),
        4: (INACTIVE, (232, 196, 180), (214, 170, 152), (184, 150, 136), WHITE),
        5: (ACTIVE, (226, 190, 172), (208, 164, 146), (176, 140, 124), (240, 226, 218)),
        6: (INACTIVE, (246, 162, 120), (214, 94, 58), (150, 56, 28), WHITE),
    },
}


def caption_button(kind, disabled=False):
    palette = CAPTION_LOOKS["close" if kind == "close" else "plain"]
    frames = []
    s = CAPTION_BUTTON
    for state in range(1, 7):
        look, top, bottom, edge, ink = palette[(4 if state in (4, 6) else 5) if disabled else state]
        c = Canvas(s, s, title_shade(look, CAPTION_BUTTON_Y))
        fill = vertical(top, bottom, 1, s - 1)
        framed_box(c, 0, 0, s, s, 4, edge, fill)
        c.paint(box(1, 1, s - 1, 2), solid(lighter(top, 0.5)))  # glossy top row
        symbol(c, kind, 0, 0, s, ink)
        restore_inside(c, kind, 0, 0, s, fill)
        frames.append(c.transparent())
    return beside(frames)


MDI_LOOKS = {  # state: top, bottom, edge, symbol
    1: ((252, 250, 242), (228, 220, 200), (150, 128, 98), GLYPH),
    2: ((210, 194, 164), (230, 218, 194), (120, 94, 60), GLYPH),
    3: ((246, 244, 236), (234, 230, 216), (190, 184, 168), DISABLED_TEXT),
    4: ((255, 252, 244), (246, 224, 178), (196, 128, 44), GLYPH),
}


def mdi_controls(looks=MDI_LOOKS, s=MDI_BUTTON, matte=None):
    """Minimize, restore and close of a maximized MDI child, four states each:
    1 normal, 2 pressed, 3 inactive, 4 hot. They sit in the menu bar (the
    matte, by default this skin's active menu bar)."""
    matte = matte or menu_bar_shade(ACTIVE)
    frames = []
    for kind in ("minimize", "restore", "close"):
        for state in range(1, 5):
            top, bottom, edge, ink = looks[state]
            c = Canvas(s, s, matte)
            fill = vertical(top, bottom, 1, s - 1)
            framed_box(c, 0, 0, s, s, 3, edge, fill)
            symbol(c, kind, 0, 0, s, ink)
            restore_inside(c, kind, 0, 0, s, fill)
            frames.append(c.transparent())
    return beside(frames)


# ---------------------------------------------------------------------------
# Menus.

MENU_BAR_HEIGHT = 20


def menu_bar_shade(look):
    top = (246, 244, 235) if look is ACTIVE else (244, 242, 236)
    return vertical(top, FACE, 0, MENU_BAR_HEIGHT - 1)


def menu_bar():
    """Two frames stacked: active and inactive window."""
    frames = []
    for look in (ACTIVE, INACTIVE):
        c = Canvas(16, MENU_BAR_HEIGHT, menu_bar_shade(look))
        c.fill(0, MENU_BAR_HEIGHT - 1, 16, MENU_BAR_HEIGHT, (216, 210, 192))
        frames.append(c)
    return stacked(frames)


MENU_ITEM = (20, 20)


MENU_ITEM_FACES = [  # top, bottom, edge of states 3 to 5
    ((248, 246, 240), (236, 232, 220), (200, 192, 176)),
    (SELECT_TOP, SELECT_BOTTOM, SELECT_EDGE),
    ((250, 226, 180), (240, 206, 146), (204, 146, 72)),
]


def menu_item(menu=MENU, faces=MENU_ITEM_FACES, separator=((214, 204, 184), WHITE)):
    """Five states: 1 normal (transparent), 2 separator (a groove of two lines),
    3 disabled and selected, 4 selected, 5 selected with its submenu open."""
    w, h = MENU_ITEM

    def face(top, bottom, edge):
        c = Canvas(w, h, menu)
        framed_box(c, 0, 0, w, h, 3, edge, vertical(top, bottom, 1, h - 1))
        return c.transparent()

    groove = Canvas(w, h, menu)
    groove.fill(2, h - 4, w - 2, h - 3, separator[0])
    groove.fill(2, h - 3, w - 2, h - 2, separator[1])
    return beside([Canvas(w, h, menu).transparent(), groove.transparent()] + [face(*look) for look in faces])


def menu_background(menu=MENU, edge=MENU_EDGE, inner=WHITE):
    """A 3-pixel frame: the edge, an inner line, then the menu's colour."""
    c = Canvas(24, 24, menu)
    c.fill(0, 0, 24, 24, edge)
    c.fill(1, 1, 23, 23, inner)
    c.fill(2, 2, 22, 22, menu)
    return c


# ---------------------------------------------------------------------------
# Push buttons and their glyphs.

BUTTON = (18, 22)
BUTTON_MARGIN = 4


def push_button():
    """Five states: 1 normal, 2 pressed, 3 disabled, 4 hot or focused, 5 default."""
    w, h = BUTTON

    def face(top, bottom, edge, ring=None, ring_light=None):
        c = Canvas(w, h)
        framed_box(c, 0, 0, w, h, 3, edge, vertical(top, bottom, 1, h - 1))
        if ring:
            c.paint(box(1, 1, w - 1, h - 1, 2), solid(ring_light))
            c.paint(box(2, 2, w - 2, h - 2, 1), solid(ring))
            c.paint(box(3, 3, w - 3, h - 3, 0.5), vertical(top, bottom, 3, h - 3))
        else:
            c.fill(2, h - 3, w - 2, h - 1, solid(mix(bottom, edge, 0.22)))
        return c.transparent()

    return beside([
        face((255, 255, 252), (231, 226, 208), CONTROL_EDGE),
        face((221, 214, 196), (240, 237, 226), (104, 90, 68)),
        face((247, 246, 241), (242, 240, 232), (202, 198, 186)),
        face((255, 255, 252), (231, 226, 208), CONTROL_EDGE, HOT, HOT_LIGHT),
        face((255, 255, 252), (231, 226, 208), CONTROL_EDGE, (205, 180, 140), (232, 214, 184)),
    ])


GLYPH_LOOKS = [  # on, edge, top, bottom, mark
    (False, CONTROL_EDGE, (226, 221, 204), WHITE, ACCENT),
    (True, CONTROL_EDGE, (226, 221, 204), WHITE, ACCENT),
    (False, (204, 199, 186), (241, 239, 232), (250, 249, 246), (196, 188, 170)),
    (True, (204, 199, 186), (241, 239, 232), (250, 249, 246), (196, 188, 170)),
    (False, HOT, (250, 226, 180), (255, 252, 242), ACCENT),
]


def glyph_frames(draw, looks):
    """Five 13 x 13 states: 1 off, 2 on, 3 off and disabled, 4 on and disabled
    (also the third state of a check box), 5 off under the mouse."""
    return beside([draw(*look).transparent() for look in looks])


def check_box(looks=GLYPH_LOOKS, matte=FACE):
    s = GLYPH_BOX

    def draw(on, edge, top, bottom, mark):
        c = Canvas(s, s, matte)
        framed_box(c, 0, 0, s, s, 1, edge, vertical(top, bottom, 1, s - 1))
        if on:
            c.paint(stroke([(3.4, 6.6), (5.6, 9.0), (9.8, 3.8)], 1.05), solid(darker(mark, 0.15)))
        return c

    return glyph_frames(draw, looks)


def radio_button(looks=GLYPH_LOOKS, matte=FACE):
    s = GLYPH_BOX
    r = s / 2

    def draw(on, edge, top, bottom, dot):
        c = Canvas(s, s, matte)
        c.paint(circle(r, r, r), solid(edge))
        c.paint(circle(r, r, r - 1), vertical(top, bottom, 1, s - 1))
        if on:
            c.paint(circle(r, r, 2.6), vertical(lighter(dot, 0.35), darker(dot, 0.12), 4, 9))
        return c

    return glyph_frames(draw, looks)


# ---------------------------------------------------------------------------
# Progress bar.

PROGRESS = (16, 14)
PROGRESS_MARGIN = 3
BAR_TOP, BAR_BOTTOM = (255, 222, 150), (226, 140, 44)


def progress():
    """Frame 1 the track, frame 2 the bar (transparent around it)."""
    w, h = PROGRESS
    track = Canvas(w, h)
    framed_box(track, 0, 0, w, h, 3, SHADOW, vertical((236, 233, 222), WHITE, 1, 5))
    bar = Canvas(w, h, WHITE)
    bar.paint(box(2, 2, w - 2, h - 2, 2), vertical(BAR_TOP, BAR_BOTTOM, 2, h - 2))
    bar.fill(3, 3, w - 3, 4, solid(lighter(BAR_TOP, 0.5)))
    return beside([track, bar.transparent()])


def progress_chunk(top=BAR_TOP, bottom=BAR_BOTTOM, matte=WHITE):
    """One block and its gap, for progress bars drawn in blocks."""
    c = Canvas(8, PROGRESS[1] - 4, matte)
    c.fill(0, 0, 6, c.height, vertical(top, bottom, 0, c.height))
    return c


# ---------------------------------------------------------------------------
# Group box, tool bar buttons, status bar.


def group_box(edges=((206, 196, 172), (224, 220, 208)), matte=FACE):
    """Two frames: enabled and disabled; inside and outside are transparent."""
    frames = []
    for edge in edges:
        c = Canvas(12, 12, matte)
        c.paint(ring(box(0, 0, 12, 12, 4), box(1, 1, 11, 11, 3)), solid(edge))
        frames.append(c.transparent())
    return beside(frames)


def tool_buttons():
    """Five states: 1 normal (flat), 2 pressed, 3 disabled (flat), 4 hot, 5 checked."""
    s = 16

    def flat():
        return Canvas(s, s).transparent()

    def raised(top, bottom, edge):
        c = Canvas(s, s)
        framed_box(c, 0, 0, s, s, 3, edge, vertical(top, bottom, 1, s - 1))
        return c.transparent()

    return beside([
        flat(),
        raised((214, 204, 182), (234, 228, 212), (150, 124, 86)),
        flat(),
        raised((255, 252, 242), (242, 228, 198), (206, 160, 96)),
        raised((246, 238, 220), (236, 228, 208), (170, 142, 100)),
    ])


GRIP_DOTS = ((182, 174, 154), WHITE)  # a dot and its light underside


def grip_dots(size, dots=GRIP_DOTS, matte=FACE):
    """The size grip: six raised dots in the bottom-right corner, on the face."""
    c = Canvas(size, size, matte)
    for i in range(3):
        for j in range(3 - i):
            x, y = size - 5 - 4 * j, size - 5 - 4 * i
            c.fill(x + 1, y + 1, x + 3, y + 3, dots[1])
            c.fill(x, y, x + 2, y + 2, dots[0])
    return c


def status_bar(face=(FACE_LIGHT, FACE), top_lines=((214, 208, 190), WHITE), panel_edges=(SHADOW, WHITE),
               dots=GRIP_DOTS):
    """Three frames: 1 the bar (a gradient from face[0] to the face under a
    two-line top edge), 2 a panel (sunk: dark top and left edges, light bottom
    and right), 3 the size grip."""
    s = 16
    bar = Canvas(s, s, vertical(face[0], face[1], 0, s))
    bar.fill(0, 0, s, 1, top_lines[0])
    bar.fill(0, 1, s, 2, top_lines[1])
    panel = Canvas(s, s, face[1])
    panel.fill(0, 0, s, 1, panel_edges[0])
    panel.fill(0, 0, 1, s, panel_edges[0])
    panel.fill(0, s - 1, s, s, panel_edges[1])
    panel.fill(s - 1, 0, s, s, panel_edges[1])
    panel.transparent()
    return beside([bar, panel, grip_dots(s, dots, face[1]).transparent()])


# ---------------------------------------------------------------------------
# Tabs.

TAB = (16, 21)
TAB_EDGE = (145, 134, 112)


def tabs():
    """Five states: 1 normal, 2 selected, 3 hot, 4 disabled, 5 focused."""
    w, h = TAB

    def tab(selected, top, bottom, accent=None, edge=TAB_EDGE):
        y0 = 0 if selected else 2
        c = Canvas(w, h)
        framed_box(c, 0, y0, w, h + 3, 3, edge, vertical(top, bottom, y0 + 1, h))
        if accent:
            c.paint(box(0, y0, w, y0 + 3, 2), solid(accent))
            c.fill(1, y0 + 1, w - 1, y0 + 2, solid(lighter(accent, 0.45)))
        if not selected:
            c.fill(0, h - 1, w, h, TAB_EDGE)
        return c.transparent()

    return beside([
        tab(False, WHITE, (240, 237, 226)),
        tab(True, WHITE, (252, 251, 247), HOT),
        tab(False, WHITE, (246, 242, 230), HOT_LIGHT),
        tab(False, (246, 245, 240), (240, 238, 232), edge=(198, 192, 178)),
        tab(True, WHITE, (252, 251, 247), SELECT_EDGE),
    ])


def tab_page_border():
    """The page around a tab control's pages; drawn with margins 4, 5, 4, 4."""
    c = Canvas(16, 16, (252, 251, 247))
    c.fill(0, 0, 16, 16, TAB_EDGE)
    c.fill(1, 1, 15, 15, (252, 251, 247))
    c.fill(1, 14, 15, 15, (226, 220, 204))
    c.fill(14, 1, 15, 15, (226, 220, 204))
    return c


# ---------------------------------------------------------------------------
# Combo box, sunken edge, header.

COMBO_BUTTON = (SCROLL + 2, 21)

SCROLL_BUTTON_LOOKS = {  # 1 normal, 2 pressed, 3 disabled, 4 hot
    1: ((253, 251, 245), (230, 222, 202), (176, 160, 132), GLYPH),
    2: ((216, 204, 178), (236, 228, 210), (150, 128, 94), GLYPH),
    3: ((246, 245, 240), (240, 238, 232), (214, 210, 198), (196, 190, 176)),
    4: ((255, 253, 246), (248, 230, 192), (214, 156, 78), GLYPH),
}


def combo_button(looks=SCROLL_BUTTON_LOOKS, matte=WHITE):
    """Four states; two-pixel transparent rim on the right, top and bottom, where
    the combo box's own border shows."""
    w, h = COMBO_BUTTON
    frames = []
    for state in range(1, 5):
        top, bottom, edge, _ = looks[state]
        c = Canvas(w, h, matte)
        framed_box(c, 0, 2, w - 2, h - 2, 2, edge, vertical(top, bottom, 3, h - 3))
        frames.append(c.transparent())
    return beside(frames)


def combo_arrow(looks=SCROLL_BUTTON_LOOKS):
    """The drop-down arrow, five states as the combo button and 5 spare."""
    frames = []
    for state in (1, 2, 3, 4, 1):
        top, bottom, _, ink = looks[state]
        c = Canvas(9, 7, mix(top, bottom, 0.5))
        c.paint(stroke([(1.6, 2.0), (4.5, 4.9), (7.4, 2.0)], 1.0), solid(ink))
        frames.append(c.transparent())
    return beside(frames)


def sunk_edge():
    """Border of edits and combo boxes: 1 normal, 2 pressed, 3 disabled, 4 focused or hot."""
    frames = []
    for outer, inner in ((FIELD_EDGE, WHITE), (HOT, (255, 246, 228)), ((206, 202, 190), (246, 245, 240)),
                         (HOT, (255, 246, 228))):
        c = Canvas(12, 12, WHITE)
        c.fill(0, 0, 12, 12, outer)
        c.fill(1, 1, 11, 11, inner)
        c.fill(2, 2, 10, 10, WHITE if inner != (246, 245, 240) else inner)
        frames.append(c)
    return beside(frames)


HEADER = (12, 19)


HEADER_LINES = [(228, 224, 208), (216, 210, 190), (202, 196, 176)]
HEADER_LOOKS = [  # top, bottom, lines under the item of: 1 normal, 2 pressed, 3 hot, 4 disabled, 5 sorted
    ((253, 252, 248), (240, 237, 226), HEADER_LINES),
    ((226, 220, 202), (236, 232, 218), HEADER_LINES),
    ((255, 254, 250), (244, 240, 230), [HOT_LIGHT, HOT, darker(HOT, 0.12)]),
    ((248, 247, 243), (244, 242, 236), [(234, 232, 224)] * 3),
    ((250, 246, 236), (238, 232, 216), HEADER_LINES),
]


def header_bar(looks=HEADER_LOOKS, separator=((208, 202, 184), WHITE)):
    """Five states: 1 normal, 2 pressed, 3 hot, 4 disabled, 5 sorted. Every
    state but the pressed one ends in a two-line separator on the right."""
    w, h = HEADER

    def item(top, bottom, lines, pressed):
        c = Canvas(w, h, vertical(top, bottom, 0, h - len(lines)))
        for i, colour in enumerate(lines):
            c.fill(0, h - len(lines) + i, w, h - len(lines) + i + 1, colour)
        if not pressed:
            c.fill(w - 2, 3, w - 1, h - 5, separator[0])
            c.fill(w - 1, 3, w, h - 5, separator[1])
        return c

    return beside([item(*look, pressed=state == 2) for state, look in enumerate(looks, 1)])


# ---------------------------------------------------------------------------
# Scroll bars.

TRACK_LOOKS = {  # 1 normal, 2 pressed, 3 disabled, 4 hot
    1: ((238, 235, 222), (252, 251, 247)),
    2: ((220, 212, 194), (236, 230, 216)),
    3: ((246, 245, 241), (250, 250, 248)),
    4: ((242, 238, 226), (254, 253, 250)),
}
THUMB_LOOKS = {  # 1 normal, 2 pressed, 3 hot
    1: ((250, 246, 236), (232, 222, 198), (178, 160, 128), (196, 182, 154)),
    2: ((226, 212, 182), (240, 230, 208), (150, 126, 90), (170, 150, 116)),
    3: ((255, 252, 242), (246, 230, 196), (214, 156, 78), (206, 164, 100)),
}

# Every colour of the scroll-bar pictures: the arrow buttons, the track, the
# thumbs (their ridges are a line of the thumb's look over a light line), the
# track's edge, the size grip's dots and the face under the grip.
ScrollColours = collections.namedtuple("ScrollColours", "buttons track thumbs track_edge ridge_light dots face")
SCROLL_COLOURS = ScrollColours(SCROLL_BUTTON_LOOKS, TRACK_LOOKS, THUMB_LOOKS, SHADOW, WHITE, GRIP_DOTS, FACE)


def track_colour(x, y, horizontal_bar, track=TRACK_LOOKS):
    across_ = y if horizontal_bar else x
    return vertical(*track[1], 0, SCROLL)(0, across_)


def arrow_button(direction, state, colours=SCROLL_COLOURS):
    """A scroll arrow button, direction 0 up, 1 right, 2 down, 3 left."""
    s = SCROLL
    top, bottom, edge, ink = colours.buttons[state]
    c = Canvas(s, s, lambda x, y: track_colour(x, y, direction % 2 == 1, colours.track))
    fill = vertical(top, bottom, 1, s - 1) if direction % 2 == 0 else horizontal(top, bottom, 1, s - 1)
    framed_box(c, 1, 1, s - 1, s - 1, 2.5, edge, fill)
    chevron = turned([(5.5, 10.0), (8.5, 7.0), (11.5, 10.0)], direction, s / 2, s / 2)
    c.paint(stroke(chevron, 1.05), solid(ink))
    return c


def grip(vertical_thumb, state, colours=SCROLL_COLOURS):
    """Ridges drawn centred on a thumb, so stretching the thumb keeps them crisp."""
    s = SCROLL
    top, bottom, edge, line = colours.thumbs[state]
    light = colours.ridge_light
    c = Canvas(s, s, mix(top, bottom, 0.5))
    for i in range(4):
        k = 5 + 2 * i
        if vertical_thumb:
            c.fill(5, k, 11, k + 1, line)
            c.fill(6, k + 1, 12, k + 2, light)
        else:
            c.fill(k, 5, k + 1, 11, line)
            c.fill(k + 1, 6, k + 2, 12, light)
    return c.transparent()


def scroll_bar(colours=SCROLL_COLOURS):
    """23 frames of 17 x 17: 1-4 up arrow, 5-8 down, 9-12 left, 13-16 right (each
    normal, pressed, disabled, hot); 17-19 ridges of a vertical thumb and 20-22 of
    a horizontal thumb (normal, pressed, hot); 23 the size grip."""
    frames = []
    for direction in (0, 2, 3, 1):
        frames += [arrow_button(direction, state, colours) for state in range(1, 5)]
    frames += [grip(True, state, colours) for state in range(1, 4)]
    frames += [grip(False, state, colours) for state in range(1, 4)]
    frames.append(grip_dots(SCROLL, colours.dots, colours.face))
    return beside(frames)


def scroll_track(horizontal_bar, colours=SCROLL_COLOURS):
    """Four states of the track: 1 normal, 2 pressed, 3 disabled, 4 hot."""
    frames = []
    for state in range(1, 5):
        near, far = colours.track[state]
        shade = vertical(near, far, 0, SCROLL) if horizontal_bar else horizontal(near, far, 0, SCROLL)
        c = Canvas(SCROLL, SCROLL, shade)
        edge = mix(near, colours.track_edge, 0.35)
        if horizontal_bar:
            c.fill(0, 0, SCROLL, 1, edge)
        else:
            c.fill(0, 0, 1, SCROLL, edge)
        frames.append(c)
    return beside(frames)


def scroll_thumb(horizontal_bar, colours=SCROLL_COLOURS):
    """Three states: 1 normal, 2 pressed, 3 hot. Stretched along the bar with
    margins of 4 pixels."""
    length, s = 24, SCROLL
    w, h = (length, s) if horizontal_bar else (s, length)
    frames = []
    for state in range(1, 4):
        top, bottom, edge, _ = colours.thumbs[state]
        c = Canvas(w, h, lambda x, y: track_colour(x, y, horizontal_bar, colours.track))
        fill = vertical(top, bottom, 1, h - 1) if horizontal_bar else horizontal(top, bottom, 1, w - 1)
        framed_box(c, 1, 1, w - 1, h - 1, 3, edge, fill)
        frames.append(c.transparent())
    return beside(frames)


# ---------------------------------------------------------------------------
# Track-bar thumbs: five states, 2 normal (the state the track bar draws),
# 1 hot, 3 pressed, 4 disabled, 5 focused.

THUMB_STATES = [
    ((255, 253, 246), (246, 226, 184), (198, 138, 58), HOT),
    ((255, 254, 250), (232, 224, 204), CONTROL_EDGE, ACCENT),
    ((224, 212, 188), (240, 232, 214), (110, 92, 62), darker(ACCENT, 0.1)),
    ((248, 247, 242), (240, 238, 232), (202, 198, 186), (214, 206, 190)),
    ((255, 254, 250), (232, 224, 204), CONTROL_EDGE, SELECT_EDGE),
]


def track_thumb(shape, width, height, turns, states=THUMB_STATES, matte=FACE):
    """`shape` gives the outline of an upright thumb (the arrow shapes point
    down) in a box; `turns` quarter turns clockwise place it. `states` are the
    five looks (top, bottom, edge, accent band) over the face `matte`."""
    w, h = (height, width) if turns % 2 else (width, height)
    outer = turned(shape(0, 0, width, height), turns, 0, 0)
    inner = turned(shape(1, 1, width - 1, height - 1.4), turns, 0, 0)
    dx, dy = -min(x for x, _ in outer), -min(y for _, y in outer)
    outer = [(x + dx, y + dy) for x, y in outer]
    inner = [(x + dx, y + dy) for x, y in inner]
    frames = []
    for top, bottom, edge, accent in states:
        c = Canvas(w, h, matte)
        c.paint(polygon(outer), solid(edge))
        c.paint(polygon(inner), [vertical(top, bottom, 1, h - 1), horizontal(bottom, top, 1, w - 1),
                                 vertical(bottom, top, 1, h - 1), horizontal(top, bottom, 1, w - 1)][turns])
        accent_band(c, accent, turns, w, h)
        frames.append(c.transparent())
    return beside(frames)


def accent_band(c, accent, turns, w, h):
    """A coloured band across the thumb's base, where the user grips it."""
    if turns % 2:
        x = w - 4 if turns == 1 else 2
        c.fill(x, 2, x + 2, h - 2, accent)
    else:
        y = 2 if turns == 0 else h - 4
        c.fill(2, y, w - 2, y + 2, accent)


def rectangle_thumb(x0, y0, x1, y1):
    r = 1.5
    return [(x0 + r, y0), (x1 - r, y0), (x1, y0 + r), (x1, y1 - r), (x1 - r, y1), (x0 + r, y1), (x0, y1 - r),
            (x0, y0 + r)]


def pointer_thumb(x0, y0, x1, y1):
    tip = (x1 - x0) / 2
    return [(x0 + 1.5, y0), (x1 - 1.5, y0), (x1, y0 + 1.5), (x1, y1 - tip), ((x0 + x1) / 2, y1), (x0, y1 - tip),
            (x0, y0 + 1.5)]


# ---------------------------------------------------------------------------
# Up-down controls.

UPDOWN = (16, 12)


def updown_buttons(looks=SCROLL_BUTTON_LOOKS, matte=FACE):
    """Eight states shared by both orientations: 1-4 the first half (up or left)
    and 5-8 the second, each normal, pressed, disabled, hot; stretched to the half."""
    w, h = UPDOWN
    frames = []
    for state in list(range(1, 5)) * 2:
        top, bottom, edge, _ = looks[state]
        c = Canvas(w, h, matte)
        framed_box(c, 0, 0, w, h, 2, edge, vertical(top, bottom, 1, h - 1))
        frames.append(c.transparent())
    return beside(frames)


def updown_glyphs(horizontal_arrows, looks=SCROLL_BUTTON_LOOKS):
    """Arrow glyphs in the same eight states: up then down, or left then right."""
    frames = []
    for direction in ((3, 1) if horizontal_arrows else (0, 2)):
        for state in range(1, 5):
            top, bottom, _, ink = looks[state]
            arrow = at_origin(turned([(0, 4), (4, 0), (8, 4)], direction, 0, 0), 0.5)
            w, h = (5, 9) if horizontal_arrows else (9, 5)
            c = Canvas(w, h, mix(top, bottom, 0.5))
            c.paint(polygon(arrow), solid(ink))
            frames.append(c.transparent())
    return beside(frames)


# ---------------------------------------------------------------------------
# The pictures by entry name, and the settings text that names them.

PICTURES = {
    "left.bmp": left_border,
    "right.bmp": right_border,
    "top.bmp": top_border,
    "bottom.bmp": bottom_border,
    "textback.bmp": text_back,
    "menubar.bmp": menu_bar,
    "button.bmp": push_button,
    "check.bmp": check_box,
    "radio.bmp": radio_button,
    "close.bmp": lambda: caption_button("close"),
    "maximize.bmp": lambda: caption_button("maximize"),
    "restore.bmp": lambda: caption_button("restore"),
    "minimize.bmp": lambda: caption_button("minimize"),
    "maximize_off.bmp": lambda: caption_button("maximize", disabled=True),
    "minimize_off.bmp": lambda: caption_button("minimize", disabled=True),
    "restore_off.bmp": lambda: caption_button("restore", disabled=True),
    "mdicontrols.bmp": mdi_controls,
    "progress.bmp": progress,
    "progress_chunk.bmp": progress_chunk,
    "groupbox.bmp": group_box,
    "toolbar.bmp": tool_buttons,
    "tab.bmp": tabs,
    "tab_border.bmp": tab_page_border,
    "statusbar.bmp": status_bar,
    "combo_button.bmp": combo_button,
    "sunken_edge.bmp": sunk_edge,
    "combo_arrow.bmp": combo_arrow,
    "header.bmp": header_bar,
    "menu_item.bmp": menu_item,
    "menu_back.bmp": menu_background,
    "scrollbar.bmp": scroll_bar,
    "scroll_track_h.bmp": lambda: scroll_track(True),
    "scroll_track_v.bmp": lambda: scroll_track(False),
    "scroll_thumb_h.bmp": lambda: scroll_thumb(True),
    "scroll_thumb_v.bmp": lambda: scroll_thumb(False),
    "track_thumb_h.bmp": lambda: track_thumb(rectangle_thumb, 11, 21, 0),
    "track_thumb_v.bmp": lambda: track_thumb(rectangle_thumb, 11, 21, 1),
    "track_thumb_left.bmp": lambda: track_thumb(pointer_thumb, 11, 19, 1),
    "track_thumb_right.bmp": lambda: track_thumb(pointer_thumb, 11, 19, 3),
    "track_thumb_up.bmp": lambda: track_thumb(pointer_thumb, 11, 19, 2),
    "track_thumb_down.bmp": lambda: track_thumb(pointer_thumb, 11, 19, 0),
    "updown.bmp": updown_buttons,
    "updown_arrows_h.bmp": lambda: updown_glyphs(True),
    "updown_arrows_v.bmp": lambda: updown_glyphs(False),
}


def rgb(colour):
    return "%d %d %d" % colour


def margins(left, top, right, bottom):
    return [("LeftWidth", left), ("TopHeight", top), ("RightWidth", right), ("BottomHeight", bottom)]


def border(name, image, top_end, bottom_end, trans):
    """Keys of one window border. Left and right: end lengths along the height;
    top and bottom: along the width. Two frames: active, inactive."""
    return [(name, image), (name + "Frame", 2), (name + "TopHeight", top_end), (name + "BotHeight", bottom_end),
            (name + "Stretch", 1), (name + "Trans", trans)]


def caption_button_section(action, align, x, visibility, visibility1, image=None):
    keys = [("Action", action), ("Align", align), ("Xcoord", x),
            ("Ycoord", ICON_Y if image is None else CAPTION_BUTTON_Y),
            ("Visibility", visibility), ("Visibility1", visibility1)]
    return keys + ([("ButtonImage", image)] if image else [])


def element(image, left=0, top=0, right=0, bottom=0, trans=1, tile=0, **more):
    return [("Image", image)] + margins(left, top, right, bottom) + [("Trans", trans), ("Tile", tile)] + list(
        more.items())


CLOSE_X = BORDER + 2 + CAPTION_BUTTON  # caption buttons stand right-aligned,
MAXIMIZE_X = CLOSE_X + 2 + CAPTION_BUTTON  # two pixels apart
MINIMIZE_X = MAXIMIZE_X + CAPTION_BUTTON

# The sections of the scroll-bar, track-bar thumb and up-down pictures, whose
# sizes and margins the element functions above fix: every skin that draws
# them with those functions names them so.
SCROLL_TRACK_UPDOWN_SECTIONS = [
    ("Scrollbar", element("scrollbar.bmp", trans=0)),
    ("HorzScroll", element("scroll_track_h.bmp", trans=0)),
    ("VertScroll", element("scroll_track_v.bmp", trans=0)),
    ("HorzScrollThumb", element("scroll_thumb_h.bmp", 4, 4, 4, 4, FrameCount=3)),
    ("VertScrollThumb", element("scroll_thumb_v.bmp", 4, 4, 4, 4, FrameCount=3)),
    ("Trackbar.ThumbHorz", element("track_thumb_h.bmp")),
    ("Trackbar.ThumbVert", element("track_thumb_v.bmp")),
    ("Trackbar.ThumbLeft", element("track_thumb_left.bmp")),
    ("Trackbar.ThumbRight", element("track_thumb_right.bmp")),
    ("Trackbar.ThumbUp", element("track_thumb_up.bmp")),
    ("Trackbar.ThumbDown", element("track_thumb_down.bmp")),
    ("UpDown.Horz", element("updown.bmp", GlyphImage="updown_arrows_h.bmp")),
    ("UpDown.Vert", element("updown.bmp", GlyphImage="updown_arrows_v.bmp")),
]

SETTINGS = [
    ("TitlebarSkin", [("SkinName", SKIN_NAME)]),
    ("Personality",
     border("Left", "left.bmp", TITLE_HEIGHT, BORDER, 1) + border("Right", "right.bmp", TITLE_HEIGHT, BORDER, 1) +
     border("Top", "top.bmp", TOP_END, TOP_END, 1) + border("Bottom", "bottom.bmp", 0, 0, 0) + [
         ("TextBack", "textback.bmp"),
         ("TextShift", ICON_X + 16 + 3 - BORDER),
         ("TextShiftVert", 0),
         ("TextRightClip", MINIMIZE_X + 4 - BORDER),
         ("TextAlignment", 0),
         ("Textbackground", 1),
         ("TXTBackleft", TEXT_BACK_END - 2),
         ("TXTBackRight", TEXT_BACK_END - 2),
         ("ActiveTextR", ACTIVE["text"][0]), ("ActiveTextG", ACTIVE["text"][1]), ("ActiveTextB", ACTIVE["text"][2]),
         ("InActiveTextR", INACTIVE["text"][0]), ("InActiveTextG", INACTIVE["text"][1]),
         ("InActiveTextB", INACTIVE["text"][2]),
         ("menuBar", "menubar.bmp"),
         ("TileMenu", 1),
         ("TileLeftMenu", 1),
         ("TileRightMenu", 1),
     ]),
    ("Fonts", [("FontHeight", 14)]),
    ("Colours", [
        ("WindowText", rgb((0, 0, 0))),
        ("ButtonFace", rgb(FACE)),
        ("Scrollbar", rgb(TRACK_LOOKS[1][1])),
        ("HilightText", rgb(SELECT_TEXT)),
        ("Hilight", rgb(SELECT_BOTTOM)),
        ("Menubar", rgb(FACE)),
        ("Menu", rgb(MENU)),
        ("MenuText", rgb(TEXT)),
        ("ButtonText", rgb(TEXT)),
        ("ButtonHilight", rgb(WHITE)),
        ("Buttonlight", rgb(FACE_LIGHT)),
        ("ButtonShadow", rgb(SHADOW)),
        ("ButtonDkShadow", rgb(DARK_SHADOW)),
        ("MenuBarText", rgb(TEXT)),
        ("TitleTextActive", rgb(ACTIVE["text"])),
        ("TitleTextNoActive", rgb(INACTIVE["text"])),
    ]),
    # Accent colours for painters that want more than the table above:
    # 0 accent, 1 selection face, 2 selection edge, 3 active frame, 4 inactive frame.
    ("Colour0", [("color", rgb(ACCENT))]),
    ("Colour1", [("color", rgb(SELECT_BOTTOM))]),
    ("Colour2", [("color", rgb(SELECT_EDGE))]),
    ("Colour3", [("color", rgb(ACTIVE["rings"][2]))]),
    ("Colour4", [("color", rgb(INACTIVE["rings"][2]))]),
    ("Buttons",
     [("Bitmap", "button.bmp")] + margins(BUTTON_MARGIN, BUTTON_MARGIN, BUTTON_MARGIN, BUTTON_MARGIN) + [
         ("Trans", 1),
         ("Tile", 0),
         ("CheckButton", "check.bmp"),
         ("RadioButton", "radio.bmp"),
         ("NormalColour2", rgb(TEXT)),
         ("MouseOverColour2", rgb(TEXT)),
         ("PressedColour2", rgb(TEXT)),
     ]),
    # Caption buttons. Visibility: 0 a framed window (close: with a system
    # menu), 1 maximized, 2 not maximized, 6 maximize allowed, 7 not allowed,
    # 8 minimize allowed, 9 not allowed. Negative actions are pictures only.
    ("Button0", caption_button_section(0, 1, CLOSE_X, 0, 0, "close.bmp")),
    ("Button3", caption_button_section(1, 1, MAXIMIZE_X, 6, 2, "maximize.bmp")),
    ("Button4", caption_button_section(1, 1, MAXIMIZE_X, 6, 1, "restore.bmp")),
    ("Button6", caption_button_section(2, 1, MINIMIZE_X, 8, 0, "minimize.bmp")),
    ("Button7", caption_button_section(-1, 1, MAXIMIZE_X, 7, 8, "maximize_off.bmp")),
    ("Button9", caption_button_section(-1, 1, MINIMIZE_X, 9, 6, "minimize_off.bmp")),
    ("Button10", caption_button_section(-1, 1, MAXIMIZE_X, 7, 1, "restore_off.bmp")),
    ("Button16", caption_button_section(11, 0, ICON_X, 0, 0)),  # the window icon
    ("MDICONTROLS", [("Image", "mdicontrols.bmp")]),
    ("Progress",
     [("Bitmap", "progress.bmp"), ("Chunk", "progress_chunk.bmp"), ("Style", 0)] +
     margins(PROGRESS_MARGIN, PROGRESS_MARGIN, PROGRESS_MARGIN, PROGRESS_MARGIN) + [("Trans", 1), ("Tile", 0)]),
    ("GroupBoxEdge", element("groupbox.bmp", 5, 5, 5, 5)),
    ("Toolbars", element("toolbar.bmp", 4, 4, 4, 4)),
    ("Tabs", element("tab.bmp", 4, 6, 4, 2, Border="tab_border.bmp", NormalColour2=rgb(TEXT),
                     MouseOverColour2=rgb(SELECT_TEXT))),
    ("StatusBarEdges", element("statusbar.bmp", 2, 2, 2, 2)),
    ("ComboButton", element("combo_button.bmp", trans=1)),
    ("SunkEdge", element("sunken_edge.bmp", 2, 2, 2, 2, trans=0)),
    ("ExtraImages", element("combo_arrow.bmp")),
    ("Headerbar", element("header.bmp", 2, 2, 3, 4, trans=0, NormalColour2=rgb(TEXT))),
    ("MenuItem", element("menu_item.bmp", 3, 3, 3, 3)),
    ("MenuBackground", element("menu_back.bmp", 3, 3, 3, 3, trans=0)),
] + SCROLL_TRACK_UPDOWN_SECTIONS


def settings_text(settings=SETTINGS):
    lines = []
    for section, keys in settings:
        lines.append("[%s]" % section)
        lines += ["%s=%s" % (key, value) for key, value in keys]
        lines.append("")
    return "\r\n".join(lines).encode("ascii")


def named_pictures(settings=SETTINGS):
    """Picture names in the order the settings text first names them."""
    names = []
    for _, keys in settings:
        for _, value in keys:
            if isinstance(value, str) and value.endswith(".bmp") and value not in names:
                names.append(value)
    return names


def main(out, settings=SETTINGS, pictures=PICTURES):
    """Writes the pictures, the settings text and order.txt of a skin into `out`."""
    names = named_pictures(settings)
    if sorted(names) != sorted(pictures):
        raise SystemExit("settings and pictures disagree: %s" % sorted(set(names) ^ set(pictures)))
    out.mkdir(parents=True, exist_ok=True)
    for name in names:
        (out / name).write_bytes(pictures[name]().bmp())
    (out / SETTINGS_NAME).write_bytes(settings_text(settings))
    (out / "order.txt").write_text("\n".join(names + [SETTINGS_NAME]) + "\n")


if __name__ == "__main__":
    main(pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else HERE)

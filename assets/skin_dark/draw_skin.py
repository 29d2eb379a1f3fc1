#!/usr/bin/env python3
"""Draws the dark skin "Rilvanta Night" into this folder.

Writes the settings text rilvanta.ini, its pictures (24-bit uncompressed BMPs)
and order.txt, the archive order of the entries with the settings text last.

    draw_skin.py            writes the skin beside this script
    draw_skin.py DIR        writes it into DIR instead

The canvas, the shapes, the caption symbols and the elements whose drawing
both skins share (check and radio glyphs, menu items and background, group
box, combo button and arrow, progress blocks, MDI buttons, header, status
bar, scroll bars, track-bar thumbs, up-down controls) come from the
default skin's script (assets/skin/draw_skin.py), given this skin's colours;
this script holds the dark palette, its own frame, title, caption buttons,
push buttons, tabs and edges, and its settings text. Where the default
skin stretches its frame, rounds only the top corners and gives its caption
buttons six states, this one tiles a textured frame, rounds all four corners,
centres the title over a text background and draws four caption button
states; between them the two skins give a frame painter every case it has.
"""

import importlib.util
import pathlib
import sys

HERE = pathlib.Path(__file__).resolve().parent
sys.dont_write_bytecode = True  # no cache folder beside the default skin's script
_spec = importlib.util.spec_from_file_location("default_skin", HERE.parent / "skin" / "draw_skin.py")
base = importlib.util.module_from_spec(_spec)
_spec.loader.exec_module(base)

Canvas, box, stroke, ring = base.Canvas, base.box, base.stroke, base.ring
beside, stacked, framed_box = base.beside, base.stacked, base.framed_box
lighter, darker, vertical, solid = base.lighter, base.darker, base.vertical, base.solid
rgb, margins = base.rgb, base.margins

SKIN_NAME = "Rilvanta Night"
WHITE = base.WHITE

# ---------------------------------------------------------------------------
# Palette: slate faces, near-black outlines, a teal accent.

FACE = (45, 48, 55)
FACE_LIGHT = (62, 66, 76)
HILIGHT = (88, 94, 106)
SHADOW = (28, 30, 35)
DARK_SHADOW = (16, 17, 20)
TEXT = (224, 228, 234)
DISABLED_TEXT = (112, 117, 126)

ACCENT = (64, 170, 200)
ACCENT_DARK = (36, 112, 140)
ACCENT_LIGHT = (120, 200, 222)
CLOSE_RED = (206, 64, 60)

MENU = (36, 38, 44)
MENU_EDGE = (78, 84, 96)
SELECT_TOP = (58, 134, 162)
SELECT_BOTTOM = (40, 108, 134)
SELECT_TEXT = WHITE

OUTLINE = DARK_SHADOW
FRAME_RINGS = [OUTLINE, (70, 75, 86), (52, 56, 64), (46, 49, 57), (41, 44, 51)]  # outside in

ACTIVE = {
    "title": [(70, 76, 90), (54, 58, 70), (43, 46, 56), (38, 41, 49)],
    "highlight": (96, 104, 120),
    "underline": ACCENT,
    "text": (240, 244, 248),
}
INACTIVE = {
    "title": [(60, 62, 68), (52, 54, 60), (47, 49, 55), (44, 46, 52)],
    "highlight": (74, 77, 84),
    "underline": (66, 70, 78),
    "text": (130, 134, 142),
}

# ---------------------------------------------------------------------------
# Geometry shared by the pictures and the settings text.

TITLE_HEIGHT = 28
BORDER = 5  # left, right and bottom frame
CORNER_RADIUS = 9  # all four window corners
SIDE_BOTTOM_END = CORNER_RADIUS + 1  # fixed bottom end of the side pictures (holds the lower corner)
TOP_END = 8  # fixed ends of the title bar picture
BOTTOM_END = 6  # fixed ends of the bottom picture
TEXTURE = 6  # period of the frame's texture; the tiled middles are one period long
TEXT_BACK_END = 10

CAPTION_BUTTON = 18  # four states: 1 normal, 2 pressed, 3 hot, 4 inactive window
CAPTION_BUTTON_Y = (TITLE_HEIGHT - CAPTION_BUTTON) // 2
ORNAMENT = (10, 18)  # the marks either side of the centred title, four states
ICON_X, ICON_Y = 9, (TITLE_HEIGHT - 16) // 2
MDI_BUTTON = 16
MENU_BAR_HEIGHT = 20

# ---------------------------------------------------------------------------
# Window frame: one model window with four rounded corners, drawn whole and
# cut into the border pictures so that the pieces meet exactly. Its texture (a
# groove of dashes along the frame, fine lines across the title) repeats every
# TEXTURE pixels, so the tiled middles join without a seam.

MODEL_WIDTH, MODEL_HEIGHT = 72, 84


def title_shade(look, dy=0):
    body = base.through(look["title"], 2, TITLE_HEIGHT - 2)
    return lambda x, y: body(x, y + dy)


def model_window(look):
    outline = box(0, 0, MODEL_WIDTH, MODEL_HEIGHT, CORNER_RADIUS)
    title = title_shade(look)

    def shader(x, y):
        if y < TITLE_HEIGHT:
            if y == 1:
                return look["highlight"]
            if y >= TITLE_HEIGHT - 2:
                return look["underline"] if y == TITLE_HEIGHT - 2 else OUTLINE
            colour = title(x, y)
            return darker(colour, 0.12) if x % TEXTURE == 0 else colour
        depth = int(-outline(x + 0.5, y + 0.5))
        if depth >= BORDER:
            return FACE
        colour = FRAME_RINGS[min(depth, len(FRAME_RINGS) - 1)]
        along = y if min(x, MODEL_WIDTH - 1 - x) < MODEL_HEIGHT - 1 - y else x
        return darker(colour, 0.35) if depth == 2 and along % TEXTURE < 2 else colour

    c = Canvas(MODEL_WIDTH, MODEL_HEIGHT, base.MAGENTA)
    c.paint(outline, solid(OUTLINE), hard=True)
    c.paint(box(1, 1, MODEL_WIDTH - 1, MODEL_HEIGHT - 1, CORNER_RADIUS - 1), shader)
    return c.transparent()


def side_border(look, right):
    model = model_window(look)
    x0 = MODEL_WIDTH - BORDER if right else 0
    middle = 2 * TEXTURE * 4  # a row inside the straight part, at the start of a texture period
    return stacked([
        model.crop(x0, 0, x0 + BORDER, TITLE_HEIGHT),
        model.crop(x0, middle, x0 + BORDER, middle + TEXTURE),
        model.crop(x0, MODEL_HEIGHT - SIDE_BOTTOM_END, x0 + BORDER, MODEL_HEIGHT),
    ])


def across(model, y0, y1, end):
    mid = 4 * TEXTURE
    return beside([
        model.crop(BORDER, y0, BORDER + end, y1),
        model.crop(mid, y0, mid + TEXTURE, y1),
        model.crop(MODEL_WIDTH - BORDER - end, y0, MODEL_WIDTH - BORDER, y1),
    ])


def left_border():
    return beside([side_border(ACTIVE, False), side_border(INACTIVE, False)])


def right_border():
    return beside([side_border(ACTIVE, True), side_border(INACTIVE, True)])


def top_border():
    return stacked([across(model_window(look), 0, TITLE_HEIGHT, TOP_END) for look in (ACTIVE, INACTIVE)])


def bottom_border():
    """One state: below the title the frame looks the same in both windows."""
    return across(model_window(ACTIVE), MODEL_HEIGHT - BORDER, MODEL_HEIGHT, BOTTOM_END)


def text_back():
    """A darker pill behind the centred caption; active and inactive stacked."""
    frames = []
    width = 2 * TEXT_BACK_END + 6
    for look in (ACTIVE, INACTIVE):
        shade = title_shade(look)
        c = Canvas(width, TITLE_HEIGHT, shade)
        c.paint(box(0, 4, width, TITLE_HEIGHT - 5, 9), solid(darker(look["title"][2], 0.35)))
        c.paint(box(1, 5, width - 1, TITLE_HEIGHT - 6, 8), vertical(darker(look["title"][3], 0.45),
                                                                   darker(look["title"][1], 0.3), 5, TITLE_HEIGHT - 6))
        frames.append(c.transparent())
    return stacked(frames)


# ---------------------------------------------------------------------------
# Caption buttons: four states, 1 normal, 2 pressed, 3 hot, 4 inactive window.

CAPTION_LOOKS = {
    # state: (window look, top, bottom, edge, symbol)
    "plain": {
        1: (ACTIVE, (78, 84, 98), (58, 62, 74), (24, 26, 31), TEXT),
        2: (ACTIVE, (36, 39, 47), (50, 54, 64), (14, 15, 18), TEXT),
        3: (ACTIVE, (96, 104, 120), (70, 76, 90), ACCENT, WHITE),
        4: (INACTIVE, (60, 62, 69), (54, 56, 63), (34, 35, 40), (112, 116, 124)),
    },
    "close": {
        1: (ACTIVE, (78, 84, 98), (58, 62, 74), (24, 26, 31), TEXT),
        2: (ACTIVE, (150, 40, 38), (184, 56, 52), (70, 16, 14), WHITE),
        3: (ACTIVE, (232, 96, 88), CLOSE_RED, (110, 28, 24), WHITE),
        4: (INACTIVE, (60, 62, 69), (54, 56, 63), (34, 35, 40), (112, 116, 124)),
    },
}


def caption_button(kind):
    palette = CAPTION_LOOKS["close" if kind == "close" else "plain"]
    frames = []
    s = CAPTION_BUTTON
    for state in range(1, 5):
        look, top, bottom, edge, ink = palette[state]
        c = Canvas(s, s, title_shade(look, CAPTION_BUTTON_Y))
        fill = vertical(top, bottom, 1, s - 1)
        framed_box(c, 0, 0, s, s, 5, edge, fill)
        base.symbol(c, kind, 0, 0, s, ink)
        base.restore_inside(c, kind, 0, 0, s, fill)
        frames.append(c.transparent())
    return beside(frames)


def ornament(mirrored):
    """A small teal chevron pointing at the title; grey in an inactive window."""
    w, h = ORNAMENT
    frames = []
    for look, ink in ((ACTIVE, ACCENT), (ACTIVE, ACCENT_DARK), (ACTIVE, lighter(ACCENT, 0.3)),
                      (INACTIVE, (92, 96, 104))):
        c = Canvas(w, h, title_shade(look, CAPTION_BUTTON_Y))
        points = [(2.5, 4.5), (7.0, 9.0), (2.5, 13.5)]
        if mirrored:
            points = [(w - x, y) for x, y in points]
        c.paint(stroke(points, 1.1), solid(ink))
        frames.append(c.transparent())
    return beside(frames)


MDI_LOOKS = {  # state: top, bottom, edge, symbol
    1: ((70, 75, 88), (54, 58, 68), (24, 26, 31), TEXT),
    2: ((36, 39, 47), (50, 54, 64), (14, 15, 18), TEXT),
    3: ((52, 54, 60), (48, 50, 56), (34, 35, 40), DISABLED_TEXT),
    4: ((96, 104, 120), (70, 76, 90), ACCENT, WHITE),
}


# ---------------------------------------------------------------------------
# Menus.


def menu_bar_shade(look):
    top = (50, 54, 62) if look is ACTIVE else (47, 49, 55)
    return vertical(top, (40, 43, 50), 0, MENU_BAR_HEIGHT - 1)


def menu_bar():
    """Two frames stacked: active and inactive window; stretched, with ends of 2."""
    frames = []
    for look in (ACTIVE, INACTIVE):
        c = Canvas(16, MENU_BAR_HEIGHT, menu_bar_shade(look))
        c.fill(0, MENU_BAR_HEIGHT - 1, 16, MENU_BAR_HEIGHT, SHADOW)
        c.fill(0, 0, 2, MENU_BAR_HEIGHT - 1, darker(menu_bar_shade(look)(0, 0), 0.2))
        c.fill(14, 0, 16, MENU_BAR_HEIGHT - 1, darker(menu_bar_shade(look)(0, 0), 0.2))
        frames.append(c)
    return stacked(frames)


MENU_ITEM_FACES = [  # top, bottom, edge of: selected and disabled, selected, submenu open
    ((54, 57, 64), (48, 51, 58), (66, 70, 80)),
    (SELECT_TOP, SELECT_BOTTOM, ACCENT),
    (SELECT_BOTTOM, ACCENT_DARK, ACCENT),
]


# ---------------------------------------------------------------------------
# Push buttons, check boxes and radio buttons.

BUTTON = (18, 22)
BUTTON_MARGIN = 4


def push_button():
    """Five states: 1 normal, 2 pressed, 3 disabled, 4 hot or focused, 5 default."""
    w, h = BUTTON

    def face(top, bottom, edge, glow=None):
        c = Canvas(w, h, FACE)
        framed_box(c, 0, 0, w, h, 3, edge, vertical(top, bottom, 1, h - 1))
        if glow:
            c.paint(ring(box(1, 1, w - 1, h - 1, 2), box(2, 2, w - 2, h - 2, 1)), solid(glow))
        return c.transparent()

    return beside([
        face((76, 82, 95), (58, 62, 73), DARK_SHADOW),
        face((40, 43, 51), (54, 58, 68), DARK_SHADOW),
        face((54, 57, 64), (50, 53, 60), (36, 38, 44)),
        face((88, 96, 112), (64, 70, 84), DARK_SHADOW, ACCENT),
        face((76, 82, 95), (58, 62, 73), DARK_SHADOW, ACCENT_DARK),
    ])


GLYPH_LOOKS = [  # off or on, edge, top, bottom, mark: 1 off, 2 on, 3-4 disabled, 5 off and hot
    (False, DARK_SHADOW, (30, 32, 38), (40, 43, 50), ACCENT),
    (True, DARK_SHADOW, (30, 32, 38), (40, 43, 50), ACCENT),
    (False, (40, 42, 48), (44, 46, 52), (46, 48, 54), (84, 88, 96)),
    (True, (40, 42, 48), (44, 46, 52), (46, 48, 54), (84, 88, 96)),
    (False, ACCENT, (34, 46, 54), (40, 56, 66), ACCENT),
]


# ---------------------------------------------------------------------------
# Group box, sunken edge, tabs, progress, combo box.


FIELD = (30, 32, 38)


def sunk_edge():
    """Border of edits and combo boxes: 1 normal, 2 pressed, 3 disabled, 4 focused or hot."""
    frames = []
    for outer in (DARK_SHADOW, ACCENT_DARK, (40, 42, 48), ACCENT):
        c = Canvas(12, 12, FIELD)
        c.fill(0, 0, 12, 12, outer)
        c.fill(1, 1, 11, 11, SHADOW if outer is DARK_SHADOW else FIELD)
        c.fill(2, 2, 10, 10, FIELD)
        frames.append(c)
    return beside(frames)


TAB = (16, 22)
PAGE = (50, 53, 61)


def tabs():
    """Five states: 1 normal, 2 selected, 3 hot, 4 disabled, 5 focused."""
    w, h = TAB

    def tab(selected, top, bottom, accent=None):
        y0 = 0 if selected else 2
        c = Canvas(w, h, FACE)
        framed_box(c, 0, y0, w, h + 3, 3, DARK_SHADOW, vertical(top, bottom, y0 + 1, h))
        if accent:
            c.fill(2, y0 + 1, w - 2, y0 + 3, accent)
        if not selected:
            c.fill(0, h - 1, w, h, DARK_SHADOW)
        return c.transparent()

    return beside([
        tab(False, (58, 62, 72), (48, 51, 59)),
        tab(True, (66, 70, 80), PAGE, ACCENT),
        tab(False, (72, 78, 90), (56, 60, 70), ACCENT_DARK),
        tab(False, (50, 52, 58), (46, 48, 54)),
        tab(True, (66, 70, 80), PAGE, lighter(ACCENT, 0.3)),
    ])


def tab_page_border():
    c = Canvas(16, 16, PAGE)
    c.fill(0, 0, 16, 16, DARK_SHADOW)
    c.fill(1, 1, 15, 15, PAGE)
    return c


PROGRESS = (16, 14)
BAR_TOP, BAR_BOTTOM = (120, 210, 232), ACCENT_DARK


def progress():
    """Frame 1 the track, frame 2 the bar (transparent around it)."""
    w, h = PROGRESS
    track = Canvas(w, h, FACE)
    framed_box(track, 0, 0, w, h, 3, DARK_SHADOW, vertical(FIELD, (38, 41, 48), 1, h - 1))
    bar = Canvas(w, h, FIELD)
    bar.paint(box(2, 2, w - 2, h - 2, 2), vertical(BAR_TOP, BAR_BOTTOM, 2, h - 2))
    return beside([track.transparent(), bar.transparent()])


# The small buttons of combo boxes, scroll bars and up-down controls.
SMALL_BUTTON_LOOKS = {  # 1 normal, 2 pressed, 3 disabled, 4 hot: top, bottom, edge, arrow
    1: ((70, 75, 88), (54, 58, 68), DARK_SHADOW, TEXT),
    2: ((36, 39, 47), (50, 54, 64), DARK_SHADOW, TEXT),
    3: ((50, 52, 58), (46, 48, 54), (40, 42, 48), DISABLED_TEXT),
    4: ((90, 98, 114), (66, 72, 86), ACCENT, WHITE),
}


# ---------------------------------------------------------------------------
# Header, status bar, scroll bars, track-bar thumbs (up-down controls take the small buttons).

SEPARATOR = (74, 79, 90)  # the light line beside a dark one: separators, sunk panels
HEADER_LINES = [(40, 43, 50), (30, 32, 38), (22, 24, 28)]
HEADER_LOOKS = [  # top, bottom, lines under the item of: 1 normal, 2 pressed, 3 hot, 4 disabled, 5 sorted
    ((64, 68, 79), (52, 55, 64), HEADER_LINES),
    ((38, 41, 48), (48, 51, 59), HEADER_LINES),
    ((74, 80, 94), (60, 64, 75), [ACCENT_LIGHT, ACCENT, ACCENT_DARK]),
    ((50, 52, 58), (47, 49, 55), [(42, 44, 50)] * 3),
    ((56, 68, 80), (46, 55, 65), HEADER_LINES),
]

GRIP_DOTS = ((20, 22, 26), (84, 90, 102))
TRACK_LOOKS = {  # 1 normal, 2 pressed, 3 disabled, 4 hot: near the edge, far side
    1: ((24, 26, 31), FIELD),
    2: ((20, 34, 42), (26, 44, 54)),
    3: ((38, 40, 45), (40, 42, 47)),
    4: ((30, 33, 40), (38, 41, 49)),
}
SCROLL_COLOURS = base.ScrollColours(
    buttons=SMALL_BUTTON_LOOKS,
    track=TRACK_LOOKS,
    thumbs={  # 1 normal, 2 pressed, 3 hot: top, bottom, edge, ridges
        1: ((84, 90, 104), (64, 69, 81), DARK_SHADOW, (40, 43, 50)),
        2: ((50, 54, 64), (62, 67, 78), DARK_SHADOW, (32, 34, 40)),
        3: ((100, 108, 124), (76, 83, 98), ACCENT, ACCENT_DARK),
    },
    track_edge=DARK_SHADOW,
    ridge_light=(108, 115, 130),
    dots=GRIP_DOTS,
    face=FACE,
)

TRACK_THUMB_STATES = [  # top, bottom, edge, band of: 1 hot, 2 normal, 3 pressed, 4 disabled, 5 focused
    ((100, 108, 124), (72, 78, 92), ACCENT, ACCENT_LIGHT),
    ((88, 94, 108), (62, 67, 79), DARK_SHADOW, ACCENT),
    ((50, 54, 64), (66, 71, 83), DARK_SHADOW, ACCENT_DARK),
    ((54, 57, 64), (50, 53, 60), (38, 40, 46), (70, 74, 82)),
    ((88, 94, 108), (62, 67, 79), ACCENT_DARK, ACCENT_LIGHT),
]


def track_thumb(shape, width, height, turns):
    """Draws a track-bar thumb of the default skin's shapes in this skin's states."""
    return lambda: base.track_thumb(shape, width, height, turns, TRACK_THUMB_STATES, FACE)


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
    "check.bmp": lambda: base.check_box(GLYPH_LOOKS, FACE),
    "radio.bmp": lambda: base.radio_button(GLYPH_LOOKS, FACE),
    "close.bmp": lambda: caption_button("close"),
    "maximize.bmp": lambda: caption_button("maximize"),
    "restore.bmp": lambda: caption_button("restore"),
    "minimize.bmp": lambda: caption_button("minimize"),
    "ornament_left.bmp": lambda: ornament(False),
    "ornament_right.bmp": lambda: ornament(True),
    "mdicontrols.bmp": lambda: base.mdi_controls(MDI_LOOKS, MDI_BUTTON, menu_bar_shade(ACTIVE)),
    "progress.bmp": progress,
    "progress_chunk.bmp": lambda: base.progress_chunk(BAR_TOP, BAR_BOTTOM, FIELD),
    "groupbox.bmp": lambda: base.group_box(((78, 84, 96), (58, 61, 68)), FACE),
    "tab.bmp": tabs,
    "tab_border.bmp": tab_page_border,
    "combo_button.bmp": lambda: base.combo_button(SMALL_BUTTON_LOOKS, FIELD),
    "sunken_edge.bmp": sunk_edge,
    "combo_arrow.bmp": lambda: base.combo_arrow(SMALL_BUTTON_LOOKS),
    "menu_item.bmp": lambda: base.menu_item(MENU, MENU_ITEM_FACES, (SHADOW, (58, 62, 72))),
    "menu_back.bmp": lambda: base.menu_background(MENU, MENU_EDGE, DARK_SHADOW),
    "statusbar.bmp": lambda: base.status_bar((FACE_LIGHT, FACE), (DARK_SHADOW, SEPARATOR), (SHADOW, SEPARATOR),
                                             GRIP_DOTS),
    "header.bmp": lambda: base.header_bar(HEADER_LOOKS, (DARK_SHADOW, SEPARATOR)),
    "scrollbar.bmp": lambda: base.scroll_bar(SCROLL_COLOURS),
    "scroll_track_h.bmp": lambda: base.scroll_track(True, SCROLL_COLOURS),
    "scroll_track_v.bmp": lambda: base.scroll_track(False, SCROLL_COLOURS),
    "scroll_thumb_h.bmp": lambda: base.scroll_thumb(True, SCROLL_COLOURS),
    "scroll_thumb_v.bmp": lambda: base.scroll_thumb(False, SCROLL_COLOURS),
    "track_thumb_h.bmp": track_thumb(base.rectangle_thumb, 11, 21, 0),
    "track_thumb_v.bmp": track_thumb(base.rectangle_thumb, 11, 21, 1),
    "track_thumb_left.bmp": track_thumb(base.pointer_thumb, 11, 19, 1),
    "track_thumb_right.bmp": track_thumb(base.pointer_thumb, 11, 19, 3),
    "track_thumb_up.bmp": track_thumb(base.pointer_thumb, 11, 19, 2),
    "track_thumb_down.bmp": track_thumb(base.pointer_thumb, 11, 19, 0),
    "updown.bmp": lambda: base.updown_buttons(SMALL_BUTTON_LOOKS, FACE),
    "updown_arrows_h.bmp": lambda: base.updown_glyphs(True, SMALL_BUTTON_LOOKS),
    "updown_arrows_v.bmp": lambda: base.updown_glyphs(False, SMALL_BUTTON_LOOKS),
}


def border(name, image, frames, top_end, bottom_end):
    """Keys of one tiled, transparent window border."""
    return [(name, image), (name + "Frame", frames), (name + "TopHeight", top_end), (name + "BotHeight", bottom_end),
            (name + "Stretch", 0), (name + "Trans", 1)]


def caption_button_section(action, align, x, y, visibility, visibility1, image=None):
    """A title-bar button. Pictures are given four states explicitly ("frame"),
    as the reader would take their width-to-height ratio for six."""
    keys = [("Action", action), ("Align", align), ("Xcoord", x), ("Ycoord", y), ("Visibility", visibility),
            ("Visibility1", visibility1)]
    return keys + ([("frame", 4), ("ButtonImage", image)] if image else [])


def element(image, left=0, top=0, right=0, bottom=0, trans=1, **more):
    return [("Image", image)] + margins(left, top, right, bottom) + [("Trans", trans), ("Tile", 0)] + list(
        more.items())


CLOSE_X = BORDER + 4 + CAPTION_BUTTON  # right-aligned, two pixels apart
MAXIMIZE_X = CLOSE_X + 2 + CAPTION_BUTTON
MINIMIZE_X = MAXIMIZE_X + 2 + CAPTION_BUTTON
ORNAMENT_GAP = 3  # between an ornament and the caption's text background
ALWAYS = 200  # a visibility value that shows a button in every window

SETTINGS = [
    ("TitlebarSkin", [("SkinName", SKIN_NAME)]),
    ("Personality",
     border("Left", "left.bmp", 2, TITLE_HEIGHT, SIDE_BOTTOM_END) +
     border("Right", "right.bmp", 2, TITLE_HEIGHT, SIDE_BOTTOM_END) + border("Top", "top.bmp", 2, TOP_END, TOP_END) +
     border("Bottom", "bottom.bmp", 1, BOTTOM_END, BOTTOM_END) + [
         ("TextBack", "textback.bmp"),
         ("TextShift", 0),
         ("TextShiftVert", 0),
         ("TextRightClip", MINIMIZE_X + 4 - BORDER),
         ("TextAlignment", 1),
         ("Textbackground", 1),
         ("TXTBackleft", TEXT_BACK_END),
         ("TXTBackRight", TEXT_BACK_END),
         ("ActiveTextR", ACTIVE["text"][0]), ("ActiveTextG", ACTIVE["text"][1]), ("ActiveTextB", ACTIVE["text"][2]),
         ("InActiveTextR", INACTIVE["text"][0]), ("InActiveTextG", INACTIVE["text"][1]),
         ("InActiveTextB", INACTIVE["text"][2]),
         ("menuBar", "menubar.bmp"),
         ("TileMenu", 0),
         ("TileLeftMenu", 2),
         ("TileRightMenu", 2),
     ]),
    ("Fonts", [("FontHeight", 14)]),
    ("Colours", [
        ("WindowText", rgb(TEXT)),
        ("ButtonFace", rgb(FACE)),
        ("Scrollbar", rgb(FIELD)),
        ("HilightText", rgb(SELECT_TEXT)),
        ("Hilight", rgb(SELECT_BOTTOM)),
        ("Menubar", rgb((40, 43, 50))),
        ("Menu", rgb(MENU)),
        ("MenuText", rgb(TEXT)),
        ("ButtonText", rgb(TEXT)),
        ("ButtonHilight", rgb(HILIGHT)),
        ("Buttonlight", rgb(FACE_LIGHT)),
        ("ButtonShadow", rgb(SHADOW)),
        ("ButtonDkShadow", rgb(DARK_SHADOW)),
        ("MenuBarText", rgb(TEXT)),
        ("TitleTextActive", rgb(ACTIVE["text"])),
        ("TitleTextNoActive", rgb(INACTIVE["text"])),
    ]),
    # Accent colours: 0 accent, 1 selection face, 2 field background.
    ("Colour0", [("color", rgb(ACCENT))]),
    ("Colour1", [("color", rgb(SELECT_BOTTOM))]),
    ("Colour2", [("color", rgb(FIELD))]),
    ("Buttons",
     [("Bitmap", "button.bmp")] + margins(BUTTON_MARGIN, BUTTON_MARGIN, BUTTON_MARGIN, BUTTON_MARGIN) + [
         ("Trans", 1),
         ("Tile", 0),
         ("CheckButton", "check.bmp"),
         ("RadioButton", "radio.bmp"),
         ("NormalColour2", rgb(TEXT)),
         ("MouseOverColour2", rgb(WHITE)),
         ("PressedColour2", rgb(TEXT)),
     ]),
    # Caption buttons. Align: 0 from the left, 1 from the right, 2 left of the
    # caption text, 3 right of it. Visibility as in the default skin; 200 always.
    ("Button0", caption_button_section(0, 1, CLOSE_X, CAPTION_BUTTON_Y, 0, 0, "close.bmp")),
    ("Button1", caption_button_section(1, 1, MAXIMIZE_X, CAPTION_BUTTON_Y, 6, 2, "maximize.bmp")),
    ("Button2", caption_button_section(1, 1, MAXIMIZE_X, CAPTION_BUTTON_Y, 6, 1, "restore.bmp")),
    ("Button3", caption_button_section(2, 1, MINIMIZE_X, CAPTION_BUTTON_Y, 8, 0, "minimize.bmp")),
    ("Button4", caption_button_section(3, 0, ICON_X, ICON_Y, 0, 0)),  # the window icon, opens the system menu
    ("Button5", caption_button_section(-1, 2, ORNAMENT_GAP, CAPTION_BUTTON_Y, ALWAYS, ALWAYS, "ornament_left.bmp")),
    ("Button6", caption_button_section(-1, 3, ORNAMENT_GAP, CAPTION_BUTTON_Y, ALWAYS, ALWAYS, "ornament_right.bmp")),
    ("MDICONTROLS", [("Image", "mdicontrols.bmp")]),
    ("Progress", [("Bitmap", "progress.bmp"), ("Chunk", "progress_chunk.bmp"), ("Style", 0)] + margins(3, 3, 3, 3) +
     [("Trans", 1), ("Tile", 0)]),
    ("GroupBoxEdge", element("groupbox.bmp", 5, 5, 5, 5)),
    ("Tabs", element("tab.bmp", 4, 6, 4, 2, Border="tab_border.bmp", NormalColour2=rgb(TEXT),
                     MouseOverColour2=rgb(WHITE))),
    ("StatusBarEdges", element("statusbar.bmp", 2, 2, 2, 2)),
    ("ComboButton", element("combo_button.bmp")),
    ("SunkEdge", element("sunken_edge.bmp", 2, 2, 2, 2, trans=0)),
    ("ExtraImages", element("combo_arrow.bmp")),
    ("Headerbar", element("header.bmp", 2, 2, 3, 4, trans=0, NormalColour2=rgb(TEXT))),
    ("MenuItem", element("menu_item.bmp", 3, 3, 3, 3)),
    ("MenuBackground", element("menu_back.bmp", 3, 3, 3, 3, trans=0)),
] + base.SCROLL_TRACK_UPDOWN_SECTIONS

if __name__ == "__main__":
    base.main(pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else HERE, SETTINGS, PICTURES)

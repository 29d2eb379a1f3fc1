"""Checks that hold for every skin folder of the repository (a drawing script,
its settings text, pictures and archive order, and the packed archive).

A skin's own check script mixes `SkinFolderChecks` into its test case and adds
the facts of that skin. Faults caught here: a picture that the settings text
names but the archive order leaves out (or the reverse), a picture that is not
a plain 24-bit BMP, strips whose width or height does not divide into the state
count the skin reader gives the element, nine-slice margins larger than a
state, committed pictures that differ from what the drawing script draws now,
and (given the skin tool) a committed archive that differs from a fresh pack.
"""

import pathlib
import struct
import subprocess
import sys
import tempfile
import unittest

MAGENTA = (255, 0, 255)

# Element sections with their image key and the state count the skin reader
# gives them (a section's own "FrameCount" key overrides None-counted ones).
ELEMENTS = {
    "Progress": ("Bitmap", 2), "GroupBoxEdge": ("Image", 2), "Toolbars": ("Image", 5), "Tabs": ("Image", 5),
    "StatusBarEdges": ("Image", 3), "ComboButton": ("Image", 4), "SunkEdge": ("Image", 4),
    "ExtraImages": ("Image", 5), "Headerbar": ("Image", 5), "MenuItem": ("Image", 5),
    "MenuBackground": ("Image", 1), "Scrollbar": ("Image", 23), "HorzScroll": ("Image", 4),
    "VertScroll": ("Image", 4), "HorzScrollThumb": ("Image", None), "VertScrollThumb": ("Image", None),
    "Trackbar.ThumbHorz": ("Image", 5), "Trackbar.ThumbVert": ("Image", 5), "Trackbar.ThumbLeft": ("Image", 5),
    "Trackbar.ThumbRight": ("Image", 5), "Trackbar.ThumbUp": ("Image", 5), "Trackbar.ThumbDown": ("Image", 5),
    "UpDown.Horz": ("Image", 8), "UpDown.Vert": ("Image", 8),
}
SECOND_IMAGES = {"Progress": "Chunk", "Tabs": "Border", "UpDown.Horz": "GlyphImage", "UpDown.Vert": "GlyphImage"}
BORDERS = (("Left", False), ("Right", False), ("Top", True), ("Bottom", True))  # name, states stacked


def arguments():
    """SKIN_DIR [SKINTOOL] from the command line, taken off it for unittest."""
    skin_dir = pathlib.Path(sys.argv.pop(1) if len(sys.argv) > 1 else ".").resolve()
    skintool = sys.argv.pop(1) if len(sys.argv) > 1 else None
    return skin_dir, skintool


class Settings:
    """The INI rules of the skin reader: names without case, first one wins."""

    def __init__(self, text):
        self.sections = []  # (name, {lower key: value}) in file order
        for line in text.splitlines():
            line = line.strip()
            if line.startswith("[") and "]" in line:
                self.sections.append((line[1:line.rindex("]")], {}))
            elif "=" in line and self.sections:
                key, value = line.split("=", 1)
                self.sections[-1][1].setdefault(key.strip().lower(), value.strip())

    def names(self):
        return [name for name, _ in self.sections]

    def get(self, section, key, default=None):
        for name, keys in self.sections:
            if name.lower() == section.lower():
                return keys.get(key.lower(), default)
        return default

    def integer(self, section, key, default=0):
        value = self.get(section, key)
        try:
            return int(value)
        except (TypeError, ValueError):
            return default

    def image_names(self):
        return [v for _, keys in self.sections for v in keys.values() if v.lower().endswith(".bmp")]

    def caption_button_sections(self):
        """The title-bar button sections, in file order, as the skin reader picks them."""
        return [n for n in self.names()
                if n.upper().startswith("BUTTON") and n.upper() not in ("BUTTONS", "BUTTON.RADIO", "BUTTON.CHECKBOX")]

    def numbered_colours(self):
        return [n.upper() for n in self.names() if n.upper().startswith("COLOUR") and n.upper() != "COLOURS"]


class Bitmap:
    def __init__(self, path):
        data = path.read_bytes()
        self.name = path.name
        magic, size, _, _, offset = struct.unpack_from("<2sIHHI", data, 0)
        (header, self.width, self.height, planes, self.bits, compression, _, _, _, colours,
         _) = struct.unpack_from("<IiiHHIIiiII", data, 14)
        self.fault = None
        stride = (self.width * 3 + 3) & ~3
        if magic != b"BM" or header != 40 or planes != 1 or self.bits != 24 or compression != 0 or colours != 0:
            self.fault = "not a plain 24-bit uncompressed BMP"
        elif not (0 < self.width <= 16384 and 0 < self.height <= 16384):
            self.fault = "size %d x %d" % (self.width, self.height)
        elif offset != 54 or size != len(data) or len(data) != 54 + stride * self.height:
            self.fault = "file size or pixel offset does not match the header"
        self.data, self.stride = data, stride

    def pixel(self, x, y):
        at = 54 + (self.height - 1 - y) * self.stride + 3 * x
        b, g, r = self.data[at:at + 3]
        return (r, g, b)


class SkinFolderChecks:
    """Mixed into a unittest.TestCase with SKIN_DIR, SKINTOOL and ARCHIVE (the
    packed archive's file name in SKIN_DIR) set."""

    SKIN_DIR = SKINTOOL = ARCHIVE = None

    @classmethod
    def setUpClass(cls):
        cls.order = (cls.SKIN_DIR / "order.txt").read_text().split()
        cls.ini_name = cls.order[-1]
        cls.settings = Settings((cls.SKIN_DIR / cls.ini_name).read_text(encoding="ascii"))
        cls.bitmaps = {name.lower(): Bitmap(cls.SKIN_DIR / name) for name in cls.order[:-1]}

    def bitmap(self, section, key):
        name = self.settings.get(section, key)
        self.assertIsNotNone(name, "[%s] %s is missing" % (section, key))
        return self.bitmaps[name.lower()]

    def assert_strip(self, bmp, count, stacked=False, margins=(0, 0, 0, 0), what=""):
        length = bmp.height if stacked else bmp.width
        self.assertEqual(length % count, 0, "%s: %s does not divide into %d states" % (what, bmp.name, count))
        cell_w, cell_h = (bmp.width, bmp.height // count) if stacked else (bmp.width // count, bmp.height)
        left, top, right, bottom = margins
        self.assertLessEqual(left + right, cell_w, "%s: margins wider than a state" % what)
        self.assertLessEqual(top + bottom, cell_h, "%s: margins higher than a state" % what)

    def margins(self, section):
        return tuple(self.settings.integer(section, k) for k in ("LeftWidth", "TopHeight", "RightWidth", "BottomHeight"))

    def border_states(self, name):
        return self.settings.integer("Personality", name + "Frame", 1)

    def caption_button_states(self, section):
        """The state count the skin reader gives a title-bar button's picture."""
        bmp = self.bitmaps[self.settings.get(section, "ButtonImage").lower()]
        return self.settings.integer(section, "frame") or (3 if bmp.width / bmp.height <= 3.8 else 6)

    def test_archive_order_holds_every_picture_once_and_the_settings_last(self):
        self.assertTrue(self.ini_name.lower().endswith(".ini"))
        self.assertTrue(all(n.lower().endswith(".bmp") for n in self.order[:-1]), "pictures, then the settings")
        self.assertEqual(len(set(n.lower() for n in self.order)), len(self.order), "entry names repeat")
        on_disk = {p.name for p in self.SKIN_DIR.iterdir() if p.suffix.lower() in (".bmp", ".ini")}
        self.assertEqual(on_disk, set(self.order), "order.txt and the folder disagree")

    def test_every_named_picture_is_packed_and_every_packed_picture_is_named(self):
        named = {n.replace(":", "\\").split("\\")[-1].lower() for n in self.settings.image_names()}
        self.assertEqual(named, set(self.bitmaps))
        self.assertTrue(all(n.endswith(".bmp") for n in named), "the reader loads only names ending in .bmp")

    def test_pictures_are_plain_bmps(self):
        for bmp in self.bitmaps.values():
            self.assertIsNone(bmp.fault, bmp.name)

    def test_window_border_strips(self):
        for name, stacked in BORDERS:
            ends = (self.settings.integer("Personality", name + "TopHeight"),
                    self.settings.integer("Personality", name + "BotHeight"))
            self.assert_strip(self.bitmap("Personality", name), self.border_states(name), stacked,
                              (ends[0], 0, ends[1], 0) if stacked else (0, ends[0], 0, ends[1]), name)
        self.assert_strip(self.bitmap("Personality", "TextBack"), 2, stacked=True, what="title text background")
        self.assert_strip(self.bitmap("Personality", "menuBar"), 2, stacked=True, what="menu bar")

    def test_caption_button_strips(self):
        for section in self.settings.caption_button_sections():
            if self.settings.get(section, "ButtonImage"):
                bmp = self.bitmap(section, "ButtonImage")
                self.assert_strip(bmp, self.caption_button_states(section), what=section)

    def test_push_button_strip(self):
        self.assert_strip(self.bitmap("Buttons", "Bitmap"), 5, margins=self.margins("Buttons"), what="Buttons")

    def test_element_strips(self):
        for section, (key, count) in ELEMENTS.items():
            if self.settings.get(section, key) is None:
                continue  # an absent element
            if count is None:
                count = self.settings.integer(section, "FrameCount", 3)
            self.assert_strip(self.bitmap(section, key), count, margins=self.margins(section), what=section)
            if section in SECOND_IMAGES:
                second = self.bitmap(section, SECOND_IMAGES[section])
                if section.startswith("UpDown"):
                    self.assert_strip(second, count, what=section + " arrows")

    def test_pictures_are_what_the_drawing_script_draws(self):
        with tempfile.TemporaryDirectory() as fresh:
            script = self.SKIN_DIR / "draw_skin.py"
            subprocess.run([sys.executable, "-B", str(script), fresh], check=True)
            for name in self.order + ["order.txt"]:
                same = (pathlib.Path(fresh) / name).read_bytes() == (self.SKIN_DIR / name).read_bytes()
                self.assertTrue(same, "%s is stale: run %s" % (name, script))

    def test_committed_archive_is_a_fresh_pack_with_the_settings_last(self):
        if not self.SKINTOOL:
            self.skipTest("needs the skin tool")
        with tempfile.TemporaryDirectory() as fresh:
            packed = pathlib.Path(fresh) / self.ARCHIVE
            subprocess.run([self.SKINTOOL, "pack", str(self.SKIN_DIR), str(packed)], check=True, capture_output=True)
            same = packed.read_bytes() == (self.SKIN_DIR / self.ARCHIVE).read_bytes()
            self.assertTrue(same, "%s is stale: pack %s again" % (self.ARCHIVE, self.SKIN_DIR))
        listing = subprocess.run([self.SKINTOOL, "list", str(self.SKIN_DIR / self.ARCHIVE)], check=True,
                                 capture_output=True, text=True).stdout.splitlines()
        self.assertEqual([line.split("\t")[0] for line in listing], self.order)

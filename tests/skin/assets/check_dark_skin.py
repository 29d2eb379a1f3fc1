#!/usr/bin/env python3
"""Checks the dark skin folder before it is packed and embedded.

    check_dark_skin.py SKIN_DIR [SKINTOOL]

Besides the checks of every skin folder (skin_folder_check.py): what the dark
skin is for. Its colours are dark; its four window corners are cut out in
magenta on transparent, tiled borders; its caption buttons have four states;
its title is centred over a text background; it has a menu bar; it skins
every control but the tool bar, in dark faces under light glyphs. And, read
together with the default skin beside it, the two skins give a frame painter
every case it has: transparent and opaque border pieces, stretched and tiled
edges, one- and two-state borders, three-or-more- and four-state caption
buttons, and caption buttons of every alignment.
"""

import unittest

import skin_folder_check as folder

SKIN_DIR, SKINTOOL = folder.arguments()


def brightness(colour):
    red, green, blue = (int(v) for v in colour.split()) if isinstance(colour, str) else colour
    return (299 * red + 587 * green + 114 * blue) // 1000


def mean_brightness(bmp):
    """Of the pixels that are not transparent."""
    seen = [brightness(p) for p in (bmp.pixel(x, y) for y in range(bmp.height) for x in range(bmp.width))
            if p != folder.MAGENTA]
    return sum(seen) / len(seen)


class DarkSkinTest(folder.SkinFolderChecks, unittest.TestCase):
    SKIN_DIR, SKINTOOL, ARCHIVE = SKIN_DIR, SKINTOOL, "dark.skn"

    def test_dark_faces_under_light_text(self):
        for key in ("ButtonFace", "Menu", "Menubar"):
            self.assertLess(brightness(self.settings.get("Colours", key)), 80, key)
        for key in ("ButtonText", "MenuText", "TitleTextActive", "WindowText"):
            self.assertGreater(brightness(self.settings.get("Colours", key)), 180, key)
        self.assertEqual(self.settings.get("TitlebarSkin", "SkinName"), "Rilvanta Night")

    def test_every_element_but_the_tool_bar_is_present(self):
        """The gallery shows no tool bar, so leaving it out keeps a missing element's plain look in view."""
        absent = [s for s, (key, _) in folder.ELEMENTS.items() if not self.settings.get(s, key)]
        self.assertEqual(absent, ["Toolbars"])

    def test_control_pictures_are_dark_faces_under_light_glyphs(self):
        """Catches an element left in the default skin's beige."""
        glyphs = {("ExtraImages", "Image"), ("UpDown.Horz", "GlyphImage"), ("UpDown.Vert", "GlyphImage")}
        for section, (key, _) in folder.ELEMENTS.items():
            if self.settings.get(section, key) and (section, key) not in glyphs:
                self.assertLess(mean_brightness(self.bitmap(section, key)), 100, section)
        for section, key in glyphs:
            self.assertGreater(mean_brightness(self.bitmap(section, key)), 120, section + " " + key)

    def test_four_rounded_corners_on_transparent_tiled_borders(self):
        for name, _ in folder.BORDERS:
            self.assertEqual(self.settings.integer("Personality", name + "Trans"), 1, name)
            self.assertNotEqual(self.settings.integer("Personality", name + "Stretch", 1), 1, name + " is tiled")
        left, right = self.bitmap("Personality", "Left"), self.bitmap("Personality", "Right")
        for side, x in ((left, 0), (right, right.width // 2 - 1)):
            for y in (0, side.height - 1):
                self.assertEqual(side.pixel(x, y), folder.MAGENTA, "%s corner at row %d" % (side.name, y))
            self.assertNotEqual(side.pixel(x, side.height // 2), folder.MAGENTA, "%s straight edge" % side.name)
        bottom = self.bitmap("Personality", "Bottom")
        self.assertEqual(bottom.pixel(0, bottom.height - 1), folder.MAGENTA, "the lower corner runs into the bottom")

    def test_inactive_windows_draw_the_second_state_where_there_is_one(self):
        self.assertEqual([self.border_states(name) for name, _ in folder.BORDERS], [2, 2, 2, 1])

    def test_four_state_caption_buttons_and_their_alignments(self):
        pictured = [s for s in self.settings.caption_button_sections() if self.settings.get(s, "ButtonImage")]
        self.assertGreaterEqual(len(pictured), 6)
        for section in pictured:
            self.assertEqual(self.caption_button_states(section), 4, section)
            bmp = self.bitmap(section, "ButtonImage")
            cell = bmp.width // 4
            middle = [bmp.pixel(state * cell + cell // 2, bmp.height // 2) for state in range(4)]
            self.assertNotEqual(middle[0], middle[3], "%s: the inactive state differs from the normal" % section)
        aligns = {self.settings.integer(s, "Align") for s in self.settings.caption_button_sections()}
        self.assertTrue({0, 1} <= aligns and aligns & {2, 8} and aligns & {3, 9}, aligns)
        self.assertTrue(self.settings.get("MDICONTROLS", "Image"), "the menu-bar buttons of a maximized child")

    def test_centred_title_over_a_text_background_and_a_menu_bar(self):
        self.assertEqual(self.settings.integer("Personality", "TextAlignment"), 1)
        self.assertEqual(self.settings.integer("Personality", "Textbackground"), 1)
        self.assertTrue(self.settings.get("Personality", "TextBack"))
        self.assertTrue(self.settings.get("Personality", "menuBar"))

    def test_with_the_default_skin_every_frame_case_is_drawn(self):
        default = folder.Settings((SKIN_DIR.parent / "skin" / "rilvanta.ini").read_text(encoding="ascii"))
        skins = (self.settings, default)
        values = lambda key: {s.integer("Personality", n + key, 1) for s in skins for n, _ in folder.BORDERS}
        self.assertEqual(values("Trans"), {0, 1}, "transparent and opaque border pieces")
        self.assertEqual({v == 1 for v in values("Stretch")}, {True, False}, "stretched and tiled edges")
        self.assertEqual(values("Frame"), {1, 2}, "borders with and without an inactive state")
        aligns = {s.integer(b, "Align") for s in skins for b in s.caption_button_sections()}
        self.assertTrue({0, 1} <= aligns and aligns & {2, 8} and aligns & {3, 9}, aligns)
        self.assertEqual({s.integer("Personality", "TextAlignment") for s in skins}, {0, 1})


if __name__ == "__main__":
    unittest.main()

#!/usr/bin/env python3
"""Checks the default skin folder before it is packed and embedded.

    check_default_skin.py SKIN_DIR [SKINTOOL]

Besides the checks of every skin folder (skin_folder_check.py): the fixed facts
of the embedded skin (its 45 entries, rounded top corners, title-bar button
sections, glyph and MDI button sizes, numbered colours, button face).
"""

import unittest

import skin_folder_check as folder

SKIN_DIR, SKINTOOL = folder.arguments()


class DefaultSkinTest(folder.SkinFolderChecks, unittest.TestCase):
    SKIN_DIR, SKINTOOL, ARCHIVE = SKIN_DIR, SKINTOOL, "default.skn"

    def test_archive_holds_44_pictures_and_the_settings(self):
        self.assertEqual(len(self.order), 45)

    def test_window_borders(self):
        for name, _ in folder.BORDERS:
            self.assertEqual(self.border_states(name), 2, "%s border: active and inactive" % name)
        left, right = self.bitmap("Personality", "Left"), self.bitmap("Personality", "Right")
        self.assertEqual(left.pixel(0, 0), folder.MAGENTA, "rounded top-left corner")
        self.assertEqual(right.pixel(right.width // 2 - 1, 0), folder.MAGENTA, "rounded top-right corner")
        self.assertNotEqual(left.pixel(0, left.height - 1), folder.MAGENTA, "square bottom corner")
        self.assertEqual(self.settings.integer("Personality", "LeftTrans"), 1, "the corners shape the window")

    def test_title_bar_buttons(self):
        sections = self.settings.caption_button_sections()
        self.assertEqual([s.upper() for s in sections], ["BUTTON%d" % n for n in (0, 3, 4, 6, 7, 9, 10, 16)])
        for section in sections:
            if section.upper() == "BUTTON16":
                self.assertEqual(self.settings.integer(section, "Action"), 11)
                self.assertFalse(self.settings.get(section, "ButtonImage"), "the window icon button has no picture")
            else:
                self.assertEqual(self.caption_button_states(section), 6, section)
        close = self.bitmap("Button0", "ButtonImage")
        self.assertEqual((close.width, close.height), (126, 21))
        mdi = self.bitmap("MDICONTROLS", "Image")
        self.assertEqual((mdi.width, mdi.height), (180, 15))

    def test_glyphs(self):
        for key in ("CheckButton", "RadioButton"):
            bmp = self.bitmap("Buttons", key)
            self.assertEqual((bmp.width, bmp.height), (65, 13), key)
            self.assertEqual(self.settings.integer("Buttons", key + "Frame"), 0, "states follow from the width")

    def test_every_element_is_present(self):
        absent = [s for s, (key, _) in folder.ELEMENTS.items() if not self.settings.get(s, key)]
        self.assertEqual(absent, [])

    def test_colours(self):
        self.assertEqual(self.settings.get("Colours", "ButtonFace"), "236 233 216")
        numbered = self.settings.numbered_colours()
        self.assertEqual(numbered, ["COLOUR%d" % n for n in range(5)])
        for section in numbered:
            self.assertTrue(self.settings.get(section, "color"), section)


if __name__ == "__main__":
    unittest.main()

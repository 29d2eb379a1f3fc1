#include "skin/data/archive_settings.h"

#include <gtest/gtest.h>

#include "bmp_builder.h"
#include "skin/data/bmp_decoder.h"
#include "skin/data/skin_archive_writer.h"
#include "test_files.h"

namespace skin {
namespace {

TSkinReader LoadedReader(const std::vector<std::uint8_t>& archive) {
  TSkinReader reader;
  EXPECT_TRUE(reader.LoadArchive(archive));
  return reader;
}

std::vector<std::uint8_t> Text(std::string_view text) { return {text.begin(), text.end()}; }

TEST(ArchiveSettings, SampleSkinReadsWithItsPictures) {
  const TSkinReader reader = LoadedReader(skintest::ReadTestFile("skins/sample.skn"));
  TSkinSettings skin;
  ASSERT_TRUE(ReadArchiveSettings(skin, reader));
  EXPECT_FALSE(skin.SkinEmpty);
  EXPECT_EQ(skin.SkinName, "Sample Gray");

  // "Left.bmp" finds the first of the two entries named left.bmp: 8 x 20 with magenta corners.
  ASSERT_EQ(skin.LeftBorder.Bitmap.Width(), 8);
  EXPECT_EQ(skin.LeftBorder.Bitmap.Height(), 20);
  EXPECT_EQ(skin.LeftBorder.Bitmap.Pixel(0, 0), RgbColour(255, 0, 255));
  EXPECT_EQ(skin.LeftBorder.FrameCount, 2);
  EXPECT_EQ(skin.LeftBorder.TopHeight, 4);
  EXPECT_EQ(skin.LeftBorder.BottomHeight, 4);
  EXPECT_EQ(skin.LeftBorder.LeftWidth, 0);
  EXPECT_EQ(skin.LeftBorder.Tile, 1);  // no "LeftStretch": 1
  EXPECT_EQ(skin.LeftBorder.Trans, 1);
  EXPECT_EQ(skin.RightBorder.TopHeight, 0);
  EXPECT_EQ(skin.TopBorder.LeftWidth, 6);
  EXPECT_EQ(skin.TopBorder.RightWidth, 6);
  EXPECT_EQ(skin.TopBorder.TopHeight, 0);
  EXPECT_EQ(skin.TopBorder.Tile, 0);
  EXPECT_EQ(skin.TopBorder.Bitmap.Width(), 30);  // "TOP.bmp", an 8-bit palette picture
  EXPECT_EQ(skin.TopBorder.Bitmap.Height(), 12);
  EXPECT_EQ(skin.BottomBorder.FrameCount, 2);

  EXPECT_TRUE(skin.Title.Bitmap.Empty());
  EXPECT_EQ(skin.Title.LeftWidth, 8);
  EXPECT_EQ(skin.Title.TextAlignment, 1);
  EXPECT_EQ(skin.Title.FontHeight, 14);
  EXPECT_EQ(skin.Title.FrameCount, 2);
  EXPECT_EQ(skin.Title.ActiveTextColour, RgbColour(255, 255, 255));
  EXPECT_EQ(skin.Title.InactiveTextColour, TDataSkinTitle::kNoTextColour);
  EXPECT_FALSE(skin.MenuBar.has_value());  // "menuBar=" is empty

  EXPECT_EQ(skin.ButtonFaceColour, RgbColour(236, 233, 216));
  EXPECT_EQ(skin.MenubarColour, RgbColour(236, 233, 216));
  EXPECT_EQ(skin.WindowTextColour, RgbColour(0, 0, 0));
  EXPECT_EQ(skin.HilightColour, RgbColour(49, 106, 197));
  EXPECT_EQ(skin.MenuColour, SystemColour(4));  // "Menu=" is empty
  EXPECT_EQ(skin.ButtonTextColour, SystemColour(18));
  EXPECT_EQ(skin.NumberedColours, (std::vector<TColour>{RgbColour(255, 0, 0), RgbColour(0, 255, 0)}));

  EXPECT_EQ(skin.Buttons.Bitmap.Width(), 75);
  EXPECT_EQ(skin.Buttons.LeftWidth, 3);
  EXPECT_EQ(skin.Buttons.Tile, 2);
  EXPECT_EQ(skin.Buttons.FrameCount, 5);
  EXPECT_EQ(skin.Buttons.CheckFrameCount, 5);
  EXPECT_EQ(skin.Buttons.RadioFrameCount, 5);
  EXPECT_EQ(skin.Buttons.NormalColour, -1);
  EXPECT_EQ(skin.Buttons.PressedColour2, SystemColour(18));

  ASSERT_EQ(skin.SysButtons.size(), 4u);
  const TDataSkinSysButton& close = skin.SysButtons[0];
  EXPECT_EQ(close.Name, "BUTTON0");
  EXPECT_EQ(close.Align, 1);
  EXPECT_EQ(close.XCoord, 22);
  EXPECT_EQ(close.YCoord, 5);
  EXPECT_EQ(close.CombineOp, -1);
  EXPECT_EQ(close.Bitmap.Width(), 126);
  EXPECT_EQ(close.FrameCount, 6);
  EXPECT_EQ(skin.SysButtons[1].Action, 7);
  EXPECT_TRUE(skin.SysButtons[1].Bitmap.Empty());  // no "MDICONTROLS"

  // "edge.BMP" has no lower-case ".bmp": the element exists without a picture.
  ASSERT_TRUE(skin.SunkEdge.has_value());
  EXPECT_TRUE(skin.SunkEdge->Bitmap.Empty());
  EXPECT_EQ(skin.SunkEdge->Name, "SunkEdge");
  EXPECT_EQ(skin.SunkEdge->Tile, 0);
  EXPECT_EQ(skin.SunkEdge->FrameCount, 4);
  EXPECT_FALSE(skin.Progress.has_value());
  EXPECT_FALSE(skin.Scrollbar.has_value());
}

TEST(ArchiveSettings, ArchiveWithoutSettingsTextLoadsNothing) {
  const TSkinReader reader = LoadedReader(ComposeSkinArchive(
      {{"left.bmp", skintest::Bmp24(2, 2, [](int, int) { return 0u; })}, {"settings.txt", Text("[TitlebarSkin]\n")}}));
  TSkinSettings skin;
  skin.SkinEmpty = false;
  EXPECT_FALSE(ReadArchiveSettings(skin, reader));
  EXPECT_TRUE(skin.SkinEmpty);
}

TEST(ArchiveSettings, SettingsTextIsTheFirstEntryContainingIniAndPicturesAreFoundWithoutCase) {
  const TSkinReader reader = LoadedReader(ComposeSkinArchive({
      {"MENU.BMP", skintest::Bmp24(3, 1, [](int x, int) { return RgbColour(x, 0, 0); })},
      {"first.ini.bak", Text("[MenuItem]\nImage=Menu.bmp\n")},
      {"skin.ini", Text("[SunkEdge]\nImage=menu.bmp\n")},
  }));
  TSkinSettings skin;
  ASSERT_TRUE(ReadArchiveSettings(skin, reader));
  ASSERT_TRUE(skin.MenuItem.has_value());
  EXPECT_FALSE(skin.SunkEdge.has_value());
  EXPECT_EQ(skin.MenuItem->Bitmap.Pixel(2, 0), RgbColour(2, 0, 0));
}

TEST(ArchiveSettings, EntryThatIsNoBmpEndsTheRead) {
  const TSkinReader reader = LoadedReader(ComposeSkinArchive({
      {"fake.bmp", Text("not a picture")},
      {"skin.ini", Text("[Personality]\nLeft=fake.bmp\n")},
  }));
  TSkinSettings skin;
  EXPECT_THROW(ReadArchiveSettings(skin, reader), EInvalidGraphic);
  EXPECT_TRUE(skin.SkinEmpty);
}

}  // namespace
}  // namespace skin

#include "skin/data/skin_settings_reader.h"

#include <gtest/gtest.h>

#include <map>

#include "bmp_builder.h"
#include "skin/data/bmp_decoder.h"

namespace skin {
namespace {

using skintest::Bmp24;

// Archive entries held in memory, found as the archive finds them: by lower-case name, first one wins.
class TEntries {
 public:
  void Add(const std::string& lowerName, std::vector<std::uint8_t> bytes) {
    entries_.emplace(lowerName, std::move(bytes));
  }
  void AddPicture(const std::string& lowerName, int width, int height) {
    Add(lowerName, Bmp24(width, height, [](int x, int y) { return RgbColour(x, y, 7); }));
  }
  TEntryLookup Lookup() const {
    return [this](std::string_view name) -> std::span<const std::uint8_t> {
      std::string lower(name);
      for (char& c : lower) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
      const auto found = entries_.find(lower);
      return found == entries_.end() ? std::span<const std::uint8_t>() : found->second;
    };
  }

 private:
  std::map<std::string, std::vector<std::uint8_t>> entries_;
};

TSkinSettings Read(std::string_view text, const TEntries& entries = {}) {
  TSkinSettings skin;
  ReadSkinSettings(skin, text, entries.Lookup());
  return skin;
}

TEST(ReadSkinSettings, EmptyTextGivesTheDefaults) {
  const TSkinSettings skin = Read("");
  EXPECT_FALSE(skin.SkinEmpty);
  EXPECT_EQ(skin.SkinName, "");
  EXPECT_EQ(skin.LeftBorder.FrameCount, 1);
  EXPECT_EQ(skin.TopBorder.Tile, 1);
  EXPECT_EQ(skin.BottomBorder.Trans, 1);
  EXPECT_EQ(skin.Title.FontHeight, 14);
  EXPECT_EQ(skin.Title.ActiveTextColour, TDataSkinTitle::kNoTextColour);
  EXPECT_EQ(skin.MenubarColour, SystemColour(15));
  EXPECT_EQ(skin.ButtonDkShadowColour, SystemColour(16));
  EXPECT_EQ(skin.TitleTextNoActiveColour, SystemColour(19));
  EXPECT_EQ(skin.Buttons.RadioFrameCount, 4);
  EXPECT_EQ(skin.SysButtons.size(), 3u);
  EXPECT_TRUE(skin.NumberedColours.empty());
  EXPECT_FALSE(skin.ComboButton || skin.Tabs || skin.MenuItem || skin.UpDownVert || skin.MenuBar);
}

TEST(ReadSkinSettings, InvalidPictureEndsTheReadAndLeavesTheSkinEmpty) {
  TEntries entries;
  entries.Add("broken.bmp", {'B', 'M', 0, 0});
  entries.AddPicture("fine.bmp", 4, 4);
  TSkinSettings skin;
  ReadSkinSettings(skin, "[MenuItem]\nImage=fine.bmp\n", entries.Lookup());
  ASSERT_FALSE(skin.SkinEmpty);
  EXPECT_THROW(ReadSkinSettings(skin, "[Personality]\nLeft=fine.bmp\n[Buttons]\nBitmap=broken.bmp\n", entries.Lookup()),
               EInvalidGraphic);
  EXPECT_TRUE(skin.SkinEmpty);
}

TEST(ReadSkinSettings, ASecondReadDropsElementsTheNewSkinLacks) {
  TEntries entries;
  entries.AddPicture("a.bmp", 4, 4);
  TSkinSettings skin;
  ReadSkinSettings(skin, "[MenuItem]\nImage=a.bmp\n[Colour0]\ncolor=1 2 3\n[ButtonA]\n", entries.Lookup());
  ASSERT_TRUE(skin.MenuItem.has_value());
  ReadSkinSettings(skin, "[Scrollbar]\nImage=a.bmp\n", entries.Lookup());
  EXPECT_FALSE(skin.MenuItem.has_value());
  EXPECT_TRUE(skin.Scrollbar.has_value());
  EXPECT_TRUE(skin.NumberedColours.empty());
  EXPECT_EQ(skin.SysButtons.size(), 3u);
}

TEST(EntryNames, OnlyTheNameAfterTheLastSeparatorIsLookedUp) {
  EXPECT_EQ(EntryNameOf("skins\\gray\\Left.bmp"), "Left.bmp");
  EXPECT_EQ(EntryNameOf("c:left.bmp"), "left.bmp");
  EXPECT_EQ(EntryNameOf("dir/left.bmp"), "dir/left.bmp");
  EXPECT_EQ(EntryNameOf("skins\\"), "");
  // GBK: the second byte of this character is 0x5C, the code of '\'.
  const std::string chinese = "\x95\x5C\xCE\xC4.bmp";
  EXPECT_EQ(EntryNameOf("a\\" + chinese), chinese);
}

TEST(EntryNames, PicturesLoadOnlyFromALowerCaseBmpExtension) {
  TEntries entries;
  entries.AddPicture("left.bmp", 3, 2);
  entries.AddPicture("left.bmp.txt", 3, 2);
  entries.AddPicture("noext", 3, 2);
  entries.AddPicture("\xb1\xed.bmp", 5, 2);
  TSkinBudget budget;
  TSkinPictures pictures(entries.Lookup(), budget);
  for (const char* name : {"Left.bmp", "x\\LEFT.bmp", "d:left.bmp", "\xb1\xed.bmp"}) {
    EXPECT_FALSE(pictures.Picture(name).Empty()) << name;
  }
  for (const char* name : {"left.BMP", "left.Bmp", "left.bmp.txt", "noext", "", "x\\", "missing.bmp"}) {
    EXPECT_TRUE(pictures.Picture(name).Empty()) << name;
  }
}

TEST(ReadSysButtons, ButtonSectionsInFileOrderThenTheThreeDocumentButtons) {
  const TSkinSettings skin = Read(
      "[Button9]\nAction=1\n[BUTTONS]\n[Button.Radio]\n[button.checkbox]\n[Buttonx]\nCombineOp=2\n"
      "[Button.Checkboxes]\n[Button3]\nAction=5\nframe=4\nVisibility=1\nVisibility1=2\n[MyButton]\n");
  ASSERT_EQ(skin.SysButtons.size(), 7u);
  const std::vector<std::string> names = {"BUTTON9", "BUTTONX", "BUTTON.CHECKBOXES", "BUTTON3"};
  for (std::size_t i = 0; i < names.size(); ++i) EXPECT_EQ(skin.SysButtons[i].Name, names[i]);
  EXPECT_EQ(skin.SysButtons[0].Action, 1);
  EXPECT_EQ(skin.SysButtons[1].CombineOp, 2);
  EXPECT_EQ(skin.SysButtons[3].FrameCount, 4);
  EXPECT_EQ(skin.SysButtons[3].Visibility1, 2);
  for (int j = 0; j < 3; ++j) {
    const TDataSkinSysButton& mdi = skin.SysButtons[4 + j];
    EXPECT_EQ(mdi.Action, 7 + j);
    EXPECT_EQ(mdi.Align, 100);
    EXPECT_EQ(mdi.Visibility, 100);
    EXPECT_EQ(mdi.Visibility1, 100);
    EXPECT_EQ(mdi.FrameCount, 4);
    EXPECT_EQ(mdi.CombineOp, 0);
    EXPECT_EQ(mdi.XCoord, 0);
  }
}

TEST(ReadSysButtons, StateCountFollowsThePictureShapeWhenTheSectionGivesNone) {
  TEntries entries;
  entries.AddPicture("six.bmp", 126, 21);   // ratio 6
  entries.AddPicture("three.bmp", 57, 19);  // ratio 3
  entries.AddPicture("edge.bmp", 76, 20);   // ratio 3.8 exactly
  entries.AddPicture("past.bmp", 77, 20);   // ratio 3.85
  const TSkinSettings skin = Read(
      "[Button0]\nButtonImage=six.bmp\n[Button1]\nButtonImage=three.bmp\n[Button2]\nButtonImage=edge.bmp\n"
      "[Button4]\nButtonImage=past.bmp\n[Button5]\nAction=-1\nButtonImage=three.bmp\n[Button6]\n"
      "[Button7]\nframe=2\nButtonImage=three.bmp\n[Button8]\nframe=-3\nButtonImage=three.bmp\n",
      entries);
  const std::vector<int> expected = {6, 3, 3, 6, 6, 6, 2, 1};
  for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(skin.SysButtons[i].FrameCount, expected[i]) << i;
  EXPECT_EQ(skin.SysButtons[0].Bitmap.Width(), 126);
  EXPECT_EQ(skin.SysButtons[4].Bitmap.Width(), 57);  // a negative action keeps its picture
}

TEST(ReadSysButtons, IconButtonsLoseTheirPictureOnlyWhenTheSectionGivesNoStateCount) {
  TEntries entries;
  entries.AddPicture("icon.bmp", 40, 20);
  const TSkinSettings skin = Read(
      "[Button3]\nAction=3\nButtonImage=icon.bmp\n[Button11]\nAction=11\nButtonImage=icon.bmp\n"
      "[Button12]\nAction=11\nframe=2\nButtonImage=icon.bmp\n[Button16]\nAction=11\n",
      entries);
  EXPECT_TRUE(skin.SysButtons[0].Bitmap.Empty());
  EXPECT_TRUE(skin.SysButtons[1].Bitmap.Empty());
  EXPECT_EQ(skin.SysButtons[1].FrameCount, 3);  // counted from the picture before it went
  EXPECT_EQ(skin.SysButtons[2].Bitmap.Width(), 40);
  EXPECT_EQ(skin.SysButtons[3].FrameCount, 6);
}

TEST(CutMdiButtons, ThreeButtonsOfFourStatesEachFromTwelveColumns) {
  TEntries entries;
  // Every 15-pixel column of the 180 x 15 strip has its own colour.
  entries.Add("mdi.bmp", Bmp24(180, 15, [](int x, int y) { return RgbColour(x / 15, y, 0); }));
  const TSkinSettings skin = Read("[Button0]\n[MDICONTROLS]\nImage=mdi.bmp\n", entries);
  ASSERT_EQ(skin.SysButtons.size(), 4u);
  const int xcoords[] = {57, 38, 19};
  for (int j = 0; j < 3; ++j) {
    const TDataSkinSysButton& button = skin.SysButtons[1 + j];
    ASSERT_EQ(button.Bitmap.Width(), 60);
    ASSERT_EQ(button.Bitmap.Height(), 15);
    EXPECT_EQ(button.XCoord, xcoords[j]);
    for (int state = 0; state < 4; ++state) {
      EXPECT_EQ(button.Bitmap.Pixel(state * 15 + 7, 14), RgbColour(4 * j + state, 14, 0));
    }
  }
}

TEST(CutMdiButtons, PictureNarrowerThanTwelvePixelsGivesEmptyButtons) {
  TEntries entries;
  entries.AddPicture("mdi.bmp", 11, 15);
  const TSkinSettings skin = Read("[MDICONTROLS]\nImage=mdi.bmp\n", entries);
  ASSERT_EQ(skin.SysButtons.size(), 3u);
  for (int j = 0; j < 3; ++j) {
    EXPECT_TRUE(skin.SysButtons[j].Bitmap.Empty());
    EXPECT_EQ(skin.SysButtons[j].XCoord, (3 - j) * 4);
  }
}

TEST(ReadNumberedColours, SectionsNamedColourSomethingInFileOrder) {
  const TSkinSettings skin = Read(
      "[Colour2]\ncolor=2 0 0\n[COLOURS]\nButtonFace=1 1 1\n[colour0]\ncolor=0 0 9\n[Colours]\n[ColourX]\n"
      "[Color3]\ncolor=3 3 3\n[Colour1]\nCOLOR=1,2,3\n");
  EXPECT_EQ(skin.NumberedColours,
            (std::vector<TColour>{RgbColour(2, 0, 0), RgbColour(0, 0, 9), SystemColour(8), RgbColour(1, 2, 3)}));
  EXPECT_EQ(skin.ButtonFaceColour, RgbColour(1, 1, 1));
}

TEST(ReadElements, TileAboveOneReadsAsZeroExceptForPushButtonsAndProgress) {
  TEntries entries;
  entries.AddPicture("a.bmp", 10, 10);
  const TSkinSettings skin = Read(
      "[Buttons]\nTile=2\n[MenuItem]\nImage=a.bmp\nTile=2\n[Tabs]\nImage=a.bmp\nTile=5\n[Headerbar]\nImage=a.bmp\n"
      "Tile=1\n[Progress]\nBitmap=a.bmp\nTile=3\n",
      entries);
  EXPECT_EQ(skin.Buttons.Tile, 2);
  EXPECT_EQ(skin.MenuItem->Tile, 0);
  EXPECT_EQ(skin.Tabs->Tile, 0);
  EXPECT_EQ(skin.Headerbar->Tile, 1);
  EXPECT_EQ(skin.Progress->Tile, 3);
}

TEST(ReadElements, FieldsOfTheGenericAndSpecialReaders) {
  TEntries entries;
  entries.AddPicture("a.bmp", 10, 10);
  entries.AddPicture("b.bmp", 6, 2);
  const std::string margins = "Style=4\nLeftWidth=1\nRightWidth=2\nTopHeight=3\nBottomHeight=5\nTrans=1\n";
  const TSkinSettings skin = Read(
      "[Colours]\nButtonText=9 9 9\n[MenuItem]\nImage=a.bmp\nNormalColour=255\n"
      "MouseOverColour2=1 2 3\n" +
          margins + "[Tabs]\nImage=a.bmp\nBorder=b.bmp\n" + margins + "[Progress]\nBitmap=a.bmp\nChunk=b.bmp\n" +
          margins + "[UpDown.Horz]\nImage=a.bmp\n[Personality]\nmenuBar=b.bmp\nTileMenu=1\n",
      entries);
  const TDataSkinObject& item = *skin.MenuItem;
  EXPECT_EQ(item.Name, "MenuItem");
  EXPECT_EQ(item.Style, 4);
  EXPECT_EQ(item.LeftWidth, 1);
  EXPECT_EQ(item.RightWidth, 2);
  EXPECT_EQ(item.TopHeight, 3);
  EXPECT_EQ(item.BottomHeight, 5);
  EXPECT_EQ(item.Trans, 1);
  EXPECT_EQ(item.NormalColour, 255);
  EXPECT_EQ(item.MouseOverColour, -1);
  EXPECT_EQ(item.NormalColour2, RgbColour(9, 9, 9));
  EXPECT_EQ(item.MouseOverColour2, RgbColour(1, 2, 3));

  EXPECT_EQ(skin.Tabs->Style, 0);  // border elements read no style
  EXPECT_EQ(skin.Tabs->BottomHeight, 5);
  EXPECT_EQ(skin.Tabs->Bitmap2.Width(), 6);
  EXPECT_EQ(skin.Tabs->PressedColour, -1);
  EXPECT_TRUE(skin.UpDownHorz->Bitmap2.Empty());

  EXPECT_EQ(skin.Progress->Name, "Progress");
  EXPECT_EQ(skin.Progress->Style, 4);
  EXPECT_EQ(skin.Progress->Bitmap2.Width(), 6);
  EXPECT_EQ(skin.Progress->NormalColour, 0);  // no colours read here
  EXPECT_EQ(skin.Progress->NormalColour2, 0u);

  EXPECT_EQ(skin.MenuBar->Name, "Personality");
  EXPECT_EQ(skin.MenuBar->Tile, 1);
  EXPECT_EQ(skin.MenuBar->LeftWidth, 1);
  EXPECT_EQ(skin.MenuBar->RightWidth, 1);
  EXPECT_EQ(skin.MenuBar->Bitmap.Width(), 6);
}

TEST(ReadElements, ComboButtonGetsAMirroredCopyAsItsSecondPicture) {
  TEntries entries;
  entries.Add("combo.bmp", Bmp24(5, 2, [](int x, int y) { return RgbColour(x, y, 3); }));
  const TSkinSettings skin = Read("[ComboButton]\nImage=combo.bmp\n****=combo.bmp\n", entries);
  const TSkinBitmap& mirrored = skin.ComboButton->Bitmap2;
  ASSERT_EQ(mirrored.Width(), 5);
  for (int x = 0; x < 5; ++x) EXPECT_EQ(mirrored.Pixel(x, 1), RgbColour(4 - x, 1, 3));
  EXPECT_EQ(skin.ComboButton->Bitmap.Pixel(0, 1), RgbColour(0, 1, 3));
  EXPECT_EQ(Read("[ComboButton]\nImage=combo.bmp\nStyle=1\n", entries).ComboButton->Style, 1);

  const TSkinSettings noPicture = Read("[ComboButton]\nImage=missing.bmp\n", entries);
  ASSERT_TRUE(noPicture.ComboButton.has_value());
  EXPECT_TRUE(noPicture.ComboButton->Bitmap2.Empty());
}

TEST(SetFrameCounts, EveryElementGetsItsStateCount) {
  TEntries entries;
  entries.AddPicture("a.bmp", 10, 10);
  std::string text = "[Progress]\nBitmap=a.bmp\n[Personality]\nmenuBar=a.bmp\n";
  for (const char* section : {"GroupBoxEdge",        "Toolbars",           "Tabs",
                              "StatusBarEdges",      "ComboButton",        "SunkEdge",
                              "ExtraImages",         "Headerbar",          "MenuItem",
                              "MenuBackground",      "Scrollbar",          "HorzScroll",
                              "VertScroll",          "HorzScrollThumb",    "VertScrollThumb",
                              "Trackbar.ThumbHorz",  "Trackbar.ThumbVert", "Trackbar.ThumbLeft",
                              "Trackbar.ThumbRight", "Trackbar.ThumbUp",   "Trackbar.ThumbDown",
                              "UpDown.Horz",         "UpDown.Vert"}) {
    // Only the vertical thumb's "FrameCount" counts; the horizontal one has none and takes 3.
    const std::string_view name = section;
    const char* count = name == "VertScrollThumb" ? "7" : name == "HorzScrollThumb" ? "" : "99";
    text += std::string("[") + section + "]\nImage=a.bmp\nFrameCount=" + count + "\n";
  }
  const TSkinSettings skin = Read(text, entries);
  const std::vector<std::pair<const TDataSkinObject*, int>> expected = {{&skin.Buttons, 5},
                                                                        {&skin.Title, 2},
                                                                        {&*skin.Progress, 2},
                                                                        {&*skin.MenuBar, 2},
                                                                        {&*skin.GroupBoxEdge, 2},
                                                                        {&*skin.Toolbars, 5},
                                                                        {&*skin.Tabs, 5},
                                                                        {&*skin.StatusBarEdges, 3},
                                                                        {&*skin.ComboButton, 4},
                                                                        {&*skin.SunkEdge, 4},
                                                                        {&*skin.ExtraImages, 5},
                                                                        {&*skin.Headerbar, 5},
                                                                        {&*skin.MenuItem, 5},
                                                                        {&*skin.MenuBackground, 1},
                                                                        {&*skin.Scrollbar, 23},
                                                                        {&*skin.HorzScroll, 4},
                                                                        {&*skin.VertScroll, 4},
                                                                        {&*skin.HorzScrollThumb, 3},
                                                                        {&*skin.VertScrollThumb, 7},
                                                                        {&*skin.TrackbarThumbHorz, 5},
                                                                        {&*skin.TrackbarThumbVert, 5},
                                                                        {&*skin.TrackbarThumbLeft, 5},
                                                                        {&*skin.TrackbarThumbRight, 5},
                                                                        {&*skin.TrackbarThumbUp, 5},
                                                                        {&*skin.TrackbarThumbDown, 5},
                                                                        {&*skin.UpDownHorz, 8},
                                                                        {&*skin.UpDownVert, 8}};
  for (const auto& [element, count] : expected) EXPECT_EQ(element->FrameCount, count) << element->Name;
}

TEST(SetFrameCounts, ThumbCountsFromTheirSectionAtLeastOne) {
  TEntries entries;
  entries.AddPicture("a.bmp", 10, 10);
  const TSkinSettings skin =
      Read("[HorzScrollThumb]\nImage=a.bmp\nFrameCount=0\n[VertScrollThumb]\nImage=a.bmp\nFrameCount=-2\n", entries);
  EXPECT_EQ(skin.HorzScrollThumb->FrameCount, 1);
  EXPECT_EQ(skin.VertScrollThumb->FrameCount, 1);
}

TEST(SetFrameCounts, GlyphStatesFromThePictureWidthWhenNotGiven) {
  struct TCase {
    int Width, Height;
    const char* Given;
    int Expected;
  };
  for (const TCase& c : {TCase{65, 13, "", 5}, TCase{64, 16, "", 4}, TCase{96, 16, "", 6}, TCase{91, 15, "", 7},
                         TCase{20, 13, "", 4}, TCase{65, 13, "7", 7}, TCase{65, 13, "-1", 5}}) {
    TEntries entries;
    entries.AddPicture("glyph.bmp", c.Width, c.Height);
    const std::string given =
        *c.Given ? std::string("CheckButtonFrame=") + c.Given + "\nRadioButtonFrame=" + c.Given : "";
    const TSkinSettings skin =
        Read("[Buttons]\nCheckButton=glyph.bmp\nRadioButton=glyph.bmp\n" + given + "\n", entries);
    EXPECT_EQ(skin.Buttons.CheckFrameCount, c.Expected) << c.Width << "x" << c.Height << " " << c.Given;
    EXPECT_EQ(skin.Buttons.RadioFrameCount, c.Expected) << c.Width << "x" << c.Height << " " << c.Given;
  }
}

TEST(ReadBorders, BordersNameTheirKeysAfterThemselves) {
  TEntries entries;
  entries.AddPicture("b.bmp", 8, 8);
  const TSkinSettings skin = Read(
      "[Personality]\nBottom=b.bmp\nBottomTopHeight=2\nBottomBotHeight=3\nBottomFrame=0\nBottomStretch=7\n"
      "BottomTrans=0\nRightTopHeight=9\nRightBotHeight=8\n",
      entries);
  EXPECT_EQ(skin.BottomBorder.LeftWidth, 2);
  EXPECT_EQ(skin.BottomBorder.RightWidth, 3);
  EXPECT_EQ(skin.BottomBorder.FrameCount, 1);  // 0 states would divide by zero when painting
  EXPECT_EQ(skin.BottomBorder.Tile, 7);        // a border's "Stretch" is not limited
  EXPECT_EQ(skin.BottomBorder.Trans, 0);
  EXPECT_EQ(skin.BottomBorder.Bitmap.Width(), 8);
  EXPECT_EQ(skin.RightBorder.TopHeight, 9);
  EXPECT_EQ(skin.RightBorder.BottomHeight, 8);
  EXPECT_TRUE(skin.LeftBorder.Bitmap.Empty());
}

TEST(ReadTitle, TitleKeysIncludingTheFontSection) {
  TEntries entries;
  entries.AddPicture("tb.bmp", 30, 20);
  const TSkinSettings skin = Read(
      "[Personality]\nTextBack=tb.bmp\nTextShift=3\nTextShiftVert=4\nTextRightClip=5\nTextBackground=1\n"
      "txtbackleft=6\nTXTBackRight=7\ninactivetextr=1\nInActiveTextG=2\nINACTIVETEXTB=3\n[Fonts]\nFontHeight=11\n",
      entries);
  const TDataSkinTitle& title = skin.Title;
  EXPECT_EQ(title.Bitmap.Width(), 30);
  EXPECT_EQ(title.LeftWidth, 3);
  EXPECT_EQ(title.TopHeight, 4);
  EXPECT_EQ(title.RightWidth, 5);
  EXPECT_EQ(title.BottomHeight, 0);
  EXPECT_EQ(title.TextBackground, 1);
  EXPECT_EQ(title.TextBackLeft, 6);
  EXPECT_EQ(title.TextBackRight, 7);
  EXPECT_EQ(title.FontHeight, 11);
  EXPECT_EQ(title.InactiveTextColour, RgbColour(1, 2, 3));
  EXPECT_EQ(title.ActiveTextColour, TDataSkinTitle::kNoTextColour);
}

// Readable but absurd values are kept to what a window can show.
TEST(ReadSkinSettings, AbsurdLengthsPlacesAndStateCountsAreClamped) {
  TEntries entries;
  entries.AddPicture("wide.bmp", 40, 10);
  const TSkinSettings skin = Read(
      "[Personality]\nmenuBar=wide.bmp\nTileLeftMenu=-5\nTileRightMenu=2147483647\nLeft=wide.bmp\n"
      "LeftFrame=100000\nLeftTopHeight=-7\nTop=wide.bmp\nTopFrame=10\nTextShift=-99999\n"
      "[Button1]\nButtonImage=wide.bmp\nframe=41\nXcoord=-2147483648\n"
      "[MenuItem]\nImage=wide.bmp\nLeftWidth=16384\n[HorzScrollThumb]\nImage=wide.bmp\nFrameCount=40\n",
      entries);
  struct TClamped {
    const char* What;
    std::int32_t Value, Expected;
  };
  for (const TClamped& c : {TClamped{"TileLeftMenu", skin.MenuBar->LeftWidth, 0},
                            TClamped{"TileRightMenu", skin.MenuBar->RightWidth, kMaxSkinLength},
                            TClamped{"LeftFrame beyond the width", skin.LeftBorder.FrameCount, 1},
                            TClamped{"LeftTopHeight", skin.LeftBorder.TopHeight, 0},
                            TClamped{"TopFrame within the height", skin.TopBorder.FrameCount, 10},
                            TClamped{"TextShift", skin.Title.LeftWidth, -kMaxSkinLength},
                            TClamped{"frame beyond the width", skin.SysButtons[0].FrameCount, 1},
                            TClamped{"Xcoord", skin.SysButtons[0].XCoord, -kMaxSkinLength},
                            TClamped{"LeftWidth", skin.MenuItem->LeftWidth, kMaxSkinLength},
                            TClamped{"FrameCount within the width", skin.HorzScrollThumb->FrameCount, 40}}) {
    EXPECT_EQ(c.Value, c.Expected) << c.What;
  }
}

// Settings that would cost much: each is refused by the budget, with the
// reason, before the memory is taken; a picture that many keys name is held once.
TEST(ReadSkinSettings, ThePicturesAndTextOfASkinShareOneBudget) {
  TEntries entries;
  entries.AddPicture("big.bmp", 400, 300);  // 360,000 bytes of pixels
  skintest::TBmpFields bomb;
  bomb.Width = bomb.Height = 16384;
  bomb.BitCount = 8;
  bomb.Compression = 1;
  bomb.Pixels = {0, 1};  // the end-of-picture mark alone
  entries.Add("bomb.bmp", skintest::BuildBmp(bomb));
  std::string allKeys = "[Personality]\n";
  for (const char* key : {"Left", "Right", "Top", "Bottom", "TextBack", "menuBar"})
    allKeys += key + std::string("=big.bmp\n");
  for (int i = 0; i < 20; ++i) allKeys += "[Button" + std::to_string(i) + "]\nButtonImage=big.bmp\n";
  std::string manySections;
  for (int i = 0; i < 20000; ++i) manySections += "[Colour" + std::to_string(i) + "]\ncolor=1 2 3\n";
  struct THostile {
    const char* What;
    std::string Text;
    std::size_t Budget;
    const char* Reason;  // empty: the skin loads within the budget
    std::size_t MostUsed;
  };
  const std::vector<THostile> cases = {
      {"a run-length picture of 16384 x 16384", "[Personality]\nLeft=bomb.bmp\n", kSkinMemoryBudget,
       "a picture of 16384 x 16384 pixels", 0},
      {"one picture named by 26 keys", allKeys, 600000, "", 600000},
      {"the same under a budget below one picture", allKeys, 300000, "a picture of 400 x 300 pixels", 0},
      {"20,000 sections under a small budget", manySections, 1 << 20, "the settings text", 0},
  };
  for (const THostile& hostile : cases) {
    SCOPED_TRACE(hostile.What);
    TSkinSettings skin;
    TSkinBudget budget(hostile.Budget);
    try {
      ReadSkinSettings(skin, hostile.Text, entries.Lookup(), budget);
      EXPECT_EQ(*hostile.Reason, '\0');
      EXPECT_LE(budget.Used(), hostile.MostUsed);
      EXPECT_EQ(skin.SysButtons[0].Bitmap.Bits().data(), skin.LeftBorder.Bitmap.Bits().data()) << "shared";
    } catch (const ESkinTooLarge& refusal) {
      EXPECT_NE(*hostile.Reason, '\0') << refusal.what();
      EXPECT_TRUE(std::string(refusal.what()).starts_with(hostile.Reason)) << refusal.what();
      EXPECT_TRUE(skin.SkinEmpty);
    }
  }
}

}  // namespace
}  // namespace skin

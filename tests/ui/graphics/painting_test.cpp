// Graphic controls are painted by their parent in z-order, off-screen; the
// pixels are read back from the window.
#include <gtest/gtest.h>

#include "ui/controls/bevel.h"
#include "ui/controls/bit_btn.h"
#include "ui/controls/image.h"
#include "ui/controls/label.h"
#include "ui/controls/shape.h"
#include "ui_test_support.h"

namespace {

constexpr TColour kRed = 0x0000FF, kBlue = 0xFF0000, kGreen = 0x00FF00;

class Painting : public ui_test::FormTest {
 protected:
  ui::TShape* AddShape(RECT bounds, TColour fill) {
    auto* shape = new ui::TShape(form);
    shape->SetParent(panel);
    shape->SetBounds(bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top);
    shape->SetBrush(ui::TBrush{fill});
    shape->SetPen(ui::TPen{fill});
    return shape;
  }
};

TEST_F(Painting, LaterGraphicControlsCoverEarlierOnesUntilTheOrderChanges) {
  ui::TShape* back = AddShape({10, 10, 60, 60}, kRed);
  ui::TShape* front = AddShape({40, 40, 90, 90}, kBlue);
  auto shot = Snapshot();
  EXPECT_EQ(shot->Pixel(20, 20), kRed);
  EXPECT_EQ(shot->Pixel(50, 50), kBlue);
  EXPECT_EQ(shot->Pixel(80, 80), kBlue);
  EXPECT_EQ(shot->Pixel(120, 120), clWhite) << "the panel's own colour";

  back->BringToFront();
  EXPECT_EQ(Snapshot()->Pixel(50, 50), kRed);
  back->SendToBack();
  EXPECT_EQ(Snapshot()->Pixel(50, 50), kBlue);

  front->Hide();
  EXPECT_EQ(Snapshot()->Pixel(50, 50), kRed);
  EXPECT_EQ(Snapshot()->Pixel(80, 80), clWhite);
}

TEST_F(Painting, WhatChangesWhileTheFormIsHiddenIsShownWhenTheFormShowsAgain) {
  ui::TShape* shape = AddShape({10, 10, 60, 60}, kRed);
  EXPECT_EQ(Snapshot()->Pixel(20, 20), kRed);
  form->Hide();
  shape->SetBrush(ui::TBrush{kBlue});
  AddShape({70, 70, 90, 90}, kGreen);
  form->Show();
  auto shot = Snapshot();
  EXPECT_EQ(shot->Pixel(20, 20), kBlue);
  EXPECT_EQ(shot->Pixel(80, 80), kGreen);
}

TEST_F(Painting, SystemColoursAreLookedUpWhenPainted) {
  panel->SetColor(clBtnFace);
  AddShape({10, 10, 20, 20}, clHighlight);
  auto shot = Snapshot();
  EXPECT_EQ(shot->Pixel(100, 100), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(shot->Pixel(15, 15), GetSysColor(COLOR_HIGHLIGHT));
}

TEST_F(Painting, PanelBevelsAreRaisedOrLowered) {
  auto* box = new ui::TPanel(form);
  box->SetParent(panel);
  box->SetBounds(20, 20, 60, 40);
  box->SetBevelOuter(ui::TBevelCut::bvRaised);
  EXPECT_EQ(Snapshot()->Pixel(20 + 59, 20 + 39), GetSysColor(COLOR_3DDKSHADOW));
  box->SetBevelOuter(ui::TBevelCut::bvLowered);
  EXPECT_EQ(Snapshot()->Pixel(20, 20), GetSysColor(COLOR_3DSHADOW));
}

TEST_F(Painting, ShapeOutlineAndFillAreItsPenAndBrush) {
  ui::TShape* shape = AddShape({20, 20, 60, 50}, kGreen);
  shape->SetPen(ui::TPen{clBlack});
  auto shot = Snapshot();
  EXPECT_EQ(shot->Pixel(20, 20), clBlack);
  EXPECT_EQ(shot->Pixel(59, 49), clBlack);
  EXPECT_EQ(shot->Pixel(21, 21), kGreen);
  EXPECT_EQ(shot->Pixel(60, 50), clWhite);
}

TEST_F(Painting, TransparentLabelLetsWhatLiesBehindShowAroundItsText) {
  AddShape({0, 0, 100, 40}, kRed);
  auto* label = new ui::TLabel(form);
  label->SetParent(panel);
  label->SetAutoSize(false);
  label->SetBounds(0, 0, 100, 40);
  label->SetCaption("8");
  label->SetColor(kBlue);
  label->Font().SetColor(clBlack);
  EXPECT_EQ(Snapshot()->Pixel(95, 35), kBlue) << "opaque: the label's colour";
  label->SetTransparent(true);
  EXPECT_EQ(Snapshot()->Pixel(95, 35), kRed) << "transparent: the shape behind it";
}

TEST_F(Painting, CentredLabelTextSitsInTheMiddle) {
  auto* label = new ui::TLabel(form);
  label->SetParent(panel);
  label->SetAutoSize(false);
  label->SetBounds(0, 0, 200, 100);
  label->SetAlignment(ui::TAlignment::taCenter);
  label->SetLayout(ui::TTextLayout::tlCenter);
  label->SetCaption("\xA1\xF6");  // ■ in GBK: a solid square of ink
  label->Font().SetHeight(20);
  label->Font().SetColor(clBlack);
  label->SetColor(clWhite);
  auto shot = Snapshot();
  int minX = 200, maxX = -1, minY = 100, maxY = -1;
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < 200; ++x)
      if (shot->Pixel(x, y) != clWhite)
        minX = std::min(minX, x), maxX = std::max(maxX, x), minY = std::min(minY, y), maxY = std::max(maxY, y);
  ASSERT_GE(maxX, 0) << "the text was drawn";
  EXPECT_NEAR((minX + maxX) / 2, 100, 4);
  EXPECT_NEAR((minY + maxY) / 2, 50, 4);
}

TEST_F(Painting, AutoSizedLabelTakesTheSizeOfItsText) {
  auto* label = new ui::TLabel(form);
  label->SetParent(panel);
  label->SetBounds(10, 10, 5, 5);
  label->SetCaption("2026");
  const int shortWidth = label->Width();
  label->SetCaption("20262026");
  EXPECT_GT(label->Width(), shortWidth);
  EXPECT_GT(label->Height(), 5);
  EXPECT_EQ(label->Left(), 10);
}

TEST_F(Painting, ImageDrawsItsPictureUnscaledFromTheCornerAndClipped) {
  auto* image = new ui::TImage(form);
  image->SetParent(panel);
  image->SetBounds(30, 30, 4, 3);
  auto shot = Snapshot();
  EXPECT_EQ(shot->Pixel(31, 31), clWhite) << "an image without a picture draws nothing";

  ui::TBitmap& picture = image->Picture().Bitmap();
  picture.SetSize(8, 8);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) picture.ScanLine(y)[x] = x < 2 ? 0x00FF00 : 0x0000FF;  // green, then blue
  shot = Snapshot();
  EXPECT_EQ(shot->Pixel(30, 30), kGreen);
  EXPECT_EQ(shot->Pixel(33, 32), kBlue);
  EXPECT_EQ(shot->Pixel(34, 30), clWhite) << "clipped to the image's width";
  EXPECT_EQ(shot->Pixel(30, 33), clWhite) << "clipped to the image's height";
}

TEST_F(Painting, BevelBottomLineIsShadowOverHighlight) {
  auto* bevel = new ui::TBevel(form);
  bevel->SetParent(panel);
  bevel->SetBounds(10, 10, 100, 10);
  bevel->SetShape(ui::TBevelShape::bsBottomLine);
  auto shot = Snapshot();
  EXPECT_EQ(shot->Pixel(50, 18), ui::ColourToRgb(clBtnShadow));
  EXPECT_EQ(shot->Pixel(50, 17), clWhite);
  bevel->SetStyle(ui::TBevelStyle::bsRaised);
  EXPECT_EQ(Snapshot()->Pixel(50, 19), ui::ColourToRgb(clBtnShadow)) << "raised: the shadow goes below";
}

TEST(GlyphPlacement, GroupIsCentredWithTheGivenSpacing) {
  // A 73 × 25 button, an 18 × 16 glyph, a 48 × 12 caption, glyph left, margin -1, spacing 4.
  const ui::TGlyphPlacement p =
      ui::PlaceGlyphAndCaption({73, 25}, {18, 16}, {48, 12}, ui::TButtonLayout::blGlyphLeft, -1, 4);
  EXPECT_EQ(p.Glyph.x, 1);
  EXPECT_EQ(p.Glyph.y, 5);
  EXPECT_EQ(p.Text.left, 23);
  EXPECT_EQ(p.Text.top, 7);
  EXPECT_EQ(p.TextFormat, static_cast<UINT>(DT_LEFT));
}

TEST(GlyphPlacement, OtherLayoutsAndFreeSpacing) {
  const ui::TGlyphPlacement even =
      ui::PlaceGlyphAndCaption({100, 20}, {10, 10}, {30, 10}, ui::TButtonLayout::blGlyphLeft, -1, -1);
  EXPECT_EQ(even.Glyph.x, 20);
  EXPECT_EQ(even.Text.left, 50);
  const ui::TGlyphPlacement right =
      ui::PlaceGlyphAndCaption({100, 20}, {10, 10}, {30, 10}, ui::TButtonLayout::blGlyphRight, 5, 4);
  EXPECT_EQ(right.Glyph.x, 85);
  EXPECT_EQ(right.Text.left, 51);
  const ui::TGlyphPlacement top =
      ui::PlaceGlyphAndCaption({40, 60}, {16, 16}, {30, 12}, ui::TButtonLayout::blGlyphTop, -1, 4);
  EXPECT_EQ(top.Glyph.x, 12);
  EXPECT_EQ(top.Glyph.y, 14);
  EXPECT_EQ(top.Text.top, 34);
  const ui::TGlyphPlacement captionOnly =
      ui::PlaceGlyphAndCaption({12, 25}, {0, 0}, {8, 12}, ui::TButtonLayout::blGlyphLeft, -1, 4);
  EXPECT_EQ(captionOnly.Text.left, 2) << "without a glyph the spacing drops out";
}

TEST_F(Painting, BitmapButtonDrawsItsGlyphWithoutTheTransparentColour) {
  auto* button = new ui::TBitBtn(form);
  button->SetParent(panel);
  button->SetBounds(10, 10, 60, 30);
  ui::TBitmap& glyph = button->Glyph();
  glyph.SetSize(10, 10);
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 10; ++x) glyph.ScanLine(y)[x] = (x >= 2 && x < 8 && y >= 2 && y < 8) ? 0xFF0000 : 0xFFFFFF;
  button->Invalidate();
  auto shot = Snapshot();
  // Alone on the face, the glyph is centred: margin (60 - 10) / 2 = 25, top (30 - 10 + 1) / 2 = 10.
  EXPECT_EQ(shot->Pixel(10 + 25 + 5, 10 + 10 + 5), 0x0000FFu) << "the glyph's red middle";
  EXPECT_EQ(shot->Pixel(10 + 25, 10 + 10), ui::ColourToRgb(clBtnFace)) << "its white corner left out";
}

}  // namespace

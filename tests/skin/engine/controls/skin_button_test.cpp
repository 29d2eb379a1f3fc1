// The button skinners on a real library form under Wine: attached by the
// frame skinner's control walk, driven with real messages, their faces read
// back from the pixels they paint.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "painted_face.h"
#include "skin/component/skin_data.h"
#include "skin/engine/controls/skin_bit_button.h"
#include "skin/engine/controls/skin_button.h"
#include "skin/engine/controls/skin_speed_button.h"
#include "skin/engine/frame/form_skinner_factory.h"
#include "skin/engine/frame/win_skin_form.h"
#include "skin/engine/skin_manage.h"
#include "skin_stream_without.h"
#include "skinned_form_fixture.h"
#include "text/gbk.h"
#include "ui/controls/bit_btn.h"
#include "ui/controls/speed_button.h"
#include "ui/forms/form.h"
#include "ui/graphics/colour.h"

namespace skin {
namespace {

constexpr COLORREF kGlyphGreen = RGB(0, 160, 0);
constexpr COLORREF kGlyphBlue = RGB(0, 0, 200);
constexpr COLORREF kGlyphKey = RGB(255, 255, 255);
constexpr int kBareButtonId = 77;

// What a window shows, once the system has put what was drawn on the screen
// (it does so as the thread next looks for messages).
COLORREF ScreenPixel(HWND window, int x, int y) {
  MSG none;
  PeekMessageW(&none, nullptr, WM_NULL, WM_NULL, PM_NOREMOVE | PM_QS_PAINT);
  POINT point{x, y};
  ClientToScreen(window, &point);
  HDC screen = GetDC(nullptr);
  const COLORREF pixel = GetPixel(screen, point.x, point.y);
  ReleaseDC(nullptr, screen);
  return pixel;
}

void FillGlyph(ui::TBitmap& glyph, int images, int width, int height, const std::vector<COLORREF>& colours) {
  glyph.SetSize(width * images, height);
  for (int image = 0; image < images; ++image) {
    HBRUSH brush = CreateSolidBrush(colours[image]);
    RECT cell{image * width, 0, (image + 1) * width, height};
    FillRect(glyph.Canvas().Handle(), &cell, brush);
    DeleteObject(brush);
    // The top-left pixel's colour is left out.
    SetPixel(glyph.Canvas().Handle(), image * width, 0, kGlyphKey);
  }
}

class SkinButtonTest : public SkinnedFormTest {
 protected:
  void SetUp() override {
    SkinnedFormTest::SetUp();
    data->SetSkinFile(RILVANTA_DEFAULT_SKIN);
    ASSERT_FALSE(data->SkinEmpty());
    push = PlaceButton(new ui::TButton(form.get()), 10, 10, 71, 25, "OK");
    other = PlaceButton(new ui::TButton(form.get()), 100, 10, 71, 25, "Other");
    bit = PlaceButton(new ui::TBitBtn(form.get()), 10, 60, 73, 25, "Search");
    FillGlyph(bit->Glyph(), 1, 18, 16, {kGlyphGreen});
    speed = PlaceButton(new ui::TSpeedButton(form.get()), 200, 60, 23, 22, "");
    FillGlyph(speed->Glyph(), 2, 12, 12, {kGlyphGreen, kGlyphBlue});
    speed->SetNumGlyphs(2);
    plain = PlaceButton(new ui::TButton(form.get()), 200, 10, 71, 25, "OK");
    plain->SetTag(data->DisableTag());  // never skinned: how the system draws a button
    push->OnClick = [this](ui::TComponent*) { ++clicks; };
    ShowForm();
  }
  void TearDown() override {
    SkinnedFormTest::TearDown();
    if (aliasedFont) DeleteObject(aliasedFont);
  }

  // The buttons' font drawn without smoothing.
  HFONT AliasedFont() {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(push->Handle(), WM_GETFONT, 0, 0)), sizeof(font), &font);
    font.lfQuality = NONANTIALIASED_QUALITY;
    aliasedFont = CreateFontIndirectW(&font);
    return aliasedFont;
  }

  template <class TControlClass>
  TControlClass* PlaceButton(TControlClass* control, int left, int top, int width, int height, const char* caption) {
    Place(control, left, top, width, height)->SetCaption(caption);
    return control;
  }
  TSkinControl* SkinnerOf(const ui::TControl& control) const {
    TControlSkinners& skinners = skinner->ControlSkinners();
    for (std::size_t i = 0; i < skinners.Count(); ++i) {
      const auto* windowed = dynamic_cast<const ui::TWinControl*>(&control);
      if (windowed ? skinners[i].WindowHandle() == const_cast<ui::TWinControl*>(windowed)->Handle()
                   : skinners[i].GraphicControl() == &control)
        return &skinners[i];
    }
    return nullptr;
  }

  // The frame of the skin's button strip whose corner a face shows, 0 for none.
  int FrameOf(COLORREF corner) const {
    const TDataSkinButton& buttons = data->Skin().Buttons;
    const int cell = buttons.Bitmap.Width() / buttons.FrameCount;
    for (int frame = 1; frame <= buttons.FrameCount; ++frame) {
      const TColour colour = buttons.Bitmap.Pixel((frame - 1) * cell + 1, 1);
      if (RGB(RedOf(colour), GreenOf(colour), BlueOf(colour)) == corner) return frame;
    }
    return 0;
  }
  int FrameShown(ui::TControl& control) { return FrameOf(PaintedFace(control)->Pixel(1, 1)); }
  int FrameOnScreen(ui::TWinControl& control) { return FrameOf(ScreenPixel(control.Handle(), 1, 1)); }

  // The mouse moved onto a control.
  void MoveOnto(ui::TWinControl& control) { SkinnedFormTest::MoveOnto(control.Handle(), 5, 5); }

  ui::TButton* push = nullptr;
  ui::TButton* other = nullptr;
  ui::TBitBtn* bit = nullptr;
  ui::TSpeedButton* speed = nullptr;
  ui::TButton* plain = nullptr;
  int clicks = 0;
  HFONT aliasedFont = nullptr;
};

TEST_F(SkinButtonTest, TheWalkGivesEachButtonItsSkinnerAndDetachingGivesTheHandlerBack) {
  // Without menus and frames skinned a new skin leaves the window's size alone:
  // only the control skinners repaint the buttons.
  data->SetSkinControls(TSkinControls(data->SkinControls()).Exclude(TSkinControlType::xcMainMenu));
  AttachFrameSkinner();
  other->SetFocus();
  EXPECT_NE(dynamic_cast<TSkinButton*>(SkinnerOf(*push)), nullptr);
  EXPECT_NE(dynamic_cast<TSkinBitButton*>(SkinnerOf(*bit)), nullptr);
  EXPECT_NE(dynamic_cast<TSkinSpeedButton*>(SkinnerOf(*speed)), nullptr);
  EXPECT_EQ(SkinnerOf(*plain), nullptr);
  EXPECT_EQ(FrameShown(*push), kButtonNormal);

  // A new skin: the buttons repaint with it.
  data->SetSkinFile(RILVANTA_DARK_SKIN);
  ASSERT_NE(FrameOnScreen(*push), kButtonNormal);
  skinner->RefreshSkin();
  RedrawWindow(form->Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  EXPECT_EQ(FrameOnScreen(*push), kButtonNormal);

  skinner->Unskin();
  EXPECT_EQ(skinner->ControlSkinners().Count(), 0u);
  // The button paints itself again: no skin frame in its corner.
  EXPECT_EQ(FrameShown(*push), 0);
}

TEST_F(SkinButtonTest, HoverPressAndReleaseOverAPushButtonClickOnceAfterThePressedLookIsGone) {
  // Between the skinner and the button: what reaches the button's own handling.
  std::vector<UINT> reached;
  const ui::TWndMethod own = push->WindowProc();
  push->SetWindowProc([&](ui::TMessage& message) {
    if (message.Msg == WM_LBUTTONDOWN || message.Msg == WM_LBUTTONUP) reached.push_back(message.Msg);
    own(message);
  });
  AttachFrameSkinner();
  other->SetFocus();

  MoveOnto(*push);
  EXPECT_EQ(FrameShown(*push), kButtonHot);
  EXPECT_EQ(FrameOnScreen(*push), kButtonHot);
  EXPECT_EQ(skinner->ControlSkinners().HotControl(), SkinnerOf(*push));

  SendMessageW(push->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  EXPECT_EQ(GetFocus(), push->Handle());
  EXPECT_EQ(SkinnerOf(*push)->MouseState(), kMouseOver | kMousePressed);
  EXPECT_EQ(FrameShown(*push), kButtonPressed);
  EXPECT_EQ(FrameOnScreen(*push), kButtonPressed);

  int frameAtClick = -1;
  push->OnClick = [&](ui::TComponent*) {
    ++clicks;
    frameAtClick = FrameOnScreen(*push);
  };
  SendMessageW(push->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(frameAtClick, kButtonHot);  // over it and focused, no longer pressed
  // The press never reached the button, so it clicks only through the skinner.
  EXPECT_EQ(reached, std::vector<UINT>{WM_LBUTTONUP});

  // The space key reaches the button, which clicks by itself once.
  SendMessageW(push->Handle(), WM_KEYDOWN, VK_SPACE, 0);
  EXPECT_EQ(FrameOnScreen(*push), kButtonPressed);
  SendMessageW(push->Handle(), WM_KEYUP, VK_SPACE, 0);
  EXPECT_EQ(clicks, 2);
  EXPECT_EQ(FrameOnScreen(*push), kButtonHot);

  skinner.reset();
  push->SetWindowProc(own);
}

TEST_F(SkinButtonTest, MovingToAnotherButtonDropsTheFirstOnesHoverAtOnce) {
  AttachFrameSkinner();
  bit->SetFocus();
  MoveOnto(*push);
  ASSERT_EQ(FrameOnScreen(*push), kButtonHot);

  MoveOnto(*other);
  // Read before any message is pumped.
  EXPECT_EQ(FrameOnScreen(*push), kButtonNormal);
  EXPECT_EQ(FrameOnScreen(*other), kButtonHot);
  EXPECT_EQ(SkinnerOf(*push)->MouseState(), 0);
  EXPECT_EQ(skinner->ControlSkinners().HotControl(), SkinnerOf(*other));

  // A window losing activation takes the mouse-over look from its hot button.
  SendMessageW(form->Handle(), WM_NCACTIVATE, FALSE, 0);
  EXPECT_EQ(FrameOnScreen(*other), kButtonNormal);
  EXPECT_EQ(skinner->ControlSkinners().HotControl(), nullptr);
}

TEST_F(SkinButtonTest, CaptionsAndGlyphsArePlacedAsTheLayoutSaysAndADisabledBitButtonKeepsItsGlyph) {
  AttachFrameSkinner();
  // Text of one colour, without smoothing, to find it by its pixels.
  const HFONT font = AliasedFont();
  SendMessageW(bit->Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  SendMessageW(push->Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  auto measure = [&](const std::string& caption) {
    TFace probe(1, 1);
    const HGDIOBJ old = SelectObject(probe.Dc(), font);
    RECT rect{0, 0, 200, 25};
    const std::wstring wide = text::GbkToWide(caption);
    DrawTextW(probe.Dc(), wide.c_str(), -1, &rect, DT_CALCRECT);
    SelectObject(probe.Dc(), old);
    return SIZE{rect.right, rect.bottom};
  };
  // Glyph and caption as one group, 4 pixels apart, one pixel from the sides.
  const SIZE text = measure(bit->Caption());
  bit->SetWidth(18 + 4 + text.cx + 2);
  bit->SetEnabled(false);
  const auto face = PaintedFace(*bit);
  EXPECT_EQ(FrameOf(face->Pixel(1, 1)), kButtonDisabled);
  // The glyph at (1, 5), not greyed, without its top-left pixel.
  EXPECT_EQ(face->Pixel(2, 5), kGlyphGreen);
  EXPECT_EQ(face->Pixel(1, 6), kGlyphGreen);
  EXPECT_EQ(face->Pixel(18, 20), kGlyphGreen);
  EXPECT_NE(face->Pixel(1, 5), kGlyphGreen);
  EXPECT_NE(face->Pixel(19, 6), kGlyphGreen);
  EXPECT_NE(face->Pixel(2, 21), kGlyphGreen);
  // The caption in the skin's text dimmed towards the face, inside its place at (23, (25 - th + 1) / 2).
  const COLORREF dimmed = ui::DimmedText(ui::ColourToRgb(data->Skin().Buttons.NormalColour2),
                                         ui::ColourToRgb(data->Skin().ButtonFaceColour));
  ASSERT_NE(dimmed, ui::ColourToRgb(data->Skin().Buttons.NormalColour2));
  const RECT caption{23, (25 - text.cy + 1) / 2, 23 + text.cx, (25 - text.cy + 1) / 2 + text.cy};
  EXPECT_GT(face->CountOf(dimmed, caption), 0);
  EXPECT_EQ(face->CountOf(dimmed, RECT{19, 5, 23, 20}), 0);
  // A glyph drawn on again shows its new pixels.
  PatBlt(bit->Glyph().Canvas().Handle(), 1, 1, 17, 15, BLACKNESS);
  EXPECT_EQ(PaintedFace(*bit)->Pixel(2, 6), RGB(0, 0, 0));

  // A push button's caption stands one pixel above the exact centre.
  const auto pushFace = PaintedFace(*push);
  const COLORREF ink = RGB(RedOf(data->Skin().Buttons.NormalColour2), GreenOf(data->Skin().Buttons.NormalColour2),
                           BlueOf(data->Skin().Buttons.NormalColour2));
  TFace reference(71, 25);
  const HGDIOBJ old = SelectObject(reference.Dc(), font);
  const SIZE okSize = measure("OK");
  RECT centred{(71 - okSize.cx) / 2, (25 - okSize.cy) / 2, 0, 0};
  centred.right = centred.left + okSize.cx;
  centred.bottom = centred.top + okSize.cy;
  PatBlt(reference.Dc(), 0, 0, 71, 25, WHITENESS);
  SetBkMode(reference.Dc(), TRANSPARENT);
  SetTextColor(reference.Dc(), ink);
  DrawTextW(reference.Dc(), L"OK", 2, &centred, DT_CENTER);
  SelectObject(reference.Dc(), old);
  const RECT inner{4, 4, 67, 21};
  const RECT drawn = pushFace->Bounds(ink, inner);
  const RECT exact = reference.Bounds(ink, inner);
  ASSERT_GT(pushFace->CountOf(ink, inner), 0);
  EXPECT_EQ(drawn.top, exact.top - 1);
  EXPECT_EQ(drawn.left, exact.left);
}

TEST_F(SkinButtonTest, ASpeedButtonShowsTheGlyphOfItsStateAndClicksByItself) {
  int speedClicks = 0;
  speed->OnClick = [&](ui::TComponent*) { ++speedClicks; };
  AttachFrameSkinner();
  SetCursorPos(form->Left() + speed->Left() + 11, form->Top() + speed->Top() + 11);
  const POINT centre{11, 11};
  auto glyphColour = [&] { return PaintedFace(*speed)->Pixel(centre.x, centre.y); };
  EXPECT_EQ(FrameShown(*speed), kButtonNormal);
  EXPECT_EQ(glyphColour(), kGlyphGreen);

  const LPARAM at = MAKELPARAM(speed->Left() + centre.x, speed->Top() + centre.y);
  SendMessageW(form->Handle(), WM_MOUSEMOVE, 0, at);
  EXPECT_EQ(FrameShown(*speed), kButtonHot);
  SendMessageW(form->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
  EXPECT_EQ(FrameShown(*speed), kButtonPressed);
  EXPECT_EQ(glyphColour(), kGlyphGreen);  // the strip has no third, down image
  SendMessageW(form->Handle(), WM_LBUTTONUP, 0, at);
  EXPECT_EQ(speedClicks, 1);
  EXPECT_EQ(FrameShown(*speed), kButtonHot);

  speed->SetEnabled(false);
  EXPECT_EQ(FrameShown(*speed), kButtonDisabled);
  EXPECT_EQ(glyphColour(), kGlyphBlue);
  speed->SetEnabled(true);
  speed->SetGroupIndex(1);
  speed->SetDown(true);
  EXPECT_EQ(FrameShown(*speed), kButtonPressed);
}

TEST_F(SkinButtonTest, ASkinWithoutAButtonPictureLeavesButtonsDrawnByThemselves) {
  data->ReadSkinStream(SkinStreamWithout(RILVANTA_DEFAULT_SKIN, "button.bmp"));
  ASSERT_FALSE(data->SkinEmpty());
  ASSERT_TRUE(data->Skin().Buttons.Bitmap.Empty());
  AttachFrameSkinner();
  ASSERT_NE(SkinnerOf(*push), nullptr);
  bit->SetFocus();  // neither compared button shows a focus rectangle
  RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_ERASE);
  // The skinned button looks like the one the skin never touched.
  for (const POINT point : {POINT{1, 1}, POINT{35, 2}, POINT{35, 23}, POINT{69, 12}})
    EXPECT_EQ(ScreenPixel(push->Handle(), point.x, point.y), ScreenPixel(plain->Handle(), point.x, point.y));
  // Its press reaches it, and its release clicks once.
  SendMessageW(push->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageW(push->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(clicks, 1);
}

// A bare window's push button: its procedure is subclassed, and its click
// reaches the parent as the system's own would.
int bareClicks = 0;
LRESULT CALLBACK BareParentProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_COMMAND && wParam == MAKEWPARAM(kBareButtonId, BN_CLICKED)) ++bareClicks;
  return DefWindowProcW(window, msg, wParam, lParam);
}

TEST_F(SkinButtonTest, ABareWindowsButtonIsSubclassedPostsItsClickToItsParentAndIsGivenBack) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = BareParentProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"BareButtonParent";
  RegisterClassW(&windowClass);
  // Left alive: destroying the active window costs Wine two seconds without a window manager.
  const HWND parent = CreateWindowExW(0, L"BareButtonParent", L"Bare", WS_POPUP | WS_VISIBLE, 600, 200, 200, 80,
                                      nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  const HWND button =
      CreateWindowExW(0, L"BUTTON", L"Go", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10, 71, 25, parent,
                      reinterpret_cast<HMENU>(kBareButtonId), GetModuleHandleW(nullptr), nullptr);
  const LONG_PTR systemProc = GetWindowLongPtrW(button, GWLP_WNDPROC);
  std::unique_ptr<TFormSkinner> bare = CreateFormSkinner(parent, nullptr, *data, *SkinManager());
  ASSERT_NE(bare, nullptr);
  TControlSkinners& skinners = static_cast<TWinSkinForm&>(*bare).ControlSkinners();
  TSkinControl* buttonSkinner = skinners.FindByWindow(button);
  ASSERT_NE(dynamic_cast<TSkinButton*>(buttonSkinner), nullptr);
  EXPECT_NE(GetWindowLongPtrW(button, GWLP_WNDPROC), systemProc);

  SetCursorPos(615, 215);
  SendMessageW(button, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(buttonSkinner->MouseState(), kMouseOver);
  SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  EXPECT_EQ(GetFocus(), button);
  SendMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  MSG msg;
  while (PeekMessageW(&msg, parent, WM_COMMAND, WM_COMMAND, PM_REMOVE)) DispatchMessageW(&msg);
  EXPECT_EQ(bareClicks, 1);
  // The mouse leaving a bare window is told by the system, and seen by the frame skinner's hover timer.
  SendMessageW(button, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(buttonSkinner->MouseState(), 0);
  EXPECT_EQ(skinners.HotControl(), nullptr);
  SendMessageW(button, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  ASSERT_EQ(skinners.HotControl(), buttonSkinner);
  SendMessageW(parent, WM_TIMER, TWinSkinForm::kHoverTimerId, 0);
  EXPECT_EQ(skinners.HotControl(), buttonSkinner);  // the cursor is still over it
  SetCursorPos(5, 1000);
  SendMessageW(parent, WM_TIMER, TWinSkinForm::kHoverTimerId, 0);
  EXPECT_EQ(buttonSkinner->MouseState(), 0);
  EXPECT_EQ(skinners.HotControl(), nullptr);

  bare->Unskin();
  EXPECT_EQ(GetWindowLongPtrW(button, GWLP_WNDPROC), systemProc);
  SetWindowPos(parent, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
}

}  // namespace
}  // namespace skin

// The check-box and radio-button skinners on a real library form under Wine:
// attached by the control walk (through the Skin3rd kinds, alone and in radio
// and check groups) or by hand on a bare BUTTON window; the box read back
// from the pixels they paint. Each frame of the test strips is one colour.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "bmp_builder.h"
#include "painted_face.h"
#include "skin/component/skin_data.h"
#include "skin/data/skin_archive_writer.h"
#include "skin/data/skin_stream.h"
#include "skin/engine/controls/skin_box.h"
#include "skin/engine/controls/skin_check_box.h"
#include "skin/engine/controls/skin_radio_button.h"
#include "skin/engine/frame/win_skin_form.h"
#include "skinned_form_fixture.h"
#include "ui/controls/check_box.h"
#include "ui/controls/radio_button.h"
#include "ui/controls/radio_group.h"
#include "ui/graphics/canvas.h"

namespace skin {
namespace {

constexpr COLORREF kFace = RGB(200, 200, 200);
constexpr int kWidth = 100, kHeight = 17;

COLORREF CheckColour(int frame) { return RGB(40 * frame, 10, 10); }
COLORREF RadioColour(int frame) { return RGB(10, 40 * frame, 10); }

// Strips of four square frames of `side` pixels; `strips` false leaves both out.
std::vector<std::uint8_t> TestSkin(int side, bool strips = true) {
  std::string ini = "[TitlebarSkin]\r\nSkinName=Test\r\n[Colours]\r\nButtonFace=200 200 200\r\n";
  std::vector<TSkinEntry> entries;
  if (strips) {
    ini +=
        "[Buttons]\r\nCheckButton=check.bmp\r\nRadioButton=radio.bmp\r\nCheckButtonFrame=4\r\nRadioButtonFrame=4\r\n";
    using TColourOf = COLORREF (*)(int frame);
    for (auto [name, colour] :
         {std::pair<const char*, TColourOf>{"check.bmp", CheckColour}, {"radio.bmp", RadioColour}})
      entries.push_back({name, skintest::Bmp24(side * 4, side, [&](int x, int) { return colour(x / side + 1); })});
  }
  entries.push_back({"test.ini", std::vector<std::uint8_t>(ini.begin(), ini.end())});
  return WriteSkinStream(ComposeSkinArchive(entries));
}

// A group box the skin maps to a check group.
class TCheckGroup : public ui::TGroupBox {
 public:
  using TGroupBox::TGroupBox;
  std::string ClassName() const override { return "TCheckGroup"; }
};

class CheckBoxSkinsTest : public SkinnedFormTest {
 protected:
  void SetUp() override {
    SkinnedFormTest::SetUp();
    data->SetSkin3rd(
        {"TCheckBox=Checkbox", "TRadioButton=Radiobutton", "TRadioGroup=Radiogroup", "TCheckGroup=CheckGroup"});
    box = Place(new ui::TCheckBox(form.get()), 10, 10, kWidth, kHeight);
    leftText = Place(new ui::TCheckBox(form.get()), 10, 30, kWidth, kHeight);
    leftText->SetAlignment(ui::TAlignment::taLeftJustify);
    radio = Place(new ui::TRadioButton(form.get()), 10, 50, kWidth, kHeight);
    radios = Place(new ui::TRadioGroup(form.get()), 120, 10, 150, 80);
    radios->SetItems({"one", "two"});
    // Owned by the form, and so reached by the walk on its own before its group.
    inGroup = new ui::TCheckBox(form.get());
    checks = Place(new TCheckGroup(form.get()), 120, 100, 150, 60);
    inGroup->SetParent(checks);
    inGroup->SetBounds(8, 20, kWidth, kHeight);
    ShowForm();
  }
  void Skin(int side) {
    data->ReadSkinStream(TestSkin(side));
    ASSERT_FALSE(data->SkinEmpty());
    AttachFrameSkinner();
  }
  // The frame colour the skinner painted at the middle of the box.
  static COLORREF BoxColour(ui::TWinControl* control) { return PaintedFace(control->Handle())->Pixel(6, kHeight / 2); }
  std::size_t SkinnersOf(HWND window) const {
    std::size_t count = 0;
    for (std::size_t i = 0; i < skinner->ControlSkinners().Count(); ++i)
      count += skinner->ControlSkinners()[i].WindowHandle() == window;
    return count;
  }

  ui::TCheckBox* box = nullptr;
  ui::TCheckBox* leftText = nullptr;
  ui::TRadioButton* radio = nullptr;
  ui::TRadioGroup* radios = nullptr;
  TCheckGroup* checks = nullptr;
  ui::TCheckBox* inGroup = nullptr;
};

TEST_F(CheckBoxSkinsTest, FramesFollowCheckedDisabledAndIndeterminateAndNoStripLeavesTheSystemBox) {
  const auto plain = PaintedFace(box->Handle());
  Skin(13);
  ASSERT_NE(dynamic_cast<TSkinCheckBox*>(skinner->ControlSkinners().FindByWindow(box->Handle())), nullptr);
  using enum ui::TCheckBoxState;
  struct Case {
    ui::TCheckBoxState state;
    bool enabled;
    int frame;
  };
  for (const Case& c : {Case{cbUnchecked, true, 1}, Case{cbChecked, true, 2}, Case{cbUnchecked, false, 3},
                        Case{cbChecked, false, 4}, Case{cbGrayed, true, 4}, Case{cbGrayed, false, 4}}) {
    box->SetState(c.state);
    box->SetEnabled(c.enabled);
    EXPECT_EQ(BoxColour(box), CheckColour(c.frame)) << static_cast<int>(c.state) << " enabled " << c.enabled;
  }
  ASSERT_NE(dynamic_cast<TSkinRadioButton*>(skinner->ControlSkinners().FindByWindow(radio->Handle())), nullptr);
  for (const Case& c :
       {Case{cbUnchecked, true, 1}, Case{cbChecked, true, 2}, Case{cbUnchecked, false, 3}, Case{cbChecked, false, 4}}) {
    radio->SetChecked(c.state == cbChecked);
    radio->SetEnabled(c.enabled);
    EXPECT_EQ(BoxColour(radio), RadioColour(c.frame)) << static_cast<int>(c.state) << " enabled " << c.enabled;
  }

  data->ReadSkinStream(TestSkin(13, false));
  box->SetState(cbUnchecked);
  box->SetEnabled(true);
  const auto face = PaintedFace(box->Handle());
  // The box only: around it the control now has the skin's face.
  for (int x = 0; x < 13; ++x) EXPECT_EQ(face->Pixel(x, kHeight / 2), plain->Pixel(x, kHeight / 2)) << x;
}

TEST_F(CheckBoxSkinsTest, NarrowFramesAreCentredInAFourteenPixelColumnAtTheirEdgeWiderOnesStandAtIt) {
  struct Case {
    int side;
    RECT right;  // the box with the text right of it
    RECT left;   // with the text left of it
  };
  bool skinned = false;
  for (const Case& c : {Case{11, {1, 3, 12, 14}, {88, 3, 99, 14}}, Case{13, {0, 2, 13, 15}, {87, 2, 100, 15}},
                        Case{16, {0, 0, 16, 16}, {83, 0, 99, 16}}}) {
    SCOPED_TRACE(c.side);
    if (skinned) {
      data->ReadSkinStream(TestSkin(c.side));
    } else {
      Skin(c.side);
      skinned = true;
    }
    const RECT all{0, 0, kWidth, kHeight};
    const auto face = PaintedFace(box->Handle());
    EXPECT_TRUE(EqualRect(&c.right, &static_cast<const RECT&>(face->Bounds(CheckColour(1), all))));
    const auto leftFace = PaintedFace(leftText->Handle());
    EXPECT_TRUE(EqualRect(&c.left, &static_cast<const RECT&>(leftFace->Bounds(CheckColour(1), all))));
    // Nothing of the control's own box shows around a smaller frame, at
    // any height of the control (the system places its box by the text).
    for (const int height : {kHeight, 18, 20, 23}) {
      box->SetHeight(height);
      MoveOnto(box->Handle(), 5, height / 2);
      SetFocus(box->Handle());
      UpdateWindow(box->Handle());
      for (int y = 0; y < height; ++y)
        for (int x = 0; x < 14; ++x) {
          const COLORREF pixel = WindowPixel(box->Handle(), x, y);
          EXPECT_TRUE(pixel == kFace || pixel == CheckColour(1)) << x << "," << y << " of " << height;
        }
    }
    box->SetHeight(kHeight);
  }
}

TEST_F(CheckBoxSkinsTest, PressAndReleaseByMouseOrSpaceRepaintTheBoxAtOnceOnLibraryAndBareButtons) {
  Skin(13);
  const HWND bare = CreateWindowExW(0, L"BUTTON", L"bare", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, 10, 80, kWidth,
                                    kHeight, form->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  ui::TCanvas canvas;
  TSkinCheckBox bareSkinner;
  bareSkinner.AttachHandle(bare, *data, canvas);
  for (const HWND window : {box->Handle(), bare}) {
    SCOPED_TRACE(window == bare ? "bare" : "library");
    UpdateWindow(window);
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 8));
    EXPECT_EQ(WindowPixel(window, 6, 8), CheckColour(1)) << "over the control's pressed box";
    SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(5, 8));
    EXPECT_EQ(SendMessageW(window, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(WindowPixel(window, 6, 8), CheckColour(2));
    // The space key presses too.
    SetFocus(window);
    SendMessageW(window, WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_EQ(WindowPixel(window, 6, 8), CheckColour(2)) << "over the control's pressed box";
    SendMessageW(window, WM_KEYUP, VK_SPACE, 0);
    EXPECT_EQ(WindowPixel(window, 6, 8), CheckColour(1));
  }
  bareSkinner.Detach();
  DestroyWindow(bare);
}

TEST_F(CheckBoxSkinsTest, RadioAndCheckGroupsSkinEachButtonOnceAndTakeTheButtonFace) {
  Skin(13);
  for (int i = 0; i < 2; ++i) {
    ui::TRadioButton* button = radios->Buttons(i);
    EXPECT_NE(dynamic_cast<TSkinRadioButton*>(skinner->ControlSkinners().FindByWindow(button->Handle())), nullptr);
    EXPECT_FALSE(button->ParentColor());
    EXPECT_EQ(button->Color(), kFace);
  }
  EXPECT_NE(dynamic_cast<TSkinBox*>(skinner->ControlSkinners().FindByWindow(radios->Handle())), nullptr);
  EXPECT_NE(dynamic_cast<TSkinCheckBox*>(skinner->ControlSkinners().FindByWindow(inGroup->Handle())), nullptr);
  EXPECT_EQ(SkinnersOf(inGroup->Handle()), 1u) << "its own Skin3rd line does not skin it twice";
  radios->SetItemIndex(1);
  EXPECT_EQ(BoxColour(radios->Buttons(1)), RadioColour(2));
  EXPECT_EQ(BoxColour(radios->Buttons(0)), RadioColour(1));

  skinner->Unskin();
  EXPECT_EQ(SendMessageW(inGroup->Handle(), BM_GETCHECK, 0, 0), BST_UNCHECKED) << "still a working control";
}

}  // namespace
}  // namespace skin

// The combo-box skinner on a real library form under Wine: combo boxes tagged
// for skinning get it from the frame skinner's walk, a bare combo box window
// by its handle; their border, button and arrow read back from the pixels.
// The test skin's pictures are solid colours, one per frame.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "bmp_builder.h"
#include "painted_face.h"
#include "skin/data/skin_archive_writer.h"
#include "skin/data/skin_stream.h"
#include "skin/engine/controls/skin_com_box.h"
#include "skinned_form_fixture.h"
#include "ui/base/common_controls.h"
#include "ui/controls/combo_box.h"
#include "ui/graphics/canvas.h"

namespace skin {
namespace {

using ui::TComboBoxStyle;

// The tag that asks the walk for a combo-box skinner.
constexpr int kSkinnedComboTag = 95;
constexpr COLORREF kShadow = RGB(0, 0, 128), kMarker = RGB(1, 2, 3);

COLORREF EdgeColour(int frame) { return RGB(40 * frame, 10, 200); }
// Each button cell ends in a marker column, which the mirrored picture has first.
COLORREF ButtonColour(int frame) { return RGB(10, 40 * frame, 100); }
COLORREF ArrowColour(int frame) { return RGB(200, 10, 40 * frame); }

std::vector<std::uint8_t> TestSkin(bool elements, int buttonStyle = 0) {
  std::string ini = "[TitlebarSkin]\r\nSkinName=Test\r\n[Colours]\r\nButtonShadow=0 0 128\r\n";
  std::vector<TSkinEntry> entries;
  if (elements) {
    ini += "[SunkEdge]\r\nImage=edge.bmp\r\nLeftWidth=2\r\nTopHeight=2\r\nRightWidth=2\r\nBottomHeight=2\r\n";
    ini += "[ComboButton]\r\nImage=button.bmp\r\nTrans=1\r\nStyle=" + std::to_string(buttonStyle) + "\r\n";
    ini += "[ExtraImages]\r\nImage=arrow.bmp\r\nTrans=1\r\n";
    entries = {
        {"edge.bmp", skintest::Bmp24(4 * 6, 6, [](int x, int) { return EdgeColour(x / 6 + 1); })},
        {"button.bmp",
         skintest::Bmp24(4 * 8, 8, [](int x, int) { return x % 8 == 7 ? kMarker : ButtonColour(x / 8 + 1); })},
        {"arrow.bmp", skintest::Bmp24(5 * 4, 4, [](int x, int) { return ArrowColour(x / 4 + 1); })},
    };
  }
  entries.push_back({"test.ini", {ini.begin(), ini.end()}});
  return WriteSkinStream(ComposeSkinArchive(entries));
}

// The edit of a drop-down combo box.
HWND ChildWindowOf(HWND combo) {
  COMBOBOXINFO info{};
  info.cbSize = sizeof(info);
  return GetComboBoxInfo(combo, &info) ? info.hwndItem : nullptr;
}

class SkinComBoxTest : public SkinnedFormTest {
 protected:
  void SetUp() override {
    SkinnedFormTest::SetUp();
    edit = Make(TComboBoxStyle::csDropDown, 10);
    list = Make(TComboBoxStyle::csDropDownList, 40);
    left = Make(TComboBoxStyle::csDropDownList, 70);
    SetWindowLongPtrW(left->Handle(), GWL_EXSTYLE,
                      GetWindowLongPtrW(left->Handle(), GWL_EXSTYLE) | WS_EX_LEFTSCROLLBAR);
    disabled = Make(TComboBoxStyle::csDropDownList, 100);
    disabled->SetEnabled(false);
    ShowForm();
    SetCursorPos(0, 0);
    SetFocus(form->Handle());
  }

  ui::TComboBox* Make(TComboBoxStyle style, int top) {
    auto* combo = Place(new ui::TComboBox(form.get()), 10, top, 120, 21);
    combo->SetStyle(style);
    combo->SetTag(kSkinnedComboTag);
    combo->AddItem("one");
    combo->SetItemIndex(0);
    return combo;
  }
  void Skin(const std::vector<std::uint8_t>& skin) {
    data->ReadSkinStream(skin);
    ASSERT_FALSE(data->SkinEmpty());
    AttachFrameSkinner();
  }
  // Border and button of a face in frame `frame`, the button on the right.
  static void ExpectLook(const TFace& face, int width, int height, int frame, const char* what) {
    SCOPED_TRACE(what);
    const int w = GetSystemMetrics(SM_CXHSCROLL);
    EXPECT_EQ(face.Pixel(0, 0), EdgeColour(frame));
    EXPECT_EQ(face.Pixel(1, height / 2), EdgeColour(frame));
    EXPECT_EQ(face.Pixel(width - w - 2, 1), ButtonColour(frame));
    EXPECT_EQ(face.Pixel(width - 1, height / 2), kMarker);
    const int glyphLeft = width - w - 2 + (w - 4) / 2, glyphTop = (height - 4) / 2;
    EXPECT_EQ(face.Pixel(glyphLeft + 1, glyphTop + 1), ArrowColour(frame)) << "the arrow, centred left of the edge";
  }

  ui::TComboBox* edit = nullptr;
  ui::TComboBox* list = nullptr;
  ui::TComboBox* left = nullptr;
  ui::TComboBox* disabled = nullptr;
};

TEST_F(SkinComBoxTest, BorderButtonAndArrowFollowTheStateAndTheTextAreaKeepsTheControlsDrawing) {
  const auto plain = PaintedFace(list->Handle());
  Skin(TestSkin(true));
  const int width = list->Width(), height = list->Height();
  ASSERT_NE(dynamic_cast<TSkinComBox*>(skinner->ControlSkinners().FindByWindow(list->Handle())), nullptr);
  auto face = PaintedFace(list->Handle());
  ExpectLook(*face, width, height, TSkinComBox::kNormal, "normal");
  const int w = GetSystemMetrics(SM_CXHSCROLL);
  for (int y = 2; y < height - 2; ++y)
    for (int x = 2; x < width - w - 4; ++x) ASSERT_EQ(face->Pixel(x, y), plain->Pixel(x, y)) << x << "," << y;

  SendMessageW(list->Handle(), CB_SHOWDROPDOWN, TRUE, 0);
  face = PaintedFace(list->Handle());
  SendMessageW(list->Handle(), CB_SHOWDROPDOWN, FALSE, 0);
  ExpectLook(*face, width, height, TSkinComBox::kPressed, "dropped");
  ExpectLook(*PaintedFace(list->Handle()), width, height, TSkinComBox::kNormal, "closed again");

  MoveOnto(list->Handle(), 5, 5);
  ExpectLook(*PaintedFace(list->Handle()), width, height, TSkinComBox::kHot, "mouse over");
  SendMessageW(list->Handle(), ui::CM_MOUSELEAVE, 0, 0);
  ExpectLook(*PaintedFace(disabled->Handle()), width, height, TSkinComBox::kDisabled, "disabled");
  MoveOnto(ChildWindowOf(edit->Handle()), 5, 5);
  ExpectLook(*PaintedFace(edit->Handle()), width, height, TSkinComBox::kHot, "mouse over its edit");
  SendMessageW(edit->Handle(), ui::CM_MOUSELEAVE, 0, 0);
  SetCursorPos(0, 0);
  edit->SetFocus();
  ExpectLook(*PaintedFace(edit->Handle()), width, height, TSkinComBox::kHot, "its edit has the focus");
  ExpectLook(*PaintedFace(list->Handle()), width, height, TSkinComBox::kNormal, "focus gone");
}

// The button is drawn where the control has it, whatever its scroll-bar side
// says (Wine keeps it at the right), and never over the text: from the
// mirrored picture at the left edge only when the control's button is there.
TEST_F(SkinComBoxTest, TheButtonIsDrawnWhereTheControlHasItWhicheverSideTheScrollBarStyleNames) {
  const auto plain = PaintedFace(left->Handle());
  Skin(TestSkin(true));
  const int width = left->Width(), height = left->Height(), w = GetSystemMetrics(SM_CXHSCROLL);
  COMBOBOXINFO info{};
  info.cbSize = sizeof(info);
  ASSERT_TRUE(GetComboBoxInfo(left->Handle(), &info));
  const auto face = PaintedFace(left->Handle());
  if (info.rcButton.left + info.rcButton.right < width) {
    EXPECT_EQ(face->Pixel(0, height / 2), kMarker) << "the marker column comes first";
    EXPECT_EQ(face->Pixel(w + 1, 1), ButtonColour(TSkinComBox::kNormal));
    EXPECT_EQ(face->Pixel(2 + (w - 4) / 2 + 1, (height - 4) / 2 + 1), ArrowColour(TSkinComBox::kNormal));
    EXPECT_EQ(face->Pixel(width - 1, height / 2), EdgeColour(TSkinComBox::kNormal));
    return;
  }
  ExpectLook(*face, width, height, TSkinComBox::kNormal, "the button at the right, where the control has it");
  for (int y = 2; y < height - 2; ++y)
    for (int x = 2; x < width - w - 4; ++x) ASSERT_EQ(face->Pixel(x, y), plain->Pixel(x, y)) << x << "," << y;
}

TEST_F(SkinComBoxTest, BareComboBoxDateTimePickerPlainButtonStyleAndASkinWithoutThePictures) {
  const HWND bare = CreateWindowExW(0, L"COMBOBOX", L"", WS_CHILD | WS_VISIBLE | CBS_DROPDOWN, 140, 10, 120, 200,
                                    form->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  RECT rect{};
  GetWindowRect(bare, &rect);
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  const auto plain = PaintedFace(bare);
  const auto plainList = PaintedFace(list->Handle());

  Skin(TestSkin(false));
  ui::TCanvas canvas;
  {
    TSkinComBox skinner;
    skinner.AttachHandle(bare, *data, canvas);
    auto face = PaintedFace(bare);
    for (int x = 0; x < width; x += 3) EXPECT_EQ(face->Pixel(x, height / 2), plain->Pixel(x, height / 2)) << x;
    face = PaintedFace(list->Handle());
    for (int x = 0; x < width; x += 3) EXPECT_EQ(face->Pixel(x, height / 2), plainList->Pixel(x, height / 2)) << x;

    data->ReadSkinStream(TestSkin(true));
    ExpectLook(*PaintedFace(bare), width, height, TSkinComBox::kNormal, "bare");
    SendMessageW(bare, WM_MOUSEMOVE, 0, MAKELPARAM(width - 5, 5));
    ExpectLook(*PaintedFace(bare), width, height, TSkinComBox::kHot, "bare, mouse over");
    SendMessageW(bare, WM_MOUSELEAVE, 0, 0);
    // A date-time picker that drops a calendar looks the same.
    ui::UseCommonControls(ICC_DATE_CLASSES);
    const HWND picker = CreateWindowExW(0, DATETIMEPICK_CLASSW, L"", WS_CHILD | WS_VISIBLE, 140, 40, width, height,
                                        form->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    TSkinComBox pickerSkinner;
    pickerSkinner.AttachHandle(picker, *data, canvas);
    ExpectLook(*PaintedFace(picker), width, height, TSkinComBox::kNormal, "date-time picker");

    data->ReadSkinStream(TestSkin(true, 1));
    face = PaintedFace(bare);
    EXPECT_EQ(face->Pixel(0, 0), kShadow);
    EXPECT_EQ(face->Pixel(width - 2 - GetSystemMetrics(SM_CYVTHUMB), height / 2), ButtonColour(TSkinComBox::kNormal));
    EXPECT_EQ(face->Pixel(width - 3, height / 2), kMarker) << "stretched to the inner edge";
    DestroyWindow(picker);
  }
  DestroyWindow(bare);
}

}  // namespace
}  // namespace skin

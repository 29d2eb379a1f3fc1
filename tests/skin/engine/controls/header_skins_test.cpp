// The header skinner on a library form's header control, and the list-view
// skinner that finds a list view's header, on a library form and in a bare
// window, under Wine: their looks read back from the pixels they paint. The
// test skin's header picture is solid colours, one per state.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <vector>

#include "bmp_builder.h"
#include "painted_face.h"
#include "skin/data/skin_archive_writer.h"
#include "skin/data/skin_stream.h"
#include "skin/engine/controls/control_walk.h"
#include "skin/engine/controls/skin_header.h"
#include "skin/engine/controls/skin_list_view.h"
#include "skinned_form_fixture.h"
#include "ui/controls/header_control.h"
#include "ui/controls/list_view.h"
#include "ui/graphics/bitmap.h"
#include "ui/graphics/canvas.h"
#include "ui/graphics/image_list.h"

namespace skin {
namespace {

constexpr COLORREF kIcon = RGB(0, 160, 0), kText = RGB(0, 0, 255);
// Frame `frame` (from 1): normal, pressed, hot, disabled, sorted.
COLORREF HeaderColour(int frame) { return RGB(40 * frame, 220, 40); }

std::vector<std::uint8_t> HeaderSkin() {
  const std::string ini =
      "[TitlebarSkin]\r\nSkinName=Test\r\n[Colours]\r\nButtonFace=200 200 200\r\nButtonShadow=0 0 128\r\n"
      "[Headerbar]\r\nImage=header.bmp\r\nLeftWidth=2\r\nRightWidth=2\r\nNormalColour2=0 0 255\r\n";
  const std::vector<TSkinEntry> entries{
      {"header.bmp", skintest::Bmp24(50, 10, [](int x, int) { return HeaderColour(x / 10 + 1); })},
      {"test.ini", std::vector<std::uint8_t>(ini.begin(), ini.end())},
  };
  return WriteSkinStream(ComposeSkinArchive(entries));
}

// The columns holding a pixel of neither colour within the area (the text's ink).
RECT InkColumns(const TFace& face, const RECT& area, COLORREF background, COLORREF other) {
  RECT ink{area.right, area.top, area.left, area.bottom};
  for (int x = area.left; x < area.right; ++x)
    for (int y = area.top; y < area.bottom; ++y)
      if (const COLORREF pixel = face.Pixel(x, y); pixel != background && pixel != other) {
        ink.left = std::min(ink.left, static_cast<LONG>(x));
        ink.right = std::max(ink.right, static_cast<LONG>(x + 1));
      }
  return ink;
}

class HeaderSkinsTest : public SkinnedFormTest {
 protected:
  void SetUp() override {
    SkinnedFormTest::SetUp();
    images = new ui::TImageList(form.get());
    ui::TBitmap icon;
    icon.SetSize(16, 16);
    icon.Canvas().Brush.Color = kIcon;  // a colour value is laid out as a COLORREF
    icon.Canvas().FillRect(RECT{0, 0, 16, 16});
    images->AddMasked(icon, clFuchsia);
    header = Place(new ui::THeaderControl(form.get()), 0, 0, 400, 20);
    header->SetImages(images);
  }

  void Skin() {
    data->ReadSkinStream(HeaderSkin());
    ASSERT_FALSE(data->SkinEmpty());
    AttachFrameSkinner();
  }
  RECT ItemRect(HWND window, int index) {
    RECT rect{};
    SendMessageW(window, HDM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&rect));
    return rect;
  }

  ui::TImageList* images = nullptr;
  ui::THeaderControl* header = nullptr;
};

TEST_F(HeaderSkinsTest, ItemsAndTheAreaAfterThemWearThePictureWithIconAndCaptionPlacedByAlignment) {
  const std::string caption = "Size";
  // Letters without smoothed edges, so the caption's colour shows as it is;
  // the header's font bold and underlined, its captions drawn plain.
  auto crispFont = [](int weight, bool underline) {
    return CreateFontW(-12, 0, 0, 0, weight, FALSE, underline, FALSE, DEFAULT_CHARSET, 0, 0, NONANTIALIASED_QUALITY, 0,
                       L"Tahoma");
  };
  const HFONT bold = crispFont(FW_BOLD, true), plainFont = crispFont(FW_NORMAL, false);
  SendMessageW(header->Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(bold), FALSE);
  // A right-aligned item wide enough for its icon and caption to start 42
  // pixels in, before the picture's 2-pixel right edge (the divider).
  HDC screen = GetDC(nullptr);
  const HGDIOBJ old = SelectObject(screen, plainFont);
  SIZE extent{};
  GetTextExtentPoint32A(screen, caption.c_str(), static_cast<int>(caption.size()), &extent);
  SelectObject(screen, old);
  ReleaseDC(nullptr, screen);
  header->AddSection({"", 100, ui::TAlignment::taLeftJustify, 0});
  header->AddSection({caption, 42 + 16 + extent.cx + 2 + 2, ui::TAlignment::taRightJustify, 0});
  header->AddSection({"Kind", 300 - 100 - (42 + 16 + extent.cx + 2 + 2)});
  ShowForm();
  Skin();
  const HWND window = header->Handle();
  ASSERT_NE(dynamic_cast<TSkinHeader*>(skinner->ControlSkinners().FindByWindow(window)), nullptr);
  ASSERT_EQ(ItemRect(window, 2).right, 300);

  auto face = PaintedFace(window);
  // The items end at 300 of 400: the rest is the picture's first frame.
  const RECT rest{300, 0, 400, 20};
  EXPECT_EQ(face->CountOf(HeaderColour(1), rest), 100 * 20);
  // An item without caption shows the picture alone, though it has an icon.
  const RECT plain = ItemRect(window, 0);
  EXPECT_EQ(face->CountOf(HeaderColour(1), plain), 100 * 20);
  // The right-aligned item: the icon 42 pixels in, centred in height, the caption 17 pixels after it.
  const RECT sized = ItemRect(window, 1);
  const RECT icon = face->Bounds(kIcon, sized);
  EXPECT_EQ(icon.left - sized.left, 42);
  EXPECT_EQ(icon.right - icon.left, 16);
  EXPECT_EQ(icon.top, 2);
  const RECT ink = InkColumns(*face, sized, HeaderColour(1), kIcon);
  EXPECT_GE(ink.left - sized.left, 59);
  EXPECT_LE(ink.left - sized.left, 61);
  EXPECT_LE(ink.right, sized.right - 2 - 2) << "the caption runs into the divider";
  EXPECT_GT(face->CountOf(kText, sized), 0) << "the caption in the picture's text colour";
  // A left-aligned caption without icon starts 3 pixels in.
  const RECT kind = ItemRect(window, 2);
  EXPECT_LE(InkColumns(*face, kind, HeaderColour(1), kIcon).left - kind.left, 4);

  // A disabled header shows every item disabled, its caption in the system's button shadow.
  header->SetEnabled(false);
  face = PaintedFace(window);
  EXPECT_EQ(face->Pixel(50, 10), HeaderColour(4));
  EXPECT_EQ(face->Pixel(350, 10), HeaderColour(1)) << "the area after the items stays normal";
  EXPECT_GT(face->CountOf(GetSysColor(COLOR_BTNSHADOW), sized), 0);
  SendMessageW(header->Handle(), WM_SETFONT, 0, FALSE);
  DeleteObject(bold);
  DeleteObject(plainFont);
}

TEST_F(HeaderSkinsTest, AnItemLooksPressedFromMouseDownUntilReleaseHotUnderTheMouseAndSortedByItsFormat) {
  header->AddSection({"One", 100});
  header->AddSection({"Two", 100});
  ShowForm();
  Skin();
  const HWND window = header->Handle();
  auto* headerSkinner = dynamic_cast<TSkinHeader*>(skinner->ControlSkinners().FindByWindow(window));
  ASSERT_NE(headerSkinner, nullptr);
  int pressedAtClick = 0;
  header->OnSectionClick = [&](ui::TComponent*, int) { pressedAtClick = headerSkinner->PressedItem(); };

  MoveOnto(window, 150, 10);
  EXPECT_EQ(PaintedFace(window)->Pixel(150, 10), HeaderColour(3)) << "hot";
  EXPECT_EQ(PaintedFace(window)->Pixel(50, 10), HeaderColour(1));
  SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(150, 10));
  EXPECT_EQ(PaintedFace(window)->Pixel(150, 10), HeaderColour(2)) << "pressed";
  EXPECT_EQ(PaintedFace(window)->Pixel(50, 10), HeaderColour(1));
  SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(150, 10));
  EXPECT_EQ(pressedAtClick, -1) << "let go before the click is told";
  EXPECT_EQ(PaintedFace(window)->Pixel(150, 10), HeaderColour(3));
  SendMessageW(window, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(PaintedFace(window)->Pixel(150, 10), HeaderColour(1));

  // The column a list is sorted by.
  HDITEMW sorted{};
  sorted.mask = HDI_FORMAT;
  sorted.fmt = HDF_STRING | HDF_SORTUP;
  SendMessageW(window, HDM_SETITEMW, 0, reinterpret_cast<LPARAM>(&sorted));
  EXPECT_EQ(PaintedFace(window)->Pixel(50, 10), HeaderColour(5));
}

TEST_F(HeaderSkinsTest, AListViewsHeaderGetsAHeaderSkinnerOnAFormAndInABareWindow) {
  auto* list = Place(new ui::TListView(form.get()), 0, 40, 300, 120);
  list->AddColumn({"Name", 100});
  list->AddItem("a.txt");
  ShowForm();
  Skin();
  auto* listSkinner = dynamic_cast<TSkinListView*>(skinner->ControlSkinners().FindByWindow(list->Handle()));
  ASSERT_NE(listSkinner, nullptr);
  UpdateWindow(list->Handle());
  const HWND listHeader = list->HeaderHandle();
  ASSERT_NE(listSkinner->HeaderSkinner(), nullptr);
  EXPECT_EQ(skinner->ControlSkinners().FindByWindow(listHeader), listSkinner->HeaderSkinner());
  RECT headerRect{};
  GetClientRect(listHeader, &headerRect);
  EXPECT_EQ(PaintedFace(listHeader)->Pixel(200, headerRect.bottom / 2), HeaderColour(1));

  // A bare window's list view, through the walk of bare child windows.
  const HWND bare = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 300, 200, nullptr, nullptr,
                                    GetModuleHandleW(nullptr), nullptr);
  const HWND bareList = CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | LVS_REPORT, 0, 0, 300, 200, bare,
                                        nullptr, GetModuleHandleW(nullptr), nullptr);
  LVCOLUMNW column{};
  column.mask = LVCF_WIDTH;
  column.cx = 80;
  SendMessageW(bareList, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
  {
    TControlSkinners skinners;
    ui::TCanvas canvas;
    TControlWalk(*data, nullptr, skinners, canvas).AttachChildWindowSkins(bare);
    SendMessageW(bareList, WM_NULL, 0, 0);
    const HWND bareHeader = reinterpret_cast<HWND>(SendMessageW(bareList, LVM_GETHEADER, 0, 0));
    ASSERT_NE(dynamic_cast<TSkinHeader*>(skinners.FindByWindow(bareHeader)), nullptr);
    GetClientRect(bareHeader, &headerRect);
    EXPECT_EQ(PaintedFace(bareHeader)->Pixel(150, headerRect.bottom / 2), HeaderColour(1));
    skinners.DetachAll();
  }
  DestroyWindow(bare);
}

}  // namespace
}  // namespace skin

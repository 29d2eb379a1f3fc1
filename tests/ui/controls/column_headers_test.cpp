// Header control and report-style list view over the system's controls: the
// column headings, rows and images kept before the window reach it, and a
// click on a heading comes back as an event through the parent.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <string>

#include "ui/controls/header_control.h"
#include "ui/controls/list_view.h"
#include "ui/graphics/image_list.h"
#include "ui_test_support.h"

namespace {

using ui::TAlignment;

class ColumnHeaders : public ui_test::FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    images = new ui::TImageList(form);
    ui::TBitmap icons;
    icons.SetSize(32, 16);
    images->AddMasked(icons, clFuchsia);
  }

  ui::TImageList* images = nullptr;
};

struct THeaderItem {
  std::wstring Text;
  int Width = 0;
  int Format = 0;
  int Image = 0;
};

THeaderItem ReadHeaderItem(HWND header, int index) {
  wchar_t text[64] = {};
  HDITEMW item{};
  item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT | HDI_IMAGE;
  item.pszText = text;
  item.cchTextMax = 64;
  if (!SendMessageW(header, HDM_GETITEMW, index, reinterpret_cast<LPARAM>(&item))) return {};
  return {text, item.cxy, item.fmt, item.iImage};
}

TEST_F(ColumnHeaders, HeaderSectionsAndImagesReachTheWindowAndAClickNamesItsSection) {
  auto* header = new ui::THeaderControl(form);
  header->SetBounds(0, 0, 300, 20);
  header->SetImages(images);
  header->AddSection({"\xc3\xfb\xb3\xc6", 80});  // "名称"
  header->AddSection({"Size", 100, TAlignment::taRightJustify, 1});
  EXPECT_FALSE(header->HandleAllocated());
  header->SetParent(panel);
  header->AddSection({"Kind", 60, TAlignment::taCenter});

  const HWND window = header->Handle();
  ASSERT_EQ(SendMessageW(window, HDM_GETITEMCOUNT, 0, 0), 3);
  EXPECT_EQ(ReadHeaderItem(window, 0).Text, L"\u540d\u79f0");
  const THeaderItem size = ReadHeaderItem(window, 1);
  EXPECT_EQ(size.Width, 100);
  EXPECT_EQ(size.Format & (HDF_JUSTIFYMASK | HDF_IMAGE), HDF_RIGHT | HDF_IMAGE);
  EXPECT_EQ(size.Image, 1);
  EXPECT_EQ(ReadHeaderItem(window, 2).Format & (HDF_JUSTIFYMASK | HDF_IMAGE), HDF_CENTER);
  EXPECT_EQ(reinterpret_cast<HIMAGELIST>(SendMessageW(window, HDM_GETIMAGELIST, 0, 0)), images->Handle());

  // The user sized a section: the window's width counts.
  HDITEMW width{};
  width.mask = HDI_WIDTH;
  width.cxy = 130;
  SendMessageW(window, HDM_SETITEMW, 0, reinterpret_cast<LPARAM>(&width));
  EXPECT_EQ(header->Section(0).Width, 130);

  std::vector<int> clicked;
  header->OnSectionClick = [&](ui::TComponent*, int section) { clicked.push_back(section); };
  SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(180, 8));
  SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(180, 8));
  EXPECT_EQ(clicked, std::vector<int>{1});

  delete images;
  EXPECT_EQ(SendMessageW(window, HDM_GETIMAGELIST, 0, 0), 0) << "a freed image list is let go";
}

TEST_F(ColumnHeaders, ListViewRowsAndColumnsReachItsWindowAndItsHeaderShowsTheColumns) {
  auto* list = new ui::TListView(form);
  list->SetBounds(0, 0, 300, 150);
  list->SetSmallImages(images);
  list->AddColumn({"Name", 120});
  list->AddColumn({"Size", 80, TAlignment::taRightJustify, 0});
  const int first = list->AddItem("a.txt", 1);
  list->SetItemText(first, 1, "12 KB");
  list->SetItemIndex(first);
  list->SetParent(panel);
  const int second = list->AddItem("b.txt");
  list->SetItemText(second, 1, "3 KB");

  const HWND window = list->Handle();
  EXPECT_EQ(GetWindowLongPtrW(window, GWL_STYLE) & LVS_TYPEMASK, LVS_REPORT);
  ASSERT_EQ(SendMessageW(window, LVM_GETITEMCOUNT, 0, 0), 2);
  wchar_t text[32] = {};
  LVITEMW cell{};
  cell.iSubItem = 1;
  cell.pszText = text;
  cell.cchTextMax = 32;
  SendMessageW(window, LVM_GETITEMTEXTW, second, reinterpret_cast<LPARAM>(&cell));
  EXPECT_STREQ(text, L"3 KB");
  EXPECT_EQ(list->ItemText(first, 1), "12 KB");
  EXPECT_EQ(list->ItemIndex(), first);
  list->SetItemIndex(second);
  EXPECT_EQ(list->ItemIndex(), second);

  const HWND header = list->HeaderHandle();
  ASSERT_NE(header, nullptr);
  EXPECT_EQ(GetParent(header), window);
  ASSERT_EQ(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0), 2);
  const THeaderItem size = ReadHeaderItem(header, 1);
  EXPECT_EQ(size.Text, L"Size");
  EXPECT_EQ(size.Format & (HDF_JUSTIFYMASK | HDF_IMAGE), HDF_RIGHT | HDF_IMAGE);
  EXPECT_EQ(size.Image, 0);
  EXPECT_EQ(ReadHeaderItem(header, 0).Format & HDF_IMAGE, 0) << "a column without an image shows none";
}

}  // namespace

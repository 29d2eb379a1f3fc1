#include "tools/skinview/list_page.h"

#include <string>

#include "tools/skinview/control_pages.h"
#include "tools/skinview/page_group.h"
#include "tools/skinview/place_control.h"
#include "ui/controls/header_control.h"
#include "ui/controls/list_view.h"
#include "ui/controls/panel.h"
#include "ui/forms/form.h"
#include "ui/graphics/bitmap.h"
#include "ui/graphics/image_list.h"

namespace skinview {
namespace {

using ui::TAlignment;

constexpr int kDocument = 0, kFolder = 1;

// Two small pictures drawn here: a page with lines and a folder.
ui::TImageList* SmallIcons(ui::TForm& form) {
  auto* images = new ui::TImageList(&form);
  ui::TBitmap strip;
  strip.SetSize(32, 16);
  ui::TCanvas& canvas = strip.Canvas();
  canvas.Brush.Color = clFuchsia;
  canvas.FillRect(RECT{0, 0, 32, 16});
  canvas.Brush.Color = clWhite;
  canvas.Pen.Color = clGray;
  canvas.Rectangle(RECT{3, 1, 13, 15});
  canvas.Pen.Color = clBlue;
  for (int y = 4; y <= 11; y += 3) {
    canvas.MoveTo(5, y);
    canvas.LineTo(11, y);
  }
  canvas.Brush.Color = RGB(240, 200, 80);
  canvas.Pen.Color = RGB(160, 120, 20);
  canvas.Rectangle(RECT{17, 3, 24, 6});
  canvas.Rectangle(RECT{17, 5, 31, 14});
  images->AddMasked(strip, clFuchsia);
  return images;
}

void ReportList(ui::TForm& form, ui::TPanel& page, ui::TImageList* icons) {
  ui::TPanel* group = Group(form, page, 0, 0, "A list view in report style, with a scroll bar", 2);
  auto* list = PlaceControl<ui::TListView>(&form, group, 10, kGroupTop, 584, 170);
  list->SetSmallImages(icons);
  list->AddColumn({"Name", 200, TAlignment::taLeftJustify, kDocument});
  list->AddColumn({"Size", 100, TAlignment::taRightJustify, kFolder});
  list->AddColumn({"Kind", 120, TAlignment::taCenter});
  list->AddColumn({"Modified", 140});
  struct TRow {
    const char* Name;
    const char* Size;
    const char* Kind;
    const char* Modified;
    int Icon;
  };
  static constexpr TRow kRows[] = {
      {"assets", "", "Folder", "2026-12-01 09:12", kFolder},
      {"README.md", "12 KB", "Text", "2026-12-06 18:40", kDocument},
      {"rilvanta.ini", "9 KB", "Settings", "2026-11-28 14:03", kDocument},
      {"default.skn", "64 KB", "Skin", "2026-12-02 11:27", kDocument},
      {"\xc8\xd5\xc0\xfa.txt", "1 KB", "Text", "2026-12-07 08:00", kDocument},  // a Chinese name
  };
  for (const TRow& row : kRows) {
    const int item = list->AddItem(row.Name, row.Icon);
    list->SetItemText(item, 1, row.Size);
    list->SetItemText(item, 2, row.Kind);
    list->SetItemText(item, 3, row.Modified);
  }
  // Enough rows for the list to scroll.
  for (int day = 1; day <= 8; ++day) {
    const int item = list->AddItem("note " + std::to_string(day) + ".txt", kDocument);
    list->SetItemText(item, 1, std::to_string(day * 3) + " KB");
    list->SetItemText(item, 2, "Text");
    list->SetItemText(item, 3, "2026-12-0" + std::to_string(day) + " 12:00");
  }
  list->SetItemIndex(1);
}

ui::THeaderControl* Header(ui::TForm& form, ui::TPanel& page, int column, const std::string& heading,
                           ui::TImageList* icons) {
  ui::TPanel* group = Group(form, page, column, 1, heading);
  auto* header = PlaceControl<ui::THeaderControl>(&form, group, 10, kGroupTop, 280, 22);
  header->SetImages(icons);
  header->AddSection({"Day", 70});
  header->AddSection({"Lunar date", 110, TAlignment::taRightJustify, kDocument});
  header->AddSection({"", 40, TAlignment::taLeftJustify, kFolder});  // an icon alone: the picture only
  return header;
}

}  // namespace

void AddListPage(ui::TForm& form, TControlPages& pages) {
  pages.Add("&Lists and headers", [&form](ui::TPanel& page) {
    ui::TImageList* icons = SmallIcons(form);
    ReportList(form, page, icons);
    Header(form, page, 0, "A header control", icons);
    Header(form, page, 1, "A disabled header control", icons)->SetEnabled(false);
  });
}

}  // namespace skinview

#include "tools/skinview/scroll_bar_page.h"

#include <string>

#include "tools/skinview/control_pages.h"
#include "tools/skinview/page_group.h"
#include "tools/skinview/place_control.h"
#include "ui/controls/label.h"
#include "ui/controls/memo.h"
#include "ui/controls/panel.h"
#include "ui/controls/scroll_bar.h"
#include "ui/controls/status_bar.h"
#include "ui/forms/form.h"

namespace skinview {
namespace {

ui::TScrollBar* PlaceScrollBar(ui::TForm& form, ui::TWinControl* parent, const RECT& bounds, int position,
                               ui::TOrientation orientation) {
  auto* bar = PlaceControl<ui::TScrollBar>(&form, parent, bounds.left, bounds.top, bounds.right - bounds.left,
                                           bounds.bottom - bounds.top);
  bar->SetOrientation(orientation);
  bar->SetRange(0, 100);
  bar->SetPageSize(20);
  bar->SetLargeChange(20);
  bar->SetPosition(position);
  return bar;
}

void ScrollBars(ui::TForm& form, ui::TPanel& page) {
  using enum ui::TOrientation;
  ui::TPanel* group = Group(form, page, 0, 0, "Scroll bars");
  PlaceControl<ui::TLabel>(&form, group, 10, kGroupTop, 200, 16, "Horizontal");
  PlaceScrollBar(form, group, {10, kGroupTop + 20, 240, kGroupTop + 37}, 30, Horizontal);
  PlaceControl<ui::TLabel>(&form, group, 10, kGroupTop + 50, 200, 16, "Disabled");
  PlaceScrollBar(form, group, {10, kGroupTop + 70, 240, kGroupTop + 87}, 60, Horizontal)->SetEnabled(false);
  PlaceControl<ui::TLabel>(&form, group, 10, kGroupTop + 100, 200, 16, "Without a page");
  auto* plain = PlaceScrollBar(form, group, {10, kGroupTop + 120, 240, kGroupTop + 137}, 50, Horizontal);
  plain->SetPageSize(0);
  PlaceScrollBar(form, group, {264, kGroupTop, 281, kGroupTop + 170}, 0, Vertical);
}

void MemoWithScrollBars(ui::TForm& form, ui::TPanel& page) {
  ui::TPanel* group = Group(form, page, 1, 0, "A memo with both scroll bars");
  // Styles first: the memo's window may be made as soon as it has a parent.
  auto* memo = new ui::TMemo(&form);
  memo->SetWordWrap(false);
  memo->SetScrollBars(ui::TScrollStyle::ssBoth);
  memo->SetParent(group);
  memo->SetBounds(10, kGroupTop, 280, 170);
  std::string text;
  for (int line = 1; line <= 40; ++line)
    text += "Line " + std::to_string(line) + ": a line long enough to scroll the memo sideways as well\r\n";
  memo->SetText(text);
}

void StatusBar(ui::TForm& form, ui::TPanel& page) {
  ui::TPanel* group = Group(form, page, 0, 1, "A status bar with a size grip", 2);
  auto* status = PlaceControl<ui::TStatusBar>(&form, group, 0, 0, 200, 22);
  status->SetPanels({{"Ready", 160}, {"Line 1, column 1", 160}, {"GBK", 80}});
}

}  // namespace

void AddScrollBarPage(ui::TForm& form, TControlPages& pages) {
  pages.Add("&Scroll bars", [&form](ui::TPanel& page) {
    ScrollBars(form, page);
    MemoWithScrollBars(form, page);
    StatusBar(form, page);
  });
}

}  // namespace skinview

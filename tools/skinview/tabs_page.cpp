#include "tools/skinview/tabs_page.h"

#include <initializer_list>
#include <string>

#include "tools/skinview/control_pages.h"
#include "tools/skinview/page_group.h"
#include "tools/skinview/place_control.h"
#include "ui/controls/button.h"
#include "ui/controls/label.h"
#include "ui/controls/page_control.h"
#include "ui/controls/panel.h"
#include "ui/controls/tab_control.h"
#include "ui/controls/tab_set.h"
#include "ui/controls/tab_sheet.h"
#include "ui/forms/form.h"

namespace skinview {
namespace {

constexpr int kTabHeight = 168, kSecondColumn = 156;

ui::TTabControl* PlaceTabs(ui::TForm& form, ui::TWinControl* parent, const RECT& bounds, ui::TTabPosition side,
                           std::initializer_list<const char*> captions) {
  auto* tabs = PlaceControl<ui::TTabControl>(&form, parent, bounds.left, bounds.top, bounds.right - bounds.left,
                                             bounds.bottom - bounds.top);
  for (const char* caption : captions) tabs->AddTab(caption);
  tabs->SetTabPosition(side);
  return tabs;
}

void TopAndBottom(ui::TForm& form, ui::TPanel& page) {
  ui::TPanel* group = Group(form, page, 0, 0, "Tabs on top and at the bottom");
  constexpr int kHeight = 84;
  PlaceTabs(form, group, {10, kGroupTop, 292, kGroupTop + kHeight}, ui::TTabPosition::tpTop, {"One", "Two", "Three"})
      ->SetTabIndex(1);
  PlaceTabs(form, group, {10, kGroupTop + kHeight + 8, 292, kGroupTop + 2 * kHeight + 8}, ui::TTabPosition::tpBottom,
            {"One", "Two", "Three"});
}

void LeftAndRight(ui::TForm& form, ui::TPanel& page) {
  ui::TPanel* group = Group(form, page, 1, 0, "Tabs on the left and right");
  PlaceTabs(form, group, {10, kGroupTop, 146, kGroupTop + kTabHeight}, ui::TTabPosition::tpLeft,
            {"One", "Two", "Three"})
      ->SetTabIndex(2);
  PlaceTabs(form, group, {kSecondColumn, kGroupTop, 292, kGroupTop + kTabHeight}, ui::TTabPosition::tpRight,
            {"One", "Two", "Three"});
}

// Each page holds a control of its own, shown while its tab is selected.
void PageControl(ui::TForm& form, ui::TPanel& page) {
  ui::TPanel* group = Group(form, page, 0, 1, "Page control");
  auto* pages = PlaceControl<ui::TPageControl>(&form, group, 10, kGroupTop, 282, kTabHeight);
  for (const char* caption : {"General", "Appearance", "Advanced", "More tabs than fit"}) {
    auto* sheet = new ui::TTabSheet(&form);
    sheet->SetCaption(caption);
    sheet->SetPageControl(pages);
    PlaceControl<ui::TLabel>(&form, sheet, 12, 12, 200, 16, std::string("The page \"") + caption + "\"");
    PlaceControl<ui::TButton>(&form, sheet, 12, 40, 90, 25, "Button");
  }
}

// Tab sets hang below a page; the last tab of the first does not fit. A
// disabled tab control and tab set below.
void TabSetsAndDisabled(ui::TForm& form, ui::TPanel& page) {
  ui::TPanel* group = Group(form, page, 1, 1, "Tab sets, disabled");
  PlaceControl<ui::TPanel>(&form, group, 10, kGroupTop, 282, 30, "A page above its tab set");
  auto* tabSet = PlaceControl<ui::TTabSet>(&form, group, 10, kGroupTop + 30, 282, 21);
  for (const char* caption : {"Sheet 1", "Sheet 2", "Sheet 3", "A tab too long to fit the row", "Last"})
    tabSet->AddTab(caption);
  tabSet->SetTabIndex(1);
  auto* disabledSet = PlaceControl<ui::TTabSet>(&form, group, 10, kGroupTop + 60, 282, 21);
  for (const char* caption : {"Disabled", "Tab set"}) disabledSet->AddTab(caption);
  disabledSet->SetEnabled(false);
  auto* disabled = PlaceControl<ui::TTabControl>(&form, group, 10, kGroupTop + 90, 282, 80);
  for (const char* caption : {"Disabled", "Tab control"}) disabled->AddTab(caption);
  disabled->SetEnabled(false);
}

}  // namespace

void AddTabsPage(ui::TForm& form, TControlPages& pages) {
  pages.Add("T&abs", [&form](ui::TPanel& page) {
    TopAndBottom(form, page);
    LeftAndRight(form, page);
    PageControl(form, page);
    TabSetsAndDisabled(form, page);
  });
}

}  // namespace skinview

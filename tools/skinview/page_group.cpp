#include "tools/skinview/page_group.h"

#include "tools/skinview/place_control.h"
#include "ui/controls/label.h"
#include "ui/controls/panel.h"
#include "ui/forms/form.h"

namespace skinview {
namespace {

constexpr int kMargin = 12;

}  // namespace

ui::TPanel* Group(ui::TForm& form, ui::TPanel& page, int column, int row, const std::string& heading, int columns) {
  const int width = columns * kGroupWidth + (columns - 1) * kMargin;
  auto* group = PlaceControl<ui::TPanel>(&form, &page, kMargin + column * (kGroupWidth + kMargin),
                                         kMargin + row * (kGroupHeight + kMargin), width, kGroupHeight);
  group->SetBevelOuter(ui::TBevelCut::bvLowered);
  group->SetCaption("");
  PlaceControl<ui::TLabel>(&form, group, 10, 6, width - 20, 16, heading);
  return group;
}

}  // namespace skinview

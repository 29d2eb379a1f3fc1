#include "tools/skinview/control_gallery.h"

#include <windows.h>

#include <commctrl.h>

#include <array>
#include <string>

#include "tools/skinview/check_box_page.h"
#include "tools/skinview/combo_box_page.h"
#include "tools/skinview/control_pages.h"
#include "tools/skinview/list_page.h"
#include "tools/skinview/page_group.h"
#include "tools/skinview/place_control.h"
#include "tools/skinview/scroll_bar_page.h"
#include "tools/skinview/spin_edit.h"
#include "tools/skinview/tabs_page.h"
#include "ui/controls/bevel.h"
#include "ui/controls/bit_btn.h"
#include "ui/controls/button.h"
#include "ui/controls/edit.h"
#include "ui/controls/label.h"
#include "ui/controls/memo.h"
#include "ui/controls/panel.h"
#include "ui/controls/progress_bar.h"
#include "ui/controls/shape.h"
#include "ui/controls/speed_button.h"
#include "ui/controls/track_bar.h"
#include "ui/controls/up_down.h"
#include "ui/forms/form.h"
#include "window/pictures.h"
#include "window/resource_names.h"

namespace skinview {
namespace {

void PushButtons(ui::TForm& form, ui::TPanel& page) {
  ui::TPanel* group = Group(form, page, 0, 0, "Push buttons");
  PlaceControl<ui::TButton>(&form, group, 10, kGroupTop, 90, 26, "Button");
  PlaceControl<ui::TButton>(&form, group, 108, kGroupTop, 90, 26, "Disabled")->SetEnabled(false);
  PlaceControl<ui::TButton>(&form, group, 10, kGroupTop + 38, 188, 40, "A taller button");
  PlaceControl<ui::TButton>(&form, group, 10, kGroupTop + 90, 60, 22, "Small");
}

// One bitmap button for every glyph layout, and a disabled one.
void BitmapButtons(ui::TForm& form, ui::TPanel& page) {
  ui::TPanel* group = Group(form, page, 1, 0, "Bitmap buttons");
  struct TPlaced {
    ui::TButtonLayout Layout;
    RECT Bounds;  // left, top, width, height
    const char* Caption;
  };
  constexpr std::array<TPlaced, 4> kLayouts{{
      {ui::TButtonLayout::blGlyphLeft, {10, kGroupTop, 136, 30}, "Glyph left"},
      {ui::TButtonLayout::blGlyphRight, {156, kGroupTop, 136, 30}, "Glyph right"},
      {ui::TButtonLayout::blGlyphTop, {10, kGroupTop + 42, 136, 52}, "Glyph top"},
      {ui::TButtonLayout::blGlyphBottom, {156, kGroupTop + 42, 136, 52}, "Glyph bottom"},
  }};
  for (const TPlaced& placed : kLayouts) {
    auto* button = PlaceControl<ui::TBitBtn>(&form, group, placed.Bounds.left, placed.Bounds.top, placed.Bounds.right,
                                             placed.Bounds.bottom, placed.Caption);
    DateWin::LoadGlyph(button->Glyph(), DateWin::kSettingsGlyph);
    button->SetLayout(placed.Layout);
  }
  auto* disabled = PlaceControl<ui::TBitBtn>(&form, group, 10, kGroupTop + 106, 136, 30, "Disabled");
  DateWin::LoadGlyph(disabled->Glyph(), DateWin::kNavigationGlyph);
  disabled->SetEnabled(false);
}

// A group that latches one of three, a lone button, one with a glyph and a disabled one.
void SpeedButtons(ui::TForm& form, ui::TPanel& page) {
  ui::TPanel* group = Group(form, page, 0, 1, "Speed buttons", 2);
  for (int i = 0; i < 3; ++i) {
    auto* speed =
        PlaceControl<ui::TSpeedButton>(&form, group, 10 + i * 62, kGroupTop, 58, 26, "Speed " + std::to_string(i + 1));
    speed->SetGroupIndex(1);
    speed->SetDown(i == 0);
  }
  PlaceControl<ui::TSpeedButton>(&form, group, 10, kGroupTop + 38, 120, 26, "Speed, alone");
  auto* withGlyph = PlaceControl<ui::TSpeedButton>(&form, group, 140, kGroupTop + 38, 120, 26, "With glyph");
  DateWin::LoadGlyph(withGlyph->Glyph(), DateWin::kSettingsGlyph);
  PlaceControl<ui::TSpeedButton>(&form, group, 270, kGroupTop + 38, 120, 26, "Disabled")->SetEnabled(false);
}

void EditBoxes(ui::TForm& form, ui::TPanel& page) {
  ui::TPanel* group = Group(form, page, 0, 0, "Edit boxes");
  PlaceControl<ui::TEdit>(&form, group, 10, kGroupTop, 280, 22, "Some text to edit");
  PlaceControl<ui::TEdit>(&form, group, 10, kGroupTop + 34, 280, 22, "");
  PlaceControl<ui::TEdit>(&form, group, 10, kGroupTop + 68, 280, 22, "Disabled")->SetEnabled(false);
}

void Memos(ui::TForm& form, ui::TPanel& page) {
  ui::TPanel* group = Group(form, page, 0, 1, "Memos", 2);
  PlaceControl<ui::TMemo>(&form, group, 10, kGroupTop, 280, 170,
                          "A memo holds many lines.\r\nEnter starts a new one, and long lines wrap at "
                          "the right edge of the box.\r\n\r\nThird line.");
  PlaceControl<ui::TMemo>(&form, group, 306, kGroupTop, 290, 80, "A disabled memo\r\nof two lines")->SetEnabled(false);
  PlaceControl<ui::TMemo>(&form, group, 306, kGroupTop + 90, 290, 80, "");
}

void UpDownsInEdits(ui::TForm& form, ui::TPanel& page) {
  ui::TPanel* group = Group(form, page, 1, 0, "Up-down in an edit box");
  PlaceControl<TSpinEdit>(&form, group, 10, kGroupTop, 120, 22, "5");
  PlaceControl<TSpinEdit>(&form, group, 10, kGroupTop + 34, 120, 22, "7")->SetEnabled(false);
}

// A progress bar of the other style: one smooth bar instead of blocks.
class TSmoothProgressBar : public ui::TProgressBar {
 public:
  using TProgressBar::TProgressBar;

 protected:
  void CreateParams(TCreateParams& params) override {
    TProgressBar::CreateParams(params);
    params.Style |= PBS_SMOOTH;
  }
};

template <class Bar>
void PlaceProgress(ui::TForm& form, ui::TPanel* group, RECT bounds, int position, ui::TOrientation orientation) {
  auto* bar = PlaceControl<Bar>(&form, group, bounds.left, bounds.top, bounds.right, bounds.bottom);
  bar->SetOrientation(orientation);
  bar->SetPosition(position);
}

constexpr std::array kPositions{0, 25, 50, 75, 100};

void ProgressBars(ui::TForm& form, ui::TPanel& page) {
  ui::TPanel* across = Group(form, page, 0, 0, "Horizontal progress bars: in blocks, smooth", 2);
  for (int i = 0; i < static_cast<int>(kPositions.size()); ++i) {
    PlaceProgress<ui::TProgressBar>(form, across, {10, kGroupTop + i * 34, 290, 18}, kPositions[i],
                                    ui::TOrientation::Horizontal);
    PlaceProgress<TSmoothProgressBar>(form, across, {306, kGroupTop + i * 34, 290, 18}, kPositions[i],
                                      ui::TOrientation::Horizontal);
  }
  ui::TPanel* upright = Group(form, page, 0, 1, "Vertical progress bars: in blocks, smooth", 2);
  for (int i = 0; i < static_cast<int>(kPositions.size()); ++i) {
    PlaceProgress<ui::TProgressBar>(form, upright, {10 + i * 36, kGroupTop, 20, 170}, kPositions[i],
                                    ui::TOrientation::Vertical);
    PlaceProgress<TSmoothProgressBar>(form, upright, {306 + i * 36, kGroupTop, 20, 170}, kPositions[i],
                                      ui::TOrientation::Vertical);
  }
}

ui::TTrackBar* PlaceTrackBar(ui::TForm& form, ui::TPanel* group, RECT bounds, int position,
                             ui::TOrientation orientation) {
  auto* bar = PlaceControl<ui::TTrackBar>(&form, group, bounds.left, bounds.top, bounds.right, bounds.bottom);
  bar->SetOrientation(orientation);
  bar->SetFrequency(10);
  bar->SetPosition(position);
  return bar;
}

void TrackBars(ui::TForm& form, ui::TPanel& page) {
  ui::TPanel* across = Group(form, page, 0, 0, "Horizontal track bars", 2);
  for (int i = 0; i < 3; ++i)
    PlaceTrackBar(form, across, {10, kGroupTop + i * 46, 586, 36}, kPositions[i * 2], ui::TOrientation::Horizontal);
  PlaceTrackBar(form, across, {10, kGroupTop + 138, 586, 36}, 40, ui::TOrientation::Horizontal)->SetEnabled(false);
  ui::TPanel* upright = Group(form, page, 0, 1, "Vertical track bars", 2);
  for (int i = 0; i < 3; ++i)
    PlaceTrackBar(form, upright, {10 + i * 60, kGroupTop, 40, 170}, kPositions[i * 2], ui::TOrientation::Vertical);
  PlaceTrackBar(form, upright, {190, kGroupTop, 40, 170}, 40, ui::TOrientation::Vertical)->SetEnabled(false);
}

void UpDowns(ui::TForm& form, ui::TPanel& page) {
  ui::TPanel* group = Group(form, page, 0, 0, "Up-down controls");
  PlaceControl<ui::TLabel>(&form, group, 10, kGroupTop, 120, 16, "Vertical");
  PlaceControl<ui::TUpDown>(&form, group, 140, kGroupTop - 4, 17, 25);
  PlaceControl<ui::TUpDown>(&form, group, 170, kGroupTop - 4, 24, 40);
  PlaceControl<ui::TLabel>(&form, group, 10, kGroupTop + 50, 120, 16, "Horizontal");
  PlaceControl<ui::TUpDown>(&form, group, 140, kGroupTop + 46, 34, 20)->SetOrientation(ui::TOrientation::Horizontal);
  PlaceControl<ui::TUpDown>(&form, group, 184, kGroupTop + 46, 50, 28)->SetOrientation(ui::TOrientation::Horizontal);
  PlaceControl<ui::TLabel>(&form, group, 10, kGroupTop + 96, 120, 16, "Disabled");
  PlaceControl<ui::TUpDown>(&form, group, 140, kGroupTop + 92, 17, 25)->SetEnabled(false);
  auto* across = PlaceControl<ui::TUpDown>(&form, group, 170, kGroupTop + 96, 34, 20);
  across->SetOrientation(ui::TOrientation::Horizontal);
  across->SetEnabled(false);
}

void PanelsAndBevels(ui::TForm& form, ui::TPanel& page) {
  ui::TPanel* group = Group(form, page, 0, 0, "Panels and bevels");
  PlaceControl<ui::TPanel>(&form, group, 10, kGroupTop, 130, 60, "Raised panel");
  PlaceControl<ui::TPanel>(&form, group, 150, kGroupTop, 130, 60, "Lowered panel")
      ->SetBevelOuter(ui::TBevelCut::bvLowered);
  PlaceControl<ui::TBevel>(&form, group, 10, kGroupTop + 76, 130, 60)->SetShape(ui::TBevelShape::bsFrame);
  PlaceControl<ui::TBevel>(&form, group, 150, kGroupTop + 76, 130, 60)->SetStyle(ui::TBevelStyle::bsRaised);
}

void NestedPanels(ui::TForm& form, ui::TPanel& page) {
  ui::TPanel* group = Group(form, page, 1, 0, "Panels in panels");
  auto* outer = PlaceControl<ui::TPanel>(&form, group, 10, kGroupTop, 280, 170, "");
  outer->SetBevelInner(ui::TBevelCut::bvLowered);
  auto* inner = PlaceControl<ui::TPanel>(&form, outer, 16, 16, 248, 138, "");
  inner->SetBevelOuter(ui::TBevelCut::bvLowered);
  PlaceControl<ui::TPanel>(&form, inner, 16, 16, 216, 40, "Raised in lowered");
  PlaceControl<ui::TPanel>(&form, inner, 16, 76, 216, 40, "Disabled")->SetEnabled(false);
}

void LabelsAndShapes(ui::TForm& form, ui::TPanel& page) {
  ui::TPanel* group = Group(form, page, 0, 1, "Labels and shapes", 2);
  PlaceControl<ui::TLabel>(&form, group, 10, kGroupTop, 280, 16, "A label in the window text colour");
  PlaceControl<ui::TLabel>(&form, group, 10, kGroupTop + 22, 280, 16, "A disabled label")->SetEnabled(false);
  PlaceControl<ui::TShape>(&form, group, 10, kGroupTop + 52, 80, 60)->SetShape(ui::TShapeType::stRoundRect);
  PlaceControl<ui::TShape>(&form, group, 104, kGroupTop + 52, 80, 60)->SetShape(ui::TShapeType::stEllipse);
  PlaceControl<ui::TShape>(&form, group, 198, kGroupTop + 52, 80, 60);
}

}  // namespace

void AddControlPages(ui::TForm& form, TControlPages& pages) {
  pages.Add("&Buttons", [&form](ui::TPanel& page) {
    PushButtons(form, page);
    BitmapButtons(form, page);
    SpeedButtons(form, page);
  });
  AddCheckBoxPage(form, pages);
  AddComboBoxPage(form, pages);
  pages.Add("&Edit boxes", [&form](ui::TPanel& page) {
    EditBoxes(form, page);
    UpDownsInEdits(form, page);
    Memos(form, page);
  });
  AddListPage(form, pages);
  pages.Add("&Panels and labels", [&form](ui::TPanel& page) {
    PanelsAndBevels(form, page);
    NestedPanels(form, page);
    LabelsAndShapes(form, page);
  });
  pages.Add("P&rogress bars", [&form](ui::TPanel& page) { ProgressBars(form, page); });
  AddScrollBarPage(form, pages);
  AddTabsPage(form, pages);
  pages.Add("&Track bars", [&form](ui::TPanel& page) { TrackBars(form, page); });
  pages.Add("&Up-down controls", [&form](ui::TPanel& page) { UpDowns(form, page); });
}

}  // namespace skinview

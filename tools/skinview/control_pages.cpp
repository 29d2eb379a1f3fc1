#include "tools/skinview/control_pages.h"

#include <windows.h>

#include "tools/skinview/menu_items.h"
#include "tools/skinview/place_control.h"
#include "ui/controls/panel.h"
#include "ui/forms/form.h"

namespace skinview {
namespace {

// A page: a panel without bevels whose window text names it (for whoever
// looks for the page shown) but which paints no caption.
class TControlPage : public ui::TPanel {
 public:
  explicit TControlPage(ui::TComponent* owner) : TPanel(owner) { SetBevelOuter(ui::TBevelCut::bvNone); }
  std::string ClassName() const override { return "TControlPage"; }

 protected:
  void PaintWindow(HDC) override {}
};

// The caption without its access-key mark.
std::string PageName(std::string caption) {
  std::erase(caption, '&');
  return caption;
}

}  // namespace

TControlPages::TControlPages(ui::TForm& form, ui::TMenuItem& menu, int width, int height)
    : form_(form), menu_(menu), width_(width), height_(height) {}

void TControlPages::Add(const std::string& caption, const std::function<void(ui::TPanel& page)>& build) {
  auto* panel = PlaceControl<TControlPage>(&form_, &form_, 0, 0, width_, height_, PageName(caption));
  panel->SetVisible(pages_.empty());
  build(*panel);
  const std::size_t index = pages_.size();
  ui::TMenuItem* item = AddMenuItem(&form_, &menu_, caption, [this, index](ui::TComponent*) { Show(index); });
  item->SetChecked(pages_.empty());
  pages_.push_back(TPage{panel, item});
}

void TControlPages::Show(std::size_t index) {
  // The new page first, so that no moment shows the bare form between two pages.
  pages_.at(index).Panel->Show();
  for (std::size_t other = 0; other < pages_.size(); ++other) {
    if (other != index) pages_[other].Panel->Hide();
    pages_[other].Item->SetChecked(other == index);
  }
}

}  // namespace skinview

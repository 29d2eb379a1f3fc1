#pragma once
// The gallery's client area shows one page of controls at a time: each page
// is a panel over the whole client area (window class "TControlPage", its
// window text the page's name), chosen by an item of the Controls menu, which
// checks the page shown.

#include <functional>
#include <string>
#include <vector>

namespace ui {
class TForm;
class TMenuItem;
class TPanel;
}  // namespace ui

namespace skinview {

class TControlPages {
 public:
  // Pages cover `form`'s client area of width × height; their items go under `menu`.
  TControlPages(ui::TForm& form, ui::TMenuItem& menu, int width, int height);

  // A page named `caption` (with its access key), its controls placed by
  // `build`; the first page added is the one shown.
  void Add(const std::string& caption, const std::function<void(ui::TPanel& page)>& build);
  void Show(std::size_t index);

 private:
  struct TPage {
    ui::TPanel* Panel;
    ui::TMenuItem* Item;
  };

  ui::TForm& form_;
  ui::TMenuItem& menu_;
  int width_, height_;
  std::vector<TPage> pages_;
};

}  // namespace skinview

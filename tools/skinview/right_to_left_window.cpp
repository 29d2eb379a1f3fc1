#include "tools/skinview/right_to_left_window.h"

#include <windows.h>

#include "tools/skinview/menu_items.h"
#include "tools/skinview/place_control.h"
#include "ui/controls/button.h"
#include "ui/controls/edit.h"
#include "ui/controls/label.h"
#include "ui/forms/form.h"
#include "ui/menus/main_menu.h"

namespace skinview {
namespace {

class TRightToLeftForm : public ui::TForm {
 public:
  using TForm::TForm;
  std::string ClassName() const override { return "TRightToLeftForm"; }

 protected:
  void CreateParams(TCreateParams& params) override {
    TForm::CreateParams(params);
    params.ExStyle |= WS_EX_RIGHT | WS_EX_RTLREADING | WS_EX_LEFTSCROLLBAR;
  }
};

void BuildMenu(ui::TForm* form) {
  auto* menu = new ui::TMainMenu(form);
  menu->SetBiDiMode(ui::TBiDiMode::bdRightToLeft);
  ui::TMenuItem* file = AddMenuItem(form, menu->Items(), "&File");
  AddMenuItem(form, file, "&New");
  AddMenuItem(form, file, "&Open...");
  AddMenuItem(form, file, "-");
  AddMenuItem(form, file, "&Close", [form](ui::TComponent*) { form->Close(); });
  ui::TMenuItem* edit = AddMenuItem(form, menu->Items(), "&Edit");
  AddMenuItem(form, edit, "Cu&t");
  AddMenuItem(form, edit, "&Copy");
  AddMenuItem(form, edit, "&Paste")->SetEnabled(false);
  ui::TMenuItem* view = AddMenuItem(form, menu->Items(), "&View");
  AddMenuItem(form, view, "&Toolbar")->SetChecked(true);
  AddMenuItem(form, view, "&Status bar");
  AddMenuItem(form, menu->Items(), "&Help");
  form->SetMenu(menu);
}

}  // namespace

void OpenRightToLeftWindow(ui::TForm* owner) {
  auto* form = new TRightToLeftForm(owner);
  form->SetCaption("Right-to-left window");
  form->SetClientSize(360, 140);
  form->SetLeft(owner->Left() + 120);
  form->SetTop(owner->Top() + 120);
  form->OnClose = [](ui::TComponent*, ui::TCloseAction& action) { action = ui::TCloseAction::caFree; };
  BuildMenu(form);
  PlaceControl<ui::TLabel>(form, form, 16, 16, 328, 16, "The menu bar reads from the right.");
  PlaceControl<ui::TEdit>(form, form, 16, 44, 328, 22, "Text read from right to left");
  PlaceControl<ui::TButton>(form, form, 264, 96, 80, 26, "Button");
  form->Show();
}

}  // namespace skinview

#include "tools/skinview/mdi_gallery.h"

#include <string>

#include "tools/skinview/menu_items.h"
#include "tools/skinview/place_control.h"
#include "ui/controls/label.h"
#include "ui/forms/form.h"
#include "ui/menus/main_menu.h"

namespace skinview {
namespace {

void AddChild(ui::TForm* frame, int number) {
  auto* child = new ui::TForm(frame);
  child->SetFormStyle(ui::TFormStyle::fsMDIChild);
  child->SetCaption("Child " + std::to_string(number));
  child->SetClientSize(240, 120);
  PlaceControl<ui::TLabel>(child, child, 12, 12, 216, 16, "MDI child window " + std::to_string(number));
  child->Show();
}

}  // namespace

void OpenMdiGallery(ui::TForm* owner) {
  auto* frame = new ui::TForm(owner);
  frame->SetFormStyle(ui::TFormStyle::fsMDIForm);
  frame->SetCaption("MDI window");
  frame->SetClientSize(560, 380);
  frame->SetLeft(owner->Left() + 80);
  frame->SetTop(owner->Top() + 80);
  frame->OnClose = [](ui::TComponent*, ui::TCloseAction& action) { action = ui::TCloseAction::caFree; };

  auto* menu = new ui::TMainMenu(frame);
  ui::TMenuItem* window = AddMenuItem(frame, menu->Items(), "&Window");
  AddMenuItem(frame, window, "&Cascade", [frame](ui::TComponent*) { frame->Cascade(); });
  AddMenuItem(frame, window, "&Tile", [frame](ui::TComponent*) { frame->Tile(); });
  AddMenuItem(frame, window, "&Maximise", [frame](ui::TComponent*) {
    if (ui::TForm* active = frame->ActiveMDIChild()) active->SetWindowState(ui::TWindowState::wsMaximized);
  });
  frame->SetMenu(menu);
  frame->Show();
  for (int number = 1; number <= kMdiChildCount; ++number) AddChild(frame, number);
  frame->Cascade();
}

}  // namespace skinview

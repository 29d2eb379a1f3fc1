#include "tools/skinview/window_kinds.h"

#include "tools/skinview/place_control.h"
#include "ui/controls/button.h"
#include "ui/controls/edit.h"
#include "ui/controls/label.h"
#include "ui/forms/form.h"
#include "ui/forms/message_form.h"
#include "ui/forms/system_dialog.h"

namespace skinview {
void ShowSampleDialog(ui::TForm* owner) {
  ui::TForm dialog(owner);
  dialog.SetBorderStyle(ui::TFormBorderStyle::bsDialog);
  dialog.SetCaption("Dialog");
  dialog.SetClientSize(320, 130);
  dialog.SetLeft(owner->Left() + (owner->Width() - dialog.Width()) / 2);
  dialog.SetTop(owner->Top() + (owner->Height() - dialog.Height()) / 2);
  PlaceControl<ui::TLabel>(&dialog, &dialog, 16, 16, 288, 16, "A dialog frame: caption and close button only.");
  PlaceControl<ui::TEdit>(&dialog, &dialog, 16, 40, 288, 22, "Some text");
  PlaceControl<ui::TButton>(&dialog, &dialog, 136, 88, 80, 26, "OK")->SetModalResult(ui::mrOk);
  PlaceControl<ui::TButton>(&dialog, &dialog, 224, 88, 80, 26, "Cancel")->SetModalResult(ui::mrCancel);
  dialog.ShowModal();
}

void ShowSystemSampleDialog(HWND owner) {
  ui::TSystemDialog dialog("System dialog", 200, 96);
  dialog.AddControl(L"STATIC", "A dialog of the system's own window class.", 100, SS_LEFT, 8, 8, 184, 10);
  dialog.AddControl(L"BUTTON", "Check box", 101, BS_AUTOCHECKBOX | WS_TABSTOP, 8, 24, 80, 12);
  dialog.AddControl(L"EDIT", "Edit", 102, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 8, 42, 184, 14);
  dialog.AddControl(L"BUTTON", "OK", IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, 88, 74, 50, 14);
  dialog.AddControl(L"BUTTON", "Cancel", IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, 142, 74, 50, 14);
  dialog.ShowModal(owner);
}

void ShowSampleMessage() { ui::MessageDlg("A message box of the widget library.", ui::mbOK | ui::mbCancel); }

void OpenToolWindow(ui::TForm* owner) {
  auto* tool = new ui::TForm(owner);
  tool->SetBorderStyle(ui::TFormBorderStyle::bsSizeToolWin);
  tool->SetCaption("Tool window");
  tool->SetClientSize(300, 160);
  tool->SetLeft(owner->Left() + owner->Width() + 12);  // beside the gallery
  tool->SetTop(owner->Top());
  PlaceControl<ui::TButton>(tool, tool, 16, 16, 88, 26, "Button");
  PlaceControl<ui::TEdit>(tool, tool, 16, 56, 268, 22, "Edit");
  tool->OnClose = [](ui::TComponent*, ui::TCloseAction& action) { action = ui::TCloseAction::caFree; };
  tool->Show();
}

}  // namespace skinview

#pragma once
// The library's message box: a dialog-framed form of class "TMessageForm"
// holding one line of text and OK and/or Cancel buttons, shown modally.
// Enter clicks the focused button; Escape answers Cancel (OK when there is
// no Cancel button); closing the form answers Cancel.

#include <string>

#include "ui/forms/form.h"

namespace ui {

class TButton;
class TLabel;

using TMsgDlgButtons = unsigned;
inline constexpr TMsgDlgButtons mbOK = 1, mbCancel = 2;

class TMessageForm : public TForm {
 public:
  // The message in GBK; the caption is the application's title.
  TMessageForm(TComponent* owner, const std::string& message, TMsgDlgButtons buttons);
  std::string ClassName() const override { return "TMessageForm"; }

  // The button that answers `result`, or nullptr when the form has none.
  TButton* ButtonFor(TModalResult result) const;

 private:
  TButton* AddButton(const std::string& caption, TModalResult result);
  void HandleKey(TComponent* sender, WORD& key);

  TLabel* message_;
  TButton* ok_ = nullptr;
  TButton* cancel_ = nullptr;
};

// Shows the message in a modal message form and returns the answer (mrOk or mrCancel).
TModalResult MessageDlg(const std::string& message, TMsgDlgButtons buttons);

}  // namespace ui

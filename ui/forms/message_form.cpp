#include "ui/forms/message_form.h"

#include <algorithm>

#include "ui/controls/button.h"
#include "ui/controls/label.h"
#include "ui/forms/application.h"

namespace ui {
namespace {

constexpr int kMargin = 16;
constexpr int kButtonWidth = 75, kButtonHeight = 25, kButtonGap = 8;

}  // namespace

TMessageForm::TMessageForm(TComponent* owner, const std::string& message, TMsgDlgButtons buttons)
    : TForm(owner), message_(new TLabel(this)) {
  SetBorderStyle(TFormBorderStyle::bsDialog);
  SetCaption(Application().Title());
  message_->SetParent(this);
  message_->SetCaption(message);
  message_->SetLeft(kMargin);
  message_->SetTop(kMargin);
  if (buttons & mbOK || !(buttons & mbCancel)) ok_ = AddButton("OK", mrOk);
  if (buttons & mbCancel) cancel_ = AddButton("Cancel", mrCancel);

  const int count = (ok_ ? 1 : 0) + (cancel_ ? 1 : 0);
  const int buttonsWidth = count * kButtonWidth + (count - 1) * kButtonGap;
  const int width = std::max(message_->Width(), buttonsWidth) + 2 * kMargin;
  const int buttonsTop = message_->Top() + message_->Height() + kMargin;
  int left = (width - buttonsWidth) / 2;
  for (TButton* button : {ok_, cancel_}) {
    if (!button) continue;
    button->SetBounds(left, buttonsTop, kButtonWidth, kButtonHeight);
    left += kButtonWidth + kButtonGap;
  }
  SetClientSize(width, buttonsTop + kButtonHeight + kMargin * 3 / 4);
  SetLeft((GetSystemMetrics(SM_CXSCREEN) - Width()) / 2);
  SetTop((GetSystemMetrics(SM_CYSCREEN) - Height()) / 2);
  OnShow = [this](TComponent*) { (ok_ ? ok_ : cancel_)->SetFocus(); };
}

TButton* TMessageForm::AddButton(const std::string& caption, TModalResult result) {
  auto* button = new TButton(this);
  button->SetParent(this);
  button->SetCaption(caption);
  button->SetModalResult(result);
  button->OnKeyDown = [this](TComponent* sender, WORD& key, TShiftState) { HandleKey(sender, key); };
  return button;
}

void TMessageForm::HandleKey(TComponent* sender, WORD& key) {
  if (key == VK_RETURN) {
    static_cast<TButton*>(sender)->Click();
    key = 0;
  } else if (key == VK_ESCAPE) {
    SetModalResult(cancel_ ? mrCancel : mrOk);
    key = 0;
  }
}

TButton* TMessageForm::ButtonFor(TModalResult result) const {
  return result == mrOk ? ok_ : result == mrCancel ? cancel_ : nullptr;
}

TModalResult MessageDlg(const std::string& message, TMsgDlgButtons buttons) {
  TMessageForm form(nullptr, message, buttons);
  return form.ShowModal();
}

}  // namespace ui

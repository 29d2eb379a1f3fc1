#include "ui/controls/radio_group.h"

#include <algorithm>

#include "ui/controls/radio_button.h"

namespace ui {
namespace {

// The space around the buttons inside the frame.
constexpr int kSideMargin = 8, kBottomMargin = 4;

}  // namespace

TRadioGroup::TRadioGroup(TComponent* owner) : TGroupBox(owner) {}

void TRadioGroup::SetItems(std::vector<std::string> items) {
  for (TRadioButton* button : buttons_) delete button;
  buttons_.clear();
  items_ = std::move(items);
  for (const std::string& item : items_) {
    auto* button = new TRadioButton(this);
    button->SetCaption(item);
    button->SetEnabled(Enabled());
    button->OnClick = [this](TComponent*) { Click(); };
    button->SetParent(this);
    buttons_.push_back(button);
  }
  ArrangeButtons();
}

int TRadioGroup::ItemIndex() const {
  const auto checked = std::ranges::find_if(buttons_, [](const TRadioButton* button) { return button->Checked(); });
  return checked == buttons_.end() ? -1 : static_cast<int>(checked - buttons_.begin());
}

void TRadioGroup::SetItemIndex(int index) {
  if (index >= 0 && index < static_cast<int>(buttons_.size())) {
    buttons_[index]->SetChecked(true);
    return;
  }
  for (TRadioButton* button : buttons_) button->SetChecked(false);
}

void TRadioGroup::SetColumns(int columns) {
  columns_ = std::max(columns, 1);
  ArrangeButtons();
}

void TRadioGroup::BoundsChanged() {
  TGroupBox::BoundsChanged();
  ArrangeButtons();
}

void TRadioGroup::WndProc(TMessage& message) {
  TGroupBox::WndProc(message);
  if (message.Msg == CM_ENABLEDCHANGED)
    for (TRadioButton* button : buttons_) button->SetEnabled(Enabled());
}

void TRadioGroup::ArrangeButtons() {
  if (buttons_.empty()) return;
  const int count = static_cast<int>(buttons_.size());
  const int rows = (count + columns_ - 1) / columns_;
  const int top = CaptionHeight() + 2;
  const int columnWidth = (Width() - 2 * kSideMargin) / columns_;
  const int rowHeight = std::max((Height() - top - kBottomMargin) / rows, 1);
  for (int i = 0; i < count; ++i)
    buttons_[i]->SetBounds(kSideMargin + i / rows * columnWidth, top + i % rows * rowHeight, columnWidth, rowHeight);
}

}  // namespace ui

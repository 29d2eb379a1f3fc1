#pragma once
// A group box of radio buttons, one per item, laid out in columns (filled top
// to bottom) below the caption; ItemIndex is the checked one. The buttons are
// child controls of the group, made again when the items change, and enabled
// as the group is.

#include <string>
#include <vector>

#include "ui/controls/group_box.h"

namespace ui {

class TRadioButton;

class TRadioGroup : public TGroupBox {
 public:
  explicit TRadioGroup(TComponent* owner);
  std::string ClassName() const override { return "TRadioGroup"; }

  const std::vector<std::string>& Items() const { return items_; }
  // Makes the buttons again; none is checked afterwards.
  void SetItems(std::vector<std::string> items);
  // The checked item, or -1.
  int ItemIndex() const;
  // -1 (or an index out of range) unchecks every item.
  void SetItemIndex(int index);
  int Columns() const { return columns_; }
  void SetColumns(int columns);
  TRadioButton* Buttons(int index) const { return buttons_.at(index); }

  // OnClick: after the user checked an item (ItemIndex is already that item).

 protected:
  void BoundsChanged() override;
  void WndProc(TMessage& message) override;

 private:
  void ArrangeButtons();

  std::vector<std::string> items_;
  std::vector<TRadioButton*> buttons_;
  int columns_ = 1;
};

}  // namespace ui

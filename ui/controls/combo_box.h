#pragma once
// A combo box (the system COMBOBOX control): a list of items with an edit
// above it (drop-down or simple style) or only the selected item shown
// (drop-down list). Items and the selected index are kept until the window
// exists; from then on the window holds them.

#include <string>
#include <vector>

#include "ui/controls/win_control.h"

namespace ui {

enum class TComboBoxStyle { csDropDown, csSimple, csDropDownList };

class TComboBox : public TWinControl {
 public:
  explicit TComboBox(TComponent* owner);
  std::string ClassName() const override { return "TComboBox"; }

  // Sets the window style, so it takes effect when the window is made.
  TComboBoxStyle Style() const { return style_; }
  void SetStyle(TComboBoxStyle style) { style_ = style; }

  std::vector<std::string> Items() const;
  void AddItem(const std::string& item);
  void ClearItems();
  // The selected item, -1 for none; setting it does not fire OnChange.
  int ItemIndex() const;
  void SetItemIndex(int index);

  // After the user picked another item or edited the text.
  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  HWND CreateWindowHandle(const TCreateParams& params) override;
  void WndProc(TMessage& message) override;
  void BoundsChanged() override;
  bool ClicksOnMouseUp() const override { return false; }

 private:
  // The window when it has been made; the combo box never makes it to answer.
  HWND MadeWindow() const;
  // The window's height for a closed box of `height`.
  int WindowHeight(int height) const;

  TComboBoxStyle style_ = TComboBoxStyle::csDropDown;
  std::vector<std::string> items_;
  int itemIndex_ = -1;
};

}  // namespace ui

#pragma once
// A tab control (the comctl32 tab control): a row of tabs on one side of a
// page area, one of them selected. The tabs and the selection are kept before
// the window exists and given to it when it is made.

#include <string>
#include <vector>

#include "ui/controls/win_control.h"

namespace ui {

enum class TTabPosition { tpTop, tpBottom, tpLeft, tpRight };

class TTabControl : public TWinControl {
 public:
  explicit TTabControl(TComponent* owner);
  std::string ClassName() const override { return "TTabControl"; }

  // GBK captions, one per tab.
  int TabCount() const { return static_cast<int>(tabs_.size()); }
  const std::string& Tab(int index) const { return tabs_.at(index); }
  void AddTab(const std::string& caption) { InsertTab(TabCount(), caption); }
  void InsertTab(int index, const std::string& caption);
  void DeleteTab(int index);
  void SetTab(int index, const std::string& caption);
  // The selected tab, -1 for none. Setting it fires no OnChange.
  int TabIndex() const;
  void SetTabIndex(int index);
  TTabPosition TabPosition() const { return tabPosition_; }
  // Tabs on the left or right stand in several rows, as the system wants.
  void SetTabPosition(TTabPosition position);
  // The page area inside the tabs and the page border, in client coordinates.
  RECT DisplayRect();

  // After the user selected another tab.
  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  HWND CreateWindowHandle(const TCreateParams& params) override;
  void WndProc(TMessage& message) override;
  // The user's selection took effect (before OnChange fires).
  virtual void Changed() {}

 private:
  static void SendTab(HWND window, int index, const std::string& caption, UINT message);

  std::vector<std::string> tabs_;
  int tabIndex_ = -1;
  TTabPosition tabPosition_ = TTabPosition::tpTop;
};

}  // namespace ui

#pragma once
// A tab set: the row of tabs that hangs below a page, painted by the library
// itself. Tabs run from the start margin, each as wide as its caption plus a
// little; a tab that would cross the end margin is left out, and a narrower
// one after it may still show. The tabs before FirstIndex are scrolled away.

#include <string>
#include <vector>

#include "ui/controls/win_control.h"

namespace ui {

class TTabSet : public TWinControl {
 public:
  // A tab is its caption's width plus this.
  static constexpr int kTabPadding = 9;

  explicit TTabSet(TComponent* owner);
  std::string ClassName() const override { return "TTabSet"; }

  // GBK captions, one per tab.
  int TabCount() const { return static_cast<int>(tabs_.size()); }
  const std::string& Tab(int index) const { return tabs_.at(index); }
  void AddTab(const std::string& caption);
  // The selected tab, -1 for none. Setting it fires no OnChange.
  int TabIndex() const { return tabIndex_; }
  void SetTabIndex(int index);
  int FirstIndex() const { return firstIndex_; }
  void SetFirstIndex(int index);
  int StartMargin() const { return startMargin_; }
  void SetStartMargin(int margin);
  int EndMargin() const { return endMargin_; }
  void SetEndMargin(int margin);

  // Each tab's place in client coordinates, empty for a tab not shown.
  std::vector<RECT> TabRects();
  // The tab at the point, or -1.
  int TabAt(POINT point);

  // After the user selected another tab.
  TNotifyEvent OnChange;

 protected:
  void WndProc(TMessage& message) override;
  void PaintWindow(HDC dc) override;

 private:
  void Changed();

  std::vector<std::string> tabs_;
  int tabIndex_ = -1;
  int firstIndex_ = 0;
  int startMargin_ = 5;
  int endMargin_ = 15;
};

}  // namespace ui

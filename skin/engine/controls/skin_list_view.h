#pragma once
// The skinner of a list view: its scroll bars are skinned as any window's,
// and it finds the list view's header window and gives it a header skinner
// of the same frame skinner, once it has joined that frame skinner's list.

#include "skin/engine/controls/skin_scroll_bar.h"

namespace skin {

class TSkinHeader;

class TSkinListView : public TSkinScrollBar {
 public:
  using TSkinScrollBar::TSkinScrollBar;
  std::string ClassName() const override { return "TSkinListView"; }

  void AttachControl(ui::TControl& control, TSkinData& data, bool recolour, ui::TCanvas& canvas) override;
  void AttachHandle(HWND window, TSkinData& data, ui::TCanvas& canvas) override;

  // The skinner of the list view's header, or nullptr before it is found or
  // when the list view has none.
  TSkinHeader* HeaderSkinner() const { return headerSkinner_; }

 protected:
  void AfterMessage(ui::TMessage& message) override;

 private:
  // Attaches a header skinner to the header window, unless one serves it.
  void SkinHeader();

  TSkinHeader* headerSkinner_ = nullptr;
  bool headerSought_ = false;
};

}  // namespace skin

#pragma once
// A page control: a tab control whose tabs are its pages (tab sheets), the
// selected tab's page shown over the page area.

#include <vector>

#include "ui/controls/tab_control.h"

namespace ui {

class TTabSheet;

class TPageControl : public TTabControl {
 public:
  explicit TPageControl(TComponent* owner);
  ~TPageControl() override;
  std::string ClassName() const override { return "TPageControl"; }

  int PageCount() const { return static_cast<int>(pages_.size()); }
  TTabSheet* Pages(int index) const { return pages_.at(index); }
  // The page of the selected tab, or nullptr.
  TTabSheet* ActivePage() const;
  void SetActivePage(TTabSheet* page);

 protected:
  void BoundsChanged() override;
  HWND CreateWindowHandle(const TCreateParams& params) override;
  void Changed() override;

 private:
  // Called by the sheets.
  void InsertPage(TTabSheet& page);
  void RemovePage(TTabSheet& page);
  void PageCaptionChanged(TTabSheet& page);
  int IndexOf(const TTabSheet& page) const;
  // The active page shown over the page area, the others hidden.
  void ShowActivePage();

  std::vector<TTabSheet*> pages_;

  friend class TTabSheet;
};

}  // namespace ui

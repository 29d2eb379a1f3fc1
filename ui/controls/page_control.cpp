#include "ui/controls/page_control.h"

#include <algorithm>

#include "ui/controls/tab_sheet.h"

namespace ui {

TPageControl::TPageControl(TComponent* owner) : TTabControl(owner) {}

TPageControl::~TPageControl() {
  BeginDestroy();
  for (TTabSheet* page : pages_) page->pageControl_ = nullptr;
}

TTabSheet* TPageControl::ActivePage() const {
  const int index = TabIndex();
  return index >= 0 && index < PageCount() ? pages_[index] : nullptr;
}

void TPageControl::SetActivePage(TTabSheet* page) {
  SetTabIndex(page ? IndexOf(*page) : -1);
  ShowActivePage();
}

void TPageControl::InsertPage(TTabSheet& page) {
  pages_.push_back(&page);
  page.pageControl_ = this;
  page.SetParent(this);
  AddTab(page.Caption());
  ShowActivePage();
}

void TPageControl::RemovePage(TTabSheet& page) {
  const int index = IndexOf(page);
  if (index < 0) return;
  pages_.erase(pages_.begin() + index);
  page.pageControl_ = nullptr;
  if (Destroying()) return;
  DeleteTab(index);
  if (!page.Destroying()) page.SetParent(nullptr);
  ShowActivePage();
}

void TPageControl::PageCaptionChanged(TTabSheet& page) {
  if (const int index = IndexOf(page); index >= 0) SetTab(index, page.Caption());
}

int TPageControl::IndexOf(const TTabSheet& page) const {
  const auto found = std::find(pages_.begin(), pages_.end(), &page);
  return found == pages_.end() ? -1 : static_cast<int>(found - pages_.begin());
}

void TPageControl::ShowActivePage() {
  TTabSheet* const active = ActivePage();
  if (active && HandleAllocated()) {
    const RECT area = DisplayRect();
    active->SetBounds(area.left, area.top, area.right - area.left, area.bottom - area.top);
  }
  for (TTabSheet* page : pages_) page->SetVisible(page == active);
}

void TPageControl::BoundsChanged() {
  TTabControl::BoundsChanged();
  ShowActivePage();
}

HWND TPageControl::CreateWindowHandle(const TCreateParams& params) {
  HWND window = TTabControl::CreateWindowHandle(params);
  // The page area is known once the window and its tabs are.
  if (window) ShowActivePage();
  return window;
}

void TPageControl::Changed() { ShowActivePage(); }

}  // namespace ui

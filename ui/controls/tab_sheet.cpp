#include "ui/controls/tab_sheet.h"

#include "ui/controls/page_control.h"

namespace ui {

TTabSheet::TTabSheet(TComponent* owner) : TWinControl(owner) { SetVisible(false); }

TTabSheet::~TTabSheet() {
  BeginDestroy();
  SetPageControl(nullptr);
}

void TTabSheet::SetPageControl(TPageControl* pageControl) {
  if (pageControl == pageControl_) return;
  if (pageControl_) pageControl_->RemovePage(*this);
  if (pageControl) pageControl->InsertPage(*this);
}

void TTabSheet::WndProc(TMessage& message) {
  TWinControl::WndProc(message);
  if (message.Msg == WM_SETTEXT && pageControl_) pageControl_->PageCaptionChanged(*this);
}

}  // namespace ui

#pragma once
// A scroll bar of its own (the system's scroll-bar control), horizontal or
// vertical. The system only reports what the user did with it; the control
// works out the new position (a step for an arrow, a large step for the
// track, the thumb's place when dragged), lets OnScroll change it, moves the
// thumb there and reports the change.

#include "ui/controls/range_control.h"

namespace ui {

class TScrollBar;

// The scroll code (SB_LINEUP, SB_THUMBTRACK...) and the position it leads
// to, which the handler may change.
using TScrollEvent = std::function<void(TComponent* sender, int code, int& position)>;

class TScrollBar : public TRangeControl {
 public:
  explicit TScrollBar(TComponent* owner);
  std::string ClassName() const override { return "TScrollBar"; }

  // The length of the thumb in positions; 0 for the system's fixed thumb.
  // The last position is then Max - PageSize + 1.
  int PageSize() const { return pageSize_; }
  void SetPageSize(int pageSize);
  // An arrow moves this far, the track a large change.
  int SmallChange() const { return smallChange_; }
  void SetSmallChange(int change) { smallChange_ = change; }
  int LargeChange() const { return largeChange_; }
  void SetLargeChange(int change) { largeChange_ = change; }

  // Before the thumb moves, for every scroll notification; OnChange follows
  // when the position changed.
  TScrollEvent OnScroll;

 protected:
  HWND CreateWindowHandle(const TCreateParams& params) override;
  void WndProc(TMessage& message) override;

 private:
  // Where a scroll code leads from the current position.
  int Target(int code) const;
  void SendPageSize(HWND window) const;

  int pageSize_ = 0;
  int smallChange_ = 1;
  int largeChange_ = 10;
};

}  // namespace ui

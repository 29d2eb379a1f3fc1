#pragma once
// A windowed control showing a position within a range (progress bar, track
// bar, up-down). The range and position are kept before the window exists and
// given to it when it is made; once it exists, the window's own position
// counts, as the user may move it.

#include "ui/controls/win_control.h"

namespace ui {

enum class TOrientation { Horizontal, Vertical };

// The system control a range control builds on, and how it is told its range
// and position.
struct TRangeWindowClass {
  const wchar_t* BaseClassName;
  DWORD CommonControls;  // the ICC_* class to register first
  DWORD Style;           // added to every window of the kind
  DWORD HorizontalStyle;
  DWORD VerticalStyle;
  void (*SendRange)(HWND window, int min, int max);
  void (*SendPosition)(HWND window, int position);
  int (*QueryPosition)(HWND window);
};

class TRangeControl : public TWinControl {
 public:
  TRangeControl(TComponent* owner, const TRangeWindowClass& windowClass);

  int Min() const { return min_; }
  int Max() const { return max_; }
  // A range given upside down is turned round; the position is kept inside it.
  void SetRange(int min, int max);
  void SetMin(int min) { SetRange(min, max_); }
  void SetMax(int max) { SetRange(min_, max); }
  int Position() const;
  void SetPosition(int position);
  TOrientation Orientation() const { return orientation_; }
  void SetOrientation(TOrientation orientation);

  // After the user moved the position (the control's scroll notification).
  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  HWND CreateWindowHandle(const TCreateParams& params) override;
  bool ClicksOnMouseUp() const override { return false; }
  void WndProc(TMessage& message) override;

 private:
  DWORD OrientationStyle(TOrientation orientation) const;

  const TRangeWindowClass& windowClass_;
  int min_ = 0;
  int max_ = 100;
  int position_ = 0;
  TOrientation orientation_ = TOrientation::Horizontal;
};

}  // namespace ui

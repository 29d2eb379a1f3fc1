#pragma once
// The skinner of scroll bars, either the non-client scroll bars of a window
// whose style has WS_HSCROLL or WS_VSCROLL (a memo, a list box, a rich edit,
// a list view), or a scroll-bar control of its own (class "ScrollBar",
// SBS_HORZ or SBS_VERT). Only the painting changes: the system keeps hit
// testing, arrow repeat and thumb tracking, and the window or its owner keeps
// its own scrolling. The skinned bar is drawn over the system's after every
// paint and after every message that changed the bar's range, position or
// enabled arrows; while the system tracks the mouse in its own loop, a timer
// of the window's repaints the bar, so the thumb follows a drag and arrows
// show pressed while held. A skin without the scroll-bar pictures (the arrow
// strip, the track and the thumb of the bar's orientation) leaves the bar as
// the system draws it.

#include <array>

#include "skin/engine/controls/scroll_bar_painter.h"
#include "skin/engine/controls/skin_control.h"
#include "skin/engine/geometry/scroll_bar_layout.h"

namespace skin {

// What the control walk attached the skinner to: a grid or tree list that
// scrolls itself (0), or a control scrolled through the system's scroll bars,
// text controls first (1). Both are painted alike.
enum class TScrollBarMode { ScrollsItself = 0, SystemScrolled = 1 };

class TSkinScrollBar : public TSkinControl {
 public:
  explicit TSkinScrollBar(TScrollBarMode mode = TScrollBarMode::SystemScrolled, ui::TComponent* owner = nullptr);
  ~TSkinScrollBar() override;
  std::string ClassName() const override { return "TSkinScrollBar"; }

  TScrollBarMode Mode() const { return mode_; }
  // Before attaching.
  void SetMode(TScrollBarMode mode) { mode_ = mode; }

  // Both attach paths of the base: a library control (a memo, a scroll bar)
  // or a bare window. The window's class decides between its non-client bars
  // and a scroll-bar control.
  void AttachControl(ui::TControl& control, TSkinData& data, bool recolour, ui::TCanvas& canvas) override;
  void AttachHandle(HWND window, TSkinData& data, ui::TCanvas& canvas) override;
  void Detach() override;

  // Paints the skinned bars now: on `dc` (a window DC for non-client bars, a
  // client DC for a scroll-bar control) or, when nullptr, on the window's own.
  void PaintSkin(HDC dc) override;

  // True when the window is a scroll-bar control rather than a window with
  // bars of its own.
  bool IsBarControl() const { return barControl_; }

 protected:
  bool BeforeMessage(ui::TMessage& message) override;
  void AfterMessage(ui::TMessage& message) override;
  void DrawSkin(HDC dc, const RECT& rect) override;

  // The look of one bar (SB_HORZ, SB_VERT or SB_CTL) as it is now: where its
  // parts lie in window coordinates (client coordinates for a control), and
  // which are hot, pressed or disabled. False when the bar is not shown.
  bool ReadBar(int bar, TScrollBarLayout& layout, TScrollBarLook& look) const;
  // Whether the skinner paints a scroll-bar control whole (WM_PAINT) instead
  // of the system: true when the skin has the pictures the bar needs.
  virtual bool TakesControlPaint() const;
  // Paints the bars on `dc`, or on the window's own DC when nullptr.
  void PaintBars(HDC dc);

 private:
  struct TBarState {
    TScrollBarLayout Layout;
    TScrollBarLook Look;
    bool Shown = false;
    bool operator==(const TBarState&) const = default;
  };
  // The bars the skinner paints: SB_HORZ and SB_VERT, or SB_CTL alone.
  int BarCount() const { return barControl_ ? 1 : 2; }
  int BarAt(int index) const;
  void Prepare(HWND window);
  // Whether a point in screen coordinates hits one of the bars, and where.
  bool HitBar(POINT screen, int& bar, TScrollPart& part) const;
  // ReadBar without the hot and pressed parts.
  bool ReadShape(int bar, TScrollBarLayout& layout, TScrollBarLook& look) const;
  // Paints again when a bar looks different from its last painting.
  void RepaintIfChanged();
  // Follows the system's tracking of a press on a bar (its modal loop runs
  // inside the control's own handling of the press).
  void TrackPress(ui::TMessage& message, int bar, TScrollPart part);
  void SetHot(int bar, TScrollPart part);

  TScrollBarMode mode_;
  bool barControl_ = false;
  int hotBar_ = -1;
  TScrollPart hotPart_ = TScrollPart::None;
  int pressedBar_ = -1;
  TScrollPart pressedPart_ = TScrollPart::None;
  bool trackingLeave_ = false;
  std::array<TBarState, 2> painted_{};
};

}  // namespace skin

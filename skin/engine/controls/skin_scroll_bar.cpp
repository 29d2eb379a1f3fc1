#include "skin/engine/controls/skin_scroll_bar.h"

#include <windowsx.h>

#include "skin/component/skin_data.h"
#include "skin/engine/geometry/ascii_case.h"
#include "skin/engine/win32/window_class_name.h"
#include "ui/controls/control.h"
#include "ui/controls/scroll_bar.h"

namespace skin {
namespace {

// The timer that repaints a bar while the system tracks a press on it, and
// how often: quicker than the system's arrow repeat.
constexpr UINT_PTR kTrackTimer = 0x5C0B;
constexpr UINT kTrackInterval = 20;

// The parts of a bar as the system sizes them: the shortest thumb and what a
// bar too short for whole arrows keeps between them.
constexpr int kMinThumb = 6;
constexpr int kMinTrack = 4;

// SCROLLBARINFO's states: the bar itself, then its top or left arrow, and
// its bottom or right arrow.
constexpr int kBarState = 0, kFirstArrowState = 1, kSecondArrowState = 5;

// The system's own timer message, which steps a held arrow and repaints it.
constexpr UINT kSystemTimer = 0x0118;

constexpr DWORD kSizeBoxStyles = SBS_SIZEBOX | SBS_SIZEGRIP;

TPixelRect PixelRect(const RECT& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

// Messages after which the bars are not looked at: they come while the
// window is made or goes, ask without changing, or paint.
bool LeavesBarsAlone(UINT msg) {
  switch (msg) {
    case WM_NCCREATE:
    case WM_CREATE:
    case WM_NCCALCSIZE:
    case WM_DESTROY:
    case WM_NCDESTROY:
    case WM_PAINT:
    case WM_ERASEBKGND:
    case WM_NCHITTEST:
    case WM_SETCURSOR:
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH:
    case WM_GETMINMAXINFO:
    case WM_WINDOWPOSCHANGING:
    case SBM_GETPOS:
    case SBM_GETRANGE:
    case SBM_GETSCROLLINFO:
    case SBM_GETSCROLLBARINFO:
      return true;
    default:
      return false;
  }
}

}  // namespace

TSkinScrollBar::TSkinScrollBar(TScrollBarMode mode, ui::TComponent* owner) : TSkinControl(owner), mode_(mode) {}

TSkinScrollBar::~TSkinScrollBar() { TSkinScrollBar::Detach(); }

void TSkinScrollBar::AttachControl(ui::TControl& control, TSkinData& data, bool recolour, ui::TCanvas& canvas) {
  if (Attached()) return;
  barControl_ = dynamic_cast<const ui::TScrollBar*>(&control) != nullptr;
  TSkinControl::AttachControl(control, data, recolour, canvas);
  Prepare(WindowHandle());
}

void TSkinScrollBar::AttachHandle(HWND window, TSkinData& data, ui::TCanvas& canvas) {
  barControl_ = AsciiLowered(WindowClassName(window)) == "scrollbar";
  TSkinControl::AttachHandle(window, data, canvas);
  Prepare(window);
}

void TSkinScrollBar::Prepare(HWND window) {
  if (!window) return;
  if (barControl_)
    InvalidateRect(window, nullptr, TRUE);
  else
    SetWindowPos(window, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED | SWP_DRAWFRAME);
}

void TSkinScrollBar::Detach() {
  const HWND window = WindowHandle();
  if (window && Attached()) {
    KillTimer(window, kTrackTimer);
    // The system draws its own bars again.
    if (IsWindowVisible(window))
      RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | (barControl_ ? RDW_ERASE : 0));
  }
  TSkinControl::Detach();
}

int TSkinScrollBar::BarAt(int index) const {
  if (barControl_) return SB_CTL;
  return index == 0 ? SB_HORZ : SB_VERT;
}

bool TSkinScrollBar::ReadShape(int bar, TScrollBarLayout& layout, TScrollBarLook& look) const {
  const HWND window = WindowHandle();
  if (!window || !IsWindowVisible(window)) return false;
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
  SCROLLBARINFO info{};
  info.cbSize = sizeof(info);
  bool vertical = bar == SB_VERT;
  RECT where{};
  if (bar == SB_CTL) {
    // A size box is no bar.
    if (style & kSizeBoxStyles) return false;
    vertical = (style & SBS_VERT) != 0;
    GetClientRect(window, &where);
    if (!GetScrollBarInfo(window, OBJID_CLIENT, &info)) info = SCROLLBARINFO{};
  } else {
    if (!(style & (vertical ? WS_VSCROLL : WS_HSCROLL))) return false;
    if (!GetScrollBarInfo(window, vertical ? OBJID_VSCROLL : OBJID_HSCROLL, &info)) return false;
    if (info.rgstate[kBarState] & (STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN)) return false;
    RECT frame{};
    GetWindowRect(window, &frame);
    where = info.rcScrollBar;
    OffsetRect(&where, -frame.left, -frame.top);
  }
  if (IsRectEmpty(&where)) return false;
  SCROLLINFO range{};
  range.cbSize = sizeof(range);
  range.fMask = SIF_ALL;
  if (!GetScrollInfo(window, bar, &range)) return false;

  look = TScrollBarLook{};
  look.FirstArrowDisabled = (info.rgstate[kFirstArrowState] & STATE_SYSTEM_UNAVAILABLE) != 0;
  look.SecondArrowDisabled = (info.rgstate[kSecondArrowState] & STATE_SYSTEM_UNAVAILABLE) != 0;
  look.Disabled = !IsWindowEnabled(window) || (look.FirstArrowDisabled && look.SecondArrowDisabled);
  // While the system drags the thumb, it is where the drag has it.
  const bool dragging = pressedBar_ == bar && pressedPart_ == TScrollPart::Thumb;
  const TScrollRange scroll{range.nMin, range.nMax, static_cast<int>(range.nPage),
                            dragging ? range.nTrackPos : range.nPos};
  const TScrollBarMetrics metrics{GetSystemMetrics(SM_CXVSCROLL), kMinThumb, kMinTrack};
  layout = LayoutScrollBar(PixelRect(where), vertical, scroll, metrics,
                           !(look.FirstArrowDisabled && look.SecondArrowDisabled));
  return true;
}

bool TSkinScrollBar::ReadBar(int bar, TScrollBarLayout& layout, TScrollBarLook& look) const {
  if (!ReadShape(bar, layout, look)) return false;
  if (look.Disabled) return true;
  if (hotBar_ == bar) look.Hot = hotPart_;
  if (pressedBar_ != bar) return true;
  // The system shows a held arrow or track pressed only while the mouse is
  // over it; the thumb stays pressed for the whole drag.
  int underBar = -1;
  TScrollPart under = TScrollPart::None;
  POINT cursor{};
  GetCursorPos(&cursor);
  if (pressedPart_ == TScrollPart::Thumb ||
      (HitBar(cursor, underBar, under) && underBar == bar && under == pressedPart_))
    look.Pressed = pressedPart_;
  return true;
}

bool TSkinScrollBar::HitBar(POINT screen, int& bar, TScrollPart& part) const {
  const HWND window = WindowHandle();
  RECT frame{};
  if (!window || !GetWindowRect(window, &frame)) return false;
  POINT point{screen.x - frame.left, screen.y - frame.top};
  if (barControl_) {
    point = screen;
    ScreenToClient(window, &point);
  }
  for (int index = 0; index < BarCount(); ++index) {
    TScrollBarLayout layout;
    TScrollBarLook look;
    if (!ReadShape(BarAt(index), layout, look)) continue;
    const TScrollPart found = layout.PartAt(point.x, point.y);
    if (found == TScrollPart::None) continue;
    bar = BarAt(index);
    part = found;
    return true;
  }
  return false;
}

bool TSkinScrollBar::TakesControlPaint() const {
  if (!barControl_ || !SkinData()) return false;
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(WindowHandle(), GWL_STYLE));
  return !(style & kSizeBoxStyles) && CanPaintScrollBar(SkinData()->Skin(), (style & SBS_VERT) != 0);
}

bool TSkinScrollBar::BeforeMessage(ui::TMessage& message) {
  const bool paint = message.Msg == WM_PAINT || message.Msg == WM_ERASEBKGND;
  if (paint && TakesControlPaint() && TakePaintMessages(message)) return false;
  switch (message.Msg) {
    case WM_TIMER:
      if (message.WParam != kTrackTimer) return true;
      PaintBars(nullptr);
      message.Result = 0;
      return false;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      const bool client = message.Msg == WM_LBUTTONDOWN || message.Msg == WM_LBUTTONDBLCLK;
      if (client != barControl_) return true;
      POINT point{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
      if (client) ClientToScreen(WindowHandle(), &point);
      int bar = -1;
      TScrollPart part = TScrollPart::None;
      if (!HitBar(point, bar, part)) return true;
      TrackPress(message, bar, part);
      return false;
    }
    default:
      return true;
  }
}

void TSkinScrollBar::TrackPress(ui::TMessage& message, int bar, TScrollPart part) {
  const HWND window = WindowHandle();
  pressedBar_ = bar;
  pressedPart_ = part;
  PaintBars(nullptr);
  // The system's tracking loop runs inside the control's handling of the
  // press and hands the window its timer messages.
  SetTimer(window, kTrackTimer, kTrackInterval, nullptr);
  CallOldHandler(message);
  KillTimer(window, kTrackTimer);
  pressedBar_ = -1;
  pressedPart_ = TScrollPart::None;
  // The system drew its bar last; the mouse may have left it meanwhile.
  POINT cursor{};
  GetCursorPos(&cursor);
  int hotBar = -1;
  TScrollPart hotPart = TScrollPart::None;
  HitBar(cursor, hotBar, hotPart);
  hotBar_ = hotBar;
  hotPart_ = hotPart;
  PaintBars(nullptr);
}

void TSkinScrollBar::AfterMessage(ui::TMessage& message) {
  switch (message.Msg) {
    case WM_NCPAINT:
      // The system drew its bars.
      if (!barControl_) PaintBars(nullptr);
      return;
    case WM_PAINT:
      // A paint of the control's client leaves non-client bars alone.
      return;
    case WM_HSCROLL:
    case WM_VSCROLL:
    case SBM_SETPOS:
    case SBM_SETRANGE:
    case SBM_SETRANGEREDRAW:
    case SBM_SETSCROLLINFO:
    case SBM_ENABLE_ARROWS:
    case WM_ENABLE:
    case ui::CM_ENABLEDCHANGED:
    case WM_CAPTURECHANGED:
    case kSystemTimer:
      // Changes the system paints the bar for at once, and the end of its
      // tracking, which draws the bar once more.
      PaintBars(nullptr);
      return;
    case WM_MOUSEMOVE:
    case WM_NCMOUSEMOVE: {
      POINT cursor{};
      GetCursorPos(&cursor);
      int bar = -1;
      TScrollPart part = TScrollPart::None;
      // A themed system bar tracks the mouse over it too, and draws at once.
      if (HitBar(cursor, bar, part) || hotBar_ >= 0) SetHot(bar, part);
      break;
    }
    case WM_MOUSELEAVE:
    case WM_NCMOUSELEAVE:
    case ui::CM_MOUSELEAVE:
      trackingLeave_ = false;
      SetHot(-1, TScrollPart::None);
      break;
    case WM_NCDESTROY:
      KillTimer(WindowHandle(), kTrackTimer);
      break;
    default:
      break;
  }
  TSkinControl::AfterMessage(message);
  if (Attached() && WindowHandle() && !LeavesBarsAlone(message.Msg)) RepaintIfChanged();
}

void TSkinScrollBar::SetHot(int bar, TScrollPart part) {
  hotBar_ = bar;
  hotPart_ = part;
  if (bar >= 0 && !trackingLeave_) {
    TRACKMOUSEEVENT track{sizeof(track), static_cast<DWORD>(TME_LEAVE | (barControl_ ? 0 : TME_NONCLIENT)),
                          WindowHandle(), 0};
    trackingLeave_ = TrackMouseEvent(&track) != FALSE;
  }
  PaintBars(nullptr);
}

void TSkinScrollBar::RepaintIfChanged() {
  for (int index = 0; index < BarCount(); ++index) {
    TBarState now;
    now.Shown = ReadBar(BarAt(index), now.Layout, now.Look);
    if (!(now == painted_[index])) return PaintBars(nullptr);
  }
}

void TSkinScrollBar::PaintSkin(HDC dc) { PaintBars(dc); }

void TSkinScrollBar::DrawSkin(HDC dc, const RECT&) { PaintBars(dc); }

void TSkinScrollBar::PaintBars(HDC dc) {
  const HWND window = WindowHandle();
  if (!window || !SkinData()) return;
  const HDC target = dc ? dc : barControl_ ? GetDC(window) : GetWindowDC(window);
  if (!target) return;
  const TSkinSettings& skin = SkinData()->Skin();
  RECT corner{};
  for (int index = 0; index < BarCount(); ++index) {
    TBarState& state = painted_[index];
    state.Shown = ReadBar(BarAt(index), state.Layout, state.Look);
    if (!state.Shown || !CanPaintScrollBar(skin, state.Layout.Vertical)) continue;
    const TPixelRect& bar = state.Layout.Bar;
    PaintScrollBar(target, RECT{bar.Left, bar.Top, bar.Right, bar.Bottom}, state.Layout, state.Look, skin);
    // The box between two bars.
    if (state.Layout.Vertical)
      corner.left = bar.Left, corner.right = bar.Right;
    else
      corner.top = bar.Top, corner.bottom = bar.Bottom;
  }
  if (!barControl_ && painted_[0].Shown && painted_[1].Shown && !IsRectEmpty(&corner)) FillFace(target, corner);
  if (!dc) ReleaseDC(window, target);
}

}  // namespace skin

#include "skin/engine/frame/menu_bar_tracking.h"

#include "skin/engine/frame/win_skin_form.h"
#include "skin/engine/frame/win_skin_menu.h"

namespace skin {
namespace {

constexpr WORD kMenuClosedFlags = 0xFFFF;

// The item last reported selected.
struct TSelection {
  HMENU Parent = nullptr;
  // The item's own popup, when it opens one.
  HMENU Popup = nullptr;
  bool RightToLeft = false;
};

struct TTrackingState {
  TWinSkinMenu* Bar = nullptr;
  HHOOK Hook = nullptr;
  int TrackedIndex = -1;
  bool HasSelection = false;
  TSelection Selection;
  POINT LastCursor{};
  bool FirstMessageSeen = false;
  bool Switching = false;
  int SwitchTo = -1;
};
TTrackingState theTracking;

bool IsKeyMessage(UINT msg) {
  return msg == WM_KEYDOWN || msg == WM_KEYUP || msg == WM_SYSKEYDOWN || msg == WM_SYSKEYUP;
}

// A right-to-left bar, or a selected item that reads right to left.
bool ReadsRightToLeft() {
  return theTracking.Bar->RightToLeft() || (theTracking.HasSelection && theTracking.Selection.RightToLeft);
}

bool ItemReadsRightToLeft(HMENU menu, UINT item, bool byPosition) {
  MENUITEMINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_FTYPE;
  return GetMenuItemInfoW(menu, item, byPosition, &info) && (info.fType & MFT_RIGHTORDER);
}

// The button the message asks to switch to, or nullptr.
TMenuBtn* SwitchRequest(const MSG& msg) {
  TWinSkinMenu& bar = *theTracking.Bar;
  const TSelection& selected = theTracking.Selection;
  const bool selecting = theTracking.HasSelection;
  switch (msg.message) {
    case WM_KEYDOWN:
      switch (msg.wParam) {
        case VK_RETURN:
        case VK_ESCAPE:
          theTracking.Switching = false;
          return nullptr;
        case VK_LEFT: {
          // Only from the bar's own popup: in a submenu the key closes it.
          const HMENU tracked = bar.TrackedMenu();
          if (!selecting || selected.Parent == tracked || selected.Popup == tracked)
            return bar.Neighbour(theTracking.TrackedIndex, -1);
          return nullptr;
        }
        case VK_RIGHT:
          // An item with a submenu opens it instead.
          if (!selecting || !selected.Popup) return bar.Neighbour(theTracking.TrackedIndex, 1);
          return nullptr;
        default:
          return nullptr;
      }
    case WM_MOUSEMOVE:
      if (msg.pt.x == theTracking.LastCursor.x && msg.pt.y == theTracking.LastCursor.y) return nullptr;
      theTracking.LastCursor = msg.pt;
      return bar.PopupButtonAt(msg.pt);
    default:
      return nullptr;
  }
}

LRESULT CALLBACK MessageFilter(int code, WPARAM wParam, LPARAM lParam) {
  auto* msg = reinterpret_cast<MSG*>(lParam);
  if (code == MSGF_MENU && theTracking.Bar && IsKeyMessage(msg->message) && ReadsRightToLeft()) {
    if (msg->wParam == VK_LEFT)
      msg->wParam = VK_RIGHT;
    else if (msg->wParam == VK_RIGHT)
      msg->wParam = VK_LEFT;
  }
  const LRESULT next = CallNextHookEx(theTracking.Hook, code, wParam, lParam);
  if (next != 0 || code != MSGF_MENU || !theTracking.Bar) return next;
  if (!theTracking.FirstMessageSeen) {
    theTracking.FirstMessageSeen = true;
    // The popup opens with its first item selected, as a menu opened from its bar.
    PostMessageW(msg->hwnd, WM_KEYDOWN, VK_DOWN, 0);
  }
  if (msg->message == WM_SYSKEYDOWN && msg->wParam == VK_MENU) {
    theTracking.Bar->EndMenuTracking();
    return 0;
  }
  // A press on the open popup's own title closes it, and goes no further:
  // reaching the bar it would open the popup again.
  if (msg->message == WM_LBUTTONDOWN || msg->message == WM_NCLBUTTONDOWN) {
    const TMenuBtn* pressed = theTracking.Bar->PopupButtonAt(msg->pt);
    if (pressed && pressed->Index == theTracking.TrackedIndex) {
      EndMenu();
      return 1;
    }
  }
  const TMenuBtn* target = SwitchRequest(*msg);
  if (!target || target->Index == theTracking.TrackedIndex) return 0;
  // The open popup closes; the bar then opens the other one.
  theTracking.Switching = true;
  theTracking.SwitchTo = target->Index;
  EndMenu();
  return 1;
}

}  // namespace

TMenuBarTracking::TMenuBarTracking(TWinSkinMenu& bar, int index) {
  theTracking.Bar = &bar;
  theTracking.TrackedIndex = index;
  theTracking.HasSelection = false;
  theTracking.Switching = false;
  theTracking.SwitchTo = -1;
  theTracking.FirstMessageSeen = false;
  GetCursorPos(&theTracking.LastCursor);
  if (!theTracking.Hook)
    theTracking.Hook = SetWindowsHookExW(WH_MSGFILTER, MessageFilter, nullptr, GetCurrentThreadId());
}

TMenuBarTracking::~TMenuBarTracking() {
  if (theTracking.Hook) UnhookWindowsHookEx(theTracking.Hook);
  theTracking = TTrackingState{};
}

int TMenuBarTracking::SwitchTarget() const { return theTracking.SwitchTo; }

void TMenuBarTracking::MenuSelect(const TWinSkinMenu& bar, WPARAM wParam, LPARAM lParam) {
  if (theTracking.Bar != &bar) return;
  const WORD flags = HIWORD(wParam);
  const auto menu = reinterpret_cast<HMENU>(lParam);
  if (flags == kMenuClosedFlags && !menu) {
    if (!theTracking.Switching) theTracking.Bar->EndMenuTracking();
    return;
  }
  theTracking.Switching = false;
  const bool opensPopup = (flags & MF_POPUP) != 0;
  const UINT item = LOWORD(wParam);
  theTracking.HasSelection = menu != nullptr;
  theTracking.Selection = TSelection{menu, opensPopup ? GetSubMenu(menu, static_cast<int>(item)) : nullptr,
                                     ItemReadsRightToLeft(menu, item, opensPopup)};
}

void TMenuBarTracking::Forget(const TWinSkinMenu& bar) {
  if (theTracking.Bar != &bar) return;
  theTracking.Bar = nullptr;
  EndMenu();
}

}  // namespace skin

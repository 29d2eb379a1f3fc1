#pragma once
// Messages as they travel through a control's handler chain, and the
// library's own control notifications.
//
// Every control has a handler (`WindowProc`): a function that receives each
// message for the control. Windowed controls get their Win32 messages through
// it; graphic controls get mouse and paint messages from their parent through
// it; `Perform` delivers the notifications below through it. Another object
// may save the handler, install its own and pass messages on to the saved one.

#include <windows.h>

#include <functional>

namespace ui {

struct TMessage {
  UINT Msg;
  WPARAM WParam;
  LPARAM LParam;
  LRESULT Result = 0;
};

using TWndMethod = std::function<void(TMessage&)>;

// Control notifications. Graphic controls receive WM_PAINT with the device
// context in WParam, already moved to the control's origin and clipped to it.
// WM_SETTEXT carries a wide string in LParam for every control.
inline constexpr UINT CM_BASE = 0xB000;
inline constexpr UINT CM_DIALOGCHAR = CM_BASE + 6;       // to the form: Alt+character, WParam the character
inline constexpr UINT CM_VISIBLECHANGED = CM_BASE + 11;  // WParam the new state
inline constexpr UINT CM_ENABLEDCHANGED = CM_BASE + 12;
inline constexpr UINT CM_COLORCHANGED = CM_BASE + 13;
inline constexpr UINT CM_FONTCHANGED = CM_BASE + 14;
inline constexpr UINT CM_TEXTCHANGED = CM_BASE + 18;
inline constexpr UINT CM_MOUSEENTER = CM_BASE + 19;
inline constexpr UINT CM_MOUSELEAVE = CM_BASE + 20;
inline constexpr UINT CM_MENUCHANGED = CM_BASE + 21;  // to the form when one of its menus changed
inline constexpr UINT CM_RELEASE = CM_BASE + 33;      // a graphic control is about to be destroyed
inline constexpr UINT CM_MODALRESULT = CM_BASE + 34;  // to the form: a clicked button's modal result in WParam

// Notifications a parent window passes back to the child control they concern.
inline constexpr UINT CN_BASE = 0xBC00;
inline constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;
inline constexpr UINT CN_DRAWITEM = CN_BASE + WM_DRAWITEM;
inline constexpr UINT CN_CTLCOLOREDIT = CN_BASE + WM_CTLCOLOREDIT;
inline constexpr UINT CN_CTLCOLORSTATIC = CN_BASE + WM_CTLCOLORSTATIC;
inline constexpr UINT CN_CTLCOLORBTN = CN_BASE + WM_CTLCOLORBTN;
inline constexpr UINT CN_NOTIFY = CN_BASE + WM_NOTIFY;
inline constexpr UINT CN_HSCROLL = CN_BASE + WM_HSCROLL;
inline constexpr UINT CN_VSCROLL = CN_BASE + WM_VSCROLL;

}  // namespace ui

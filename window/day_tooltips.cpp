#include "window/day_tooltips.h"

#include <commctrl.h>

#include "text/gbk.h"
#include "ui/base/system_library.h"

namespace DateWin {
namespace {

constexpr int kMaxTipWidth = 400;  // wide enough for a line of festivals; lines break at "\r\n"

// comctl32 is loaded with the first tooltip, not with every start.
bool TooltipClassRegistered() {
  static const bool registered = [] {
    const auto initialise =
        ui::SystemLibraryFunction<decltype(&InitCommonControlsEx)>(L"comctl32.dll", "InitCommonControlsEx");
    INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_BAR_CLASSES};
    return initialise && initialise(&classes);
  }();
  return registered;
}

TTTOOLINFOW Tool(HWND owner, int cell) {
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof(tool);
  tool.uFlags = 0;
  tool.hwnd = owner;
  tool.uId = static_cast<UINT_PTR>(cell);
  return tool;
}

}  // namespace

TDayTooltips::TDayTooltips(HWND owner) : owner_(owner) {
  if (!TooltipClassRegistered()) return;
  tooltip_ =
      CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT,
                      CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, GetModuleHandleW(nullptr), nullptr);
  SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, kMaxTipWidth);
}

TDayTooltips::~TDayTooltips() {
  if (tooltip_) DestroyWindow(tooltip_);
}

void TDayTooltips::SetCell(int cell, const RECT& area, const std::string& text) {
  if (!tooltip_) return;
  std::wstring wide = text::GbkToWide(text);
  TTTOOLINFOW tool = Tool(owner_, cell);
  tool.rect = area;
  tool.lpszText = wide.data();
  SendMessageW(tooltip_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  if (!wide.empty()) SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void TDayTooltips::MouseMovedTo(POINT inOwner) {
  if (!tooltip_) return;
  MSG move{owner_, WM_MOUSEMOVE, 0, MAKELPARAM(inOwner.x, inOwner.y), static_cast<DWORD>(GetMessageTime()), {}};
  ClientToScreen(owner_, &inOwner);
  move.pt = inOwner;
  SendMessageW(tooltip_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&move));
}

}  // namespace DateWin

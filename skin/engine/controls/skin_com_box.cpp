#include "skin/engine/controls/skin_com_box.h"

#include <commctrl.h>

#include <algorithm>

#include "skin/component/skin_data.h"
#include "skin/engine/gdi/gdi_handle.h"
#include "skin/engine/gdi/skin_drawing.h"
#include "skin/engine/geometry/ascii_case.h"
#include "skin/engine/win32/window_class_name.h"
#include "ui/controls/combo_box.h"
#include "ui/graphics/colour.h"

namespace skin {
namespace {

// The combo button's style that asks for the plain drawing.
constexpr int kPlainButtonStyle = 1;
// The width of the sunken edge left and right of the text area.
constexpr int kEdge = 2;

// Draws frame `state` of the combo button. The mirrored picture is the whole
// strip turned round, so its frames run from the last to the first.
void DrawButton(HDC dc, const RECT& area, const TDataSkinBorder& button, bool onLeft, bool transparent, int state) {
  if (onLeft && !button.Bitmap2.Empty()) {
    const int frames = std::max(1, button.FrameCount);
    DrawFrameCell(dc, area, button.Bitmap2, transparent, frames, frames + 1 - state);
    return;
  }
  DrawFrameCell(dc, area, button.Bitmap, transparent, button.FrameCount, state);
}

// Whether the control's drop-down button stands at its left: asked of the
// control, as Wine keeps a combo box's button at the right whatever
// WS_EX_LEFTSCROLLBAR says; a control that cannot tell goes by the style.
bool ButtonOnLeft(HWND window, DWORD exStyle) {
  COMBOBOXINFO info{};
  info.cbSize = sizeof(info);
  RECT client{};
  if (GetComboBoxInfo(window, &info) && !IsRectEmpty(&info.rcButton) && GetClientRect(window, &client))
    return info.rcButton.left + info.rcButton.right < client.right;
  return (exStyle & WS_EX_LEFTSCROLLBAR) != 0;
}

}  // namespace

void TSkinComBox::AttachControl(ui::TControl& control, TSkinData& data, bool recolour, ui::TCanvas& canvas) {
  TSkinControl::AttachControl(control, data, recolour, canvas);
  WatchEdit();
}

void TSkinComBox::AttachHandle(HWND window, TSkinData& data, ui::TCanvas& canvas) {
  TSkinControl::AttachHandle(window, data, canvas);
  WatchEdit();
}

void TSkinComBox::WatchEdit() {
  COMBOBOXINFO info{};
  info.cbSize = sizeof(info);
  const HWND window = WindowHandle();
  if (!window || !GetComboBoxInfo(window, &info) || !info.hwndItem || info.hwndItem == window) return;
  const HWND edit = info.hwndItem;
  editSubclass_.Attach(edit, [this, window, edit](UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_MOUSEMOVE && !HasMouseBit(kMouseOver)) {
      TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, edit, 0};
      TrackMouseEvent(&track);
      SetMouseOver(true);
    } else if (msg == WM_MOUSELEAVE) {
      POINT cursor{};
      RECT bounds{};
      if (!GetCursorPos(&cursor) || !GetWindowRect(window, &bounds) || !PtInRect(&bounds, cursor)) SetMouseOver(false);
    }
    return editSubclass_.CallOld(msg, wParam, lParam);
  });
}

void TSkinComBox::AfterMessage(ui::TMessage& message) {
  if (IsMouseLeave(message)) return SetMouseOver(false);
  switch (message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      SetMouseBit(kMousePressed, true);
      PaintSkin(nullptr);
      return;
    case WM_LBUTTONUP:
      SetMouseBit(kMousePressed, false);
      PaintSkin(nullptr);
      return;
    case ui::CM_MOUSEENTER:
      SetMouseOver(true);
      return;
    case WM_MOUSEMOVE:
      // A library control's mouse-over comes with CM_MOUSEENTER.
      if (!Control() && WindowEnabled() && MouseMovedOver()) PaintSkin(nullptr);
      return;
    case WM_COMMAND:
      // The edit of a drop-down combo box takes the focus in its place.
      if (HIWORD(message.WParam) == EN_SETFOCUS || HIWORD(message.WParam) == EN_KILLFOCUS) PaintSkin(nullptr);
      return;
    case ui::CN_COMMAND:
      if (HIWORD(message.WParam) == CBN_DROPDOWN || HIWORD(message.WParam) == CBN_CLOSEUP) PaintSkin(nullptr);
      return;
  }
  TSkinControl::AfterMessage(message);
}

bool TSkinComBox::WindowEnabled() const { return (GetWindowLongPtrW(WindowHandle(), GWL_STYLE) & WS_DISABLED) == 0; }

void TSkinComBox::SetMouseOver(bool over) {
  if (!WindowEnabled()) return;
  SetMouseBit(kMouseOver, over);
  PaintSkin(nullptr);
}

bool TSkinComBox::IsDropped() const {
  const HWND window = WindowHandle();
  if (AsciiLowered(WindowClassName(window)) == "sysdatetimepick32") {
    // Some pickers keep their calendar window while it is closed, hidden.
    const auto calendar = reinterpret_cast<HWND>(SendMessageW(window, DTM_GETMONTHCAL, 0, 0));
    return calendar && IsWindowVisible(calendar);
  }
  return SendMessageW(window, CB_GETDROPPEDSTATE, 0, 0) != 0;
}

bool TSkinComBox::IsSimpleComboBox(DWORD style) const {
  const bool comboBox = dynamic_cast<const ui::TComboBox*>(Control()) != nullptr ||
                        AsciiLowered(WindowClassName(WindowHandle())) == "combobox";
  return comboBox && (style & (CBS_SIMPLE | CBS_DROPDOWN | CBS_DROPDOWNLIST)) == CBS_SIMPLE;
}

TSkinComBox::TState TSkinComBox::State(bool enabled) const {
  const HWND window = WindowHandle();
  const HWND focus = GetFocus();
  const bool focused = focus && (focus == window || IsChild(window, focus));
  // A press the dropped list took over ends with the list.
  const bool pressed = IsDropped() || (HasMouseBit(kMousePressed) && GetKeyState(VK_LBUTTON) < 0);
  if (pressed) return kPressed;
  if (focused || HasMouseBit(kMouseOver)) return kHot;
  return enabled ? kNormal : kDisabled;
}

void TSkinComBox::DrawSkin(HDC dc, const RECT& rect) {
  const TSkinSettings& skin = SkinData()->Skin();
  if (!skin.ComboButton || skin.ComboButton->Bitmap.Empty()) return;
  const HWND window = WindowHandle();
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
  const auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE));
  if (IsSimpleComboBox(style)) return;
  const TState state = State((style & WS_DISABLED) == 0);
  const bool onLeft = ButtonOnLeft(window, exStyle);
  if (skin.ComboButton->Style == kPlainButtonStyle) return DrawPlain(dc, rect, state, onLeft);
  if (!skin.SunkEdge || skin.SunkEdge->Bitmap.Empty()) return;

  const int w = GetSystemMetrics(SM_CXHSCROLL);
  const int x = rect.left, y = rect.top, width = rect.right - rect.left, height = rect.bottom - rect.top;
  const RECT text = onLeft ? RECT{x + w + 4, y + kEdge, x + width - kEdge, y + height - kEdge}
                           : RECT{x + kEdge, y + kEdge, x + width - w - 4, y + height - kEdge};
  const RECT button =
      onLeft ? RECT{x, y, x + w + kEdge, y + height} : RECT{x + width - w - kEdge, y, x + width, y + height};
  const RECT glyph = onLeft ? RECT{x + kEdge, y, x + w + kEdge, y + height}
                            : RECT{x + width - w - kEdge, y, x + width - kEdge, y + height};

  const int saved = SaveDC(dc);
  ExcludeClipRect(dc, text.left, text.top, text.right, text.bottom);
  const TDataSkinObject& edge = *skin.SunkEdge;
  DrawNineSlice(dc, rect, edge.Bitmap, false, edge.Tile != 0, edge.Trans == 1, edge.FrameCount, state,
                ElementMargins(edge));
  DrawButton(dc, button, *skin.ComboButton, onLeft, true, state);
  if (skin.ExtraImages && !skin.ExtraImages->Bitmap.Empty()) {
    const TSkinBitmap& arrows = skin.ExtraImages->Bitmap;
    const int cellWidth = arrows.Width() / std::max(1, skin.ExtraImages->FrameCount), cellHeight = arrows.Height();
    const int left = glyph.left + (glyph.right - glyph.left - cellWidth) / 2;
    const int top = glyph.top + (glyph.bottom - glyph.top - cellHeight) / 2;
    DrawFrameCell(dc, RECT{left, top, left + cellWidth, top + cellHeight}, arrows, true, skin.ExtraImages->FrameCount,
                  state);
  }
  RestoreDC(dc, saved);
}

void TSkinComBox::DrawPlain(HDC dc, const RECT& rect, TState state, bool buttonOnLeft) const {
  const auto brush = static_cast<HBRUSH>(GetCurrentObject(dc, OBJ_BRUSH));
  RECT inner = rect;
  InflateRect(&inner, -1, -1);
  FrameRect(dc, &inner, brush);
  InflateRect(&inner, -1, -1);
  const int thumb = GetSystemMetrics(SM_CYVTHUMB);
  RECT button = inner;
  if (buttonOnLeft)
    button.right = inner.left + thumb;
  else
    button.left = inner.right - thumb;
  FillRect(dc, &button, brush);
  const TDataSkinBorder& picture = *SkinData()->Skin().ComboButton;
  DrawButton(dc, button, picture, buttonOnLeft, false, state);
  const TBrushHandle shadow(CreateSolidBrush(ui::ColourToRgb(SkinData()->Skin().ButtonShadowColour)));
  FrameRect(dc, &rect, shadow.get());
}

}  // namespace skin

#include "skin/engine/controls/skin_up_down.h"

#include <commctrl.h>

#include "skin/component/skin_data.h"
#include "skin/engine/gdi/gdi_handle.h"
#include "skin/engine/gdi/skin_drawing.h"
#include "ui/graphics/bitmap.h"
#include "ui/graphics/colour.h"

namespace skin {
namespace {

// Rows (or columns) of the plain arrow, its point first.
constexpr int kArrowRows = 4;

void FillColour(HDC dc, const RECT& rect, TColour colour) {
  const TBrushHandle brush(CreateSolidBrush(ui::ColourToRgb(colour)));
  FillRect(dc, &rect, brush.get());
}

void FrameColour(HDC dc, const RECT& rect, TColour colour) {
  const TBrushHandle brush(CreateSolidBrush(ui::ColourToRgb(colour)));
  FrameRect(dc, &rect, brush.get());
}

}  // namespace

bool TSkinUpDown::BeforeMessage(ui::TMessage& message) {
  if (TakePaintMessages(message)) return false;
  switch (message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      CallOldHandler(message);
      SetMouseBit(kMousePressed, true);
      RepaintNow();
      return false;
    case WM_LBUTTONUP:
      SetMouseBit(kMousePressed, false);
      CallOldHandler(message);
      RepaintNow();
      return false;
    default:
      return true;
  }
}

void TSkinUpDown::AfterMessage(ui::TMessage& message) {
  if (IsMouseLeave(message)) {
    // A press lasts until the button comes up or the capture goes.
    SetMouseBit(kMouseOver, false);
    hotHalf_ = 0;
    RepaintNow();
    return;
  }
  switch (message.Msg) {
    case WM_MOUSEMOVE: {
      MouseMovedOver();
      // Only a move onto the other half changes the look.
      const int half = HalfUnderCursor();
      if (half != hotHalf_) {
        hotHalf_ = half;
        RepaintNow();
      }
      break;
    }
    case WM_CAPTURECHANGED:
      // The press ends with the capture, whoever took it.
      if (HasMouseBit(kMousePressed)) {
        SetMouseBit(kMousePressed, false);
        RepaintNow();
      }
      break;
    default:
      TSkinControl::AfterMessage(message);
  }
}

void TSkinUpDown::Halves(RECT& first, RECT& second, bool& horizontal) const {
  const HWND window = WindowHandle();
  RECT area{};
  GetClientRect(window, &area);
  if (inEdit_) InflateRect(&area, -1, -1);
  horizontal = horizontalArrows_ || (GetWindowLongPtrW(window, GWL_STYLE) & UDS_HORZ) != 0;
  first = second = area;
  if (horizontal)
    first.right = second.left = area.left + (area.right - area.left) / 2;
  else
    first.bottom = second.top = area.top + (area.bottom - area.top) / 2;
}

int TSkinUpDown::HalfUnderCursor() const {
  RECT first, second;
  bool horizontal;
  Halves(first, second, horizontal);
  POINT cursor{};
  GetCursorPos(&cursor);
  ScreenToClient(WindowHandle(), &cursor);
  if (PtInRect(&first, cursor)) return 1;
  return PtInRect(&second, cursor) ? 2 : 0;
}

void TSkinUpDown::DrawSkin(HDC dc, const RECT&) {
  RECT client{};
  GetClientRect(WindowHandle(), &client);
  ui::TBitmap buffer;
  buffer.SetSize(client.right, client.bottom);
  const HDC canvas = buffer.Canvas().Handle();
  if (!canvas) return;
  FillFace(canvas, client);
  RECT halves[2];
  bool horizontal;
  Halves(halves[0], halves[1], horizontal);
  const bool enabled = (GetWindowLongPtrW(WindowHandle(), GWL_STYLE) & WS_DISABLED) == 0;
  const int under = HalfUnderCursor();
  for (int direction = 0; direction < 2; ++direction) {
    TState state = kNormal;
    if (!enabled)
      state = kDisabled;
    else if (under == direction + 1)
      state = HasMouseBit(kMousePressed) ? kPressed : HasMouseBit(kMouseOver) ? kHot : kNormal;
    DrawHalf(canvas, halves[direction], state, horizontal, direction);
  }
  BitBlt(dc, 0, 0, client.right, client.bottom, canvas, 0, 0, SRCCOPY);
}

void TSkinUpDown::DrawHalf(HDC dc, const RECT& half, TState state, bool horizontal, int direction) const {
  const TSkinSettings& skin = SkinData()->Skin();
  const std::optional<TDataSkinBorder>& element = horizontal ? skin.UpDownHorz : skin.UpDownVert;
  if (!element || element->Bitmap.Empty()) return DrawPlainHalf(dc, half, state, horizontal, direction);
  const int frame = state + 4 * direction;
  DrawFrameCell(dc, half, element->Bitmap, true, element->FrameCount, frame);
  const TSkinBitmap& arrows = element->Bitmap2;
  if (arrows.Empty()) return;
  const int width = arrows.Width() / element->FrameCount, height = arrows.Height();
  const int left = half.left + (half.right - half.left - width) / 2;
  const int top = half.top + (half.bottom - half.top - height) / 2;
  DrawFrameCell(dc, RECT{left, top, left + width, top + height}, arrows, true, element->FrameCount, frame);
}

void TSkinUpDown::DrawPlainHalf(HDC dc, const RECT& half, TState state, bool horizontal, int direction) const {
  const TSkinSettings& skin = SkinData()->Skin();
  const bool sunk = state == kPressed || state == kHot;
  FillColour(dc, half, sunk ? skin.ButtonShadowColour : skin.ButtonFaceColour);
  FrameColour(dc, half, skin.ButtonDkShadowColour);
  // The arrow's rows run from its point outwards, centred on the half; up
  // and down arrows start 2 pixels above the middle.
  const int x = half.left + (half.right - half.left) / 2;
  const int y = half.top + (half.bottom - half.top) / 2;
  const TPenHandle pen(CreatePen(
      PS_SOLID, 1, ui::ColourToRgb(state == kDisabled ? skin.ButtonShadowColour : skin.ButtonDkShadowColour)));
  const HGDIOBJ old = SelectObject(dc, pen.get());
  for (int row = 0; row < kArrowRows; ++row) {
    const int spread = direction == 0 ? row : kArrowRows - 1 - row;
    if (horizontal) {
      MoveToEx(dc, x - 2 + row, y - spread, nullptr);
      LineTo(dc, x - 2 + row, y + spread + 1);
    } else {
      MoveToEx(dc, x - spread, y - 2 + row, nullptr);
      LineTo(dc, x + spread + 1, y - 2 + row);
    }
  }
  SelectObject(dc, old);
}

}  // namespace skin

#include "skin/engine/controls/skin_header.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

#include "skin/component/skin_data.h"
#include "skin/engine/gdi/icon_caption.h"
#include "skin/engine/gdi/skin_drawing.h"
#include "text/gbk.h"
#include "ui/graphics/bitmap.h"
#include "ui/graphics/colour.h"

namespace skin {
namespace {

// The longest item caption read.
constexpr int kMaxItemText = 200;

TCaptionAlignment AlignmentOf(int format) {
  switch (format & HDF_JUSTIFYMASK) {
    case HDF_RIGHT:
      return TCaptionAlignment::Right;
    case HDF_CENTER:
      return TCaptionAlignment::Centre;
    default:
      return TCaptionAlignment::Left;
  }
}

void DrawCell(HDC dc, const RECT& rect, const TDataSkinObject& picture, int frame) {
  const TSliceMargins margins = ElementMargins(picture);
  DrawNineSlice(dc, rect, picture.Bitmap, false, picture.Tile != 0, picture.Trans != 0, picture.FrameCount, frame,
                margins);
}

}  // namespace

const TDataSkinObject* TSkinHeader::Picture() const {
  if (!SkinData()) return nullptr;
  const std::optional<TDataSkinObject>& header = SkinData()->Skin().Headerbar;
  return header && !header->Bitmap.Empty() ? &*header : nullptr;
}

bool TSkinHeader::BeforeMessage(ui::TMessage& message) {
  if (!Picture()) return true;
  if (TakePaintMessages(message)) return false;
  switch (message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      const int item = ItemAt(POINT{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)});
      CallOldHandler(message);
      // Only items that act as buttons look pressed.
      if (item >= 0 && (GetWindowLongPtrW(WindowHandle(), GWL_STYLE) & HDS_BUTTONS) != 0) {
        pressedItem_ = hotItem_ = item;
        RepaintNow();
      }
      return false;
    }
    case WM_LBUTTONUP:
      // Let go before the click's notice, whose handler may repaint.
      if (pressedItem_ >= 0) {
        pressedItem_ = -1;
        RepaintNow();
      }
      return true;
    default:
      return true;
  }
}

void TSkinHeader::AfterMessage(ui::TMessage& message) {
  if (IsMouseLeave(message)) {
    MouseLeft();
    SetHotItem(-1);
    return;
  }
  switch (message.Msg) {
    case WM_MOUSEMOVE:
      if (MouseMovedOver()) BecomeHot(false);
      SetHotItem(ItemAt(POINT{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)}));
      break;
    case WM_CAPTURECHANGED:
      // The press ends with the capture, whoever took it.
      if (pressedItem_ >= 0) {
        pressedItem_ = -1;
        RepaintNow();
      }
      break;
    default:
      TSkinControl::AfterMessage(message);
  }
}

void TSkinHeader::SetHotItem(int item) {
  if (item == hotItem_) return;
  hotItem_ = item;
  if (Picture()) RepaintNow();
}

int TSkinHeader::ItemAt(POINT point) const {
  HDHITTESTINFO hit{};
  hit.pt = point;
  const auto item = static_cast<int>(SendMessageW(WindowHandle(), HDM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
  return (hit.flags & HHT_ONHEADER) != 0 && (hit.flags & (HHT_ONDIVIDER | HHT_ONDIVOPEN)) == 0 ? item : -1;
}

void TSkinHeader::DrawSkin(HDC dc, const RECT& rect) {
  const TDataSkinObject* picture = Picture();
  if (!picture || rect.right <= rect.left || rect.bottom <= rect.top) return;
  const HWND window = WindowHandle();
  ui::TBitmap buffer;
  buffer.SetSize(rect.right - rect.left, rect.bottom - rect.top);
  const HDC canvas = buffer.Canvas().Handle();
  if (!canvas) return;
  auto font = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
  if (!font) font = static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
  const HGDIOBJ oldFont = SelectObject(canvas, font);
  SetBkMode(canvas, TRANSPARENT);
  const RECT area{0, 0, rect.right - rect.left, rect.bottom - rect.top};
  FillFace(canvas, area);
  const auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(window, HDM_GETIMAGELIST, 0, 0));
  const int count = static_cast<int>(SendMessageW(window, HDM_GETITEMCOUNT, 0, 0));
  const bool enabled = IsWindowEnabled(window) != FALSE;
  LONG itemsEnd = area.left;
  for (int i = 0; i < count; ++i) {
    RECT item{};
    if (!SendMessageW(window, HDM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&item))) continue;
    DrawItem(canvas, *picture, i, item, images, enabled);
    itemsEnd = std::max(itemsEnd, item.right);
  }
  if (itemsEnd < area.right) DrawCell(canvas, RECT{itemsEnd, area.top, area.right, area.bottom}, *picture, kNormal);
  SelectObject(canvas, oldFont);
  BitBlt(dc, rect.left, rect.top, area.right, area.bottom, canvas, 0, 0, SRCCOPY);
}

TSkinHeader::TState TSkinHeader::StateOf(int index, int format, bool enabled) const {
  if (!enabled) return kDisabled;
  if (index == pressedItem_ && index == hotItem_) return kPressed;
  if (index == hotItem_ && pressedItem_ < 0) return kHot;
  return (format & (HDF_SORTUP | HDF_SORTDOWN)) != 0 ? kSorted : kNormal;
}

void TSkinHeader::DrawItem(HDC dc, const TDataSkinObject& picture, int index, const RECT& rect, HIMAGELIST images,
                           bool enabled) const {
  wchar_t text[kMaxItemText + 1] = {};
  HDITEMW item{};
  item.mask = HDI_TEXT | HDI_FORMAT | HDI_IMAGE;
  item.pszText = text;
  item.cchTextMax = kMaxItemText + 1;
  if (!SendMessageW(WindowHandle(), HDM_GETITEMW, index, reinterpret_cast<LPARAM>(&item))) text[0] = L'\0';
  const TState state = StateOf(index, item.fmt, enabled);
  DrawCell(dc, rect, picture, state);
  if (text[0] == L'\0') return;
  TColour colour = picture.NormalColour2;
  if (state == kPressed) colour = picture.PressedColour2;
  if (state == kHot) colour = picture.MouseOverColour2;
  SetTextColor(dc, ui::ColourToRgb(colour));
  // An owner-drawn item keeps its image index too.
  const bool hasImage = (item.fmt & (HDF_IMAGE | HDF_OWNERDRAW)) != 0;
  // A right-aligned caption keeps clear of the divider the picture's right edge draws.
  const TCaptionAlignment alignment = AlignmentOf(item.fmt);
  RECT captionArea = rect;
  if (alignment == TCaptionAlignment::Right) captionArea.right -= picture.RightWidth;
  DrawIconCaption(dc, captionArea, alignment, text::WideToGbk(text), hasImage ? item.iImage : kNoImage, images,
                  enabled);
}

}  // namespace skin

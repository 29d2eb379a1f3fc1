#include "skin/engine/controls/skin_edit.h"

#include <memory>
#include <string_view>

#include "skin/component/skin_data.h"
#include "skin/engine/controls/control_skinners.h"
#include "skin/engine/controls/skin_up_down.h"
#include "skin/engine/gdi/gdi_handle.h"
#include "skin/engine/win32/window_class_name.h"
#include "ui/graphics/colour.h"

namespace skin {
namespace {

bool IsUpDownClass(std::string_view name) { return name == "msctls_updown32" || name == "TSpinButton"; }

RECT WindowRectAtOrigin(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  OffsetRect(&rect, -rect.left, -rect.top);
  return rect;
}

}  // namespace

bool TSkinEdit::BeforeMessage(ui::TMessage& message) {
  if (message.Msg != WM_PRINT) return true;
  // The edit may leave a clip region of its own on the DC it printed on;
  // the border goes on the DC as the caller gave it.
  const HDC dc = reinterpret_cast<HDC>(message.WParam);
  const int saved = dc ? SaveDC(dc) : 0;
  CallOldHandler(message);
  if (saved) RestoreDC(dc, saved);
  PrintBorder(dc);
  return false;
}

void TSkinEdit::AfterMessage(ui::TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT:
      // The edit painted itself; a paint into a given DC (double buffered)
      // covers the client only and leaves the border alone.
      if (message.WParam == 0) PaintSkin(nullptr);
      break;
    case WM_NCPAINT:
      // The system drew its own border again.
      PaintSkin(nullptr);
      break;
    default:
      TSkinControl::AfterMessage(message);
  }
}

void TSkinEdit::DrawSkin(HDC dc, const RECT& rect) {
  if (!upDownSkinner_) SkinUpDownInside();
  RECT client{};
  GetClientRect(WindowHandle(), &client);
  if (client.right == rect.right - rect.left || client.bottom == rect.bottom - rect.top) return;
  const TBrushHandle shadow(CreateSolidBrush(ui::ColourToRgb(SkinData()->Skin().ButtonShadowColour)));
  FrameRect(dc, &rect, shadow.get());
  RECT inner = rect;
  InflateRect(&inner, -1, -1);
  FrameRect(dc, &inner, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
}

void TSkinEdit::SkinUpDownInside() {
  TControlSkinners* skinners = Skinners();
  if (!skinners) return;
  for (HWND child = GetTopWindow(WindowHandle()); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsUpDownClass(WindowClassName(child))) continue;
    // One the frame skinner's walk skinned already keeps its skinner.
    if (skinners->FindByWindow(child)) return;
    auto skinner = std::make_unique<TSkinUpDown>();
    skinner->AttachHandle(child, *SkinData(), *DrawCanvas());
    skinner->SetInEdit(true);
    upDownSkinner_ = skinner.get();
    skinners->Add(std::move(skinner));
    InvalidateRect(child, nullptr, FALSE);
    return;
  }
}

void TSkinEdit::PrintBorder(HDC dc) {
  const HWND window = WindowHandle();
  RECT screen{};
  if (!GetWindowRect(window, &screen)) return;
  SetLastWindowRect(screen);
  const RECT rect = WindowRectAtOrigin(window);
  RECT client{};
  GetClientRect(window, &client);
  if (client.right + 2 >= rect.right || client.bottom + 2 >= rect.bottom) return;
  const HDC target = dc ? dc : GetWindowDC(window);
  if (!target) return;
  RECT inner = rect;
  InflateRect(&inner, -1, -1);
  FrameRect(target, &inner, static_cast<HBRUSH>(GetCurrentObject(target, OBJ_BRUSH)));
  const TBrushHandle shadow(CreateSolidBrush(ui::ColourToRgb(SkinData()->Skin().ButtonShadowColour)));
  FrameRect(target, &rect, shadow.get());
  if (!dc) ReleaseDC(window, target);
}

}  // namespace skin

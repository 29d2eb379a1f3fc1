#include "skin/engine/menus/popup_skinner.h"

#include <utility>

#include "skin/component/skin_data.h"
#include "skin/engine/gdi/skin_drawing.h"
#include "skin/engine/win32/skin_messages.h"
#include "skin/engine/win32/window_subclass.h"

namespace skin {
namespace {

// Width of the frame the popup skinner paints around the items.
constexpr int kRingWidth = 3;

class TWinSkinPopMenu;
// The skinner that rendered its background while its menu was still unknown.
TWinSkinPopMenu* pendingPopup = nullptr;

// Paints a menu popup window's frame and the background its items lie on
// from the skin's "MenuBackground" picture.
class TWinSkinPopMenu : public TPopupSkinner {
 public:
  TWinSkinPopMenu(HWND window, TSkinData& data, std::function<bool()> skinningOn)
      : window_(window), data_(&data), skinningOn_(std::move(skinningOn)) {}
  ~TWinSkinPopMenu() override {
    DetachMenuWindow();
    if (pendingPopup == this) pendingPopup = nullptr;
  }

  bool AttachMenuWindow() {
    return subclass_.Attach(
        window_, [this](UINT msg, WPARAM wParam, LPARAM lParam) { return PopupWndProc(msg, wParam, lParam); });
  }
  void DetachMenuWindow() {
    if (!subclass_.Attached()) return;
    subclass_.Restore();
    background_.Bitmap.Reset();
  }

  HWND WindowHandle() const override { return window_; }
  HMENU MenuHandle() const override { return menu_; }
  const TPopupBackground* Background() const override { return background_.Bitmap.Empty() ? nullptr : &background_; }
  void Detach() override { DetachMenuWindow(); }
  void LearnMenu(HMENU menu) { menu_ = menu; }

 private:
  LRESULT PopupWndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == SKM_QUERYSKINNED) return kSkinnedAnswer;
    if (!skinningOn_()) return subclass_.CallOld(msg, wParam, lParam);
    switch (msg) {
      case WM_DESTROY:
        DetachMenuWindow();
        break;
      case WM_NCPAINT:
        if (!Usable()) break;
        PaintRing();
        return 0;
      case WM_PAINT: {
        // The items find the background even when no frame was painted
        // before them; where the system draws the menu's border inside the
        // client area (Wine does), the ring goes over it again.
        if (Usable()) RenderBackground();
        const LRESULT result = subclass_.CallOld(msg, wParam, lParam);
        if (Usable() && ClientOrigin().x < kRingWidth) PaintRing();
        return result;
      }
      case WM_PRINT:
        if (Usable()) return Print(reinterpret_cast<HDC>(wParam), lParam);
        break;
    }
    return subclass_.CallOld(msg, wParam, lParam);
  }

  const TDataSkinObject* Element() const {
    const auto& element = data_->Skin().MenuBackground;
    return data_->SkinEmpty() || !element || element->Bitmap.Empty() ? nullptr : &*element;
  }
  bool Usable() const { return Element() != nullptr; }

  POINT ClientOrigin() const {
    RECT window;
    GetWindowRect(window_, &window);
    POINT client{0, 0};
    ClientToScreen(window_, &client);
    return {client.x - window.left, client.y - window.top};
  }

  // Renders the background of the window's present size (again only when the size changed).
  void RenderBackground() {
    RECT window;
    GetWindowRect(window_, &window);
    const RECT r{0, 0, window.right - window.left, window.bottom - window.top};
    background_.ClientOrigin = ClientOrigin();
    if (background_.Bitmap.Width() != r.right || background_.Bitmap.Height() != r.bottom) {
      const TDataSkinObject& element = *Element();
      const TSliceMargins margins = ElementMargins(element);
      // Kept in the display's format: items copy their pieces of it without converting pixels.
      TOffscreenBitmap rendered;
      rendered.Reset(RenderNineSlice(r, element.Bitmap, margins, false, element.Tile != 0, 1, 1), r.right, r.bottom);
      const HDC screen = GetDC(nullptr);
      background_.Bitmap.Create(screen, r.right, r.bottom);
      ReleaseDC(nullptr, screen);
      rendered.CopyTo(background_.Bitmap.Dc(), r);
    }
    if (!menu_) pendingPopup = this;
  }

  void PaintRing() {
    RenderBackground();
    const HDC dc = GetWindowDC(window_);
    if (!dc) return;
    const int w = background_.Bitmap.Width(), h = background_.Bitmap.Height();
    const RECT pieces[] = {{0, 0, w, kRingWidth},
                           {0, h - kRingWidth, w, h},
                           {0, kRingWidth, kRingWidth, h - kRingWidth},
                           {w - kRingWidth, kRingWidth, w, h - kRingWidth}};
    for (const RECT& piece : pieces) background_.Bitmap.CopyTo(dc, piece, piece.left, piece.top);
    ReleaseDC(window_, dc);
  }

  // Sent when the system animates the menu's appearance: the whole background,
  // then the items inside the ring.
  LRESULT Print(HDC dc, LPARAM flags) {
    RenderBackground();
    const int w = background_.Bitmap.Width(), h = background_.Bitmap.Height();
    background_.Bitmap.CopyTo(dc, {0, 0, w, h});
    const int saved = SaveDC(dc);
    SetBkMode(dc, TRANSPARENT);
    IntersectClipRect(dc, kRingWidth, kRingWidth, w - kRingWidth, h - kRingWidth);
    const LRESULT result = subclass_.CallOld(WM_PRINT, reinterpret_cast<WPARAM>(dc), flags);
    RestoreDC(dc, saved);
    return result;
  }

  HWND window_;
  TSkinData* data_;
  std::function<bool()> skinningOn_;
  HMENU menu_ = nullptr;
  TWindowSubclass subclass_;
  TPopupBackground background_;
};

}  // namespace

std::unique_ptr<TPopupSkinner> CreatePopupSkinner(HWND window, TSkinData& data, std::function<bool()> skinningOn) {
  auto skinner = std::make_unique<TWinSkinPopMenu>(window, data, std::move(skinningOn));
  if (!skinner->AttachMenuWindow()) return nullptr;
  return skinner;
}

void HandMenuToPendingPopup(HMENU menu) {
  if (!pendingPopup || !menu) return;
  pendingPopup->LearnMenu(menu);
  pendingPopup = nullptr;
}

}  // namespace skin

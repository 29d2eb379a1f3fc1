#pragma once
// The skinner of a tab control window: the control paints itself off-screen,
// then its tab strip is painted again there from the skin's tab picture (the focused tab in
// the picture's second state) with each tab's icon and caption, and the page
// border from the tab element's border picture. The strip is drawn upright
// and turned to the side the tabs stand on. The control's scroll arrows get
// an up-down skinner of their own and the strip is not painted over them.
// Without a tab picture the control keeps its own look.

#include <windows.h>

#include "skin/data/skin_bitmap.h"
#include "skin/data/skin_elements.h"
#include "skin/engine/controls/skin_control.h"
#include "skin/engine/gdi/gdi_handle.h"
#include "skin/engine/geometry/pixel_rect.h"
#include "skin/engine/geometry/tab_strip_layout.h"

namespace skin {

class TSkinTab : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  std::string ClassName() const override { return "TSkinTab"; }

  void AttachHandle(HWND window, TSkinData& data, ui::TCanvas& canvas) override;
  void UpdateSkin() override;

 protected:
  bool BeforeMessage(ui::TMessage& message) override;
  void DrawSkin(HDC dc, const RECT& rect) override;

 private:
  // The control paints itself into a bitmap, the skin goes over it there, and
  // the screen gets the whole in one copy: no repaint shows the system's look.
  void PaintComposed(ui::TMessage& message);
  // The tab side from the window style, and the pictures turned to it.
  void PrepareTabImages();
  // Skins the control's scroll arrows once (when the frame skinner's list
  // has this skinner); their window while they are shown, else nullptr.
  HWND FindUpDown();
  void DrawStrip(HDC dc, const TPixelRect& control, const TPixelRect& pageBorder);
  // Tabs and captions on the work strip's device context.
  void DrawTabs(HDC dc, const TPixelRect& control, const TPixelRect& pageBorder, int workWidth);
  // A tab's picture in the state, nine-sliced over the target in the work strip's pixels.
  void DrawTabFace(const RECT& target, int state, const TDataSkinBorder& tabs);
  // The work strip's DIB section of that size, remade when the size changes.
  bool SizeWorkBitmap(int width, int height);

  TSkinBitmap tabImage_;
  TSkinBitmap borderImage_;
  // The strip drawn upright; its pixels are workBits_.
  TBitmapHandle workBitmap_;
  void* workBits_ = nullptr;
  int workWidth_ = 0;
  int workHeight_ = 0;
  TTabPosition tabPosition_ = TTabPosition::Top;
};

}  // namespace skin

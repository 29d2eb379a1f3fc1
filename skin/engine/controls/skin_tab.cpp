#include "skin/engine/controls/skin_tab.h"

#include <commctrl.h>

#include <cstdint>
#include <cstring>

#include "skin/component/skin_data.h"
#include "skin/engine/controls/control_skinners.h"
#include "skin/engine/controls/skin_up_down.h"
#include "skin/engine/gdi/icon_caption.h"
#include "skin/engine/gdi/skin_dib.h"
#include "skin/engine/gdi/skin_drawing.h"
#include "skin/engine/geometry/frame_cell.h"
#include "skin/engine/geometry/key_colour_copy.h"
#include "skin/engine/geometry/nine_slice.h"
#include "skin/engine/geometry/pixel_view.h"
#include "skin/engine/geometry/slice_render.h"
#include "text/gbk.h"
#include "ui/graphics/colour.h"

namespace skin {
namespace {

// The longest tab caption read.
constexpr int kMaxCaption = 80;
// The page border picture's fixed edges.
constexpr TSliceMargins kPageBorderMargins{4, 5, 4, 4};
constexpr int kNormalTab = 1, kFocusedTab = 2;

TPixelRect PixelRectOf(const RECT& rect) {
  return {static_cast<int>(rect.left), static_cast<int>(rect.top), static_cast<int>(rect.right),
          static_cast<int>(rect.bottom)};
}

RECT RectOf(const TPixelRect& rect) { return {rect.Left, rect.Top, rect.Right, rect.Bottom}; }

// The skin's tab element when it has a tab picture.
const TDataSkinBorder* TabElement(const TSkinData* data) {
  if (!data) return nullptr;
  const std::optional<TDataSkinBorder>& tabs = data->Skin().Tabs;
  return tabs && !tabs->Bitmap.Empty() ? &*tabs : nullptr;
}

TTabPosition PositionOf(HWND window) {
  return TabPositionOfStyle(static_cast<std::uint32_t>(GetWindowLongPtrW(window, GWL_STYLE)));
}

// A memory device context with one bitmap and one font selected for its life.
class TWorkDc {
 public:
  TWorkDc(HBITMAP bitmap, HFONT font) : dc_(CreateCompatibleDC(nullptr)) {
    if (!dc_) return;
    oldBitmap_ = SelectObject(dc_, bitmap);
    oldFont_ = SelectObject(dc_, font ? font : GetStockObject(DEFAULT_GUI_FONT));
  }
  ~TWorkDc() {
    if (!dc_) return;
    SelectObject(dc_, oldFont_);
    SelectObject(dc_, oldBitmap_);
    DeleteDC(dc_);
  }
  TWorkDc(const TWorkDc&) = delete;
  TWorkDc& operator=(const TWorkDc&) = delete;
  HDC Handle() const { return dc_; }

 private:
  HDC dc_;
  HGDIOBJ oldBitmap_ = nullptr;
  HGDIOBJ oldFont_ = nullptr;
};

}  // namespace

void TSkinTab::AttachHandle(HWND window, TSkinData& data, ui::TCanvas& canvas) {
  TSkinControl::AttachHandle(window, data, canvas);
  RefreshState();
  PrepareTabImages();
  FindUpDown();
}

void TSkinTab::UpdateSkin() {
  TSkinControl::UpdateSkin();
  PrepareTabImages();
}

void TSkinTab::PrepareTabImages() {
  tabPosition_ = PositionOf(WindowHandle());
  // A skin without a border picture still has its tabs drawn; one without
  // a tab element leaves no picture of an earlier skin behind.
  const TDataSkinBorder* tabs = TabElement(SkinData());
  tabImage_ = tabs ? tabs->Bitmap : TSkinBitmap();
  borderImage_ = tabs ? tabs->Bitmap2 : TSkinBitmap();
  TurnTabPictures(tabPosition_, tabImage_, borderImage_);
}

HWND TSkinTab::FindUpDown() {
  const HWND upDown = FindWindowExW(WindowHandle(), nullptr, UPDOWN_CLASSW, nullptr);
  if (!upDown) return nullptr;
  // The arrows' skinner joins the frame skinner's list, once this one has.
  if (TControlSkinners* skinners = Skinners(); skinners && !skinners->FindByWindow(upDown)) {
    auto skinner = std::make_unique<TSkinUpDown>();
    skinner->AttachHandle(upDown, *SkinData(), *DrawCanvas());
    skinners->Add(std::move(skinner));
    InvalidateRect(upDown, nullptr, FALSE);
  }
  return (GetWindowLongPtrW(upDown, GWL_STYLE) & WS_VISIBLE) != 0 ? upDown : nullptr;
}

bool TSkinTab::BeforeMessage(ui::TMessage& message) {
  if (!TabElement(SkinData())) return true;
  switch (message.Msg) {
    case WM_ERASEBKGND:
      message.Result = 1;  // the composed picture covers everything
      return false;
    case WM_PAINT:
      PaintComposed(message);
      return false;
    default:
      return true;
  }
}

void TSkinTab::PaintComposed(ui::TMessage& message) {
  const HWND window = WindowHandle();
  RECT client{};
  GetClientRect(window, &client);
  PAINTSTRUCT paint{};
  const bool ownPaint = message.WParam == 0;
  const HDC target = ownPaint ? BeginPaint(window, &paint) : reinterpret_cast<HDC>(message.WParam);
  if (target && !IsRectEmpty(&client)) {
    const HDC memory = CreateCompatibleDC(target);
    const TBitmapHandle picture(CreateCompatibleBitmap(target, client.right, client.bottom));
    const HGDIOBJ old = SelectObject(memory, picture.get());
    FillFace(memory, client);
    ui::TMessage own{WM_PAINT, reinterpret_cast<WPARAM>(memory), 0};
    CallOldHandler(own);
    DrawSkin(memory, client);
    BitBlt(target, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
  }
  if (ownPaint) EndPaint(window, &paint);
  message.Result = 0;
}

void TSkinTab::DrawSkin(HDC dc, const RECT& rect) {
  const TDataSkinBorder* tabs = TabElement(SkinData());
  if (!tabs) return;
  if (PositionOf(WindowHandle()) != tabPosition_ || tabImage_.Empty()) PrepareTabImages();
  RECT pageArea = rect;
  SendMessageW(WindowHandle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&pageArea));
  const TPixelRect control = PixelRectOf(rect);
  const TPixelRect pageBorder = PageBorderRect(PixelRectOf(pageArea), tabPosition_);
  DrawStrip(dc, control, pageBorder);
  if (!borderImage_.Empty()) DrawFrameEdges(dc, RectOf(pageBorder), borderImage_, false, 1, 1, kPageBorderMargins);
}

void TSkinTab::DrawStrip(HDC dc, const TPixelRect& control, const TPixelRect& pageBorder) {
  const TPixelRect strip = TabStripRect(control, pageBorder, tabPosition_);
  const TStripSize size = WorkStripSize(strip, tabPosition_);
  if (!SizeWorkBitmap(size.Width, size.Height)) return;
  {
    const auto font = reinterpret_cast<HFONT>(SendMessageW(WindowHandle(), WM_GETFONT, 0, 0));
    const TWorkDc work(workBitmap_.get(), font);
    if (!work.Handle()) return;
    FillFace(work.Handle(), RECT{0, 0, size.Width, size.Height});
    DrawTabs(work.Handle(), control, pageBorder, size.Width);
  }
  GdiFlush();
  // The DIB section's rows are laid out as a skin picture's.
  TSkinBitmap turned(size.Width, size.Height);
  std::memcpy(turned.Row(0), workBits_, turned.Stride() * size.Height);
  TurnWorkStrip(tabPosition_, turned);
  const BITMAPINFO info = SkinBitmapInfo(turned);
  const int saved = SaveDC(dc);
  if (const HWND upDown = FindUpDown()) {
    // The scroll arrows keep their own skin.
    RECT arrows{}, window{};
    GetWindowRect(upDown, &arrows);
    GetWindowRect(WindowHandle(), &window);
    OffsetRect(&arrows, -window.left, -window.top);
    ExcludeClipRect(dc, arrows.left, arrows.top, arrows.right, arrows.bottom);
  }
  StretchDIBits(dc, strip.Left, strip.Top, turned.Width(), turned.Height(), 0, 0, turned.Width(), turned.Height(),
                turned.Row(0), &info, DIB_RGB_COLORS, SRCCOPY);
  RestoreDC(dc, saved);
}

void TSkinTab::DrawTabs(HDC dc, const TPixelRect& control, const TPixelRect& pageBorder, int workWidth) {
  const TDataSkinBorder& tabs = *TabElement(SkinData());
  const HWND window = WindowHandle();
  const int count = static_cast<int>(SendMessageW(window, TCM_GETITEMCOUNT, 0, 0));
  const int focused = static_cast<int>(SendMessageW(window, TCM_GETCURFOCUS, 0, 0));
  const auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(window, TCM_GETIMAGELIST, 0, 0));
  for (int i = 0; i < count; ++i) {
    wchar_t caption[kMaxCaption + 1] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT | TCIF_IMAGE | TCIF_STATE;
    item.pszText = caption;
    item.cchTextMax = kMaxCaption;
    item.iImage = kNoImage;
    if (!SendMessageW(window, TCM_GETITEMW, i, reinterpret_cast<LPARAM>(&item))) item.iImage = kNoImage;
    RECT tab{};
    if (!SendMessageW(window, TCM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&tab))) continue;
    const RECT target = RectOf(TabInWorkStrip(PixelRectOf(tab), tabPosition_, control, pageBorder, workWidth));
    const int state = i == focused ? kFocusedTab : kNormalTab;
    DrawTabFace(target, state, tabs);
    SetTextColor(dc, ui::ColourToRgb(state == kNormalTab ? tabs.NormalColour2 : tabs.MouseOverColour2));
    DrawIconCaption(dc, target, TCaptionAlignment::Centre, text::WideToGbk(caption), item.iImage, images,
                    IsWindowEnabled(window) != FALSE);
  }
}

void TSkinTab::DrawTabFace(const RECT& target, int state, const TDataSkinBorder& tabs) {
  const int width = target.right - target.left, height = target.bottom - target.top;
  if (width <= 0 || height <= 0) return;
  const TSliceMargins margins = ElementMargins(tabs);
  const TPixelRect cell = FrameCellRect(tabImage_.Width(), tabImage_.Height(), false, tabs.FrameCount, state);
  TSkinBitmap face(width, height);
  RenderSlicePlan(ReadOnly(PixelsOf(tabImage_)), NineSlicePlan(cell, width, height, margins, tabs.Tile != 0),
                  PixelsOf(face));
  // Straight into the strip's pixels, after the captions drawn so far.
  GdiFlush();
  // A 24-bit DIB section's rows, as a skin picture's, are padded to four bytes.
  const std::size_t stride = (static_cast<std::size_t>(workWidth_) * 3 + 3) & ~std::size_t{3};
  const TPixelView strip{static_cast<std::uint8_t*>(workBits_), stride, workWidth_, workHeight_};
  CopyPixelsAt(ReadOnly(PixelsOf(face)), strip, target.left, target.top, tabs.Trans != 0, GetRValue(kTransparentKey),
               GetGValue(kTransparentKey), GetBValue(kTransparentKey));
}

bool TSkinTab::SizeWorkBitmap(int width, int height) {
  if (width <= 0 || height <= 0) return false;
  if (workBitmap_ && width == workWidth_ && height == workHeight_) return true;
  const BITMAPINFO info = SkinBitmapInfo(TSkinBitmap(width, height));
  workBitmap_.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &workBits_, nullptr, 0));
  workWidth_ = width;
  workHeight_ = height;
  return workBitmap_ && workBits_;
}

}  // namespace skin

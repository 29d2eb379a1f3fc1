#include "skin/engine/menus/menu_item_painter.h"

#include <algorithm>

#include "skin/component/skin_data.h"
#include "skin/engine/gdi/gdi_handle.h"
#include "skin/engine/gdi/shared_work_bitmap.h"
#include "skin/engine/gdi/skin_drawing.h"
#include "skin/engine/menus/popup_skinner.h"
#include "text/gbk.h"
#include "ui/base/shortcut.h"
#include "ui/graphics/colour.h"
#include "ui/graphics/image_list.h"
#include "ui/menus/menu.h"
#include "ui/menus/menu_item.h"

namespace skin {
namespace {

// The box of an item without an image list, and the least one of a checked item.
constexpr int kCheckBoxSize = 16;
constexpr int kMenuItemFrames = 5;
constexpr int kNormalFace = 1, kSeparatorFace = 2, kSelectedFace = 4;
constexpr int kMaxNativeText = 80;
// OBM_CHECK, which the headers declare only with OEMRESOURCE.
constexpr WORD kCheckMarkBitmap = 32760;

constexpr UINT kMeasureFormat = DT_EXPANDTABS | DT_SINGLELINE | DT_CALCRECT | DT_NOCLIP;
constexpr UINT kDrawFormat = DT_EXPANDTABS | DT_SINGLELINE;

const TDataSkinObject* MenuItemElement(const TSkinData& data) {
  const auto& element = data.Skin().MenuItem;
  // A picture narrower than its five frames is no usable face.
  return element && element->Bitmap.Width() >= kMenuItemFrames ? &*element : nullptr;
}

// The shared work bitmap, at least w x h, with the font of the item's canvas
// (the menu font).
ui::TCanvas& WorkCanvas(int w, int h, const ui::TFont& itemFont) {
  ui::TCanvas& canvas = SharedWorkBitmap().CanvasOfAtLeast(w, h);
  // Assigning makes a new font: only when it differs.
  ui::TFont& font = canvas.Font;
  if (font.Name() != itemFont.Name() || font.Height() != itemFont.Height() || font.Charset() != itemFont.Charset())
    font.Assign(itemFont);
  return canvas;
}

// The checked look of an item with an image: the button-face and
// button-highlight checker a pressed tool button shows.
TBrushHandle CheckedPatternBrush() {
  WORD rows[8];
  for (int y = 0; y < 8; ++y) rows[y] = y % 2 ? 0x55 : 0xAA;
  TBitmapHandle pattern(CreateBitmap(8, 8, 1, 1, rows));
  return TBrushHandle(CreatePatternBrush(pattern.get()));
}

// A monochrome bitmap drawn in `colour` where it is black, leaving the rest.
void DrawMonochromeMark(HDC dc, HBITMAP mark, int x, int y, int w, int h, COLORREF colour) {
  const HDC source = CreateCompatibleDC(dc);
  const HGDIOBJ old = SelectObject(source, mark);
  const COLORREF oldText = SetTextColor(dc, RGB(0, 0, 0));
  const COLORREF oldBack = SetBkColor(dc, RGB(255, 255, 255));
  BitBlt(dc, x, y, w, h, source, 0, 0, SRCAND);  // the mark black, the rest kept
  SetTextColor(dc, colour);
  SetBkColor(dc, RGB(0, 0, 0));
  BitBlt(dc, x, y, w, h, source, 0, 0, SRCPAINT);  // the mark coloured, the rest kept
  SetTextColor(dc, oldText);
  SetBkColor(dc, oldBack);
  SelectObject(source, old);
  DeleteDC(source);
}

// An image of the list by its mask alone, in `colour`.
void DrawGlyphAsMark(const ui::TImageList& images, int index, HDC dc, int x, int y, COLORREF colour) {
  const int w = images.Width(), h = images.Height();
  const TBitmapHandle mask(CreateBitmap(w, h, 1, 1, nullptr));
  const HDC maskDc = CreateCompatibleDC(dc);
  const HGDIOBJ old = SelectObject(maskDc, mask.get());
  PatBlt(maskDc, 0, 0, w, h, WHITENESS);
  ui::DrawImageListImage(images.Handle(), index, maskDc, 0, 0, ILD_MASK);
  SelectObject(maskDc, old);
  DeleteDC(maskDc);
  DrawMonochromeMark(dc, mask.get(), x, y, w, h, colour);
}

}  // namespace

int TMenuItemPainter::FaceMargin() const {
  const TDataSkinObject* element = MenuItemElement(data_);
  return element ? element->LeftWidth : 0;
}

void TMenuItemPainter::MeasurePopupItem(ui::TMenuItem& item, int& width) const {
  width += FaceMargin();
  const ui::TMenu* menu = item.GetParentMenu();
  width += menu && menu->Images() ? 12 : 35;
}

void TMenuItemPainter::DrawPopupItem(ui::TMenuItem& item, ui::TCanvas& canvas, const RECT& r, bool selected) const {
  if (!MenuItemElement(data_)) return DrawPlainItem(item, canvas, r, selected);
  HMENU menu = item.Parent() ? item.Parent()->Handle() : nullptr;
  HandMenuToPendingPopup(menu);
  Compose(menu, item, canvas, r, selected, TFace::Skinned);
}

void TMenuItemPainter::DrawPlainItem(ui::TMenuItem& item, ui::TCanvas& canvas, const RECT& r, bool selected) const {
  Compose(nullptr, item, canvas, r, selected, TFace::Plain);
}

void TMenuItemPainter::DrawNativeItem(HMENU menu, ui::TMenuItem& item, bool selected, const RECT& r,
                                      ui::TCanvas& canvas) const {
  Compose(menu, item, canvas, r, selected, MenuItemElement(data_) ? TFace::SkinnedWithLine : TFace::Plain);
}

void TMenuItemPainter::Compose(HMENU menu, ui::TMenuItem& item, ui::TCanvas& canvas, const RECT& r, bool selected,
                               TFace face) const {
  const int w = r.right - r.left, h = r.bottom - r.top;
  if (w <= 0 || h <= 0) return;
  const TSkinSettings& skin = data_.Skin();
  ui::TCanvas& work = WorkCanvas(w, h, canvas.Font);
  const HDC dc = work.Handle();
  const RECT whole{0, 0, w, h};
  const TPopupBackground* background =
      face == TFace::Plain || !backgrounds_ ? nullptr : backgrounds_->FindPopupBackground(menu);
  if (background) {
    BitBlt(dc, 0, 0, w, h, background->Bitmap.Dc(), r.left + background->ClientOrigin.x,
           r.top + background->ClientOrigin.y, SRCCOPY);
  } else {
    work.Brush.Color = face == TFace::Plain && selected ? skin.HilightColour : skin.MenuColour;
    work.Brush.Style = ui::TBrushStyle::bsSolid;
    work.FillRect(whole);
  }
  const bool separatorImage = face == TFace::Skinned && item.IsLine();
  if (face != TFace::Plain && !separatorImage) {
    const TDataSkinObject& element = *MenuItemElement(data_);
    const int frame = selected ? kSelectedFace : kNormalFace;
    if (background) {
      TMenuItemFace& cached = background->ItemFaces[selected ? 1 : 0];
      if (!cached.Matches(w, h, frame)) cached.Render(element, w, h, kMenuItemFrames, frame);
      cached.Draw(dc);
    } else {
      DrawNineSlice(dc, whole, element.Bitmap, false, element.Tile != 0, element.Trans != 0, kMenuItemFrames, frame,
                    ElementMargins(element));
    }
  }
  if (!separatorImage) DrawItemContent(item, work, selected, whole);
  BitBlt(canvas.Handle(), r.left, r.top, w, h, dc, 0, 0, SRCCOPY);
  if (separatorImage) DrawSeparatorImage(canvas, r);
  // The system draws a submenu's arrow after the item, as a monochrome
  // bitmap in the DC's text colour on its background colour: left as the
  // item's text on the face, so no square of the system's highlight shows.
  const COLORREF underArrow = GetPixel(dc, w - 1 - GetSystemMetrics(SM_CXMENUCHECK) / 2, h / 2);
  SetBkColor(canvas.Handle(), underArrow);
  SetTextColor(canvas.Handle(), ui::ReadableText(TextColour(item, selected), underArrow));
}

void TMenuItemPainter::DrawSeparatorImage(ui::TCanvas& canvas, const RECT& r) const {
  const TDataSkinObject& element = *MenuItemElement(data_);
  const int h = r.bottom - r.top;
  const int fw = element.Bitmap.Width() / kMenuItemFrames, bh = element.Bitmap.Height();
  const int sy = h < bh ? bh - h : 0;  // the image's bottom rows
  const TSkinBitmap frame = element.Bitmap.Copy(fw * (kSeparatorFace - 1), sy, fw, bh - sy);
  DrawNineSlice(canvas.Handle(), r, frame, false, false, true, 1, 1,
                TSliceMargins{element.LeftWidth, 0, element.RightWidth, 0});
}

void TMenuItemPainter::DrawItemContent(ui::TMenuItem& item, ui::TCanvas& canvas, bool selected, const RECT& r) const {
  const ui::TMenu* menu = item.GetParentMenu();
  const ui::TImageList* images = menu ? menu->Images() : nullptr;
  int w = images ? images->Width() : kCheckBoxSize;
  if (item.Checked()) w = std::max(w, kCheckBoxSize);
  const int margin = FaceMargin();
  const bool rightToLeft = menu && menu->IsRightToLeft();
  RECT box;
  if (rightToLeft) {
    box.right = r.right - 1 - margin;
    box.left = box.right - w;
  } else {
    box.left = r.left + 1 + margin;
    box.right = box.left + w;
  }
  box.top = r.top + 1;
  box.bottom = box.top + w;
  if (item.IsLine())
    box.left = box.right = rightToLeft ? r.right : 0;
  else
    DrawCheckBox(item, canvas, box, selected);

  RECT t =
      rightToLeft ? RECT{r.left + 1, r.top, box.left - 3, r.bottom} : RECT{box.right + 3, r.top, r.right - 1, r.bottom};
  DrawItemText(item, canvas, kMeasureFormat | (rightToLeft ? DT_RIGHT : 0), selected, t, item.Caption());
  const int shift = ((r.bottom - r.top) - (t.bottom - t.top)) / 2;
  t.top += shift;
  t.bottom += shift;
  if (rightToLeft) {
    t.left = r.left + 1;
    t.right = box.left - 3;
  }
  DrawItemText(item, canvas, kDrawFormat | (rightToLeft ? DT_RIGHT : 0), selected, t, item.Caption());
  if (!item.ShortCut()) return;
  if (rightToLeft) {
    t.left = r.left + 11;
  } else {
    t.left = t.right;
    t.right = r.right - 11;
  }
  DrawItemText(item, canvas, rightToLeft ? DT_LEFT : DT_RIGHT, selected, t, ui::ShortCutToText(item.ShortCut()));
}

COLORREF TMenuItemPainter::TextColour(const ui::TMenuItem& item, bool selected) const {
  const TSkinSettings& skin = data_.Skin();
  const COLORREF text = ui::ColourToRgb(selected ? skin.HilightTextColour : skin.MenuTextColour);
  if (item.Enabled()) return text;
  return ui::DimmedText(text, ui::ColourToRgb(selected ? skin.HilightColour : skin.MenuColour));
}

void TMenuItemPainter::DrawCheckBox(ui::TMenuItem& item, ui::TCanvas& canvas, const RECT& box, bool selected) const {
  const HDC dc = canvas.Handle();
  ui::TMenu* menu = item.GetParentMenu();
  ui::TImageList* images = menu ? menu->Images() : nullptr;
  if (images && item.ImageIndex() >= 0 && item.ImageIndex() < images->Count()) {
    if (item.Checked()) {
      const TBrushHandle pattern = CheckedPatternBrush();
      const COLORREF oldText = SetTextColor(dc, GetSysColor(COLOR_BTNFACE));
      const COLORREF oldBack = SetBkColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
      ::FillRect(dc, &box, pattern.get());
      SetTextColor(dc, oldText);
      SetBkColor(dc, oldBack);
      RECT edge = box;
      DrawEdge(dc, &edge, BDR_SUNKENOUTER, BF_RECT);
    }
    if (images->Marks())
      DrawGlyphAsMark(*images, item.ImageIndex(), dc, box.left, box.top, TextColour(item, selected));
    else
      images->Draw(canvas, box.left, box.top, item.ImageIndex(), item.Enabled());
    return;
  }
  if (!item.Checked()) return;
  const TBitmapHandle check(LoadBitmapW(nullptr, MAKEINTRESOURCEW(kCheckMarkBitmap)));
  BITMAP info{};
  if (!check || !GetObjectW(check.get(), sizeof(info), &info)) return;
  const int x = box.left + ((box.right - box.left) - info.bmWidth) / 2 + 1;
  const int y = box.top + ((box.bottom - box.top) - info.bmHeight) / 2 + 1;
  DrawMonochromeMark(dc, check.get(), x, y, info.bmWidth, info.bmHeight, TextColour(item, selected));
}

void TMenuItemPainter::DrawItemText(ui::TMenuItem& item, ui::TCanvas& canvas, UINT format, bool selected, RECT& t,
                                    std::string text) const {
  const bool measuring = (format & DT_CALCRECT) != 0;
  // An empty caption (or a lone access-key mark) still measures one line high.
  if (measuring && (text.empty() || text == "&")) text += ' ';
  if (text == "-") {
    if (measuring) return;
    t.top += 4;
    DrawEdge(canvas.Handle(), &t, EDGE_ETCHED, BF_TOP);
    return;
  }
  // Straight to the device context: the canvas would make and select a brush
  // and a pen for every call, which costs more than the text under Wine.
  const HDC dc = canvas.Handle();
  if (const ui::TFontStyles style = item.Default() ? ui::fsBold : 0; canvas.Font.Style() != style)
    canvas.Font.SetStyle(style);
  const HGDIOBJ oldFont = SelectObject(dc, canvas.Font.Handle());
  const std::wstring wide = text::GbkToWide(text);
  if (measuring) {
    DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &t, format);
  } else {
    // The face under the text may not be the skin's flat menu colour.
    const COLORREF under = GetPixel(dc, t.left, (t.top + t.bottom) / 2);
    const COLORREF oldColour = SetTextColor(dc, ui::ReadableText(TextColour(item, selected), under));
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &t, format);
    SetBkMode(dc, oldMode);
    SetTextColor(dc, oldColour);
  }
  SelectObject(dc, oldFont);
}

std::wstring TMenuItemPainter::NativeItemText(HMENU menu, UINT command) {
  wchar_t buffer[kMaxNativeText + 1] = {};
  const int length = GetMenuStringW(menu, command, buffer, kMaxNativeText, MF_BYCOMMAND);
  return std::wstring(buffer, std::max(length, 0));
}

std::unique_ptr<ui::TMenuItem> TMenuItemPainter::NativeMenuItem(HMENU menu, UINT command) {
  auto item = std::make_unique<ui::TMenuItem>(nullptr);
  const std::wstring text = NativeItemText(menu, command);
  item->SetCaption(text.empty() ? "-" : text::WideToGbk(text));
  const UINT state = GetMenuState(menu, command, MF_BYCOMMAND);
  if (state != static_cast<UINT>(-1)) {
    item->SetEnabled((state & (MFS_GRAYED | MFS_DISABLED)) == 0);
    item->SetChecked((state & MFS_CHECKED) != 0);
  }
  return item;
}

}  // namespace skin

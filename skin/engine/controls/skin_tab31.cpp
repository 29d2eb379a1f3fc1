#include "skin/engine/controls/skin_tab31.h"

#include <vector>

#include "skin/component/skin_data.h"
#include "skin/data/bitmap_operations.h"
#include "skin/engine/gdi/skin_drawing.h"
#include "ui/controls/tab_set.h"
#include "ui/graphics/bitmap.h"
#include "ui/graphics/canvas.h"
#include "ui/graphics/colour.h"

namespace skin {
namespace {

constexpr int kNormalTab = 1, kSelectedTab = 2;

}  // namespace

void TSkinTab31::AttachControl(ui::TControl& control, TSkinData& data, bool recolour, ui::TCanvas& canvas) {
  TSkinControl::AttachControl(control, data, recolour, canvas);
  PrepareTabSetImage();
}

void TSkinTab31::UpdateSkin() {
  PrepareTabSetImage();
  TSkinControl::UpdateSkin();
}

void TSkinTab31::PrepareTabSetImage() {
  tabImage_.Clear();
  if (!SkinData()) return;
  const std::optional<TDataSkinBorder>& tabs = SkinData()->Skin().Tabs;
  if (!tabs || tabs->Bitmap.Empty()) return;
  tabImage_ = tabs->Bitmap;
  FlipBitmap(tabImage_);
}

bool TSkinTab31::BeforeMessage(ui::TMessage& message) {
  // The skin paints the whole tab set; without a picture it paints itself.
  return tabImage_.Empty() || !TakePaintMessages(message);
}

void TSkinTab31::DrawSkin(HDC dc, const RECT& rect) {
  auto* tabSet = dynamic_cast<ui::TTabSet*>(Control());
  if (!tabSet || tabImage_.Empty()) return;
  const TDataSkinBorder& tabs = *SkinData()->Skin().Tabs;
  const TSliceMargins margins = ElementMargins(tabs);
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  ui::TBitmap work;
  work.SetSize(width, height);
  const HDC canvas = work.Canvas().Handle();
  if (!canvas) return;
  FillFace(canvas, RECT{0, 0, width, height});
  const HGDIOBJ oldFont = SelectObject(canvas, tabSet->Font().Handle());
  const std::vector<RECT> places = tabSet->TabRects();
  for (int i = tabSet->FirstIndex(); i < tabSet->TabCount(); ++i) {
    const RECT& tab = places[i];
    if (IsRectEmpty(&tab)) continue;  // it does not fit
    const int state = i == tabSet->TabIndex() ? kSelectedTab : kNormalTab;
    DrawNineSlice(canvas, tab, tabImage_, false, tabs.Tile != 0, tabs.Trans != 0, tabs.FrameCount, state, margins);
    SetTextColor(canvas, ui::ColourToRgb(state == kNormalTab ? tabs.NormalColour2 : tabs.MouseOverColour2));
    DrawCaption(canvas, tab, DT_CENTER, tabSet->Enabled(), tabSet->Tab(i));
  }
  SelectObject(canvas, oldFont);
  BitBlt(dc, rect.left, rect.top, width, height, canvas, 0, 0, SRCCOPY);
}

}  // namespace skin

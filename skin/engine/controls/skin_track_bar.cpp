#include "skin/engine/controls/skin_track_bar.h"

#include <commctrl.h>

#include "skin/component/skin_data.h"
#include "skin/engine/gdi/gdi_handle.h"
#include "skin/engine/gdi/skin_drawing.h"
#include "ui/graphics/colour.h"

namespace skin {
namespace {

// Frames of the thumb picture.
constexpr int kNormalThumb = 2, kDisabledThumb = 4;

bool IsCustomDraw(const ui::TMessage& message) {
  return (message.Msg == WM_NOTIFY || message.Msg == ui::CN_NOTIFY) &&
         reinterpret_cast<const NMHDR*>(message.LParam)->code == static_cast<UINT>(NM_CUSTOMDRAW);
}

// The thumb picture for the track bar's direction: the vertical one when the
// bar stands upright and the skin has it, else the horizontal one.
const TDataSkinObject* ThumbPicture(const TSkinSettings& skin, bool vertical) {
  for (const auto* thumb : {vertical ? &skin.TrackbarThumbVert : nullptr, &skin.TrackbarThumbHorz})
    if (thumb && *thumb && !(*thumb)->Bitmap.Empty()) return &**thumb;
  return nullptr;
}

}  // namespace

void TSkinTrackBar::AttachControl(ui::TControl& control, TSkinData& data, bool, ui::TCanvas& canvas) {
  // The control erases around its channel in its own colour: the skin's face.
  TSkinControl::AttachControl(control, data, true, canvas);
}

bool TSkinTrackBar::BeforeMessage(ui::TMessage& message) {
  if (message.Msg == WM_ERASEBKGND) {
    message.Result = 1;
    return false;
  }
  if (!IsCustomDraw(message)) return true;
  AnswerCustomDraw(message);
  return false;
}

void TSkinTrackBar::AnswerCustomDraw(ui::TMessage& message) {
  const auto& draw = *reinterpret_cast<const NMCUSTOMDRAW*>(message.LParam);
  if (draw.dwDrawStage == CDDS_PREPAINT) {
    message.Result = CDRF_NOTIFYITEMDRAW;
  } else if (draw.dwDrawStage == CDDS_ITEMPREPAINT) {
    // Ticks and channel stay the control's own.
    message.Result = CDRF_DODEFAULT;
    if (draw.dwItemSpec == TBCD_THUMB) {
      DrawThumb(draw.hdc);
      message.Result = CDRF_SKIPDEFAULT;
    }
  }
}

void TSkinTrackBar::DrawThumb(HDC dc) {
  const HWND window = WindowHandle();
  RECT thumb{};
  SendMessageW(window, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
  const bool vertical = (GetWindowLongPtrW(window, GWL_STYLE) & TBS_VERT) != 0;
  const TSkinSettings& skin = SkinData()->Skin();
  if (const TDataSkinObject* picture = ThumbPicture(skin, vertical)) {
    const bool disabled = !IsWindowEnabled(window) && picture->FrameCount >= kDisabledThumb;
    DrawFrameCell(dc, thumb, picture->Bitmap, true, picture->FrameCount, disabled ? kDisabledThumb : kNormalThumb);
    return;
  }
  const TPenHandle outline(CreatePen(PS_SOLID, 1, ui::ColourToRgb(skin.ButtonShadowColour)));
  const HGDIOBJ old = SelectObject(dc, outline.get());
  Rectangle(dc, thumb.left, thumb.top, thumb.right, thumb.bottom);
  SelectObject(dc, old);
}

}  // namespace skin

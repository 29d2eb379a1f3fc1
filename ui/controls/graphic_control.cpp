#include "ui/controls/graphic_control.h"

namespace ui {

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner) {}

TGraphicControl::~TGraphicControl() {
  BeginDestroy();
  Perform(CM_RELEASE);
}

void TGraphicControl::WndProc(TMessage& message) {
  if (message.Msg != WM_PAINT) return TControl::WndProc(message);
  canvas_.SetHandle(reinterpret_cast<HDC>(message.WParam));
  canvas_.Font.Assign(Font());
  canvas_.Brush = TBrush{Color()};
  canvas_.Pen = TPen{};
  Paint();
  canvas_.SetHandle(nullptr);
  // The font is remade from the control's at every paint: between paints it
  // would only hold a GDI font, one more for every label ever painted, a
  // hidden one keeping its own forever.
  canvas_.Font.ReleaseHandle();
}

}  // namespace ui

#include "skin/engine/controls/skin_box.h"

#include "ui/controls/win_control.h"

namespace skin {

void TSkinBox::AttachControl(ui::TControl& control, TSkinData& data, bool recolour, ui::TCanvas& canvas) {
  auto* windowed = dynamic_cast<ui::TWinControl*>(&control);
  const bool doubleBuffered = windowed && windowed->DoubleBuffered();
  TSkinControl::AttachControl(control, data, recolour, canvas);
  // A container keeps painting as it did.
  if (windowed) windowed->SetDoubleBuffered(doubleBuffered);
}

void TSkinBox::AfterMessage(ui::TMessage& message) {
  if (message.Msg == WM_NCDESTROY || message.Msg == ui::CM_RELEASE) TSkinControl::AfterMessage(message);
}

}  // namespace skin

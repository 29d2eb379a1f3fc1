#include "ui/controls/memo.h"

namespace ui {

TMemo::TMemo(TComponent* owner) : TEdit(owner) { SetBounds(0, 0, 185, 89); }

void TMemo::CreateParams(TCreateParams& params) {
  TEdit::CreateParams(params);
  params.Style |= ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL;
  // A wrapping memo never scrolls sideways.
  const bool horizontal =
      !wordWrap_ && (scrollBars_ == TScrollStyle::ssHorizontal || scrollBars_ == TScrollStyle::ssBoth);
  const bool vertical = scrollBars_ == TScrollStyle::ssVertical || scrollBars_ == TScrollStyle::ssBoth;
  if (wordWrap_) params.Style &= ~ES_AUTOHSCROLL;
  if (horizontal) params.Style |= WS_HSCROLL;
  if (vertical) params.Style |= WS_VSCROLL;
}

}  // namespace ui

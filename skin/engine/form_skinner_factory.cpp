#include "skin/engine/form_skinner_factory.h"

namespace skin {

// The frame skinner takes this over when it lands; until then no window
// gets one, so AttachWindow refuses every window.
std::unique_ptr<TFormSkinner> CreateFormSkinner(HWND, ui::TForm*, TSkinData&) { return nullptr; }

}  // namespace skin

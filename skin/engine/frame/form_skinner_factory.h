#pragma once
// How the skin manager makes the frame skinner of a window. The frame
// skinner's own file defines CreateFormSkinner.

#include <windows.h>

#include <memory>

#include "skin/engine/frame/form_skinner.h"
#include "skin/engine/frame/form_skinner_host.h"

namespace ui {
class TForm;
}

namespace skin {

// A frame skinner attached to `window` with `data`: through its library form
// when `form` is not nullptr, else as a bare window. It asks `host` what it
// needs of its holder. nullptr when the window cannot be skinned.
std::unique_ptr<TFormSkinner> CreateFormSkinner(HWND window, ui::TForm* form, TSkinData& data, TFormSkinnerHost& host);

}  // namespace skin

#include "skin/engine/popup_skinner.h"

namespace skin {

// Popup menus stay drawn by the system until the popup skinner lands.
std::unique_ptr<TPopupSkinner> CreatePopupSkinner(HWND, TSkinData&) { return nullptr; }

}  // namespace skin

#pragma once
// The files of a drag-and-drop onto a window (WM_DROPFILES). shell32, which
// reads them, is loaded when the first drop arrives, not with every start.

#include <windows.h>
// after windows.h, which it needs
#include <shellapi.h>

#include <string>
#include <vector>

namespace ui {

// The full paths (GBK) in the order dropped; ends the drop (frees `drop`).
std::vector<std::string> TakeDroppedFiles(HDROP drop);

}  // namespace ui

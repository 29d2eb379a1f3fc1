#pragma once
// The smaller kinds of window the gallery opens: a dialog form, a dialog of
// the system's own class, the library's message box and a tool window.

#include <windows.h>

namespace ui {
class TForm;
}

namespace skinview {

// A modal dialog form with a text, an edit box and OK and Cancel buttons.
void ShowSampleDialog(ui::TForm* owner);
// A modal dialog of class "#32770" with the system's standard controls.
void ShowSystemSampleDialog(HWND owner);
// The library's message box with OK and Cancel.
void ShowSampleMessage();
// A tool window with a small caption, shown beside the gallery; closing frees it.
void OpenToolWindow(ui::TForm* owner);

}  // namespace skinview

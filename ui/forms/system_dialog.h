#pragma once
// A dialog box of the system's own window class "#32770", built from a
// template in memory: caption, size and standard child controls, all in
// dialog units. It runs modally over its owner and ends when a button with
// the identifier IDOK or IDCANCEL is clicked (closing it counts as IDCANCEL).

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace ui {

class TSystemDialog {
 public:
  // Caption in GBK; width and height of the client area in dialog units.
  TSystemDialog(std::string caption, short width, short height);

  // A child control of a system class ("BUTTON", "EDIT", "STATIC",
  // "COMBOBOX", "SCROLLBAR", "SysTabControl32", ...); WS_CHILD and WS_VISIBLE
  // are added to the style.
  void AddControl(std::wstring className, std::string text, WORD id, DWORD style, short x, short y, short width,
                  short height);

  // Runs the dialog owned by `owner` and returns IDOK or IDCANCEL; -1 when it
  // could not be made.
  INT_PTR ShowModal(HWND owner);

  // The dialog's window, before it is first shown.
  std::function<void(HWND dialog)> OnInit;

 private:
  struct TItem {
    std::wstring ClassName;
    std::wstring Text;
    WORD Id;
    DWORD Style;
    short X, Y, Width, Height;
  };
  std::vector<WORD> BuildTemplate() const;
  static INT_PTR CALLBACK DialogProcedure(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);

  std::wstring caption_;
  short width_, height_;
  std::vector<TItem> items_;
};

}  // namespace ui

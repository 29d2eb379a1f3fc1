#include "ui/forms/system_dialog.h"

#include "text/gbk.h"
#include "ui/forms/application.h"

namespace ui {
namespace {

// The dialog's font: the library's default face at 9 points.
constexpr WORD kFontPoints = 9;
constexpr wchar_t kFontFace[] = L"\u5B8B\u4F53";  // 宋体

void AppendText(std::vector<WORD>& words, const std::wstring& text) {
  words.insert(words.end(), text.begin(), text.end());
  words.push_back(0);
}

void AlignToDword(std::vector<WORD>& words) {
  if (words.size() % 2) words.push_back(0);
}

void AppendDword(std::vector<WORD>& words, DWORD value) {
  words.push_back(LOWORD(value));
  words.push_back(HIWORD(value));
}

}  // namespace

TSystemDialog::TSystemDialog(std::string caption, short width, short height)
    : caption_(text::GbkToWide(caption)), width_(width), height_(height) {}

void TSystemDialog::AddControl(std::wstring className, std::string text, WORD id, DWORD style, short x, short y,
                               short width, short height) {
  items_.push_back(
      TItem{std::move(className), text::GbkToWide(text), id, style | WS_CHILD | WS_VISIBLE, x, y, width, height});
}

// DLGTEMPLATE, then menu, class, caption and font; each item DWORD-aligned:
// DLGITEMTEMPLATE, class, text and no creation data.
std::vector<WORD> TSystemDialog::BuildTemplate() const {
  std::vector<WORD> words;
  AppendDword(words, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_CENTER);
  AppendDword(words, 0);
  words.push_back(static_cast<WORD>(items_.size()));
  for (short value : {short{0}, short{0}, width_, height_}) words.push_back(static_cast<WORD>(value));
  words.push_back(0);  // no menu
  words.push_back(0);  // the dialog class
  AppendText(words, caption_);
  words.push_back(kFontPoints);
  AppendText(words, kFontFace);
  for (const TItem& item : items_) {
    AlignToDword(words);
    AppendDword(words, item.Style);
    AppendDword(words, 0);
    for (short value : {item.X, item.Y, item.Width, item.Height}) words.push_back(static_cast<WORD>(value));
    words.push_back(item.Id);
    AppendText(words, item.ClassName);
    AppendText(words, item.Text);
    words.push_back(0);  // no creation data
  }
  return words;
}

INT_PTR TSystemDialog::ShowModal(HWND owner) {
  const std::vector<WORD> words = BuildTemplate();
  return DialogBoxIndirectParamW(GetModuleHandleW(nullptr), reinterpret_cast<const DLGTEMPLATE*>(words.data()), owner,
                                 DialogProcedure, reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK TSystemDialog::DialogProcedure(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_INITDIALOG:
      try {
        if (const auto* self = reinterpret_cast<const TSystemDialog*>(lParam); self->OnInit) self->OnInit(dialog);
      } catch (const std::exception& error) {
        // Exceptions must not unwind through the system's frames.
        Application().HandleException(error);
      }
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
      }
      break;
  }
  return FALSE;
}

}  // namespace ui

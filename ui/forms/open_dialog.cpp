#include "ui/forms/open_dialog.h"

#include <windows.h>

#include <commdlg.h>

#include <algorithm>

#include "text/gbk.h"
#include "ui/base/system_library.h"

namespace ui {

TOpenDialog::TOpenDialog(TComponent* owner) : TComponent(owner) {}

bool TOpenDialog::Execute() {
  static const auto getOpenFileName =
      SystemLibraryFunction<decltype(&GetOpenFileNameW)>(L"comdlg32.dll", "GetOpenFileNameW");
  if (!getOpenFileName) return false;
  // The system wants the parts ended by a null each and the whole by another.
  std::wstring filter = text::GbkToWide(filter_);
  for (wchar_t& each : filter)
    if (each == L'|') each = L'\0';
  filter.append(2, L'\0');
  std::wstring file = text::GbkToWide(fileName_);
  file.resize(std::max<size_t>(file.size() + 1, MAX_PATH * 4), L'\0');
  const std::wstring title = text::GbkToWide(title_);

  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = GetActiveWindow();
  dialog.lpstrFilter = filter_.empty() ? nullptr : filter.c_str();
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = static_cast<DWORD>(file.size());
  dialog.lpstrTitle = title.empty() ? nullptr : title.c_str();
  dialog.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
  if (!getOpenFileName(&dialog)) return false;
  fileName_ = text::WideToGbk(file.c_str());
  return true;
}

}  // namespace ui

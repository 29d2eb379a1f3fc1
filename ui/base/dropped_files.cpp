#include "ui/base/dropped_files.h"

#include "text/gbk.h"
#include "ui/base/system_library.h"

namespace ui {

std::vector<std::string> TakeDroppedFiles(HDROP drop) {
  static const auto dragQueryFile = SystemLibraryFunction<decltype(&DragQueryFileW)>(L"shell32.dll", "DragQueryFileW");
  static const auto dragFinish = SystemLibraryFunction<decltype(&DragFinish)>(L"shell32.dll", "DragFinish");
  std::vector<std::string> files;
  if (!dragQueryFile || !dragFinish) return files;
  const UINT count = dragQueryFile(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    std::wstring name(dragQueryFile(drop, i, nullptr, 0) + 1, L'\0');
    name.resize(dragQueryFile(drop, i, name.data(), static_cast<UINT>(name.size())));
    files.push_back(text::WideToGbk(name));
  }
  dragFinish(drop);
  return files;
}

}  // namespace ui

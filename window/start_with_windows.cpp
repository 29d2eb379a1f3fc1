#include "window/start_with_windows.h"

namespace DateWin {

std::wstring RunningProgramPath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);  // cut short: a long path
  }
}

void WriteRunValue(TRegistry& key, const TRunValue& value) { key.WriteString(value.Name, value.Data); }

void TStartWithWindows::Register() const {
  TRegistry registry(KEY_ALL_ACCESS);
  registry.SetRootKey(Root);
  if (!registry.OpenKey(KeyPath, false)) return;
  WriteValue(registry, RunValueFor(ProgramPath()));
}

}  // namespace DateWin

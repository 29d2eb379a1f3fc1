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

bool TStartWithWindows::Registered() const {
  const std::wstring name = RunValueFor(ProgramPath()).Name;
  for (const TRunKey& place : {MachineKey, UserKey}) {
    TRegistry registry(KEY_READ);
    registry.SetRootKey(place.Root);
    if (registry.OpenKeyReadOnly(place.Path) && registry.ValueExists(name)) return true;
  }
  return false;
}

bool TStartWithWindows::WriteTo(const TRunKey& place, bool canCreate, const TRunValue& value) const {
  TRegistry registry(KEY_ALL_ACCESS);
  registry.SetRootKey(place.Root);
  if (!registry.OpenKey(place.Path, canCreate)) return false;
  WriteValue(registry, value);
  return true;
}

TRegisteredFor TStartWithWindows::Register() const {
  const TRunValue value = RunValueFor(ProgramPath());
  if (WriteTo(MachineKey, false, value)) return TRegisteredFor::Machine;
  if (WriteTo(UserKey, true, value)) return TRegisteredFor::User;
  return TRegisteredFor::Nobody;
}

void TStartWithWindows::Unregister() const {
  const std::wstring name = RunValueFor(ProgramPath()).Name;
  for (const TRunKey& place : {MachineKey, UserKey}) {
    TRegistry registry(KEY_SET_VALUE);
    registry.SetRootKey(place.Root);
    if (registry.OpenKey(place.Path, false)) registry.DeleteValue(name);
  }
}

}  // namespace DateWin

#include "window/registry.h"

#include "text/gbk.h"

namespace DateWin {

void TRegistry::SetRootKey(HKEY root) {
  CloseKey();
  root_ = root;
}

bool TRegistry::OpenKey(const std::string& key, bool canCreate) {
  CloseKey();
  const std::wstring path = text::GbkToWide(key);
  const LONG status = canCreate ? RegCreateKeyExW(root_, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access_,
                                                  nullptr, &current_, nullptr)
                                : RegOpenKeyExW(root_, path.c_str(), 0, access_, &current_);
  if (status != ERROR_SUCCESS) current_ = nullptr;
  return current_ != nullptr;
}

bool TRegistry::OpenKeyReadOnly(const std::string& key) {
  CloseKey();
  const std::wstring path = text::GbkToWide(key);
  if (RegOpenKeyExW(root_, path.c_str(), 0, KEY_READ, &current_) != ERROR_SUCCESS) current_ = nullptr;
  return current_ != nullptr;
}

void TRegistry::CloseKey() {
  if (current_) RegCloseKey(current_);
  current_ = nullptr;
}

bool TRegistry::ValueExists(const std::string& name) const { return ValueExists(text::GbkToWide(name)); }

bool TRegistry::ValueExists(const std::wstring& name) const {
  return current_ && RegQueryValueExW(current_, name.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

std::string TRegistry::ReadString(const std::string& name) const {
  return text::WideToGbk(ReadString(text::GbkToWide(name)));
}

std::wstring TRegistry::ReadString(const std::wstring& name) const {
  DWORD type = 0, size = 0;
  if (!current_ || RegQueryValueExW(current_, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
      (type != REG_SZ && type != REG_EXPAND_SZ))
    return L"";
  std::wstring data(size / sizeof(wchar_t) + 1, L'\0');
  size = static_cast<DWORD>(data.size() * sizeof(wchar_t));
  if (RegQueryValueExW(current_, name.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(data.data()), &size) !=
      ERROR_SUCCESS)
    return L"";
  data.resize(wcsnlen(data.c_str(), size / sizeof(wchar_t)));
  return data;
}

void TRegistry::WriteString(const std::string& name, const std::string& value) {
  WriteString(text::GbkToWide(name), text::GbkToWide(value));
}

void TRegistry::WriteString(const std::wstring& name, const std::wstring& value) {
  Write(name, REG_SZ, value.c_str(), static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

int TRegistry::ReadInteger(const std::string& name) const {
  const std::wstring wide = text::GbkToWide(name);
  DWORD type = 0, value = 0, size = sizeof(value);
  if (!current_ ||
      RegQueryValueExW(current_, wide.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) !=
          ERROR_SUCCESS ||
      type != REG_DWORD)
    throw ERegistryException("Failed to get data for '" + name + "'");
  return static_cast<int>(value);
}

void TRegistry::WriteInteger(const std::string& name, int value) {
  const DWORD data = static_cast<DWORD>(value);
  Write(text::GbkToWide(name), REG_DWORD, &data, sizeof(data));
}

void TRegistry::Write(const std::wstring& name, DWORD type, const void* data, DWORD size) {
  if (!current_ ||
      RegSetValueExW(current_, name.c_str(), 0, type, static_cast<const BYTE*>(data), size) != ERROR_SUCCESS)
    throw ERegistryException("Failed to set data for '" + text::WideToGbk(name) + "'");
}

bool TRegistry::DeleteValue(const std::string& name) { return DeleteValue(text::GbkToWide(name)); }

bool TRegistry::DeleteValue(const std::wstring& name) {
  return current_ && RegDeleteValueW(current_, name.c_str()) == ERROR_SUCCESS;
}

bool TRegistry::DeleteKey(const std::string& key) {
  const std::wstring path = text::GbkToWide(key);
  return RegDeleteKeyW(root_, path.c_str()) == ERROR_SUCCESS;
}

}  // namespace DateWin

#pragma once
// A thin wrapper of one open registry key (advapi32). Names and string data
// are GBK; they reach the registry as UTF-16.

#include <windows.h>

#include <stdexcept>
#include <string>

namespace DateWin {

class ERegistryException : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TRegistry {
 public:
  // Keys are opened with this access (full access unless asked otherwise).
  explicit TRegistry(REGSAM access = KEY_ALL_ACCESS) : access_(access) {}
  ~TRegistry() { CloseKey(); }
  TRegistry(const TRegistry&) = delete;
  TRegistry& operator=(const TRegistry&) = delete;

  HKEY RootKey() const { return root_; }
  void SetRootKey(HKEY root);

  // Opens the key under the root, creating it when allowed; false when that fails.
  bool OpenKey(const std::string& key, bool canCreate);
  bool OpenKeyReadOnly(const std::string& key);
  void CloseKey();
  HKEY CurrentKey() const { return current_; }

  bool ValueExists(const std::string& name) const;
  bool ValueExists(const std::wstring& name) const;
  // The string value; empty when missing or not a string.
  std::string ReadString(const std::string& name) const;
  std::wstring ReadString(const std::wstring& name) const;
  // Throws ERegistryException "Failed to set data for 'name'" when refused.
  void WriteString(const std::string& name, const std::string& value);
  // For a name or data that may have no GBK form, such as a file path.
  void WriteString(const std::wstring& name, const std::wstring& value);
  // Throws ERegistryException "Failed to get data for 'name'" when missing or not a number.
  int ReadInteger(const std::string& name) const;
  void WriteInteger(const std::string& name, int value);
  bool DeleteValue(const std::string& name);
  bool DeleteValue(const std::wstring& name);
  // Deletes a key (without subkeys) under the root.
  bool DeleteKey(const std::string& key);

 private:
  void Write(const std::wstring& name, DWORD type, const void* data, DWORD size);

  REGSAM access_;
  HKEY root_ = HKEY_CURRENT_USER;
  HKEY current_ = nullptr;
};

}  // namespace DateWin

#include "ui/base/input_method.h"

#include <imm.h>

#include <cwchar>
#include <iterator>
#include <vector>

#include "text/gbk.h"

namespace ui {
namespace {

constexpr const wchar_t* kLayoutsKey = L"SYSTEM\\CurrentControlSet\\Control\\Keyboard Layouts";

std::wstring RegistryText(HKEY key, const wchar_t* subKey, const wchar_t* value) {
  wchar_t text[256] = {};
  DWORD size = sizeof(text) - sizeof(wchar_t);  // room for the terminator RegGetValueW adds
  if (RegGetValueW(key, subKey, value, RRF_RT_REG_SZ, nullptr, text, &size) != ERROR_SUCCESS) return {};
  return text;
}

// A variant layout's handle carries 0xF000 | its "Layout Id" in the high word
// instead of the registry key's number; find the key that holds that id.
std::wstring VariantLayoutKey(WORD layoutId) {
  HKEY layouts;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kLayoutsKey, 0, KEY_READ, &layouts) != ERROR_SUCCESS) return {};
  std::wstring found;
  wchar_t keyName[256];  // the longest key name the registry allows, plus one
  for (DWORD index = 0;; ++index) {
    DWORD length = std::size(keyName);
    if (RegEnumKeyExW(layouts, index, keyName, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    const std::wstring id = RegistryText(layouts, keyName, L"Layout Id");
    if (!id.empty() && std::wcstoul(id.c_str(), nullptr, 16) == layoutId) {
      found = keyName;
      break;
    }
  }
  RegCloseKey(layouts);
  return found;
}

// The name of a layout's key under "Keyboard Layouts" (its KLID).
std::wstring LayoutKey(HKL layout) {
  const auto bits = static_cast<DWORD>(reinterpret_cast<UINT_PTR>(layout));
  const WORD device = HIWORD(bits);
  wchar_t key[9];
  if ((device & 0xF000) == 0xE000)  // an IME: the key is the whole handle
    std::swprintf(key, std::size(key), L"%08X", static_cast<unsigned>(bits));
  else if ((device & 0xF000) == 0xF000)
    return VariantLayoutKey(device & 0x0FFF);
  else
    std::swprintf(key, std::size(key), L"%08X", static_cast<unsigned>(device));
  return key;
}

bool IsNamed(HKL layout, const std::wstring& name) {
  if (ImmIsIME(layout)) {
    wchar_t description[256] = {};
    if (ImmGetDescriptionW(layout, description, std::size(description) - 1) > 0 && name == description) return true;
  }
  const std::wstring key = LayoutKey(layout);
  return !key.empty() &&
         RegistryText(HKEY_LOCAL_MACHINE, (std::wstring(kLayoutsKey) + L"\\" + key).c_str(), L"Layout Text") == name;
}

}  // namespace

HKL FindKeyboardLayout(const std::string& name) {
  if (name.empty()) return nullptr;
  const std::wstring wide = text::GbkToWide(name);
  std::vector<HKL> layouts(GetKeyboardLayoutList(0, nullptr));
  layouts.resize(GetKeyboardLayoutList(static_cast<int>(layouts.size()), layouts.data()));
  for (HKL layout : layouts)
    if (IsNamed(layout, wide)) return layout;
  return nullptr;
}

void ActivateInputMethod(const std::string& name) {
  if (HKL layout = FindKeyboardLayout(name)) ActivateKeyboardLayout(layout, 0);
}

}  // namespace ui

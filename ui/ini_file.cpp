#include "ui/ini_file.h"

#include <windows.h>

#include <cstdint>

#include "text/gbk.h"
#include "text/ini_integer.h"

namespace ui {
namespace {

constexpr DWORD kMaxValue = 2048;  // characters including the terminator

// Splits a list of zero-terminated names ending in an empty one.
std::vector<std::string> SplitNames(const std::wstring& buffer, DWORD length) {
  std::vector<std::string> names;
  for (size_t start = 0; start < length;) {
    const size_t end = buffer.find(L'\0', start);
    if (end == start || end == std::wstring::npos) break;
    names.push_back(text::WideToGbk(buffer.substr(start, end - start)));
    start = end + 1;
  }
  return names;
}

// Reads a list of names, growing the buffer until it fits.
template <class Reader>
std::vector<std::string> ReadNames(Reader read) {
  for (DWORD size = 4096;; size *= 2) {
    std::wstring buffer(size, L'\0');
    const DWORD length = read(buffer.data(), size);
    if (length < size - 2) return SplitNames(buffer, length);
  }
}

}  // namespace

int ParseIniInteger(const std::string& number, int fallback) {
  std::int32_t value = 0;
  return text::ParseIniInteger(number, value) ? value : fallback;
}

std::string TIniFile::ReadString(const std::string& section, const std::string& key,
                                 const std::string& fallback) const {
  const std::wstring file = text::GbkToWide(fileName_), wideSection = text::GbkToWide(section),
                     wideKey = text::GbkToWide(key), wideFallback = text::GbkToWide(fallback);
  std::wstring buffer(kMaxValue, L'\0');
  const DWORD length = GetPrivateProfileStringW(wideSection.c_str(), wideKey.c_str(), wideFallback.c_str(),
                                                buffer.data(), kMaxValue, file.c_str());
  buffer.resize(length);
  return text::WideToGbk(buffer);
}

void TIniFile::WriteString(const std::string& section, const std::string& key, const std::string& value) {
  const std::wstring wideKey = text::GbkToWide(key), wideValue = text::GbkToWide(value);
  Write(text::GbkToWide(section), wideKey.c_str(), wideValue.c_str());
}

int TIniFile::ReadInteger(const std::string& section, const std::string& key, int fallback) const {
  return ParseIniInteger(ReadString(section, key, ""), fallback);
}

void TIniFile::WriteInteger(const std::string& section, const std::string& key, int value) {
  WriteString(section, key, std::to_string(value));
}

bool TIniFile::ReadBool(const std::string& section, const std::string& key, bool fallback) const {
  return ReadInteger(section, key, fallback ? 1 : 0) != 0;
}

void TIniFile::WriteBool(const std::string& section, const std::string& key, bool value) {
  WriteString(section, key, value ? "1" : "0");
}

std::vector<std::string> TIniFile::ReadSections() const {
  const std::wstring file = text::GbkToWide(fileName_);
  return ReadNames(
      [&](wchar_t* buffer, DWORD size) { return GetPrivateProfileSectionNamesW(buffer, size, file.c_str()); });
}

std::vector<std::string> TIniFile::ReadSection(const std::string& section) const {
  const std::wstring file = text::GbkToWide(fileName_), wideSection = text::GbkToWide(section);
  return ReadNames([&](wchar_t* buffer, DWORD size) {
    return GetPrivateProfileStringW(wideSection.c_str(), nullptr, L"", buffer, size, file.c_str());
  });
}

bool TIniFile::SectionExists(const std::string& section) const {
  for (const std::string& name : ReadSections())
    if (CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, name.c_str(), -1, section.c_str(), -1) == CSTR_EQUAL)
      return true;
  return false;
}

bool TIniFile::ValueExists(const std::string& section, const std::string& key) const {
  for (const std::string& name : ReadSection(section))
    if (CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, name.c_str(), -1, key.c_str(), -1) == CSTR_EQUAL) return true;
  return false;
}

void TIniFile::EraseSection(const std::string& section) { Write(text::GbkToWide(section), nullptr, nullptr); }

void TIniFile::DeleteKey(const std::string& section, const std::string& key) {
  const std::wstring wideKey = text::GbkToWide(key);
  Write(text::GbkToWide(section), wideKey.c_str(), nullptr);
}

void TIniFile::Write(const std::wstring& section, const wchar_t* key, const wchar_t* value) {
  const std::wstring file = text::GbkToWide(fileName_);
  if (!WritePrivateProfileStringW(section.c_str(), key, value, file.c_str()))
    throw EIniFileException("Unable to write to " + fileName_);
}

}  // namespace ui

#pragma once
// A thin wrapper of the system's INI-file functions: sections and keys
// compare without regard to case, a missing key gives the caller's default.
// Names, keys and values are GBK; a file without a byte-order mark is read
// in the system code page (936 on a Chinese system).

#include <stdexcept>
#include <string>
#include <vector>

namespace ui {

class EIniFileException : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TIniFile {
 public:
  explicit TIniFile(std::string fileName) : fileName_(std::move(fileName)) {}

  const std::string& FileName() const { return fileName_; }

  // At most 2,047 characters are read.
  std::string ReadString(const std::string& section, const std::string& key, const std::string& fallback) const;
  // Throws EIniFileException when the file cannot be written.
  void WriteString(const std::string& section, const std::string& key, const std::string& value);
  // A decimal number, or a hexadecimal one after "0x" or "0X" (then longer
  // than two characters); any other text gives the fallback.
  int ReadInteger(const std::string& section, const std::string& key, int fallback) const;
  void WriteInteger(const std::string& section, const std::string& key, int value);
  // A number other than 0 is true.
  bool ReadBool(const std::string& section, const std::string& key, bool fallback) const;
  void WriteBool(const std::string& section, const std::string& key, bool value);

  // Section names in the order of the file.
  std::vector<std::string> ReadSections() const;
  // Key names of a section in the order of the file.
  std::vector<std::string> ReadSection(const std::string& section) const;
  bool SectionExists(const std::string& section) const;
  bool ValueExists(const std::string& section, const std::string& key) const;
  void EraseSection(const std::string& section);
  void DeleteKey(const std::string& section, const std::string& key);

 private:
  void Write(const std::wstring& section, const wchar_t* key, const wchar_t* value);

  std::string fileName_;
};

// The rule of TIniFile::ReadInteger for one value text.
int ParseIniInteger(const std::string& text, int fallback);

}  // namespace ui

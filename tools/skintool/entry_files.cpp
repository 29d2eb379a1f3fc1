#include "tools/skintool/entry_files.h"

#include <set>

#include "text/gbk.h"
#include "tools/skintool/file_io.h"
#include "tools/skintool/tool_error.h"

namespace skintool {

namespace {

bool IsReservedByte(unsigned char c) {
  return c < 0x20 || c == 0x7F || std::string_view("<>:\"/\\|?*").find(static_cast<char>(c)) != std::string_view::npos;
}

std::string Quoted(std::string_view utf8) {
  std::string quoted = "'";
  return quoted.append(utf8).append("'");
}

}  // namespace

std::optional<std::string> EntryFileName(std::string_view entryName) {
  if (entryName.empty() || entryName == "." || entryName == "..") return std::nullopt;
  // Windows drops a final dot or blank from file names.
  if (entryName.back() == '.' || entryName.back() == ' ') return std::nullopt;
  // Only the single-byte range can hold separators and reserved characters;
  // GBK trail bytes start at 0x40, so the round trip below catches the rest.
  for (unsigned char c : entryName) {
    if (IsReservedByte(c)) return std::nullopt;
  }
  std::string utf8 = text::GbkToUtf8(entryName);
  if (text::Utf8ToGbk(utf8) != entryName) return std::nullopt;
  return utf8;
}

std::vector<std::uint8_t> ExtractNamed(const skin::TSkinReader& reader, std::string_view utf8Name) {
  std::vector<std::uint8_t> bytes;
  if (!reader.ExtractEntry(text::Utf8ToGbk(utf8Name), bytes)) throw TToolError("no entry named " + Quoted(utf8Name));
  return bytes;
}

void UnpackTo(const skin::TSkinReader& reader, const std::filesystem::path& dir, std::ostream& notes) {
  std::vector<std::string> fileNames;
  for (std::size_t i = 0; i < reader.EntryCount(); ++i) {
    const std::optional<std::string> fileName = EntryFileName(reader.Names()[i]);
    if (!fileName) {
      throw TToolError("entry " + std::to_string(i + 1) +
                       " has a name that cannot be a file name: " + Quoted(text::GbkToUtf8(reader.Names()[i])));
    }
    if (*fileName == kOrderFileName) {
      throw TToolError("entry " + std::to_string(i + 1) + " is named " + Quoted(kOrderFileName) +
                       ", the file that keeps the archive order");
    }
    fileNames.push_back(*fileName);
  }

  std::error_code error;
  std::filesystem::create_directories(dir, error);
  if (error) throw TToolError(Utf8FromPath(dir) + ": cannot create the folder");
  std::set<std::string> written;
  std::string order;
  for (std::size_t i = 0; i < fileNames.size(); ++i) {
    if (!written.insert(fileNames[i]).second) {
      notes << "entry " << i + 1 << " " << Quoted(fileNames[i])
            << " repeats an earlier name; no lookup reaches it, so it is not written\n";
      continue;
    }
    WriteFileBytes(dir / PathFromUtf8(fileNames[i]), reader.Entry(i));
    order += fileNames[i] + "\n";
  }
  WriteFileBytes(dir / kOrderFileName, std::span(reinterpret_cast<const std::uint8_t*>(order.data()), order.size()));
}

}  // namespace skintool

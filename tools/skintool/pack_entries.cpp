#include "tools/skintool/pack_entries.h"

#include <algorithm>
#include <string>

#include "skin/data/skin_names.h"
#include "skin/data/skin_reader.h"
#include "text/gbk.h"
#include "tools/skintool/entry_files.h"
#include "tools/skintool/file_io.h"
#include "tools/skintool/tool_error.h"

namespace skintool {

namespace {

namespace fs = std::filesystem;

std::string Lowered(const std::string& utf8) { return skin::LowerAsciiLetters(utf8); }

// A file of the folder, read only when it is a plain file there: a symbolic
// link (or other reparse point) could bring in any file of the system.
std::vector<std::uint8_t> ReadFolderFile(const fs::path& path, std::uintmax_t maxBytes) {
  if (!IsPlainFileOrNothing(path)) {
    throw TToolError(Utf8FromPath(path) + " is a symbolic link or no plain file; pack reads none");
  }
  return ReadFileBytes(path, maxBytes);
}

// The file names that order.txt lists: one per line, blank lines skipped.
std::vector<std::string> OrderedFileNames(const fs::path& orderFile) {
  const std::vector<std::uint8_t> bytes = ReadFolderFile(orderFile, skin::kMaxSkinImageSize);
  std::string text(bytes.begin(), bytes.end());
  if (text.starts_with("\xEF\xBB\xBF")) text.erase(0, 3);  // a byte-order mark from Windows editors
  std::vector<std::string> names;
  for (std::string& line : skin::SplitNameLines(text)) {
    if (!line.empty()) names.push_back(std::move(line));
  }
  return names;
}

// Every .bmp file by name, then the settings text.
std::vector<std::string> SkinFilesOf(const fs::path& dir) {
  std::vector<std::string> bitmaps;
  std::vector<std::string> settings;
  for (const fs::directory_entry& entry : fs::directory_iterator(dir)) {
    if (!entry.is_regular_file()) continue;
    const std::string name = Utf8FromPath(entry.path().filename());
    const std::string extension = Lowered(Utf8FromPath(entry.path().extension()));
    if (extension == ".bmp") bitmaps.push_back(name);
    if (extension == ".ini") settings.push_back(name);
  }
  if (settings.size() != 1) {
    throw TToolError(Utf8FromPath(dir) + " holds " + std::to_string(settings.size()) +
                     " settings texts (.ini files); a skin has exactly one, or lists its entries in order.txt");
  }
  std::ranges::sort(bitmaps, [](const std::string& a, const std::string& b) {
    const std::string lowerA = Lowered(a), lowerB = Lowered(b);
    return lowerA != lowerB ? lowerA < lowerB : a < b;
  });
  bitmaps.push_back(settings.front());
  return bitmaps;
}

}  // namespace

std::vector<skin::TSkinEntry> CollectPackEntries(const fs::path& dir) {
  std::error_code error;
  if (!fs::is_directory(dir, error)) throw TToolError(Utf8FromPath(dir) + ": no such folder");
  const fs::path orderFile = dir / kOrderFileName;
  const bool ordered = fs::exists(fs::symlink_status(orderFile, error));
  const std::vector<std::string> fileNames = ordered ? OrderedFileNames(orderFile) : SkinFilesOf(dir);
  if (fileNames.size() > skin::kMaxSkinEntries) {
    throw TToolError(std::to_string(fileNames.size()) + " entries; a skin archive holds at most 1001");
  }

  std::vector<skin::TSkinEntry> entries;
  // What is left of the largest image for the entries' bytes, so that no file
  // beyond it is read at all.
  std::uintmax_t room = skin::kMaxSkinImageSize - skin::kSkinImageHeaderSize;
  for (const std::string& fileName : fileNames) {
    const std::string entryName = text::Utf8ToGbk(fileName);
    if (EntryFileName(entryName) != fileName) {
      throw TToolError("'" + fileName +
                       "' cannot be an entry name (a path, a device name, or characters GBK cannot hold)");
    }
    entries.push_back({entryName, ReadFolderFile(dir / PathFromUtf8(fileName), room)});
    room -= std::min<std::uintmax_t>(room, entries.back().Bytes.size());
  }
  return entries;
}

}  // namespace skintool

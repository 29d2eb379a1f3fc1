#include "tools/skintool/entry_files.h"

#include <algorithm>
#include <array>
#include <set>

#include "skin/data/skin_names.h"
#include "text/gbk.h"
#include "tools/skintool/file_io.h"
#include "tools/skintool/printable.h"
#include "tools/skintool/tool_error.h"

namespace skintool {

namespace {

bool IsReservedByte(unsigned char c) {
  return c < 0x20 || c == 0x7F || std::string_view("<>:\"/\\|?*").find(static_cast<char>(c)) != std::string_view::npos;
}

// Windows opens a device for these names, whatever the extension and case
// ("nul.bmp", "Con.ini"), and for them with blanks before the extension.
bool IsWindowsDeviceName(std::string_view utf8) {
  static constexpr std::array<std::string_view, 6> kDevices = {"con", "prn", "aux", "nul", "conin$", "conout$"};
  std::string_view stem = utf8.substr(0, utf8.find('.'));
  while (!stem.empty() && stem.back() == ' ') stem.remove_suffix(1);
  const std::string lowered = skin::LowerAsciiLetters(stem);
  if (std::ranges::find(kDevices, lowered) != kDevices.end()) return true;
  if (!lowered.starts_with("com") && !lowered.starts_with("lpt")) return false;
  const std::string_view number = std::string_view(lowered).substr(3);
  return (number.size() == 1 && number[0] >= '0' && number[0] <= '9') || number == "\xC2\xB9" || number == "\xC2\xB2" ||
         number == "\xC2\xB3";  // also superscript 1, 2 and 3
}

std::string Quoted(std::string_view utf8) {
  std::string quoted = "'";
  return quoted.append(Printable(utf8)).append("'");
}

std::string EntryLabel(std::size_t index) { return "entry " + std::to_string(index + 1); }

// A file name for the entry without a name that no other entry has.
std::string MadeUpFileName(std::size_t index, const std::set<std::string>& taken) {
  std::string name = "unnamed-entry-" + std::to_string(index + 1);
  while (taken.contains(name)) name += "-";
  return name;
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
  if (text::Utf8ToGbk(utf8) != entryName || IsWindowsDeviceName(utf8)) return std::nullopt;
  return utf8;
}

std::vector<std::uint8_t> ExtractNamed(const skin::TSkinReader& reader, std::string_view utf8Name) {
  std::vector<std::uint8_t> bytes;
  if (!reader.ExtractEntry(text::Utf8ToGbk(utf8Name), bytes)) throw TToolError("no entry named " + Quoted(utf8Name));
  return bytes;
}

std::size_t UnpackTo(const skin::TSkinReader& reader, const std::filesystem::path& dir, std::ostream& notes) {
  // The file name of every entry to write, in archive order (empty: not written).
  std::vector<std::string> fileNames(reader.EntryCount());
  std::set<std::string> taken;
  for (std::size_t i = 0; i < reader.EntryCount(); ++i) {
    const std::string& name = reader.Names()[i];
    if (name.empty()) continue;
    const std::optional<std::string> fileName = EntryFileName(name);
    if (!fileName) {
      throw TToolError(EntryLabel(i) + " has a name that cannot be a file name: " + Quoted(text::GbkToUtf8(name)));
    }
    if (*fileName == kOrderFileName) {
      throw TToolError(EntryLabel(i) + " is named " + Quoted(kOrderFileName) +
                       ", the file that keeps the archive order");
    }
    if (taken.insert(*fileName).second) {
      fileNames[i] = *fileName;
    } else {
      notes << EntryLabel(i) << " " << Quoted(*fileName)
            << " repeats an earlier name; no lookup reaches it, so it is not written\n";
    }
  }
  std::vector<bool> listed(reader.EntryCount(), true);
  for (std::size_t i = 0; i < reader.EntryCount(); ++i) {
    if (!reader.Names()[i].empty()) continue;
    fileNames[i] = MadeUpFileName(i, taken);
    taken.insert(fileNames[i]);
    listed[i] = false;
    notes << EntryLabel(i) << " has an empty name, which no lookup reaches; it is written as " << Quoted(fileNames[i])
          << " and left out of " << kOrderFileName << '\n';
  }

  taken.insert(std::string(kOrderFileName));
  for (const std::string& fileName : taken) {
    const std::filesystem::path path = dir / PathFromUtf8(fileName);
    if (!IsPlainFileOrNothing(path)) {
      throw TToolError(Utf8FromPath(path) + " is a symbolic link or no plain file; unpack writes through none");
    }
  }
  std::error_code error;
  std::filesystem::create_directories(dir, error);
  if (error) throw TToolError(Utf8FromPath(dir) + ": cannot create the folder");

  std::size_t written = 0;
  std::string order;
  for (std::size_t i = 0; i < fileNames.size(); ++i) {
    if (fileNames[i].empty()) continue;
    WriteNewFileBytes(dir / PathFromUtf8(fileNames[i]), reader.Entry(i));
    ++written;
    if (listed[i]) order += fileNames[i] + "\n";
  }
  WriteNewFileBytes(dir / kOrderFileName, std::span(reinterpret_cast<const std::uint8_t*>(order.data()), order.size()));
  return written;
}

}  // namespace skintool

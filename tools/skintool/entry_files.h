#pragma once
// Archive entries as files of a folder: their file names, extraction and unpacking.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "skin/data/skin_reader.h"

namespace skintool {

// The file of a skin folder that lists the entries in archive order.
inline constexpr std::string_view kOrderFileName = "order.txt";

// The UTF-8 file name for a GBK entry name, or nothing when the name cannot
// safely name a file of one folder on every system (empty, "." or "..", a path
// separator, a drive colon, a control or reserved character, a Windows device
// name such as "nul.bmp" or "COM1", or bytes that are no GBK text).
std::optional<std::string> EntryFileName(std::string_view entryName);

// The bytes of the first entry of that name (UTF-8, compared without regard to
// ASCII case); throws TToolError when there is none.
std::vector<std::uint8_t> ExtractNamed(const skin::TSkinReader& reader, std::string_view utf8Name);

// Writes every entry to `dir` (created when missing) and the archive order to
// the order file, so that packing the folder gives an archive the program reads
// the same. Two kinds of entry no lookup reaches are not packed again, and
// `notes` says so: a later entry with an earlier entry's name is not written,
// and an entry with an empty name is written under a made-up file name left
// out of the order file. Returns the number of entry files written. Throws
// TToolError, before writing anything, when a name cannot be a file name or
// something other than a plain file (a symbolic link, say) stands at a name to
// be written; files are never written through a link.
std::size_t UnpackTo(const skin::TSkinReader& reader, const std::filesystem::path& dir, std::ostream& notes);

}  // namespace skintool

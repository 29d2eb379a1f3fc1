#pragma once
// Whole-file reading and writing for skintool, with paths given as UTF-8.

#include <cstdint>
#include <filesystem>
#include <limits>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace skintool {

std::filesystem::path PathFromUtf8(std::string_view utf8);
std::string Utf8FromPath(const std::filesystem::path& path);

// Throws TToolError naming the file when it cannot be read. A file above
// `maxBytes` is refused by its size, before anything is read.
std::vector<std::uint8_t> ReadFileBytes(const std::filesystem::path& path,
                                        std::uintmax_t maxBytes = std::numeric_limits<std::uintmax_t>::max());

// True when nothing is at `path` or a plain file: no symbolic link (or other
// reparse point), folder or device.
bool IsPlainFileOrNothing(const std::filesystem::path& path);

// Writes the file at `path` whole or not at all, never through a link there:
// after IsPlainFileOrNothing, the bytes go to a new file created exclusively
// beside it, which replaces the name only once it is complete. A write that
// fails (a full disk, a file size limit) leaves the old file as it was and
// removes the new one; TToolError names the file. Replacing a name never
// follows a link at it, also where links cannot be seen (Wine shows a Unix
// link as what it points at), whereas removing or opening the name would.
void WriteNewFileBytes(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);

}  // namespace skintool

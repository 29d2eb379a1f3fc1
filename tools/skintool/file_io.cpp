#include "tools/skintool/file_io.h"

#include <fcntl.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fstream>
#include <iterator>

#include "tools/skintool/tool_error.h"

#ifdef _WIN32
#include <io.h>
#include <sys/stat.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace skintool {

namespace {

#ifdef _WIN32
int OpenNew(const std::filesystem::path& path) {
  return _wopen(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
}
int WriteSome(int file, const std::uint8_t* data, std::size_t size) {
  return _write(file, data, static_cast<unsigned>(std::min<std::size_t>(size, 1 << 30)));
}
int Close(int file) { return _close(file); }
bool Replace(const std::filesystem::path& from, const std::filesystem::path& to) {
  return MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
}
#else
// O_EXCL with O_CREAT never follows a link at the name.
int OpenNew(const std::filesystem::path& path) {
  return open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
}
ssize_t WriteSome(int file, const std::uint8_t* data, std::size_t size) { return write(file, data, size); }
int Close(int file) { return close(file); }
bool Replace(const std::filesystem::path& from, const std::filesystem::path& to) {
  return rename(from.c_str(), to.c_str()) == 0;
}
#endif

}  // namespace

std::filesystem::path PathFromUtf8(std::string_view utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string Utf8FromPath(const std::filesystem::path& path) {
  const std::u8string utf8 = path.u8string();
  return std::string(utf8.begin(), utf8.end());
}

std::vector<std::uint8_t> ReadFileBytes(const std::filesystem::path& path, std::uintmax_t maxBytes) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) throw TToolError(Utf8FromPath(path) + ": no such file");
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (!error && size > maxBytes) {
    throw TToolError(Utf8FromPath(path) + ": " + std::to_string(size) + " bytes, more than the " +
                     std::to_string(maxBytes) + " bytes a skin has room for");
  }
  std::ifstream file(path, std::ios::binary);
  std::vector<std::uint8_t> bytes(std::istreambuf_iterator<char>(file), {});
  if (!file && !file.eof()) throw TToolError(Utf8FromPath(path) + ": cannot be read");
  return bytes;
}

bool IsPlainFileOrNothing(const std::filesystem::path& path) {
#ifdef _WIN32
  // The standard library here does not tell links from what they point at.
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    return GetLastError() == ERROR_FILE_NOT_FOUND || GetLastError() == ERROR_PATH_NOT_FOUND;
  }
  if (attributes & (FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DIRECTORY)) return false;
#endif
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::symlink_status(path, error);
  if (status.type() == std::filesystem::file_type::not_found) return true;
  return !error && status.type() == std::filesystem::file_type::regular;
}

void WriteNewFileBytes(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
  if (!IsPlainFileOrNothing(path)) throw TToolError(Utf8FromPath(path) + ": not a plain file; it is not written");
  std::filesystem::path fresh;
  int file = -1;
  // Another name beside it when one is taken (a leftover, or a link put there).
  errno = EEXIST;
  for (int attempt = 0; file < 0 && errno == EEXIST && attempt < 100; ++attempt) {
    fresh = path;
    fresh += ".skintool-" + std::to_string(attempt);
    file = OpenNew(fresh);
  }
  if (file < 0) throw TToolError(Utf8FromPath(path) + ": cannot be written");
  bool written = true;
  for (std::size_t done = 0; written && done < bytes.size();) {
    const auto count = WriteSome(file, bytes.data() + done, bytes.size() - done);
    written = count > 0;
    if (written) done += static_cast<std::size_t>(count);
  }
  written = Close(file) == 0 && written && Replace(fresh, path);
  if (!written) {
    std::error_code error;
    std::filesystem::remove(fresh, error);
    throw TToolError(Utf8FromPath(path) + ": cannot be written");
  }
}

}  // namespace skintool

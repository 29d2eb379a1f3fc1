#include "text/gbk.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>

#include <cerrno>
#include <stdexcept>
#endif

namespace text {

#ifdef _WIN32

namespace {
constexpr UINT kGbkCodePage = 936;

std::wstring ToWide(UINT code_page, std::string_view bytes) {
  if (bytes.empty()) return {};
  int length = MultiByteToWideChar(code_page, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  std::wstring wide(length, L'\0');
  MultiByteToWideChar(code_page, 0, bytes.data(), static_cast<int>(bytes.size()), wide.data(), length);
  return wide;
}

std::string FromWide(UINT code_page, std::wstring_view wide) {
  if (wide.empty()) return {};
  int length =
      WideCharToMultiByte(code_page, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
  std::string bytes(length, '\0');
  WideCharToMultiByte(code_page, 0, wide.data(), static_cast<int>(wide.size()), bytes.data(), length, nullptr, nullptr);
  return bytes;
}
}  // namespace

std::wstring GbkToWide(std::string_view gbk) { return ToWide(kGbkCodePage, gbk); }
std::string WideToGbk(std::wstring_view wide) { return FromWide(kGbkCodePage, wide); }
std::string WideToUtf8(std::wstring_view wide) { return FromWide(CP_UTF8, wide); }
std::string GbkToUtf8(std::string_view gbk) { return WideToUtf8(GbkToWide(gbk)); }
std::string Utf8ToGbk(std::string_view utf8) { return WideToGbk(ToWide(CP_UTF8, utf8)); }

#else

namespace {

// Converts with iconv, replacing what cannot be converted and going on.
std::string Convert(const char* to, const char* from, std::string_view input, std::string_view replacement) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv cannot convert between GBK and UTF-8");
  std::string output;
  char buffer[256];
  char* in = const_cast<char*>(input.data());
  size_t in_left = input.size();
  while (in_left > 0) {
    char* out = buffer;
    size_t out_left = sizeof buffer;
    size_t result = iconv(cd, &in, &in_left, &out, &out_left);
    output.append(buffer, out - buffer);
    if (result == static_cast<size_t>(-1) && errno != E2BIG) {
      output.append(replacement);  // invalid or incomplete sequence: skip one byte
      ++in;
      --in_left;
    }
  }
  iconv_close(cd);
  return output;
}

}  // namespace

std::string GbkToUtf8(std::string_view gbk) { return Convert("UTF-8", "GBK", gbk, "\xEF\xBF\xBD"); }
std::string Utf8ToGbk(std::string_view utf8) { return Convert("GBK", "UTF-8", utf8, "?"); }

#endif

}  // namespace text

#include "text/gbk.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>

#include <bit>
#include <cerrno>
#include <stdexcept>
#endif

namespace text {

#ifdef _WIN32

namespace {
constexpr UINT kGbkCodePage = 936;

std::wstring ToWide(UINT codePage, std::string_view bytes) {
  if (bytes.empty()) return {};
  int length = MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  std::wstring wide(length, L'\0');
  MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), wide.data(), length);
  return wide;
}

std::string FromWide(UINT codePage, std::wstring_view wide) {
  if (wide.empty()) return {};
  int length =
      WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
  std::string bytes(length, '\0');
  WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), bytes.data(), length, nullptr, nullptr);
  return bytes;
}
}  // namespace

std::wstring GbkToWide(std::string_view gbk) { return ToWide(kGbkCodePage, gbk); }
std::string WideToGbk(std::wstring_view wide) { return FromWide(kGbkCodePage, wide); }
std::string WideToUtf8(std::wstring_view wide) { return FromWide(CP_UTF8, wide); }
std::string GbkToUtf8(std::string_view gbk) { return WideToUtf8(GbkToWide(gbk)); }
std::string Utf8ToGbk(std::string_view utf8) { return WideToGbk(ToWide(CP_UTF8, utf8)); }
// wchar_t is a UTF-16 code unit on Windows.
std::string Utf16ToGbk(std::u16string_view utf16) {
  return WideToGbk(std::wstring_view(reinterpret_cast<const wchar_t*>(utf16.data()), utf16.size()));
}

#else

namespace {

// How many bytes one character of the input takes, for skipping it whole.
using TSkipLength = std::size_t (*)(const char* in, std::size_t left);

std::size_t OneByte(const char*, std::size_t) { return 1; }

// A UTF-8 lead byte and its continuation bytes (at most three).
std::size_t Utf8Character(const char* in, std::size_t left) {
  std::size_t length = 1;
  while (length < left && length < 4 && (static_cast<unsigned char>(in[length]) & 0xC0) == 0x80) ++length;
  return length;
}

std::size_t Utf16Unit(const char*, std::size_t left) { return left < 2 ? left : 2; }

// Converts with iconv, replacing what cannot be converted and going on.
std::string Convert(const char* to, const char* from, std::string_view input, std::string_view replacement,
                    TSkipLength skip) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1))
    throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
  std::string output;
  char buffer[256];
  char* in = const_cast<char*>(input.data());
  size_t inLeft = input.size();
  while (inLeft > 0) {
    char* out = buffer;
    size_t outLeft = sizeof buffer;
    size_t result = iconv(cd, &in, &inLeft, &out, &outLeft);
    output.append(buffer, out - buffer);
    if (result == static_cast<size_t>(-1) && errno != E2BIG) {
      output.append(replacement);  // invalid, unconvertible or incomplete: skip one character
      const std::size_t length = skip(in, inLeft);
      in += length;
      inLeft -= length;
    }
  }
  iconv_close(cd);
  return output;
}

}  // namespace

std::string GbkToUtf8(std::string_view gbk) { return Convert("UTF-8", "GBK", gbk, "\xEF\xBF\xBD", OneByte); }
std::string Utf8ToGbk(std::string_view utf8) { return Convert("GBK", "UTF-8", utf8, "?", Utf8Character); }
std::string Utf16ToGbk(std::u16string_view utf16) {
  const char* unitOrder = std::endian::native == std::endian::little ? "UTF-16LE" : "UTF-16BE";
  return Convert("GBK", unitOrder, std::string_view(reinterpret_cast<const char*>(utf16.data()), 2 * utf16.size()), "?",
                 Utf16Unit);
}

#endif

}  // namespace text

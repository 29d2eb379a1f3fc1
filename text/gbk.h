#pragma once
// Conversions between the program's GBK texts (code page 936, one Chinese
// character in two bytes) and the encodings of the world outside.

#include <string>
#include <string_view>

namespace text {

// Bytes that do not form a valid character become U+FFFD.
std::string GbkToUtf8(std::string_view gbk);

// Characters with no GBK form become '?'.
std::string Utf8ToGbk(std::string_view utf8);

// UTF-16 code units (a text Windows reads as Unicode); characters with no GBK
// form, and unpaired surrogates, become '?'.
std::string Utf16ToGbk(std::u16string_view utf16);

#ifdef _WIN32
std::wstring GbkToWide(std::string_view gbk);
std::string WideToGbk(std::wstring_view wide);
// For the tools, which take wide command lines and print UTF-8.
std::string WideToUtf8(std::wstring_view wide);
#endif

}  // namespace text

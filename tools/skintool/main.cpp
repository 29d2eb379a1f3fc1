// skintool: reads, unpacks and packs skin archives for skin authors.

#include <iostream>
#include <string>
#include <vector>

#include "tools/skintool/skintool_cli.h"

#ifdef _WIN32
#include <windows.h>
// After windows.h, which it builds on.
#include <shellapi.h>

namespace {

// The command line as UTF-8 words, whatever the console's code page.
std::vector<std::string> Utf8Arguments() {
  int count = 0;
  wchar_t** words = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> args;
  for (int i = 1; i < count; ++i) {
    const int length = WideCharToMultiByte(CP_UTF8, 0, words[i], -1, nullptr, 0, nullptr, nullptr);
    std::string word(length > 0 ? length - 1 : 0, '\0');
    WideCharToMultiByte(CP_UTF8, 0, words[i], -1, word.data(), length, nullptr, nullptr);
    args.push_back(word);
  }
  LocalFree(words);
  return args;
}

}  // namespace

int main() {
  SetConsoleOutputCP(CP_UTF8);
  return skintool::RunSkinTool(Utf8Arguments(), std::cout, std::cerr);
}

#else

int main(int argc, char** argv) {
  return skintool::RunSkinTool(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}

#endif

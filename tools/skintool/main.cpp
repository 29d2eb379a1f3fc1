// skintool: reads, unpacks and packs skin archives for skin authors.

#include <iostream>
#include <string>
#include <vector>

#include "tools/skintool/skintool_cli.h"

#ifdef _WIN32
#include <windows.h>
// After windows.h, which it builds on.
#include <shellapi.h>

#include "text/gbk.h"

namespace {

// The command line as UTF-8 words, whatever the console's code page.
std::vector<std::string> Utf8Arguments() {
  int count = 0;
  wchar_t** words = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> args;
  for (int i = 1; i < count; ++i) args.push_back(text::WideToUtf8(words[i]));
  LocalFree(words);
  return args;
}

}  // namespace

int main() {
  SetConsoleOutputCP(CP_UTF8);
  return skintool::RunSkinTool(Utf8Arguments(), std::cout, std::cerr);
}

#else

#include <csignal>

int main(int argc, char** argv) {
  // Past a file size limit a write fails and the half-written file goes,
  // instead of the tool being killed with it left behind.
  std::signal(SIGXFSZ, SIG_IGN);
  return skintool::RunSkinTool(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}

#endif

#include "tools/rilvanta-cal/standard_output.h"

#include <cstdio>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace rilvanta_cal {

#ifdef _WIN32

TStandardOutput::TStandardOutput() {
  _setmode(_fileno(stdout), _O_BINARY);
  isTerminal_ = _isatty(_fileno(stdout)) != 0;
  HANDLE console = GetStdHandle(STD_OUTPUT_HANDLE);
  DWORD mode = 0;
  if (isTerminal_ && GetConsoleMode(console, &mode)) {
    consoleChanged_ = true;
    previousCodePage_ = GetConsoleOutputCP();
    previousMode_ = mode;
    SetConsoleOutputCP(CP_UTF8);
    SetConsoleMode(console, mode | ENABLE_VIRTUAL_TERMINAL_PROCESSING);  // colour escapes
  }
}

TStandardOutput::~TStandardOutput() {
  std::fflush(stdout);
  if (!consoleChanged_) return;
  SetConsoleOutputCP(previousCodePage_);
  SetConsoleMode(GetStdHandle(STD_OUTPUT_HANDLE), previousMode_);
}

#else

TStandardOutput::TStandardOutput() : isTerminal_(isatty(STDOUT_FILENO) != 0) {}

TStandardOutput::~TStandardOutput() { std::fflush(stdout); }

#endif

bool TStandardOutput::Write(std::string_view bytes) {
  return std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size();
}

bool TStandardOutput::Flush() { return std::fflush(stdout) == 0 && !std::ferror(stdout); }

}  // namespace rilvanta_cal

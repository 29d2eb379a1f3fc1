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

StandardOutput::StandardOutput() {
  _setmode(_fileno(stdout), _O_BINARY);
  is_terminal_ = _isatty(_fileno(stdout)) != 0;
  HANDLE console = GetStdHandle(STD_OUTPUT_HANDLE);
  DWORD mode = 0;
  if (is_terminal_ && GetConsoleMode(console, &mode)) {
    console_changed_ = true;
    previous_code_page_ = GetConsoleOutputCP();
    previous_mode_ = mode;
    SetConsoleOutputCP(CP_UTF8);
    SetConsoleMode(console, mode | ENABLE_VIRTUAL_TERMINAL_PROCESSING);  // colour escapes
  }
}

StandardOutput::~StandardOutput() {
  std::fflush(stdout);
  if (!console_changed_) return;
  SetConsoleOutputCP(previous_code_page_);
  SetConsoleMode(GetStdHandle(STD_OUTPUT_HANDLE), previous_mode_);
}

#else

StandardOutput::StandardOutput() : is_terminal_(isatty(STDOUT_FILENO) != 0) {}

StandardOutput::~StandardOutput() { std::fflush(stdout); }

#endif

bool StandardOutput::Write(std::string_view bytes) {
  return std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size();
}

bool StandardOutput::Flush() { return std::fflush(stdout) == 0 && !std::ferror(stdout); }

}  // namespace rilvanta_cal

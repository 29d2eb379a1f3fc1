#pragma once
// The tool's standard output: raw UTF-8 bytes with "\n" line ends on every
// system. On Windows stdout is switched to binary mode (no CRLF translation, so
// the bytes equal the Linux build's), and a console is switched to UTF-8 for the
// tool's lifetime.

#include <string_view>

namespace rilvanta_cal {

class StandardOutput {
 public:
  StandardOutput();
  ~StandardOutput();
  StandardOutput(const StandardOutput&) = delete;
  StandardOutput& operator=(const StandardOutput&) = delete;

  // False once a write has failed (a closed pipe, a full disk).
  bool Write(std::string_view bytes);
  bool Flush();
  // Whether stdout is a terminal, where colours may be used.
  bool IsTerminal() const { return is_terminal_; }

 private:
  bool is_terminal_ = false;
  // Windows console only: what to restore, when changed.
  bool console_changed_ = false;
  unsigned previous_code_page_ = 0;
  unsigned long previous_mode_ = 0;
};

}  // namespace rilvanta_cal

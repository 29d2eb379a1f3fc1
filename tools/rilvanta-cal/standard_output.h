#pragma once
// The tool's standard output: raw UTF-8 bytes with "\n" line ends on every
// system. On Windows stdout is switched to binary mode (no CRLF translation, so
// the bytes equal the Linux build's), and a console is switched to UTF-8 for the
// tool's lifetime.

#include <string_view>

namespace rilvanta_cal {

class TStandardOutput {
 public:
  TStandardOutput();
  ~TStandardOutput();
  TStandardOutput(const TStandardOutput&) = delete;
  TStandardOutput& operator=(const TStandardOutput&) = delete;

  // False once a write has failed (a closed pipe, a full disk).
  bool Write(std::string_view bytes);
  bool Flush();
  // Whether stdout is a terminal, where colours may be used.
  bool IsTerminal() const { return isTerminal_; }

 private:
  bool isTerminal_ = false;
  // Windows console only: what to restore, when changed.
  bool consoleChanged_ = false;
  unsigned previousCodePage_ = 0;
  unsigned long previousMode_ = 0;
};

}  // namespace rilvanta_cal

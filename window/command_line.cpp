#include "window/command_line.h"

#include "window/autostart/run_value.h"

#include <utility>
#include <vector>

namespace DateWin {
namespace {

std::vector<std::wstring> SplitArguments(std::wstring_view arguments) {
  std::vector<std::wstring> words;
  std::wstring word;
  bool quoted = false, inWord = false;
  for (wchar_t c : arguments) {
    if (c == L'"') {
      quoted = !quoted;
      inWord = true;
    } else if ((c == L' ' || c == L'\t') && !quoted) {
      if (inWord) words.push_back(std::exchange(word, {}));
      inWord = false;
    } else {
      word.push_back(c);
      inWord = true;
    }
  }
  if (inWord) words.push_back(word);
  return words;
}

}  // namespace

TCommandLine ParseCommandLine(std::wstring_view arguments) {
  TCommandLine options;
  const std::vector<std::wstring> words = SplitArguments(arguments);
  for (std::size_t index = 0; index < words.size(); ++index) {
    if (words[index] == kAutostartArgument)
      options.Autostart = true;
    else if (words[index] == L"--skin" && index + 1 < words.size())
      options.SkinFile = words[++index];
  }
  return options;
}

}  // namespace DateWin

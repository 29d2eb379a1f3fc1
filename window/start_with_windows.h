#pragma once
// Registering the program to start with Windows for every user of the
// machine: a string value under the machine's Run key. Nothing removes it,
// and the program never reads it back.

#include <windows.h>

#include <functional>
#include <string>

#include "window/autostart/run_value.h"
#include "window/registry.h"

namespace DateWin {

// The running program's full path as the system reports it.
std::wstring RunningProgramPath();
// Writes the value into the open key; throws ERegistryException when refused.
void WriteRunValue(TRegistry& key, const TRunValue& value);

class TStartWithWindows {
 public:
  // Opens the key with full access, never creating it, and writes the value
  // for the program; an existing value of that name is overwritten. A key
  // that cannot be opened (missing, or no rights) is a silent no-op. A refused
  // write throws ERegistryException "Failed to set data for 'name'", after
  // the key is closed.
  void Register() const;

  // Where and what is written; tests point these elsewhere.
  HKEY Root = HKEY_LOCAL_MACHINE;
  std::string KeyPath = "SOFTWARE\\MicroSoft\\Windows\\CurrentVersion\\Run";
  std::function<std::wstring()> ProgramPath = RunningProgramPath;
  std::function<void(TRegistry& key, const TRunValue& value)> WriteValue = WriteRunValue;
};

}  // namespace DateWin

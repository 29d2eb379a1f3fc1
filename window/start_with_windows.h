#pragma once
// Registering the program to start with Windows: a string value under the
// machine's Run key, or the user's when the machine's is refused. The value
// starts the calendar resident; removing it is choosing the item again.

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

// A Run key: where Windows finds the programs it starts.
struct TRunKey {
  HKEY Root;
  std::string Path;
};

// Where a registration went: for every user, for the current user only, or
// nowhere (neither key could be opened).
enum class TRegisteredFor { Machine, User, Nobody };

class TStartWithWindows {
 public:
  // Whether either Run key holds a value under the program's file name.
  bool Registered() const;
  // Writes the program's value into the machine's key, opened with full
  // access and never created; when that key cannot be opened, into the
  // user's (created if missing). An existing value of that name is
  // overwritten. A refused write throws ERegistryException "Failed to set
  // data for 'name'", after the key is closed.
  TRegisteredFor Register() const;
  // Removes the program's value from both keys.
  void Unregister() const;

  // Where and what is written; tests point these elsewhere.
  TRunKey MachineKey{HKEY_LOCAL_MACHINE, "SOFTWARE\\MicroSoft\\Windows\\CurrentVersion\\Run"};
  TRunKey UserKey{HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Run"};
  std::function<std::wstring()> ProgramPath = RunningProgramPath;
  std::function<void(TRegistry& key, const TRunValue& value)> WriteValue = WriteRunValue;

 private:
  bool WriteTo(const TRunKey& place, bool canCreate, const TRunValue& value) const;
};

}  // namespace DateWin

// gui_object_counts PROGRAM: prints the GDI objects by kind, the windows and
// the working set of a running process, given by its id or by its program's
// file name ("rilvanta.exe"), to watch a program by hand under Wine.

#include <windows.h>
// After windows.h, which it needs.
#include <tlhelp32.h>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "gui_object_counts.h"

namespace {

// The first running process whose program file is `name`.
std::optional<DWORD> ProcessNamed(const std::wstring& name) {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return std::nullopt;
  std::optional<DWORD> found;
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof(entry);
  for (BOOL more = Process32FirstW(snapshot, &entry); more && !found; more = Process32NextW(snapshot, &entry))
    if (lstrcmpiW(entry.szExeFile, name.c_str()) == 0) found = entry.th32ProcessID;
  CloseHandle(snapshot);
  return found;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) {
    std::fputs("usage: gui_object_counts <process id | program file name>\n", stderr);
    return 2;
  }
  wchar_t* end = nullptr;
  const unsigned long number = std::wcstoul(argv[1], &end, 10);
  const std::optional<DWORD> processId = *end == L'\0' ? std::optional<DWORD>(number) : ProcessNamed(argv[1]);
  const std::optional<test_support::GuiObjectCounts> counts =
      processId ? test_support::ReadGuiObjectCounts(*processId) : std::nullopt;
  if (!counts) {
    std::fprintf(stderr, "gui_object_counts: cannot read process %ls\n", argv[1]);
    return 1;
  }
  std::printf("process %lu: %s\n", static_cast<unsigned long>(*processId), test_support::Describe(*counts).c_str());
  return 0;
}

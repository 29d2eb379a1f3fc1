// startup_race ROUNDS PROGRAM BASELINE: the start-up time a user feels, from
// asking the system to start a program to its first visible window, polled
// every 2 ms. The two programs take turns (the order swapped every round), so
// whatever else loads the machine weighs on both alike. Prints every time, the
// medians and PROGRAM's median as a multiple of BASELINE's.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr DWORD kPollMilliseconds = 2;
constexpr double kGiveUpMilliseconds = 20000;

struct VisibleWindowSearch {
  DWORD process;
  HWND found = nullptr;
};

HWND VisibleWindowOf(DWORD process) {
  VisibleWindowSearch search{process};
  EnumWindows(
      [](HWND window, LPARAM data) -> BOOL {
        auto* search = reinterpret_cast<VisibleWindowSearch*>(data);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner != search->process || !IsWindowVisible(window)) return TRUE;
        search->found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Milliseconds from CreateProcess to the first visible window; negative when
// the program failed to start or showed nothing. The program is closed again.
double TimeToWindow(const std::wstring& program) {
  std::wstring commandLine = L"\"" + program + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION started{};
  LARGE_INTEGER begin, now;
  QueryPerformanceCounter(&begin);
  if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &started))
    return -1;
  HWND window = nullptr;
  double elapsed = 0;
  do {
    window = VisibleWindowOf(started.dwProcessId);
    QueryPerformanceCounter(&now);
    elapsed = Milliseconds(begin, now);
    if (!window) Sleep(kPollMilliseconds);
  } while (!window && elapsed < kGiveUpMilliseconds && WaitForSingleObject(started.hProcess, 0) == WAIT_TIMEOUT);
  if (window) PostMessageW(window, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(started.hProcess, 10000) == WAIT_TIMEOUT) TerminateProcess(started.hProcess, 1);
  CloseHandle(started.hThread);
  CloseHandle(started.hProcess);
  return window ? elapsed : -1;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

std::wstring FileName(const std::wstring& path) { return path.substr(path.find_last_of(L"\\/") + 1); }

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const int rounds = argc == 4 ? _wtoi(argv[1]) : 0;
  if (rounds < 1) {
    std::fprintf(stderr, "usage: startup_race ROUNDS PROGRAM BASELINE\n");
    return 2;
  }
  const std::wstring programs[2] = {argv[2], argv[3]};
  std::vector<double> times[2];
  // Once each untimed, so both find their files in the cache.
  for (const std::wstring& program : programs) TimeToWindow(program);
  for (int round = 0; round < rounds; ++round) {
    for (int turn = 0; turn < 2; ++turn) {
      const int which = round % 2 ? 1 - turn : turn;
      const double time = TimeToWindow(programs[which]);
      if (time < 0) {
        std::fprintf(stderr, "startup_race: %ls showed no window\n", programs[which].c_str());
        return 1;
      }
      times[which].push_back(time);
    }
  }
  for (int which = 0; which < 2; ++which) {
    std::printf("%-20ls", FileName(programs[which]).c_str());
    for (double time : times[which]) std::printf(" %6.1f", time);
    std::printf("  median %6.1f ms\n", Median(times[which]));
  }
  std::printf("ratio %.2f\n", Median(times[0]) / Median(times[1]));
  return 0;
}

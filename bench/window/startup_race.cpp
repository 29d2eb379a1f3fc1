// startup_race ROUNDS PROGRAM... BASELINE: the start-up time a user feels,
// from asking the system to start a program to its first visible window,
// polled every 2 ms. The programs take turns, each round starting with the
// next one, so whatever else loads the machine weighs on all alike. Prints
// every time, the medians and each program's median as a multiple of the
// last program's.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr DWORD kPollMilliseconds = 2;
constexpr double kGiveUpMilliseconds = 20000;

struct TVisibleWindowSearch {
  DWORD Process;
  HWND Found = nullptr;
};

HWND VisibleWindowOf(DWORD process) {
  TVisibleWindowSearch search{process};
  EnumWindows(
      [](HWND window, LPARAM data) -> BOOL {
        auto* search = reinterpret_cast<TVisibleWindowSearch*>(data);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner != search->Process || !IsWindowVisible(window)) return TRUE;
        search->Found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.Found;
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

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const int rounds = argc >= 4 ? _wtoi(argv[1]) : 0;
  if (rounds < 1) {
    std::fprintf(stderr, "usage: startup_race ROUNDS PROGRAM... BASELINE\n");
    return 2;
  }
  const std::vector<std::wstring> programs(argv + 2, argv + argc);
  const std::size_t count = programs.size();
  std::vector<std::vector<double>> times(count);
  // Once each untimed, so all find their files in the cache.
  for (const std::wstring& program : programs) TimeToWindow(program);
  for (int round = 0; round < rounds; ++round) {
    for (std::size_t turn = 0; turn < count; ++turn) {
      const std::size_t which = (static_cast<std::size_t>(round) + turn) % count;
      const double time = TimeToWindow(programs[which]);
      if (time < 0) {
        std::fprintf(stderr, "startup_race: %ls showed no window\n", programs[which].c_str());
        return 1;
      }
      times[which].push_back(time);
    }
  }
  const double baseline = Median(times[count - 1]);
  for (std::size_t which = 0; which < count; ++which) {
    std::printf("%ls\n ", programs[which].c_str());
    for (double time : times[which]) std::printf(" %6.1f", time);
    std::printf("  median %6.1f ms", Median(times[which]));
    if (which + 1 < count) std::printf("  ratio %.2f", Median(times[which]) / baseline);
    std::printf("\n");
  }
  return 0;
}

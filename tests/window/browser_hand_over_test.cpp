// rilvanta.exe hands its addresses to the browser: Wine's browser launcher is
// pointed at a script that logs what it is given, and the program is driven
// from outside, as the user drives it.

#include <gtest/gtest.h>
#include <windows.h>
// After windows.h.
#include <tlhelp32.h>

#include <chrono>
#include <fstream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "running_program.h"
#include "text/gbk.h"
#include "window/web/web_endpoints.h"

namespace window_test {
namespace {

constexpr wchar_t kBrowserKey[] = L"Software\\Wine\\WineBrowser";

// The log's Windows path, as the test reads it through drive Z:.
std::string WindowsPath(std::string unixPath) {
  for (char& c : unixPath)
    if (c == '/') c = '\\';
  return "Z:" + unixPath;
}

// Points Wine's browser launcher at the logging script for as long as it
// lives, then puts the user's setting back.
class TLoggingBrowser {
 public:
  TLoggingBrowser() {
    DWORD disposition = 0;
    RegCreateKeyExW(HKEY_CURRENT_USER, kBrowserKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key_, &disposition);
    createdKey_ = disposition == REG_CREATED_NEW_KEY;
    DWORD size = 0;
    if (RegQueryValueExW(key_, L"Browsers", nullptr, nullptr, nullptr, &size) == ERROR_SUCCESS) {
      saved_.emplace(size / sizeof(wchar_t), L'\0');
      RegQueryValueExW(key_, L"Browsers", nullptr, nullptr, reinterpret_cast<BYTE*>(saved_->data()), &size);
    }
    DeleteFileA(WindowsPath(RILVANTA_BROWSER_LOG).c_str());
    const std::string command = "\"" RILVANTA_LOG_BROWSER_SCRIPT "\" \"" RILVANTA_BROWSER_LOG "\"";
    Set(std::wstring(command.begin(), command.end()) + L'\0');
  }
  ~TLoggingBrowser() {
    if (saved_)
      Set(*saved_);
    else
      RegDeleteValueW(key_, L"Browsers");
    RegCloseKey(key_);
    if (createdKey_) RegDeleteKeyW(HKEY_CURRENT_USER, kBrowserKey);
  }
  // The addresses logged so far.
  std::vector<std::string> Addresses() const {
    std::vector<std::string> lines;
    std::ifstream log(WindowsPath(RILVANTA_BROWSER_LOG));
    for (std::string line; std::getline(log, line);) lines.push_back(line);
    return lines;
  }
  // Waits for the log to hold `count` addresses: Wine starts its launcher as
  // a process of its own, which on a busy machine takes seconds, so the
  // bound (60 s) is one only a lost address reaches.
  std::vector<std::string> WaitForAddresses(std::size_t count) const {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (Addresses().size() < count && std::chrono::steady_clock::now() < deadline)
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
    return Addresses();
  }

 private:
  void Set(const std::wstring& data) {
    RegSetValueExW(key_, L"Browsers", 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                   static_cast<DWORD>(data.size() * sizeof(wchar_t)));
  }
  HKEY key_ = nullptr;
  bool createdKey_ = false;
  std::optional<std::wstring> saved_;
};

// One message handled by the control's window; false when the window was gone.
bool Deliver(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  return SendMessageTimeoutW(control, message, wParam, lParam, SMTO_NORMAL, 60000, nullptr) != 0;
}

// True when every message was handled: the Enter was then searched for.
bool TypeAndPressEnter(HWND edit, const std::wstring& text) {
  bool delivered =
      Deliver(edit, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5)) && Deliver(edit, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  for (wchar_t character : text)
    delivered = delivered && Deliver(edit, WM_KEYDOWN, VK_PACKET, 1) && Deliver(edit, WM_CHAR, character, 1) &&
                Deliver(edit, WM_KEYUP, VK_PACKET, 0xC0000001);
  return delivered && Deliver(edit, WM_KEYDOWN, VK_RETURN, 1) && Deliver(edit, WM_CHAR, L'\r', 1) &&
         Deliver(edit, WM_KEYUP, VK_RETURN, 0xC0000001);
}

// The button presses and releases itself in one go, so nothing the calendar
// handles in between can cancel the press.
bool Click(HWND button) { return Deliver(button, BM_CLICK, 0, 0); }

// What a lost address leaves to see: the calendar, the foreground window and
// Wine's launchers still running.
std::string State(HWND window, const TProgram& calendar) {
  wchar_t foreground[64] = L"";
  GetClassNameW(GetForegroundWindow(), foreground, 64);
  int launchers = 0;
  const HANDLE processes = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof(entry);
  for (BOOL more = Process32FirstW(processes, &entry); more; more = Process32NextW(processes, &entry))
    launchers += lstrcmpiW(entry.szExeFile, L"winebrowser.exe") == 0;
  CloseHandle(processes);
  return std::string("; the calendar ") + (calendar.WaitForExit(0) ? "had ended" : "still ran") +
         (IsWindow(window) ? "" : " (window gone)") + ", the foreground window is a " + text::WideToUtf8(foreground) +
         ", " + std::to_string(launchers) + " launcher(s) running";
}

// The calendar window of this copy, not of one that may still be closing.
HWND WaitForCalendarOf(const TProgram& calendar) {
  return WaitForWindow([&] { return CalendarWindow(calendar.Id()); });
}

std::wstring Wide(std::string_view utf8) { return text::GbkToWide(text::Utf8ToGbk(utf8)); }

TEST(BrowserHandOver, TheSearchAndTheDirectoryButtonHandTheBrowserTheirAddresses) {
  TLoggingBrowser browser;
  std::optional<TProgram> calendar;
  calendar.emplace();
  ASSERT_TRUE(calendar->Started());
  HWND window = WaitForCalendarOf(*calendar);
  ASSERT_NE(window, nullptr);
  // The window exists before its controls: wait for them too.
  HWND edit = WaitForWindow([&] { return ChildWindow(window, L"TEdit"); });
  ASSERT_NE(edit, nullptr);

  ASSERT_TRUE(TypeAndPressEnter(edit, Wide("火车票 & \"c++\""))) << "the calendar closed while it was typed into";
  std::vector<std::string> addresses = browser.WaitForAddresses(1);
  ASSERT_EQ(addresses.size(), 1u) << "the search reached no browser" << State(window, *calendar);
  EXPECT_EQ(addresses[0], std::string(DateWin::SiteRoot(DateWin::TSite::Search)) +
                              "/s?wd=%E7%81%AB%E8%BD%A6%E7%A5%A8%20%26%20%22c%2B%2B%22")
      << "one argument, encoded";

  // A real browser takes activation and so closes the calendar; start it
  // again if that happened here.
  if (!IsWindow(window)) {
    calendar.reset();
    calendar.emplace();
    window = WaitForCalendarOf(*calendar);
    ASSERT_NE(window, nullptr);
  }
  HWND directory = WaitForWindow([&] { return ChildWindow(window, L"TBitBtn", Wide("网址导航")); });
  ASSERT_NE(directory, nullptr);
  ASSERT_TRUE(Click(directory)) << "the calendar closed before the click";
  addresses = browser.WaitForAddresses(2);
  ASSERT_EQ(addresses.size(), 2u) << "the shortcut reached no browser" << State(window, *calendar);
  // Wine's launcher passes the address on in its canonical form, in which a
  // bare host ends in "/".
  const std::string host(DateWin::SiteRoot(DateWin::TSite::WebDirectory));
  EXPECT_TRUE(addresses[1] == host || addresses[1] == host + "/") << addresses[1];
}

}  // namespace
}  // namespace window_test

// rilvanta.exe copied into a folder whose name has no GBK form (ก, Thai) and
// started from there: its start-with-Windows item registers the path the
// system reports for it, character for character.

#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <string>

#include "running_program.h"

namespace window_test {
namespace {

constexpr wchar_t kRunKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

std::optional<std::wstring> RunValue(const std::wstring& name) {
  wchar_t data[1024];
  DWORD size = sizeof(data);
  if (RegGetValueW(HKEY_LOCAL_MACHINE, kRunKey, name.c_str(), RRF_RT_REG_SZ, nullptr, data, &size) != ERROR_SUCCESS)
    return std::nullopt;
  return std::wstring(data);
}

void DeleteRunValue(const std::wstring& name) { RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, kRunKey, name.c_str()); }

// A copy of the built program in a folder beside it, removed again after.
class TProgramCopy {
 public:
  explicit TProgramCopy(const std::wstring& folderName) {
    const std::wstring built = BuiltProgramPath();
    folder_ = built.substr(0, built.find_last_of(L'\\') + 1) + folderName;
    path_ = folder_ + L"\\rilvanta.exe";
    CreateDirectoryW(folder_.c_str(), nullptr);
    copied_ = CopyFileW(built.c_str(), path_.c_str(), FALSE) != 0;
  }
  ~TProgramCopy() {
    DeleteFileW(path_.c_str());
    RemoveDirectoryW(folder_.c_str());
  }
  bool Copied() const { return copied_; }
  const std::wstring& Path() const { return path_; }

 private:
  std::wstring folder_, path_;
  bool copied_ = false;
};

TEST(ProgramRunValue, AProgramInAFolderWithoutAGbkFormRegistersItsOwnPath) {
  DeleteRunValue(L"rilvanta.exe");
  std::optional<std::wstring> written;
  {
    TProgramCopy copy(L"日历\u0e01");
    ASSERT_TRUE(copy.Copied());
    TProgram calendar(copy.Path());
    ASSERT_TRUE(calendar.Started());
    HWND window = WaitForWindow([&] { return CalendarWindow(calendar.Id()); });
    ASSERT_NE(window, nullptr);
    HWND settings = WaitForWindow([&] { return ChildWindow(window, L"TBitBtn", L"软件设置"); });
    ASSERT_NE(settings, nullptr);
    // "软件设置", then its second item 开机启动: the keys wait in the queue for the menu.
    PostMessageW(settings, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    PostMessageW(settings, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    for (WORD key : {VK_DOWN, VK_DOWN, VK_RETURN}) {
      PostMessageW(window, WM_KEYDOWN, key, 1);
      PostMessageW(window, WM_KEYUP, key, 0xC0000001);
    }
    WaitForWindow([&] { return (written = RunValue(L"rilvanta.exe")) ? window : nullptr; });
    EXPECT_EQ(written, L"\"" + copy.Path() + L"\" --autostart");
  }
  DeleteRunValue(L"rilvanta.exe");
}

}  // namespace
}  // namespace window_test

// The start-with-Windows items, for real in the machine's Run key: the value
// they write, overwriting and renaming, the key that cannot be opened and the
// write that is refused, whose error the application's box shows.

#include <windows.h>

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "message_boxes.h"
#include "text/gbk.h"
#include "window_test_support.h"

namespace window_test {
namespace {

constexpr wchar_t kRunKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr wchar_t kMissingKeyParent[] = L"SOFTWARE\\Rilvanta test key that is not there";

// The string values of the machine's Run key, read without the program's code.
class TRunKey {
 public:
  TRunKey() { RegOpenKeyExW(HKEY_LOCAL_MACHINE, kRunKey, 0, KEY_READ | KEY_SET_VALUE, &key_); }
  ~TRunKey() {
    if (key_) RegCloseKey(key_);
  }
  std::set<std::wstring> Names() const {
    std::set<std::wstring> names;
    wchar_t name[512];
    for (DWORD index = 0;; ++index) {
      DWORD length = 512;
      if (RegEnumValueW(key_, index, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
      names.insert(std::wstring(name, length));
    }
    return names;
  }
  // The data of a REG_SZ value stored with its terminating zero, else nothing.
  std::optional<std::wstring> String(const std::wstring& name) const {
    DWORD type = 0, size = 0;
    if (RegQueryValueExW(key_, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS || type != REG_SZ)
      return std::nullopt;
    std::wstring data(size / sizeof(wchar_t), L'\0');
    RegQueryValueExW(key_, name.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(data.data()), &size);
    if (data.empty() || data.back() != L'\0') return std::nullopt;
    data.pop_back();
    return data;
  }
  void Delete(const std::wstring& name) const { RegDeleteValueW(key_, name.c_str()); }

 private:
  HKEY key_ = nullptr;
};

class StartWithWindowsTest : public WindowTest {
 protected:
  void SetUp() override {
    Open(Date(2026, 5, 15));
    ASSERT_TRUE(RunKeyOpens()) << "the prefix has a Run key";
    before = run.Names();
  }
  void TearDown() override {
    for (const std::wstring& name : written) run.Delete(name);
    WindowTest::TearDown();
  }
  static bool RunKeyOpens() {
    HKEY key;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kRunKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
  }
  // The program path the items see; its value is removed after the test.
  void RunFrom(const std::wstring& path, const std::wstring& fileName) {
    form->StartWithWindows.ProgramPath = [path] { return path; };
    written.push_back(fileName);
    run.Delete(fileName);
  }
  // Value names added since the test began.
  std::set<std::wstring> Added() const {
    std::set<std::wstring> added;
    for (const std::wstring& name : run.Names())
      if (!before.contains(name)) added.insert(name);
    return added;
  }

  TRunKey run;
  std::set<std::wstring> before;
  std::vector<std::wstring> written;
};

TEST_F(StartWithWindowsTest, BothItemsWriteTheRunningProgramsNameAndPathOnce) {
  wchar_t module[MAX_PATH];
  const std::wstring path(module, GetModuleFileNameW(nullptr, module, MAX_PATH));
  const std::wstring name = path.substr(path.find_last_of(L'\\') + 1);
  const std::wstring data = path.find(L' ') == std::wstring::npos ? path : L"\"" + path + L"\"";
  written.push_back(name);
  run.Delete(name);

  ChooseSetting(2);  // 开机启动
  EXPECT_EQ(run.String(name), data);
  ChooseSetting(3);  // 开机运行
  EXPECT_EQ(run.String(name), data);
  EXPECT_EQ(Added(), std::set<std::wstring>{name}) << "one value, overwritten";
}

TEST_F(StartWithWindowsTest, APathWithABlankIsWrittenInQuotes) {
  RunFrom(L"C:\\Program Files\\Rilvanta 日历\\日历 test.exe", L"日历 test.exe");
  ChooseSetting(2);
  EXPECT_EQ(run.String(L"日历 test.exe"), L"\"C:\\Program Files\\Rilvanta 日历\\日历 test.exe\"");
  EXPECT_EQ(Added().size(), 1u);
}

// ก (Thai) has no GBK form: through GBK the value would name "D:\?\?.exe".
TEST_F(StartWithWindowsTest, APathWithoutAGbkFormIsWrittenAsItIs) {
  const std::wstring path = L"D:\\日历\u0e01\\\u0e01 test.exe";
  ASSERT_EQ(text::GbkToWide(text::WideToGbk(path)).find(L'\u0e01'), std::wstring::npos) << "no GBK form";
  RunFrom(path, L"\u0e01 test.exe");
  ChooseSetting(2);
  EXPECT_EQ(run.String(L"\u0e01 test.exe"), L"\"" + path + L"\"");
  EXPECT_EQ(Added(), std::set<std::wstring>{L"\u0e01 test.exe"});
}

TEST_F(StartWithWindowsTest, ARenamedProgramAddsASecondValueAndTheFirstStays) {
  RunFrom(L"D:\\tools\\rilvanta-test-calendar.exe", L"rilvanta-test-calendar.exe");
  ChooseSetting(3);
  RunFrom(L"D:\\tools\\rilvanta-test-renamed.exe", L"rilvanta-test-renamed.exe");
  ChooseSetting(3);
  EXPECT_EQ(run.String(L"rilvanta-test-calendar.exe"), L"D:\\tools\\rilvanta-test-calendar.exe");
  EXPECT_EQ(run.String(L"rilvanta-test-renamed.exe"), L"D:\\tools\\rilvanta-test-renamed.exe");
  EXPECT_EQ(Added().size(), 2u);
}

TEST_F(StartWithWindowsTest, AKeyThatCannotBeOpenedChangesNothingAndShowsNothing) {
  RunFrom(L"D:\\tools\\rilvanta-test-calendar.exe", L"rilvanta-test-calendar.exe");
  form->StartWithWindows.KeyPath = text::WideToGbk(kMissingKeyParent) + "\\Run";
  TBoxWatcher boxes;
  ChooseSetting(2);
  Pump();
  EXPECT_TRUE(boxes.Boxes().empty());
  EXPECT_EQ(run.Names(), before);
  HKEY created;
  const bool keyMade = RegOpenKeyExW(HKEY_LOCAL_MACHINE, kMissingKeyParent, 0, KEY_READ, &created) == ERROR_SUCCESS;
  EXPECT_FALSE(keyMade) << "the key is not created";
  if (keyMade) {
    RegCloseKey(created);
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, kMissingKeyParent);
  }
}

TEST_F(StartWithWindowsTest, ARefusedWriteShowsTheApplicationsErrorBox) {
  RunFrom(L"D:\\tools\\rilvanta-test-calendar.exe", L"rilvanta-test-calendar.exe");
  // The key, opened again for reading only, refuses the value.
  form->StartWithWindows.WriteValue = [](DateWin::TRegistry& key, const DateWin::TRunValue& value) {
    key.OpenKeyReadOnly("SOFTWARE\\MicroSoft\\Windows\\CurrentVersion\\Run");
    DateWin::WriteRunValue(key, value);
  };
  TBoxWatcher boxes;
  ChooseSetting(2);
  ASSERT_EQ(boxes.Boxes().size(), 1u);
  const TBoxWatcher::TBox& box = boxes.Boxes().front();
  EXPECT_EQ(box.Text, L"Failed to set data for 'rilvanta-test-calendar.exe'.");
  EXPECT_EQ(box.Caption, L"") << "the application's title, which is empty";
  EXPECT_TRUE(box.StopIcon);
  EXPECT_EQ(run.Names(), before);
}

}  // namespace
}  // namespace window_test

// The start-with-Windows items, for real in the machine's and the user's Run
// keys: the value they write, their check marks and removal, renaming, the
// machine's key that cannot be opened (the user's takes the value, and the
// user is told) and the write that is refused, whose error the application's
// box shows.

#include <windows.h>

#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "message_boxes.h"
#include "text/gbk.h"
#include "window_test_support.h"

namespace window_test {
namespace {

constexpr wchar_t kRunKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr wchar_t kMissingKeyParent[] = L"SOFTWARE\\Rilvanta test key that is not there";

// The string values of a Run key, read without the program's code.
class TRunKey {
 public:
  explicit TRunKey(HKEY root = HKEY_LOCAL_MACHINE) {
    RegCreateKeyExW(root, kRunKey, 0, nullptr, 0, KEY_READ | KEY_SET_VALUE, nullptr, &key_, nullptr);
  }
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
    for (const std::wstring& name : written) {
      run.Delete(name);
      userRun.Delete(name);
    }
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
    userRun.Delete(fileName);
  }
  // The settings menu's two start items as it shows them, checked or not.
  std::pair<bool, bool> CheckMarks() {
    QueueMenuKeys({VK_ESCAPE});  // the menu opens and closes
    ClickControl(*form->BitBtn5);
    return {form->N2->Checked(), form->N3->Checked()};
  }
  // Value names added since the test began.
  std::set<std::wstring> Added() const {
    std::set<std::wstring> added;
    for (const std::wstring& name : run.Names())
      if (!before.contains(name)) added.insert(name);
    return added;
  }

  TRunKey run, userRun{HKEY_CURRENT_USER};
  std::set<std::wstring> before;
  std::vector<std::wstring> written;
};

// Either item registers the running program, both then show a check, and
// choosing either again removes the value.
TEST_F(StartWithWindowsTest, BothItemsRegisterTheRunningProgramResidentAndRemoveItWhenChecked) {
  wchar_t module[MAX_PATH];
  const std::wstring path(module, GetModuleFileNameW(nullptr, module, MAX_PATH));
  const std::wstring name = path.substr(path.find_last_of(L'\\') + 1);
  written.push_back(name);
  run.Delete(name);
  EXPECT_EQ(CheckMarks(), std::make_pair(false, false));

  for (int item : {2, 3}) {  // 开机启动, 开机运行
    ChooseSetting(item);
    EXPECT_EQ(run.String(name), L"\"" + path + L"\" --autostart") << item;
    EXPECT_EQ(Added(), std::set<std::wstring>{name}) << item;
    EXPECT_EQ(CheckMarks(), std::make_pair(true, true)) << item;
    ChooseSetting(5 - item);  // the other item, checked: removes
    EXPECT_EQ(run.String(name), std::nullopt) << item;
    EXPECT_EQ(CheckMarks(), std::make_pair(false, false)) << item;
  }
}

TEST_F(StartWithWindowsTest, APathWithABlankIsWrittenInQuotes) {
  RunFrom(L"C:\\Program Files\\Rilvanta 日历\\日历 test.exe", L"日历 test.exe");
  ChooseSetting(2);
  EXPECT_EQ(run.String(L"日历 test.exe"), L"\"C:\\Program Files\\Rilvanta 日历\\日历 test.exe\" --autostart");
  EXPECT_EQ(Added().size(), 1u);
}

// ก (Thai) has no GBK form: through GBK the value would name "D:\?\?.exe".
TEST_F(StartWithWindowsTest, APathWithoutAGbkFormIsWrittenAsItIs) {
  const std::wstring path = L"D:\\日历\u0e01\\\u0e01 test.exe";
  ASSERT_EQ(text::GbkToWide(text::WideToGbk(path)).find(L'\u0e01'), std::wstring::npos) << "no GBK form";
  RunFrom(path, L"\u0e01 test.exe");
  ChooseSetting(2);
  EXPECT_EQ(run.String(L"\u0e01 test.exe"), L"\"" + path + L"\" --autostart");
  EXPECT_EQ(Added(), std::set<std::wstring>{L"\u0e01 test.exe"});
}

TEST_F(StartWithWindowsTest, ARenamedProgramAddsASecondValueAndTheFirstStays) {
  RunFrom(L"D:\\tools\\rilvanta-test-calendar.exe", L"rilvanta-test-calendar.exe");
  ChooseSetting(3);
  RunFrom(L"D:\\tools\\rilvanta-test-renamed.exe", L"rilvanta-test-renamed.exe");
  ChooseSetting(3);
  EXPECT_EQ(run.String(L"rilvanta-test-calendar.exe"), L"\"D:\\tools\\rilvanta-test-calendar.exe\" --autostart");
  EXPECT_EQ(run.String(L"rilvanta-test-renamed.exe"), L"\"D:\\tools\\rilvanta-test-renamed.exe\" --autostart");
  EXPECT_EQ(Added().size(), 2u);
}

// As for a standard user, whom the machine's key refuses.
TEST_F(StartWithWindowsTest, WhenTheMachinesKeyCannotBeOpenedTheUsersKeyTakesTheValueAndTheUserIsTold) {
  RunFrom(L"D:\\tools\\rilvanta-test-calendar.exe", L"rilvanta-test-calendar.exe");
  form->StartWithWindows.MachineKey.Path = text::WideToGbk(kMissingKeyParent) + "\\Run";
  TBoxWatcher boxes;
  ChooseSetting(2);
  Pump();
  ASSERT_EQ(boxes.Boxes().size(), 1u);
  EXPECT_NE(boxes.Boxes().front().Text.find(L"当前用户"), std::wstring::npos) << "says it is for this user";
  EXPECT_EQ(run.Names(), before);
  EXPECT_EQ(userRun.String(L"rilvanta-test-calendar.exe"), L"\"D:\\tools\\rilvanta-test-calendar.exe\" --autostart");
  EXPECT_EQ(CheckMarks(), std::make_pair(true, true));
  ChooseSetting(3);
  EXPECT_EQ(userRun.String(L"rilvanta-test-calendar.exe"), std::nullopt) << "removed from the user's key";
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

// The settings menu's 皮肤 submenu: the built-in skins and the skin files of
// the skins folder beside the program, the worn one checked; a choice is
// remembered for the user, and a file that is no skin is said once and
// changes nothing.

#include <windows.h>

#include <string>
#include <vector>

#include "message_boxes.h"
#include "running_program.h"
#include "window_test_support.h"

namespace window_test {
namespace {

constexpr wchar_t kSettingsKey[] = L"Software\\Rilvanta";

std::wstring RememberedSkin() {
  wchar_t data[1024];
  DWORD size = sizeof(data);
  if (RegGetValueW(HKEY_CURRENT_USER, kSettingsKey, L"Skin", RRF_RT_REG_SZ, nullptr, data, &size) != ERROR_SUCCESS)
    return L"";
  return data;
}

class SkinMenuTest : public WindowTest {
 protected:
  void SetUp() override {
    wchar_t module[MAX_PATH];
    const std::wstring program(module, GetModuleFileNameW(nullptr, module, MAX_PATH));
    folder = program.substr(0, program.find_last_of(L'\\') + 1) + L"skins";
    CreateDirectoryW(folder.c_str(), nullptr);
    CopyFileW(WinePath(RILVANTA_DARK_SKIN).c_str(), (folder + L"\\b 夜色.skn").c_str(), FALSE);
    HANDLE bad = CreateFileW((folder + L"\\a 坏的.skn").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(bad, "no skin", 7, &written, nullptr);
    CloseHandle(bad);
    RegDeleteKeyValueW(HKEY_CURRENT_USER, kSettingsKey, L"Skin");
    Open(Date(2026, 5, 15));
  }
  void TearDown() override {
    WindowTest::TearDown();
    for (const wchar_t* name : {L"\\a 坏的.skn", L"\\b 夜色.skn"}) DeleteFileW((folder + name).c_str());
    RemoveDirectoryW(folder.c_str());
    RegDeleteKeyValueW(HKEY_CURRENT_USER, kSettingsKey, L"Skin");
  }
  // Opens the settings menu, then 皮肤 (its sixth item) and chooses its item 1, 2, ...
  void ChooseSkin(int item) {
    for (int down = 0; down < 6; ++down) QueueMenuKeys({VK_DOWN});
    QueueMenuKeys({VK_RIGHT});  // opens the submenu on its first item
    for (int down = 1; down < item; ++down) QueueMenuKeys({VK_DOWN});
    QueueMenuKeys({VK_RETURN});
    ClickControl(*form->BitBtn5);
  }
  // The submenu's captions, the checked ones marked with "*".
  std::vector<std::string> SkinItems() const {
    std::vector<std::string> items;
    for (int index = 0; index < form->N6->Count(); ++index)
      items.push_back(form->N6->Items(index)->Caption() + (form->N6->Items(index)->Checked() ? "*" : ""));
    return items;
  }

  std::wstring folder;
};

TEST_F(SkinMenuTest, ListsTheBuiltInSkinsAndFoldersRemembersAChoiceAndRefusesABadFile) {
  TBoxWatcher boxes;
  ChooseSkin(4);  // "b 夜色.skn"
  EXPECT_EQ(SkinItems(), (std::vector<std::string>{Gbk("默认*"), Gbk("深色"), Gbk("a 坏的.skn"), Gbk("b 夜色.skn")}));
  EXPECT_TRUE(boxes.Boxes().empty());
  EXPECT_EQ(RememberedSkin(), folder + L"\\b 夜色.skn");

  ChooseSkin(3);  // "a 坏的.skn": no skin
  Pump();
  ASSERT_EQ(boxes.Boxes().size(), 1u);
  EXPECT_NE(boxes.Boxes().front().Text.find(L"a 坏的.skn"), std::wstring::npos);
  EXPECT_FALSE(form->SkinData1->SkinEmpty()) << "the calendar keeps its skin";
  EXPECT_EQ(RememberedSkin(), folder + L"\\b 夜色.skn") << "the choice before stays remembered";
  EXPECT_EQ(SkinItems(), (std::vector<std::string>{Gbk("默认"), Gbk("深色"), Gbk("a 坏的.skn"), Gbk("b 夜色.skn*")}));
}

}  // namespace
}  // namespace window_test

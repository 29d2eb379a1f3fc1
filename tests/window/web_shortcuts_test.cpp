// The four shortcut buttons open their sites' bare hosts and the help and
// home items the help page shipped inside the program, owned by the
// application's hidden window; a button released over takes the keyboard
// focus; with no browser at all nothing is said.

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "message_boxes.h"
#include "opened_pages.h"
#include "text/gbk.h"
#include "ui/forms/application.h"
#include "window/web/url_encoding.h"
#include "window/web/web_endpoints.h"

namespace window_test {
namespace {

using DateWin::TSite;

using WebShortcutsTest = PageRecordingTest;

std::string BareHost(TSite site) { return std::string(DateWin::SiteRoot(site)); }

// Takes the command that opens addresses of a scheme out of the prefix for as
// long as it lives: no browser is registered for them.
class TUnregisteredScheme {
 public:
  explicit TUnregisteredScheme(const std::wstring& scheme) {
    const std::wstring path = L"Software\\Classes\\" + scheme + L"\\shell\\open\\command";
    RegOpenKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_ALL_ACCESS, &key_);
    DWORD size = 0;
    if (key_ && RegQueryValueExW(key_, nullptr, nullptr, nullptr, nullptr, &size) == ERROR_SUCCESS) {
      saved_.emplace(size / sizeof(wchar_t), L'\0');
      RegQueryValueExW(key_, nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(saved_->data()), &size);
      RegDeleteValueW(key_, nullptr);
    }
  }
  ~TUnregisteredScheme() {
    if (saved_)
      RegSetValueExW(key_, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(saved_->data()),
                     static_cast<DWORD>(saved_->size() * sizeof(wchar_t)));
    if (key_) RegCloseKey(key_);
  }
  bool Removed() const { return saved_.has_value(); }

 private:
  HKEY key_ = nullptr;
  std::optional<std::wstring> saved_;
};

TEST_F(WebShortcutsTest, ButtonsOpenTheirSitesBareHosts) {
  ClickControl(*form->BitBtn1);
  ClickControl(*form->BitBtn2);
  ClickControl(*form->BitBtn4);
  ASSERT_EQ(opened.size(), 3u);
  EXPECT_EQ(opened[0].Address, BareHost(TSite::WebDirectory));
  EXPECT_EQ(opened[1].Address, BareHost(TSite::OnlineShopping));
  EXPECT_EQ(opened[2].Address, BareHost(TSite::ShoppingSite));
  for (const TOpenedPage& page : opened) EXPECT_EQ(page.Owner, ui::Application().Handle()) << page.Address;
}

TEST_F(WebShortcutsTest, TheHiddenMallButtonWouldOpenTheMallsBareHost) {
  EXPECT_FALSE(IsWindowVisible(form->BitBtn3->Handle()));
  form->BitBtn3->Click();
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0].Address, BareHost(TSite::Mall));
}

// The help page comes out of the program into the temporary folder, its
// screenshots beside it; the project page is, by default, that page too.
TEST_F(WebShortcutsTest, HelpAndHomeItemsOpenTheHelpPageThatShipsWithTheProgram) {
  wchar_t temporary[MAX_PATH + 1];
  const std::wstring folder = std::wstring(temporary, GetTempPathW(MAX_PATH + 1, temporary)) + L"Rilvanta-help\\";
  const auto pictures = {L"rilvanta-window.png", L"rilvanta-month-menu.png", L"rilvanta-holidays.png"};
  for (const wchar_t* name : pictures) DeleteFileW((folder + name).c_str());
  DeleteFileW((folder + L"index.html").c_str());
  ChooseSetting(4);  // 人工帮助
  ChooseSetting(5);  // 官方网站
  ASSERT_EQ(opened.size(), 2u);
  EXPECT_EQ(opened[0].Address, DateWin::FileAddress(text::WideToUtf8(folder + L"index.html")));
  EXPECT_EQ(opened[1].Address, opened[0].Address);
  for (const TOpenedPage& page : opened) EXPECT_EQ(page.Owner, ui::Application().Handle());
  std::ifstream page(std::filesystem::path(folder + L"index.html"));
  const std::string html{std::istreambuf_iterator<char>(page), std::istreambuf_iterator<char>()};
  EXPECT_NE(html.find("人工帮助"), std::string::npos);
  for (const wchar_t* picture : pictures) {
    EXPECT_NE(html.find(text::WideToUtf8(picture)), std::string::npos) << "the page shows it";
    EXPECT_NE(GetFileAttributesW((folder + picture).c_str()), INVALID_FILE_ATTRIBUTES) << "written beside the page";
  }
}

TEST_F(WebShortcutsTest, AButtonReleasedOverTakesTheFocus) {
  for (ui::TWinControl* button :
       {static_cast<ui::TWinControl*>(form->BitBtn1), static_cast<ui::TWinControl*>(form->BitBtn2),
        static_cast<ui::TWinControl*>(form->BitBtn4), static_cast<ui::TWinControl*>(form->BitBtn5),
        static_cast<ui::TWinControl*>(form->Button1)}) {
    SetFocus(form->Edit1->Handle());
    // Only the release: the press was elsewhere, so the system gives no focus.
    SendMessageW(button->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(button->Width() - 1, button->Height() - 1));
    EXPECT_EQ(GetFocus(), button->Handle()) << button->Name();

    SetFocus(form->Edit1->Handle());
    SendMessageW(button->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(button->Width(), 2));
    EXPECT_EQ(GetFocus(), form->Edit1->Handle()) << button->Name() << ": released beside it";
  }
  EXPECT_TRUE(opened.empty()) << "a release alone is no click";
}

TEST_F(WebShortcutsTest, WithNoBrowserRegisteredOpeningAPageSaysNothing) {
  const TUnregisteredScheme http(L"http"), https(L"https");
  ASSERT_TRUE(http.Removed() && https.Removed()) << "the prefix registers a browser";
  form->OpenPage = DateWin::OpenInDefaultBrowser;
  TBoxWatcher boxes;
  ClickControl(*form->BitBtn1);
  Pump();
  EXPECT_TRUE(boxes.Boxes().empty()) << "the shell said: " << (boxes.Boxes().empty() ? L"" : boxes.Boxes()[0].Text);
  EXPECT_EQ(GetActiveWindow(), form->Handle()) << "the calendar stays as it was";
}

}  // namespace
}  // namespace window_test

// The search box: typing with real key messages, Enter and the search button,
// the keyword routes, the encoded query and the clear button "×".

#include <windows.h>

#include "opened_pages.h"
#include "window/web/web_endpoints.h"

namespace window_test {
namespace {

using DateWin::TSite;

std::string EntryPage(TSite site) { return std::string(DateWin::SiteRoot(site)) + "/"; }
std::string Search(std::string_view encodedQuery) {
  return std::string(DateWin::SiteRoot(TSite::Search)) + "/s?wd=" + std::string(encodedQuery);
}

class SearchBoxTest : public PageRecordingTest {
 protected:
  HWND Edit() { return form->Edit1->Handle(); }
  bool ClearButtonShown() { return form->BitBtn6->Visible() && IsWindowVisible(form->BitBtn6->Handle()); }

  // Types into the emptied box and presses Enter; the address it opened.
  std::string EnterSearch(std::string_view utf8) {
    SetWindowTextW(Edit(), L"");
    ClickControl(*form->Edit1);
    Type(Edit(), utf8);
    opened.clear();
    PressKey(Edit(), VK_RETURN, L'\r');
    if (opened.size() != 1) {
      ADD_FAILURE() << "Enter after \"" << utf8 << "\" opened " << opened.size() << " pages";
      return "";
    }
    return opened.front().Address;
  }
};

TEST_F(SearchBoxTest, TypedTextReachesTheEdit) {
  ClickControl(*form->Edit1);
  Type(Edit(), "lunar 农历");
  EXPECT_EQ(Text(*form->Edit1), Gbk("lunar 农历"));
  EXPECT_EQ(GetFocus(), Edit());
}

TEST_F(SearchBoxTest, EachKeywordGroupOpensItsPage) {
  EXPECT_EQ(EnterSearch("淘宝"), EntryPage(TSite::ShoppingSite));
  EXPECT_EQ(EnterSearch("淘宝女装"), EntryPage(TSite::ShoppingSite));
  EXPECT_EQ(EnterSearch("手机"), EntryPage(TSite::MobilePhones));
  EXPECT_EQ(EnterSearch("淘宝手机"), EntryPage(TSite::MobilePhones));
  EXPECT_EQ(EnterSearch("机票"), EntryPage(TSite::AirTickets));
  EXPECT_EQ(EnterSearch("打折机票"), EntryPage(TSite::AirTickets));
  EXPECT_EQ(EnterSearch("淘宝商城"), EntryPage(TSite::Mall)) << "the mall, not the shopping site";
}

TEST_F(SearchBoxTest, OtherTextsAreSearchedForPercentEncodedAsUtf8) {
  EXPECT_EQ(EnterSearch("火车票"), Search("%E7%81%AB%E8%BD%A6%E7%A5%A8"));
  EXPECT_EQ(EnterSearch(" 淘宝"), Search("%20%E6%B7%98%E5%AE%9D")) << "a leading blank is no keyword";
  EXPECT_EQ(EnterSearch("淘宝 "), Search("%E6%B7%98%E5%AE%9D%20")) << "nor a trailing one";
  EXPECT_EQ(EnterSearch("a&b=c"), Search("a%26b%3Dc"));
  EXPECT_EQ(EnterSearch("c++ 1+1"), Search("c%2B%2B%201%2B1"));
  EXPECT_EQ(EnterSearch("\"say\" 'it'"), Search("%22say%22%20%27it%27"));
  EXPECT_EQ(EnterSearch("50% #1"), Search("50%25%20%231"));
  EXPECT_EQ(EnterSearch(""), Search("")) << "the empty text still opens the search";
}

TEST_F(SearchBoxTest, EnterSearchesLikeTheButtonWithTheWindowAsOwner) {
  ClickControl(*form->Edit1);
  Type(Edit(), "日历 2026");
  PressKey(Edit(), VK_RETURN, L'\r');
  ClickControl(*form->Button1);
  ASSERT_EQ(opened.size(), 2u);
  EXPECT_EQ(opened[0].Address, Search("%E6%97%A5%E5%8E%86%202026"));
  EXPECT_EQ(opened[1].Address, opened[0].Address);
  EXPECT_EQ(opened[0].Owner, form->Handle());
  EXPECT_EQ(opened[1].Owner, form->Handle());
}

TEST_F(SearchBoxTest, EnterLeavesTheFocusInTheEditAndTheTextAsTyped) {
  ClickControl(*form->Edit1);
  Type(Edit(), "abc");
  SetFocus(form->Button1->Handle());
  PressKey(Edit(), VK_RETURN, L'\r');
  EXPECT_EQ(GetFocus(), Edit());
  EXPECT_EQ(Text(*form->Edit1), "abc") << "the text stays as typed";
  ASSERT_EQ(opened.size(), 1u);
}

TEST_F(SearchBoxTest, ClearButtonComesWithAKeyAndGoesWithTheLastCharacter) {
  EXPECT_FALSE(ClearButtonShown());
  ClickControl(*form->Edit1);
  Type(Edit(), "a");
  EXPECT_TRUE(ClearButtonShown());

  // Backspace shows it on the key press; the change it makes hides it.
  SendMessageW(Edit(), WM_KEYDOWN, VK_BACK, 1);
  EXPECT_TRUE(ClearButtonShown());
  SendMessageW(Edit(), WM_CHAR, VK_BACK, 1);
  SendMessageW(Edit(), WM_KEYUP, VK_BACK, 0xC0000001);
  EXPECT_EQ(Text(*form->Edit1), "");
  EXPECT_FALSE(ClearButtonShown());

  // Any key, an arrow or Shift included, shows it; no change hides it.
  PressKey(Edit(), VK_LEFT);
  EXPECT_TRUE(ClearButtonShown());
  Type(Edit(), "ab");
  ClickControl(*form->BitBtn6);
  EXPECT_EQ(Text(*form->Edit1), "");
  EXPECT_FALSE(ClearButtonShown());
  PressKey(Edit(), VK_SHIFT);
  EXPECT_TRUE(ClearButtonShown());
}

TEST_F(SearchBoxTest, ATextPutInWithoutAKeyDoesNotShowTheClearButton) {
  SendMessageW(Edit(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"pasted"));
  EXPECT_EQ(Text(*form->Edit1), "pasted");
  EXPECT_FALSE(ClearButtonShown());
}

}  // namespace
}  // namespace window_test

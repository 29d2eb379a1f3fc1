#include "window/web/search_route.h"

#include <gtest/gtest.h>

#include <string>

#include "text/gbk.h"

namespace {

using DateWin::TSite;

std::string Gbk(std::string_view utf8) { return text::Utf8ToGbk(utf8); }

std::string Root(TSite site) { return std::string(DateWin::SiteRoot(site)); }

std::string Search(std::string_view encodedQuery) { return Root(TSite::Search) + "/s?wd=" + std::string(encodedQuery); }

TEST(SearchButtonAddress, EachKeywordOpensItsSitesEntryPage) {
  const struct {
    const char* Keyword;
    TSite Site;
  } routes[] = {
      {"淘宝", TSite::ShoppingSite},     {"淘宝网", TSite::ShoppingSite},   {"淘宝男装", TSite::ShoppingSite},
      {"淘宝女装", TSite::ShoppingSite}, {"手机", TSite::MobilePhones},     {"手机报价", TSite::MobilePhones},
      {"淘宝手机", TSite::MobilePhones}, {"网购手机", TSite::MobilePhones}, {"机票", TSite::AirTickets},
      {"机票预订", TSite::AirTickets},   {"特价机票", TSite::AirTickets},   {"打折机票", TSite::AirTickets},
      {"预订机票", TSite::AirTickets},   {"淘宝商城", TSite::Mall},
  };
  for (const auto& route : routes) {
    EXPECT_EQ(DateWin::KeywordSite(Gbk(route.Keyword)), route.Site) << route.Keyword;
    EXPECT_EQ(DateWin::SearchButtonAddress(Gbk(route.Keyword)), Root(route.Site) + "/") << route.Keyword;
  }
}

TEST(SearchButtonAddress, AnyOtherTextIsSearchedForEncodedAsUtf8) {
  EXPECT_EQ(DateWin::SearchButtonAddress(Gbk("火车票")), Search("%E7%81%AB%E8%BD%A6%E7%A5%A8"));
  EXPECT_EQ(DateWin::SearchButtonAddress("lunar calendar"), Search("lunar%20calendar"));
  EXPECT_EQ(DateWin::SearchButtonAddress(""), Search("")) << "the empty text still opens the search";
}

TEST(SearchButtonAddress, TheWholeTextMustEqualAKeywordByteForByte) {
  EXPECT_EQ(DateWin::SearchButtonAddress(Gbk(" 淘宝")), Search("%20%E6%B7%98%E5%AE%9D"));
  EXPECT_EQ(DateWin::SearchButtonAddress(Gbk("淘宝 ")), Search("%E6%B7%98%E5%AE%9D%20"));
  EXPECT_EQ(DateWin::KeywordSite(Gbk("淘宝商")), std::nullopt);
  EXPECT_EQ(DateWin::KeywordSite(Gbk("手机手机")), std::nullopt);
  EXPECT_EQ(DateWin::KeywordSite("淘宝"), std::nullopt) << "the same word in UTF-8 is other bytes";
}

TEST(SearchButtonAddress, ReservedCharactersInTheQuerySearchForThemselves) {
  EXPECT_EQ(DateWin::SearchButtonAddress("a&ie=gbk"), Search("a%26ie%3Dgbk"));
  EXPECT_EQ(DateWin::SearchButtonAddress("c++ #1 50%"), Search("c%2B%2B%20%231%2050%25"));
  EXPECT_EQ(DateWin::SearchButtonAddress("\" --new-window"), Search("%22%20--new-window"));
}

TEST(ShortcutAddress, IsTheBareHostThatTheKeywordRouteOpensWithASlash) {
  for (TSite site : {TSite::ShoppingSite, TSite::Mall}) {
    const std::string shortcut = DateWin::ShortcutAddress(site);
    EXPECT_NE(shortcut.back(), '/') << shortcut;
    EXPECT_EQ(shortcut + "/", DateWin::SearchButtonAddress(Gbk(site == TSite::Mall ? "淘宝商城" : "淘宝")));
  }
  for (TSite site : {TSite::WebDirectory, TSite::OnlineShopping})
    EXPECT_NE(DateWin::ShortcutAddress(site).back(), '/') << DateWin::ShortcutAddress(site);
}

}  // namespace

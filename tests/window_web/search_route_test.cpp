#include "window/web/search_route.h"

#include <gtest/gtest.h>

#include <string>

#include "text/gbk.h"

namespace {

using DateWin::Site;

std::string Gbk(std::string_view utf8) { return text::Utf8ToGbk(utf8); }

std::string Root(Site site) { return std::string(DateWin::SiteRoot(site)); }

std::string Search(std::string_view encodedQuery) { return Root(Site::kSearch) + "/s?wd=" + std::string(encodedQuery); }

TEST(SearchButtonAddress, EachKeywordOpensItsSitesEntryPage) {
  const struct {
    const char* keyword;
    Site site;
  } routes[] = {
      {"淘宝", Site::kShoppingSite},     {"淘宝网", Site::kShoppingSite},   {"淘宝男装", Site::kShoppingSite},
      {"淘宝女装", Site::kShoppingSite}, {"手机", Site::kMobilePhones},     {"手机报价", Site::kMobilePhones},
      {"淘宝手机", Site::kMobilePhones}, {"网购手机", Site::kMobilePhones}, {"机票", Site::kAirTickets},
      {"机票预订", Site::kAirTickets},   {"特价机票", Site::kAirTickets},   {"打折机票", Site::kAirTickets},
      {"预订机票", Site::kAirTickets},   {"淘宝商城", Site::kMall},
  };
  for (const auto& route : routes) {
    EXPECT_EQ(DateWin::KeywordSite(Gbk(route.keyword)), route.site) << route.keyword;
    EXPECT_EQ(DateWin::SearchButtonAddress(Gbk(route.keyword)), Root(route.site) + "/") << route.keyword;
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
  for (Site site : {Site::kShoppingSite, Site::kMall}) {
    const std::string shortcut = DateWin::ShortcutAddress(site);
    EXPECT_NE(shortcut.back(), '/') << shortcut;
    EXPECT_EQ(shortcut + "/", DateWin::SearchButtonAddress(Gbk(site == Site::kMall ? "淘宝商城" : "淘宝")));
  }
  for (Site site : {Site::kWebDirectory, Site::kOnlineShopping, Site::kProgramHome, Site::kProgramHelp})
    EXPECT_NE(DateWin::ShortcutAddress(site).back(), '/') << DateWin::ShortcutAddress(site);
}

}  // namespace

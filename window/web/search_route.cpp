#include "window/web/search_route.h"

#include <array>
#include <vector>

#include "text/gbk.h"
#include "window/web/url_encoding.h"

namespace DateWin {
namespace {

struct TKeywordGroup {
  TSite Site;
  std::vector<std::string_view> Keywords;  // UTF-8 here, compared as GBK
};

// First match wins, so the groups keep their order.
const std::array<TKeywordGroup, 4>& KeywordGroups() {
  static const std::array<TKeywordGroup, 4> groups{{
      {TSite::ShoppingSite, {"淘宝", "淘宝网", "淘宝男装", "淘宝女装"}},
      {TSite::MobilePhones, {"手机", "手机报价", "淘宝手机", "网购手机"}},
      {TSite::AirTickets, {"机票", "机票预订", "特价机票", "打折机票", "预订机票"}},
      {TSite::Mall, {"淘宝商城"}},
  }};
  return groups;
}

}  // namespace

std::optional<TSite> KeywordSite(std::string_view gbkText) {
  for (const TKeywordGroup& group : KeywordGroups())
    for (std::string_view keyword : group.Keywords)
      if (text::Utf8ToGbk(keyword) == gbkText) return group.Site;
  return std::nullopt;
}

std::string SearchButtonAddress(std::string_view gbkText) {
  if (const std::optional<TSite> site = KeywordSite(gbkText)) return ShortcutAddress(*site) + "/";
  return ShortcutAddress(TSite::Search) + "/s?wd=" + PercentEncode(text::GbkToUtf8(gbkText));
}

std::string ShortcutAddress(TSite site) { return std::string(SiteRoot(site)); }

}  // namespace DateWin

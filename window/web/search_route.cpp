#include "window/web/search_route.h"

#include <array>
#include <vector>

#include "text/gbk.h"
#include "window/web/url_encoding.h"

namespace DateWin {
namespace {

struct KeywordGroup {
  Site site;
  std::vector<std::string_view> keywords;  // UTF-8 here, compared as GBK
};

// First match wins, so the groups keep their order.
const std::array<KeywordGroup, 4>& KeywordGroups() {
  static const std::array<KeywordGroup, 4> groups{{
      {Site::kShoppingSite, {"淘宝", "淘宝网", "淘宝男装", "淘宝女装"}},
      {Site::kMobilePhones, {"手机", "手机报价", "淘宝手机", "网购手机"}},
      {Site::kAirTickets, {"机票", "机票预订", "特价机票", "打折机票", "预订机票"}},
      {Site::kMall, {"淘宝商城"}},
  }};
  return groups;
}

}  // namespace

std::optional<Site> KeywordSite(std::string_view gbkText) {
  for (const KeywordGroup& group : KeywordGroups())
    for (std::string_view keyword : group.keywords)
      if (text::Utf8ToGbk(keyword) == gbkText) return group.site;
  return std::nullopt;
}

std::string SearchButtonAddress(std::string_view gbkText) {
  if (const std::optional<Site> site = KeywordSite(gbkText)) return ShortcutAddress(*site) + "/";
  return ShortcutAddress(Site::kSearch) + "/s?wd=" + PercentEncode(text::GbkToUtf8(gbkText));
}

std::string ShortcutAddress(Site site) { return std::string(SiteRoot(site)); }

}  // namespace DateWin

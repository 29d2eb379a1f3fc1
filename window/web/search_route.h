#pragma once
// Where the search button goes: fourteen shopping and travel keywords open
// their sites' entry pages, any other text is searched for.

#include <optional>
#include <string>
#include <string_view>

#include "window/web/web_endpoints.h"

namespace DateWin {

// The site of a keyword, or nothing. The whole text (GBK) is compared byte
// for byte, nothing trimmed, with the keyword groups in their order.
std::optional<TSite> KeywordSite(std::string_view gbkText);

// The address the search button opens for the search box's text (GBK): a
// keyword's entry page, or the search engine's "/s?wd=" with the text as
// UTF-8, percent-encoded. The empty text searches for nothing.
std::string SearchButtonAddress(std::string_view gbkText);

// The address a shortcut opens: the site's bare host, without a "/".
std::string ShortcutAddress(TSite site);

}  // namespace DateWin

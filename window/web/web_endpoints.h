#pragma once
// The sites the calendar opens pages on. Their hosts are configuration, kept
// in this one place (web_endpoints.cpp).

#include <string_view>

namespace DateWin {

enum class Site {
  kSearch,          // a web search engine answering "/s?wd="
  kShoppingSite,    // a shopping site's entry page
  kMobilePhones,    // a mobile-phone shopping page
  kAirTickets,      // an air-ticket booking page
  kMall,            // an online mall's entry page
  kWebDirectory,    // a site-navigation page
  kOnlineShopping,  // an online-shopping page
  kProgramHome,     // the program's home page
  kProgramHelp,     // the program's help page
};

// The scheme and host, without a trailing "/".
std::string_view SiteRoot(Site site);

}  // namespace DateWin

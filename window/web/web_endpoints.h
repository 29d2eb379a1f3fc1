#pragma once
// The sites the calendar opens pages on. Their hosts are configuration, kept
// in this one place (web_endpoints.cpp).

#include <string_view>

namespace DateWin {

enum class TSite {
  Search,          // a web search engine answering "/s?wd="
  ShoppingSite,    // a shopping site's entry page
  MobilePhones,    // a mobile-phone shopping page
  AirTickets,      // an air-ticket booking page
  Mall,            // an online mall's entry page
  WebDirectory,    // a site-navigation page
  OnlineShopping,  // an online-shopping page
  ProgramHome,     // the program's home page
  ProgramHelp,     // the program's help page
};

// The scheme and host, without a trailing "/".
std::string_view SiteRoot(TSite site);

}  // namespace DateWin

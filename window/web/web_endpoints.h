#pragma once
// The sites the calendar opens pages on. Their hosts are configuration, kept
// in this one place (web_endpoints.cpp), but for the project's own page,
// which is a build setting.

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
};

// The scheme and host, without a trailing "/".
std::string_view SiteRoot(TSite site);

// The project page 官方网站 opens, set by the build setting
// RILVANTA_HOME_PAGE; empty when unset, and the help page that ships with
// the program serves instead.
std::string_view ProgramHomePage();

}  // namespace DateWin

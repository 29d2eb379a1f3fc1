#include "window/web/web_endpoints.h"

namespace DateWin {

std::string_view SiteRoot(TSite site) {
  switch (site) {
    case TSite::Search:
      return "https://www.baidu.com";
    case TSite::ShoppingSite:
      return "https://www.taobao.com";
    case TSite::MobilePhones:
      return "https://shouji.jd.com";
    case TSite::AirTickets:
      return "https://flights.ctrip.com";
    case TSite::Mall:
      return "https://www.tmall.com";
    case TSite::WebDirectory:
      return "https://www.hao123.com";
    case TSite::OnlineShopping:
      return "https://www.jd.com";
  }
  return "";
}

std::string_view ProgramHomePage() { return RILVANTA_HOME_PAGE; }

}  // namespace DateWin

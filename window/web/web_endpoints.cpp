#include "window/web/web_endpoints.h"

namespace DateWin {

// The program's own pages stay under the reserved .example domain until the
// project has a home of its own.
std::string_view SiteRoot(Site site) {
  switch (site) {
    case Site::kSearch:
      return "https://www.baidu.com";
    case Site::kShoppingSite:
      return "https://www.taobao.com";
    case Site::kMobilePhones:
      return "https://shouji.jd.com";
    case Site::kAirTickets:
      return "https://flights.ctrip.com";
    case Site::kMall:
      return "https://www.tmall.com";
    case Site::kWebDirectory:
      return "https://www.hao123.com";
    case Site::kOnlineShopping:
      return "https://www.jd.com";
    case Site::kProgramHome:
      return "https://rilvanta.example";
    case Site::kProgramHelp:
      return "https://help.rilvanta.example";
  }
  return "";
}

}  // namespace DateWin

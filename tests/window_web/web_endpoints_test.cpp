#include "window/web/web_endpoints.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

using DateWin::TSite;

constexpr TSite kAllSites[] = {TSite::Search,         TSite::ShoppingSite, TSite::MobilePhones,
                               TSite::AirTickets,     TSite::Mall,         TSite::WebDirectory,
                               TSite::OnlineShopping, TSite::ProgramHome,  TSite::ProgramHelp};

// The part after "http://" or "https://"; empty when the root has neither.
std::string_view Host(std::string_view root) {
  for (std::string_view scheme : {"https://", "http://"})
    if (root.starts_with(scheme)) return root.substr(scheme.size());
  return {};
}

TEST(SiteRoot, EverySiteIsABareWebHostOfItsOwn) {
  std::set<std::string_view> roots;
  for (TSite site : kAllSites) {
    const std::string_view root = DateWin::SiteRoot(site);
    const std::string_view host = Host(root);
    EXPECT_FALSE(host.empty()) << root;
    EXPECT_EQ(host.find_first_of("/?#@ "), std::string_view::npos) << root << ": a host only";
    roots.insert(root);
  }
  EXPECT_EQ(roots.size(), std::size(kAllSites)) << "each site has a host of its own";
}

TEST(SiteRoot, TheProgramsOwnPagesStayUnderTheReservedExampleDomain) {
  EXPECT_TRUE(Host(DateWin::SiteRoot(TSite::ProgramHome)).ends_with(".example"));
  EXPECT_TRUE(Host(DateWin::SiteRoot(TSite::ProgramHelp)).ends_with(".example"));
  for (TSite site : kAllSites) {
    if (site == TSite::ProgramHome || site == TSite::ProgramHelp) continue;
    EXPECT_FALSE(Host(DateWin::SiteRoot(site)).ends_with(".example")) << DateWin::SiteRoot(site);
  }
}

}  // namespace

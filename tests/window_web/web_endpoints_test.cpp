#include "window/web/web_endpoints.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

using DateWin::TSite;

constexpr TSite kAllSites[] = {TSite::Search, TSite::ShoppingSite, TSite::MobilePhones,  TSite::AirTickets,
                               TSite::Mall,   TSite::WebDirectory, TSite::OnlineShopping};

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

// Reserved names never load: a page under one would be no page at all.
TEST(SiteRoot, NoAddressIsUnderAReservedDomain) {
  for (TSite site : kAllSites)
    for (std::string_view reserved : {".example", ".invalid", ".test", ".localhost"})
      EXPECT_FALSE(Host(DateWin::SiteRoot(site)).ends_with(reserved)) << DateWin::SiteRoot(site);
  EXPECT_EQ(DateWin::ProgramHomePage().find(".example"), std::string_view::npos) << DateWin::ProgramHomePage();
}

}  // namespace

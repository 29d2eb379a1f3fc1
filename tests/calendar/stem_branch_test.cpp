#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "calendar_test_support.h"

using calendar_test::Day;
using calendar_test::Utf8;

namespace {

std::string Animal(double date) { return Utf8(DateCn::YearBranchAnimal(date)); }
std::string StemBranch(double date) { return Utf8(DateCn::YearStemBranch(date)); }

void ExpectYear(double date, const std::string& branchAnimal, const std::string& stemBranch) {
  EXPECT_EQ(Animal(date), branchAnimal) << date;
  EXPECT_EQ(StemBranch(date), stemBranch) << date;
}

TEST(StemBranch, YearChangesAtLunarNewYear) {
  ExpectYear(Day(2024, 2, 9), "卯兔", "癸卯");
  ExpectYear(Day(2024, 2, 10), "辰龙", "甲辰");
  ExpectYear(Day(2023, 1, 21), "寅虎", "壬寅");
  ExpectYear(Day(2023, 1, 22), "卯兔", "癸卯");
}

TEST(StemBranch, JanuaryInTheEleventhMonthsBelongsToTheYearBefore) {
  ExpectYear(Day(2034, 1, 1), "丑牛", "癸丑");  // 闰冬
  ExpectYear(Day(1901, 1, 1), "子鼠", "庚子");
  ExpectYear(Day(1901, 2, 19), "丑牛", "辛丑");
  ExpectYear(Day(1972, 1, 1), "亥猪", "辛亥");
}

TEST(StemBranch, CyclesReachBackBeforeTheirFirstYears) {
  ExpectYear(Day(2019, 6, 1), "亥猪", "己亥");
  ExpectYear(Day(1974, 6, 1), "寅虎", "甲寅");
  ExpectYear(Day(2024, 12, 31), "辰龙", "甲辰");
  ExpectYear(Day(2050, 12, 31), "午马", "庚午");
  EXPECT_EQ(StemBranch(Day(1971, 6, 1)), "辛亥");
}

TEST(StemBranch, OutsideTheTableTheGregorianYearCounts) {
  EXPECT_EQ(StemBranch(Day(2051, 1, 1)), "辛未");
  EXPECT_EQ(StemBranch(Day(1900, 12, 31)), "庚子");
}

// Over 1901-2050 the year's names change exactly on the lunar new years, the
// branch of the stem-branch pair is the animal's branch, and the 60 pairs cycle.
TEST(StemBranch, NamesChangeOnlyAtNewYearAndCycleThroughSixtyPairs) {
  std::string animal = DateCn::YearBranchAnimal(calendar_test::FirstDay());
  std::string pair = DateCn::YearStemBranch(calendar_test::FirstDay());
  std::vector<std::string> pairsByYear;
  for (double date = calendar_test::FirstDay() + 1; date <= calendar_test::LastDay(); ++date) {
    const std::string nextAnimal = DateCn::YearBranchAnimal(date);
    const std::string nextPair = DateCn::YearStemBranch(date);
    ASSERT_EQ(nextPair.substr(2), nextAnimal.substr(0, 2)) << date;
    const bool newYear = DateCn::LunarDate(date) == 101;
    ASSERT_EQ(nextAnimal != animal, newYear) << date;
    ASSERT_EQ(nextPair != pair, newYear) << date;
    if (newYear) pairsByYear.push_back(nextPair);
    animal = nextAnimal;
    pair = nextPair;
  }
  ASSERT_EQ(pairsByYear.size(), 150u);
  EXPECT_EQ(std::set<std::string>(pairsByYear.begin(), pairsByYear.begin() + 60).size(), 60u);
  for (std::size_t year = 60; year < pairsByYear.size(); ++year) {
    EXPECT_EQ(pairsByYear[year], pairsByYear[year - 60]) << 1901 + year;
  }
}

}  // namespace

#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "calendar_test_support.h"

using calendar_test::Day;
using calendar_test::Utf8;

namespace {

std::string Term(double date) { return Utf8(DateCn::SolarTerm(date)); }

int TermIndex(int year, int month, int day) {
  return DateCn::SolarTermIndex(static_cast<std::uint16_t>(year), static_cast<std::uint16_t>(month),
                                static_cast<std::uint16_t>(day));
}

TEST(SolarTerms, FirstYearAndLastYear) {
  EXPECT_EQ(Term(Day(1901, 1, 6)), "小寒");
  EXPECT_EQ(TermIndex(1901, 1, 6), 1);
  EXPECT_EQ(Term(Day(1901, 1, 21)), "大寒");
  EXPECT_EQ(TermIndex(1901, 1, 21), 2);
  EXPECT_EQ(Term(Day(2050, 12, 7)), "大雪");
  EXPECT_EQ(Term(Day(2050, 12, 22)), "冬至");
  EXPECT_EQ(TermIndex(2050, 12, 22), 24);
}

TEST(SolarTerms, TermsOf2024) {
  struct TCase {
    int Month, Day;
    const char* Name;
  };
  for (const TCase c : {TCase{1, 6, "小寒"}, TCase{1, 20, "大寒"}, TCase{2, 4, "立春"}, TCase{2, 19, "雨水"},
                        TCase{3, 20, "春分"}, TCase{4, 4, "清明"}, TCase{6, 5, "芒种"}, TCase{6, 21, "夏至"},
                        TCase{9, 22, "秋分"}, TCase{10, 8, "寒露"}, TCase{12, 6, "大雪"}, TCase{12, 21, "冬至"}}) {
    EXPECT_EQ(Term(Day(2024, c.Month, c.Day)), c.Name) << c.Month << "-" << c.Day;
  }
  EXPECT_EQ(Term(Day(2024, 12, 20)), "");
  EXPECT_EQ(TermIndex(2024, 12, 20), 0);
}

TEST(SolarTerms, OutsideTheTableThereIsNoTerm) {
  EXPECT_EQ(TermIndex(1900, 12, 22), 0);
  EXPECT_EQ(TermIndex(2051, 1, 5), 0);
  EXPECT_EQ(TermIndex(0, 1, 6), 0);
  EXPECT_EQ(TermIndex(65535, 1, 6), 0);
  EXPECT_EQ(TermIndex(2024, 0, 6), 0);
  EXPECT_EQ(TermIndex(2024, 13, 6), 0);
  EXPECT_EQ(DateCn::SolarTerm(Day(1900, 12, 22)), "");
  EXPECT_EQ(DateCn::SolarTerm(Day(2051, 1, 5)), "");
}

// Days of the mended rows of the solar term table, each one day (two for 1995)
// later or earlier than the table had it.
TEST(SolarTerms, MendedDays) {
  struct TCase {
    int Year, Month, Day, WrongDay;
    const char* Name;
  };
  for (const TCase c : {
           TCase{1904, 10, 9, 8, "寒露"},
           TCase{1929, 10, 9, 8, "寒露"},
           TCase{1929, 11, 23, 22, "小雪"},
           TCase{1949, 8, 23, 24, "处暑"},
           TCase{1954, 10, 24, 23, "霜降"},
           TCase{1962, 1, 20, 21, "大寒"},
           TCase{1973, 2, 19, 20, "雨水"},
           TCase{1976, 8, 23, 24, "处暑"},
           TCase{1977, 5, 5, 6, "立夏"},
           TCase{1981, 11, 7, 8, "立冬"},
           TCase{1991, 5, 6, 7, "立夏"},
           TCase{1995, 8, 23, 21, "处暑"},
           TCase{2033, 7, 22, 23, "大暑"},
           TCase{2034, 8, 7, 8, "立秋"},
           TCase{2049, 4, 4, 5, "清明"},
           TCase{2049, 4, 19, 20, "谷雨"},
           TCase{2050, 9, 7, 8, "白露"},
       }) {
    EXPECT_EQ(Term(Day(c.Year, c.Month, c.Day)), c.Name) << c.Year << "-" << c.Month << "-" << c.Day;
    EXPECT_EQ(Term(Day(c.Year, c.Month, c.WrongDay)), "") << c.Year << "-" << c.Month << "-" << c.WrongDay;
  }
}

// Every year of the table has the 24 terms in order, first terms on days 3-9
// and second terms on days 18-24, never on the 15th, 14 to 16 days apart.
TEST(SolarTerms, EveryYearHasTwentyFourTermsAboutFifteenDaysApart) {
  double previousTermDay = 0;
  for (int year = calendar_test::kFirstYear; year <= calendar_test::kLastYear; ++year) {
    std::vector<int> terms;
    for (double date = Day(year, 1, 1); date <= Day(year, 12, 31); ++date) {
      const DateCn::TCivilDate civil = DateCn::DecodeDate(date);
      const int term = TermIndex(civil.Year, civil.Month, civil.Day);
      ASSERT_EQ(Utf8(DateCn::SolarTerm(date)).empty(), term == 0) << date;
      if (term == 0) continue;
      terms.push_back(term);
      ASSERT_EQ((term + 1) / 2, civil.Month) << date;
      if (term % 2 == 1) {
        ASSERT_TRUE(civil.Day >= 3 && civil.Day <= 9) << date;
      } else {
        ASSERT_TRUE(civil.Day >= 18 && civil.Day <= 24) << date;
      }
      if (previousTermDay != 0) {
        ASSERT_GE(date - previousTermDay, 14) << date;
        ASSERT_LE(date - previousTermDay, 16) << date;
      }
      previousTermDay = date;
    }
    ASSERT_EQ(terms.size(), 24u) << year;
    for (int i = 0; i < 24; ++i) ASSERT_EQ(terms[i], i + 1) << year;
  }
}

TEST(SolarTerms, NamesFollowTheirNumbers) {
  const char* names[] = {"小寒", "大寒", "立春", "雨水", "惊蛰", "春分", "清明", "谷雨",
                         "立夏", "小满", "芒种", "夏至", "小暑", "大暑", "立秋", "处暑",
                         "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至"};
  for (double date = Day(2024, 1, 1); date <= Day(2024, 12, 31); ++date) {
    const DateCn::TCivilDate civil = DateCn::DecodeDate(date);
    const int term = TermIndex(civil.Year, civil.Month, civil.Day);
    if (term != 0) {
      EXPECT_EQ(Term(date), names[term - 1]) << date;
    }
  }
}

}  // namespace

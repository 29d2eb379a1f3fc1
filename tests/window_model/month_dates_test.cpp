#include "window/model/month_dates.h"

#include <gtest/gtest.h>

#include "calendar/date_value.h"

namespace {

TEST(MonthDates, MonthLengthsFollowTheGregorianLeapRule) {
  EXPECT_EQ(DateWin::MonthLength(2024, 2), 29);
  EXPECT_EQ(DateWin::MonthLength(2023, 2), 28);
  EXPECT_EQ(DateWin::MonthLength(1900, 2), 28);
  EXPECT_EQ(DateWin::MonthLength(2000, 2), 29);
  EXPECT_EQ(DateWin::MonthLength(2024, 1), 31);
  EXPECT_EQ(DateWin::MonthLength(2024, 4), 30);
  EXPECT_EQ(DateWin::MonthLength(2024, 12), 31);
  EXPECT_EQ(DateWin::MonthLength(2024, 0), 0);
  EXPECT_EQ(DateWin::MonthLength(2024, 13), 0);
  EXPECT_EQ(DateWin::MonthLengthOf(DateCn::EncodeDate(2024, 2, 17) + 0.5), 29);
}

TEST(MonthDates, ClampedDateKeepsTheDayInsideTheMonth) {
  EXPECT_EQ(DateWin::ClampedDate(2005, 2, 31), DateCn::EncodeDate(2005, 2, 28));
  EXPECT_EQ(DateWin::ClampedDate(2004, 2, 31), DateCn::EncodeDate(2004, 2, 29));
  EXPECT_EQ(DateWin::ClampedDate(2010, 4, 31), DateCn::EncodeDate(2010, 4, 30));
  EXPECT_EQ(DateWin::ClampedDate(2010, 3, 31), DateCn::EncodeDate(2010, 3, 31));
  EXPECT_EQ(DateWin::ClampedDate(2010, 3, 15), DateCn::EncodeDate(2010, 3, 15));
  // Values no menu or cell offers still give a date of that year.
  EXPECT_EQ(DateWin::ClampedDate(2010, 3, 0), DateCn::EncodeDate(2010, 3, 1));
  EXPECT_EQ(DateWin::ClampedDate(2010, 13, 40), DateCn::EncodeDate(2010, 12, 31));
  EXPECT_EQ(DateWin::ClampedDate(2010, 6, 65535), DateCn::EncodeDate(2010, 6, 30));
}

}  // namespace

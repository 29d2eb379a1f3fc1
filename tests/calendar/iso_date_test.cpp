#include "calendar/iso_date.h"

#include <gtest/gtest.h>

namespace {

TEST(IsoDate, ReadsFieldsWithoutCheckingTheCalendar) {
  const auto date = DateCn::ParseIsoDate("2023-02-29");
  ASSERT_TRUE(date.has_value());
  EXPECT_EQ(date->Year, 2023);
  EXPECT_EQ(date->Month, 2);
  EXPECT_EQ(date->Day, 29);
  EXPECT_FALSE(DateCn::ParseIsoDate("2023-2-28").has_value());
  EXPECT_FALSE(DateCn::ParseIsoDate("2023-02-2").has_value());
  EXPECT_FALSE(DateCn::ParseIsoDate("-023-02-28").has_value());
  EXPECT_FALSE(DateCn::ParseIsoDate("2023_02_28").has_value());
}

TEST(IsoDate, WritesZeroPaddedFields) {
  EXPECT_EQ(DateCn::FormatIsoDate({1901, 1, 1}), "1901-01-01");
  EXPECT_EQ(DateCn::FormatIsoDate({2050, 12, 31}), "2050-12-31");
  EXPECT_EQ(DateCn::FormatIsoDate(*DateCn::ParseIsoDate("0999-09-09")), "0999-09-09");
}

}  // namespace

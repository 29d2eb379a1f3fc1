#include "tools/rilvanta-cal/dump_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calendar/date_value.h"

namespace {

std::string Line(int year, int month, int day) {
  rilvanta_cal::TDumpLineWriter writer;
  std::string out;
  writer.Append(DateCn::EncodeDate(year, month, day), out);
  return out;
}

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields(1);
  for (const char c : line.substr(0, line.size() - 1)) {
    if (c == '\t') {
      fields.emplace_back();
    } else {
      fields.back() += c;
    }
  }
  return fields;
}

TEST(DumpLine, TenTabSeparatedUtf8ColumnsEndingInNewline) {
  EXPECT_EQ(Line(2024, 2, 10), "2024-02-10\t101\t正月\t初一\t春节\t甲辰\t辰龙\t\t气象节\t水瓶座\n");
  EXPECT_EQ(Line(1901, 2, 19), "1901-02-19\t101\t正月\t初一\t春节\t辛丑\t丑牛\t雨水\t\t双鱼座\n");
}

TEST(DumpLine, EmptyTextsAreEmptyFields) {
  EXPECT_EQ(Line(2024, 2, 11), "2024-02-11\t102\t正月\t初二\t\t甲辰\t辰龙\t\t\t水瓶座\n");
  const std::vector<std::string> fields = Fields(Line(2024, 12, 20));
  ASSERT_EQ(fields.size(), 10u);
  EXPECT_EQ(fields[4], "");  // no lunar festival
  EXPECT_EQ(fields[7], "");  // no solar term
  EXPECT_EQ(fields[8], "");  // no Gregorian festival
}

TEST(DumpLine, LeapMonthsHaveNegativeCodes) {
  EXPECT_EQ(Line(2034, 1, 1), "2034-01-01\t-1111\t闰冬\t十一\t\t癸丑\t丑牛\t\t元旦节\t摩羯座\n");
}

TEST(DumpLine, GregorianFestivalIsTheDaysOwn) {
  EXPECT_EQ(Fields(Line(2024, 5, 12))[8], "母亲节");
  EXPECT_EQ(Fields(Line(2024, 12, 25))[8], "圣诞节");
}

TEST(DumpLine, LinesAppendOneAfterAnother) {
  rilvanta_cal::TDumpLineWriter writer;
  std::string out;
  for (double date = DateCn::EncodeDate(2013, 6, 8); date <= DateCn::EncodeDate(2013, 6, 12); ++date) {
    writer.Append(date, out);
  }
  EXPECT_EQ(out,
            "2013-06-08\t501\t五月\t初一\t\t癸巳\t巳蛇\t\t\t双子座\n"
            "2013-06-09\t502\t五月\t初二\t\t癸巳\t巳蛇\t\t\t双子座\n"
            "2013-06-10\t503\t五月\t初三\t\t癸巳\t巳蛇\t\t\t双子座\n"
            "2013-06-11\t504\t五月\t初四\t\t癸巳\t巳蛇\t\t\t双子座\n"
            "2013-06-12\t505\t五月\t初五\t端午节\t癸巳\t巳蛇\t\t\t双子座\n");
}

}  // namespace

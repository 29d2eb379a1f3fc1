#include "calendar/holidays/holiday_calendar.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "calendar/holidays/holiday_file.h"
#include "calendar/holidays/official_holidays.h"
#include "calendar_test_support.h"

using calendar_test::Day;
using calendar_test::Utf8;
using DateCn::THolidayKind;

namespace {

constexpr THolidayKind kOff = THolidayKind::DayOff;
constexpr THolidayKind kWork = THolidayKind::WorkDay;

struct TExpectedMark {
  int Year, Month, Day;
  THolidayKind Kind;
  std::string Name;  // UTF-8
};

void ExpectMark(const DateCn::THolidayCalendar& holidays, const TExpectedMark& expected) {
  const DateCn::THolidayMark mark = holidays.MarkOn(Day(expected.Year, expected.Month, expected.Day));
  EXPECT_EQ(mark.Kind, expected.Kind) << expected.Year << "-" << expected.Month << "-" << expected.Day;
  EXPECT_EQ(Utf8(mark.Name), expected.Name) << expected.Year << "-" << expected.Month << "-" << expected.Day;
}

// Of every year's notice: the Spring Festival's first and last days off and a
// make-up workday, and other days notices are remembered by.
TEST(OfficialHolidays, AgreeWithTheNotices) {
  const TExpectedMark kNotices[] = {
      {2001, 1, 24, kOff, "春节"},       {2001, 1, 30, kOff, "春节"},          {2001, 1, 20, kWork, "春节"},
      {2001, 10, 7, kOff, "国庆节"},     {2001, 12, 29, kWork, "元旦"},        {2002, 2, 12, kOff, "春节"},
      {2002, 2, 18, kOff, "春节"},       {2002, 2, 9, kWork, "春节"},          {2003, 2, 1, kOff, "春节"},
      {2003, 2, 9, kWork, "春节"},       {2004, 1, 22, kOff, "春节"},          {2004, 1, 17, kWork, "春节"},
      {2005, 2, 9, kOff, "春节"},        {2005, 2, 6, kWork, "春节"},          {2006, 2, 4, kOff, "春节"},
      {2006, 2, 5, kWork, "春节"},       {2007, 2, 18, kOff, "春节"},          {2007, 2, 25, kWork, "春节"},
      {2008, 2, 12, kOff, "春节"},       {2008, 2, 2, kWork, "春节"},          {2008, 4, 4, kOff, "清明节"},
      {2008, 6, 9, kOff, "端午节"},      {2008, 9, 15, kOff, "中秋节"},        {2009, 1, 25, kOff, "春节"},
      {2009, 2, 1, kWork, "春节"},       {2010, 2, 19, kOff, "春节"},          {2010, 2, 21, kWork, "春节"},
      {2011, 2, 2, kOff, "春节"},        {2011, 2, 12, kWork, "春节"},         {2012, 1, 28, kOff, "春节"},
      {2012, 1, 29, kWork, "春节"},      {2012, 5, 2, THolidayKind::None, ""}, {2013, 2, 9, kOff, "春节"},
      {2013, 2, 17, kWork, "春节"},      {2014, 1, 31, kOff, "春节"},          {2014, 2, 8, kWork, "春节"},
      {2015, 2, 24, kOff, "春节"},       {2015, 2, 28, kWork, "春节"},         {2015, 9, 3, kOff, "抗战胜利日"},
      {2015, 9, 6, kWork, "抗战胜利日"}, {2016, 2, 7, kOff, "春节"},           {2016, 2, 14, kWork, "春节"},
      {2017, 2, 2, kOff, "春节"},        {2017, 1, 22, kWork, "春节"},         {2018, 2, 15, kOff, "春节"},
      {2018, 2, 24, kWork, "春节"},      {2019, 2, 10, kOff, "春节"},          {2019, 2, 2, kWork, "春节"},
      {2020, 1, 24, kOff, "春节"},       {2020, 2, 2, kOff, "春节"},           {2020, 1, 19, kWork, "春节"},
      {2020, 10, 8, kOff, "国庆节"},     {2021, 2, 11, kOff, "春节"},          {2021, 2, 20, kWork, "春节"},
      {2022, 2, 6, kOff, "春节"},        {2022, 1, 29, kWork, "春节"},         {2023, 1, 21, kOff, "春节"},
      {2023, 1, 29, kWork, "春节"},      {2024, 2, 17, kOff, "春节"},          {2024, 2, 4, kWork, "春节"},
      {2025, 1, 28, kOff, "春节"},       {2025, 2, 8, kWork, "春节"},          {2025, 10, 8, kOff, "国庆节、中秋节"},
      {2026, 1, 4, kWork, "元旦"},       {2026, 2, 14, kWork, "春节"},         {2026, 2, 15, kOff, "春节"},
      {2026, 2, 23, kOff, "春节"},       {2026, 2, 28, kWork, "春节"},         {2026, 5, 9, kWork, "劳动节"},
      {2026, 9, 20, kWork, "国庆节"},    {2026, 10, 10, kWork, "国庆节"},      {2026, 10, 12, THolidayKind::None, ""},
  };
  const DateCn::THolidayCalendar holidays;
  for (const TExpectedMark& expected : kNotices) ExpectMark(holidays, expected);
  for (int day = 1; day <= 7; ++day) ExpectMark(holidays, {2026, 10, day, kOff, "国庆节"});
}

// Make-up workdays are weekend days, and every year has its days.
TEST(OfficialHolidays, TableIsWholeAndWellFormed) {
  EXPECT_TRUE(DateCn::ParseHolidayText(DateCn::OfficialHolidayText()).Problems.empty());
  const DateCn::THolidayCalendar holidays;
  for (int year = DateCn::kFirstOfficialYear; year <= DateCn::kLastOfficialYear; ++year) {
    const std::vector<DateCn::THoliday> days = holidays.DaysOfYear(year);
    EXPECT_GE(days.size(), 20u) << year;
    for (const DateCn::THoliday& day : days) {
      const int weekday = DateCn::DayOfWeek(Day(day.Date.Year, day.Date.Month, day.Date.Day));
      if (day.Mark.Kind == kWork) {
        EXPECT_TRUE(weekday == 1 || weekday == 7) << year << "-" << day.Date.Month;
      }
    }
  }
  EXPECT_TRUE(holidays.DaysOfYear(2000).empty());
  EXPECT_TRUE(holidays.DaysOfYear(2027).empty());
}

TEST(UserHolidays, AddLaterYearsAndChangeNothingBuiltIn) {
  DateCn::THolidayCalendar holidays;
  const std::vector<DateCn::THolidayLineProblem> problems = holidays.AddUserText(
      "2027-01-01 休 元旦\n"
      "2026-02-14 休 春节\n"
      "2026-03-02 休 自定\n"
      "2027-01-01 班 元旦\n"
      "oops\n"
      "2051-01-01 休 元旦\n"
      "2050-12-31 班 末日\n");
  EXPECT_EQ(problems, (std::vector<DateCn::THolidayLineProblem>{
                          {2, "2026-02-14: the years up to 2026 come with the program and stay as they are"},
                          {3, "2026-03-02: the years up to 2026 come with the program and stay as they are"},
                          {4, "2027-01-01 is given already"},
                          {5, "not of the form 'YYYY-MM-DD 休|班 NAME'"},
                          {6, "2051-01-01 lies after the calendar's last year, 2050"},
                      }));
  ExpectMark(holidays, {2027, 1, 1, kOff, "元旦"});
  ExpectMark(holidays, {2050, 12, 31, kWork, "末日"});
  ExpectMark(holidays, {2026, 2, 14, kWork, "春节"});
  ExpectMark(holidays, {2026, 3, 2, THolidayKind::None, ""});
  // A second file adds to the first and changes none of its days either.
  EXPECT_EQ(holidays.AddUserText("2027-01-01 班 元旦\n2027-01-02 休 元旦\n").size(), 1u);
  EXPECT_EQ(holidays.DaysOfYear(2027).size(), 2u);
}

TEST(UserHolidays, FilesAreReadWholeOrNotAtAll) {
  const std::filesystem::path folder = std::filesystem::path(testing::TempDir()) / "rilvanta-holidays";
  std::filesystem::create_directories(folder);
  const auto write = [&folder](const char* name, const std::string& bytes) {
    std::ofstream(folder / name, std::ios::binary) << bytes;
    return folder / name;
  };
  DateCn::THolidayCalendar holidays;
  const DateCn::THolidayFileReading read = DateCn::AddHolidayFile(holidays, write("bom.txt",
                                                                                  "\xEF\xBB\xBF"
                                                                                  "2027-02-06 休 春节\r\nbad\r\n"));
  EXPECT_EQ(read.Status, DateCn::THolidayFileStatus::Read);
  EXPECT_EQ(read.Problems, (std::vector<DateCn::THolidayLineProblem>{{2, "not of the form 'YYYY-MM-DD 休|班 NAME'"}}));
  ExpectMark(holidays, {2027, 2, 6, kOff, "春节"});

  const std::string tooLarge(DateCn::kMaxHolidayFileBytes + 1, '#');
  EXPECT_EQ(DateCn::AddHolidayFile(holidays, write("large.txt", tooLarge)).Status,
            DateCn::THolidayFileStatus::TooLarge);
  EXPECT_EQ(DateCn::AddHolidayFile(holidays, folder / "missing.txt").Status, DateCn::THolidayFileStatus::Unreadable);
  EXPECT_EQ(DateCn::AddHolidayFile(holidays, folder).Status, DateCn::THolidayFileStatus::Unreadable);
  std::filesystem::remove_all(folder);
}

}  // namespace

#include "tools/rilvanta-cal/command_line.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace {

using rilvanta_cal::TRequest;

TRequest Parse(std::initializer_list<std::string_view> arguments) {
  const std::vector<std::string_view> list(arguments);
  return rilvanta_cal::ParseCommandLine(list);
}

std::string ErrorOf(const TRequest& request) {
  const auto* error = std::get_if<rilvanta_cal::TUsageError>(&request);
  return error ? error->Message : "(no error)";
}

TEST(CommandLine, DayTakesOneDate) {
  const TRequest request = Parse({"day", "2024-02-10"});
  ASSERT_TRUE(std::holds_alternative<rilvanta_cal::TDayRequest>(request)) << ErrorOf(request);
  const auto& day = std::get<rilvanta_cal::TDayRequest>(request);
  EXPECT_EQ(day.Date.Year, 2024);
  EXPECT_EQ(day.Date.Month, 2);
  EXPECT_EQ(day.Date.Day, 10);
  EXPECT_FALSE(day.Holidays);
  const std::string usage = "rilvanta-cal: 'day' takes one date, YYYY-MM-DD, and may take --holidays FILE";
  EXPECT_EQ(ErrorOf(Parse({"day"})), usage);
  EXPECT_EQ(ErrorOf(Parse({"day", "2024-02-10", "2024-02-11"})), usage);
}

TEST(CommandLine, DumpTakesAnInclusiveRangeInOrder) {
  const TRequest request = Parse({"dump", "1901-01-01", "2050-12-31"});
  ASSERT_TRUE(std::holds_alternative<rilvanta_cal::TDumpRequest>(request)) << ErrorOf(request);
  EXPECT_EQ(std::get<rilvanta_cal::TDumpRequest>(request).From.Year, 1901);
  EXPECT_EQ(std::get<rilvanta_cal::TDumpRequest>(request).To.Year, 2050);
  EXPECT_TRUE(std::holds_alternative<rilvanta_cal::TDumpRequest>(Parse({"dump", "2024-02-10", "2024-02-10"})));
  EXPECT_EQ(ErrorOf(Parse({"dump", "2024-02-11", "2024-02-10"})),
            "rilvanta-cal: FROM '2024-02-11' comes after TO '2024-02-10'");
  EXPECT_EQ(ErrorOf(Parse({"dump", "2024-02-11"})), "rilvanta-cal: 'dump' takes two dates, FROM and TO, as YYYY-MM-DD");
}

TEST(CommandLine, DatesMustBeWellFormedRealAndInRange) {
  for (const std::string_view bad :
       {"2024-2-10", "2024/02/10", "20240210", "2024-02-1x", "+024-02-10", "2024-02-10 ", "", "２０２４-02-10"}) {
    EXPECT_EQ(ErrorOf(Parse({"day", bad})),
              "rilvanta-cal: '" + std::string(bad) + "' is not a date of the form YYYY-MM-DD");
  }
  EXPECT_EQ(ErrorOf(Parse({"day", "2023-02-29"})), "rilvanta-cal: '2023-02-29' is no day of the calendar");
  EXPECT_EQ(ErrorOf(Parse({"day", "2024-13-01"})), "rilvanta-cal: '2024-13-01' is no day of the calendar");
  EXPECT_EQ(ErrorOf(Parse({"day", "2024-04-31"})), "rilvanta-cal: '2024-04-31' is no day of the calendar");
  EXPECT_EQ(ErrorOf(Parse({"dump", "1900-12-31", "1901-01-01"})),
            "rilvanta-cal: '1900-12-31' lies outside the years 1901-2050");
  EXPECT_EQ(ErrorOf(Parse({"dump", "2050-12-31", "2051-01-01"})),
            "rilvanta-cal: '2051-01-01' lies outside the years 1901-2050");
  EXPECT_TRUE(std::holds_alternative<rilvanta_cal::TDayRequest>(Parse({"day", "2024-02-29"})));
}

TEST(CommandLine, MonthTakesYearMonthAndAColourSwitch) {
  const TRequest request = Parse({"month", "2024", "2"});
  ASSERT_TRUE(std::holds_alternative<rilvanta_cal::TMonthRequest>(request)) << ErrorOf(request);
  EXPECT_EQ(std::get<rilvanta_cal::TMonthRequest>(request).Year, 2024);
  EXPECT_EQ(std::get<rilvanta_cal::TMonthRequest>(request).Month, 2);
  EXPECT_TRUE(std::get<rilvanta_cal::TMonthRequest>(request).Colour);
  for (const TRequest& plain :
       {Parse({"month", "2024", "02", "--no-color"}), Parse({"month", "--no-color", "2024", "12"})}) {
    ASSERT_TRUE(std::holds_alternative<rilvanta_cal::TMonthRequest>(plain)) << ErrorOf(plain);
    EXPECT_FALSE(std::get<rilvanta_cal::TMonthRequest>(plain).Colour);
  }
  const std::string usage =
      "rilvanta-cal: 'month' takes a year and a month, YYYY MM, and may take --no-color and --holidays FILE";
  EXPECT_EQ(ErrorOf(Parse({"month", "2024"})), usage);
  EXPECT_EQ(ErrorOf(Parse({"month", "2024", "2", "3"})), usage);
  EXPECT_EQ(ErrorOf(Parse({"month", "24", "2"})), "rilvanta-cal: '24' is not a year of four digits");
  EXPECT_EQ(ErrorOf(Parse({"month", "2o24", "2"})), "rilvanta-cal: '2o24' is not a year of four digits");
  EXPECT_EQ(ErrorOf(Parse({"month", "1900", "12"})), "rilvanta-cal: '1900' lies outside the years 1901-2050");
  EXPECT_EQ(ErrorOf(Parse({"month", "2024", "13"})), "rilvanta-cal: '13' is not a month, 1-12");
  EXPECT_EQ(ErrorOf(Parse({"month", "2024", "0"})), "rilvanta-cal: '0' is not a month, 1-12");
  EXPECT_EQ(ErrorOf(Parse({"month", "2024", "002"})), "rilvanta-cal: '002' is not a month, 1-12");
  EXPECT_EQ(ErrorOf(Parse({"month", "2024", "-2"})), "rilvanta-cal: '-2' is not a month, 1-12");
}

TEST(CommandLine, HolidaysTakeAYearAndTheCommandsThatShowThemAFile) {
  const TRequest request = Parse({"holidays", "2026"});
  ASSERT_TRUE(std::holds_alternative<rilvanta_cal::THolidaysRequest>(request)) << ErrorOf(request);
  EXPECT_EQ(std::get<rilvanta_cal::THolidaysRequest>(request).Year, 2026);
  EXPECT_FALSE(std::get<rilvanta_cal::THolidaysRequest>(request).Holidays);
  const TRequest withFile = Parse({"holidays", "--holidays", "my days.txt", "2027"});
  ASSERT_TRUE(std::holds_alternative<rilvanta_cal::THolidaysRequest>(withFile)) << ErrorOf(withFile);
  EXPECT_EQ(std::get<rilvanta_cal::THolidaysRequest>(withFile).Holidays, "my days.txt");
  EXPECT_EQ(std::get<rilvanta_cal::TDayRequest>(Parse({"day", "2027-01-01", "--holidays", "h.txt"})).Holidays, "h.txt");
  EXPECT_EQ(std::get<rilvanta_cal::TMonthRequest>(Parse({"month", "--holidays", "h.txt", "2027", "1"})).Holidays,
            "h.txt");
  EXPECT_EQ(ErrorOf(Parse({"holidays", "2026", "--holidays"})), "rilvanta-cal: --holidays takes one FILE");
  EXPECT_EQ(ErrorOf(Parse({"holidays", "--holidays", "a", "--holidays", "b", "2026"})),
            "rilvanta-cal: --holidays takes one FILE");
  EXPECT_EQ(ErrorOf(Parse({"holidays"})), "rilvanta-cal: 'holidays' takes a year, YYYY, and may take --holidays FILE");
  EXPECT_EQ(ErrorOf(Parse({"holidays", "2051"})), "rilvanta-cal: '2051' lies outside the years 1901-2050");
  EXPECT_EQ(ErrorOf(Parse({"dump", "2024-02-10", "2024-02-10", "--holidays", "h.txt"})),
            "rilvanta-cal: 'dump' takes two dates, FROM and TO, as YYYY-MM-DD");
}

TEST(CommandLine, UnknownOrMissingCommand) {
  EXPECT_EQ(ErrorOf(Parse({})), "rilvanta-cal: no command given; try 'rilvanta-cal --help'");
  EXPECT_EQ(ErrorOf(Parse({"days", "2024-02-10"})), "rilvanta-cal: unknown command 'days'; try 'rilvanta-cal --help'");
  EXPECT_EQ(ErrorOf(Parse({"DAY"})), "rilvanta-cal: unknown command 'DAY'; try 'rilvanta-cal --help'");
}

TEST(CommandLine, ErrorsStayOnOneLine) {
  const std::string error = ErrorOf(Parse({"day\nrm -rf /\r"}));
  EXPECT_EQ(error, "rilvanta-cal: unknown command 'day?rm -rf /?'; try 'rilvanta-cal --help'");
  EXPECT_EQ(ErrorOf(Parse({"day", "2024-02-1\n"})).find('\n'), std::string::npos);
}

TEST(CommandLine, HelpNamesEveryCommand) {
  EXPECT_TRUE(std::holds_alternative<rilvanta_cal::THelpRequest>(Parse({"--help"})));
  EXPECT_TRUE(std::holds_alternative<rilvanta_cal::THelpRequest>(Parse({"-h"})));
  const std::string_view help = rilvanta_cal::HelpText();
  for (const std::string_view command : {"day YYYY-MM-DD", "dump FROM TO", "month YYYY MM", "holidays YYYY",
                                         "--holidays FILE", "--no-color", "--help"}) {
    EXPECT_NE(help.find(command), std::string_view::npos) << command;
  }
}

}  // namespace

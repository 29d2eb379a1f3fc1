// The holiday calendar: reading the built-in table, which the window does once
// at start, and the month view with its marks.

#include <benchmark/benchmark.h>

#include "calendar/date_value.h"
#include "calendar/holidays/holiday_calendar.h"
#include "window/model/month_view_model.h"

namespace {

void OfficialHolidaysRead(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(DateCn::THolidayCalendar());
}
BENCHMARK(OfficialHolidaysRead)->Unit(benchmark::kMicrosecond);

void MonthViewWithHolidays(benchmark::State& state) {
  const DateCn::THolidayCalendar holidays;
  const DateWin::TMonthMarks marks{DateCn::EncodeDate(2026, 2, 14), &holidays};
  for (auto _ : state) {
    benchmark::DoNotOptimize(DateWin::BuildMonthView(DateCn::EncodeDate(2026, 2, 14), "2026-02-14", marks));
  }
}
BENCHMARK(MonthViewWithHolidays)->Unit(benchmark::kMicrosecond);

}  // namespace

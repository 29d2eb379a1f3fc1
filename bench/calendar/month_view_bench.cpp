// The calendar window's month view model for every month of 1901-2050.

#include <benchmark/benchmark.h>

#include "calendar/date_value.h"
#include "window/model/month_view_model.h"

namespace {

constexpr int kMonths = 150 * 12;

void MonthViewOfEveryMonth(benchmark::State& state) {
  for (auto _ : state) {
    for (int year = 1901; year <= 2050; ++year) {
      for (int month = 1; month <= 12; ++month) {
        benchmark::DoNotOptimize(DateWin::BuildMonthView(DateCn::EncodeDate(year, month, 15), "2000-01-15"));
      }
    }
  }
  state.SetItemsProcessed(state.iterations() * kMonths);
}
BENCHMARK(MonthViewOfEveryMonth)->Unit(benchmark::kMillisecond);

}  // namespace

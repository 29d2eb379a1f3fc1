// The calendar engine over its whole range, 1901-01-01 to 2050-12-31 (54,787 days).

#include <benchmark/benchmark.h>

#include <string>

#include "calendar/date_cn.h"
#include "tools/rilvanta-cal/dump_line.h"

namespace {

const double kFirstDay = DateCn::EncodeDate(1901, 1, 1);
const double kLastDay = DateCn::EncodeDate(2050, 12, 31);
const auto kDays = static_cast<int64_t>(kLastDay - kFirstDay + 1);

void LunarDateOfEveryDay(benchmark::State& state) {
  for (auto _ : state) {
    for (double date = kFirstDay; date <= kLastDay; ++date) benchmark::DoNotOptimize(DateCn::LunarDate(date));
  }
  state.SetItemsProcessed(state.iterations() * kDays);
}
BENCHMARK(LunarDateOfEveryDay)->Unit(benchmark::kMillisecond);

// The ten-column dump of the whole range into memory, as `rilvanta-cal dump` writes it.
void DumpOfEveryDay(benchmark::State& state) {
  std::string out;
  for (auto _ : state) {
    rilvanta_cal::TDumpLineWriter writer;
    out.clear();
    for (double date = kFirstDay; date <= kLastDay; ++date) writer.Append(date, out);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetItemsProcessed(state.iterations() * kDays);
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(out.size()));
}
BENCHMARK(DumpOfEveryDay)->Unit(benchmark::kMillisecond);

}  // namespace

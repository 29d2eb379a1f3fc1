// rilvanta-cal: the calendar engine's results for people and scripts.

#include <cstdio>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "calendar/date_value.h"
#include "tools/rilvanta-cal/command_line.h"
#include "tools/rilvanta-cal/day_report.h"
#include "tools/rilvanta-cal/dump_line.h"
#include "tools/rilvanta-cal/standard_output.h"

namespace {

constexpr int kWriteFailed = 1;
constexpr int kUsageError = 2;

double DateValue(const DateCn::CivilDate& date) { return DateCn::EncodeDate(date.year, date.month, date.day); }

bool Run(const rilvanta_cal::HelpRequest&, rilvanta_cal::StandardOutput& out) {
  return out.Write(rilvanta_cal::HelpText());
}

bool Run(const rilvanta_cal::DayRequest& request, rilvanta_cal::StandardOutput& out) {
  return out.Write(rilvanta_cal::DayReport(DateValue(request.date)));
}

bool Run(const rilvanta_cal::DumpRequest& request, rilvanta_cal::StandardOutput& out) {
  constexpr std::size_t kChunk = 1 << 16;
  rilvanta_cal::DumpLineWriter writer;
  std::string buffer;
  buffer.reserve(kChunk + 256);
  const double last = DateValue(request.to);
  for (double date = DateValue(request.from); date <= last; ++date) {
    writer.Append(date, buffer);
    if (buffer.size() >= kChunk) {
      if (!out.Write(buffer)) return false;
      buffer.clear();
    }
  }
  return out.Write(buffer);
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string_view> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
  const rilvanta_cal::Request request = rilvanta_cal::ParseCommandLine(arguments);
  if (const auto* error = std::get_if<rilvanta_cal::UsageError>(&request)) {
    std::fprintf(stderr, "%s\n", error->message.c_str());
    return kUsageError;
  }
  rilvanta_cal::StandardOutput out;
  const bool written = std::visit(
      [&out](const auto& command) {
        if constexpr (std::is_same_v<std::decay_t<decltype(command)>, rilvanta_cal::UsageError>) {
          return false;
        } else {
          return Run(command, out) && out.Flush();
        }
      },
      request);
  if (!written) {
    std::fprintf(stderr, "rilvanta-cal: cannot write the output\n");
    return kWriteFailed;
  }
  return 0;
}

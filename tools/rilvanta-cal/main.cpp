// rilvanta-cal: the calendar engine's results for people and scripts.

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "calendar/date_value.h"
#include "tools/output_failure.h"
#include "tools/rilvanta-cal/command_line.h"
#include "tools/rilvanta-cal/day_report.h"
#include "tools/rilvanta-cal/dump_line.h"
#include "tools/rilvanta-cal/month_grid.h"
#include "tools/rilvanta-cal/standard_output.h"

namespace {

constexpr int kUsageError = 2;

double DateValue(const DateCn::TCivilDate& date) { return DateCn::EncodeDate(date.Year, date.Month, date.Day); }

bool Run(const rilvanta_cal::THelpRequest&, rilvanta_cal::TStandardOutput& out) {
  return out.Write(rilvanta_cal::HelpText());
}

bool Run(const rilvanta_cal::TVersionRequest&, rilvanta_cal::TStandardOutput& out) {
  return out.Write(rilvanta_cal::VersionText());
}

bool Run(const rilvanta_cal::TDayRequest& request, rilvanta_cal::TStandardOutput& out) {
  return out.Write(rilvanta_cal::DayReport(DateValue(request.Date)));
}

bool Run(const rilvanta_cal::TDumpRequest& request, rilvanta_cal::TStandardOutput& out) {
  constexpr std::size_t kChunk = 1 << 16;
  rilvanta_cal::TDumpLineWriter writer;
  std::string buffer;
  buffer.reserve(kChunk + 256);
  const double last = DateValue(request.To);
  for (double date = DateValue(request.From); date <= last; ++date) {
    writer.Append(date, buffer);
    if (buffer.size() >= kChunk) {
      if (!out.Write(buffer)) return false;
      buffer.clear();
    }
  }
  return out.Write(buffer);
}

std::optional<DateCn::TCivilDate> Today() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
#ifdef _WIN32
  if (localtime_s(&local, &now) != 0) return std::nullopt;
#else
  if (localtime_r(&now, &local) == nullptr) return std::nullopt;
#endif
  return DateCn::TCivilDate{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

// Colour only on a terminal, and not when the user asked for none (--no-color,
// or the NO_COLOR convention).
bool UseColour(const rilvanta_cal::TMonthRequest& request, const rilvanta_cal::TStandardOutput& out) {
  const char* noColour = std::getenv("NO_COLOR");
  return request.Colour && out.IsTerminal() && (noColour == nullptr || *noColour == '\0');
}

bool Run(const rilvanta_cal::TMonthRequest& request, rilvanta_cal::TStandardOutput& out) {
  return out.Write(rilvanta_cal::MonthGrid(request.Year, request.Month, Today(), UseColour(request, out)));
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string_view> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
  const rilvanta_cal::TRequest request = rilvanta_cal::ParseCommandLine(arguments);
  if (const auto* error = std::get_if<rilvanta_cal::TUsageError>(&request)) {
    std::fprintf(stderr, "%s\n", error->Message.c_str());
    return kUsageError;
  }
  rilvanta_cal::TStandardOutput out;
  const bool written = std::visit(
      [&out](const auto& command) {
        if constexpr (std::is_same_v<std::decay_t<decltype(command)>, rilvanta_cal::TUsageError>) {
          return false;
        } else {
          return Run(command, out) && out.Flush();
        }
      },
      request);
  if (!written) {
    std::fputs(tools::OutputFailedLine("rilvanta-cal").c_str(), stderr);
    return tools::kExitOutputFailed;
  }
  return 0;
}

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
#include "calendar/holidays/holiday_file.h"
#include "tools/output_failure.h"
#include "tools/rilvanta-cal/command_line.h"
#include "tools/rilvanta-cal/day_report.h"
#include "tools/rilvanta-cal/dump_line.h"
#include "tools/rilvanta-cal/holiday_lines.h"
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

bool Run(const rilvanta_cal::TDayRequest& request, rilvanta_cal::TStandardOutput& out,
         const DateCn::THolidayCalendar& holidays) {
  return out.Write(rilvanta_cal::DayReport(DateValue(request.Date), holidays));
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

bool Run(const rilvanta_cal::TMonthRequest& request, rilvanta_cal::TStandardOutput& out,
         const DateCn::THolidayCalendar& holidays) {
  return out.Write(rilvanta_cal::MonthGrid(request.Year, request.Month, Today(), UseColour(request, out), holidays));
}

bool Run(const rilvanta_cal::THolidaysRequest& request, rilvanta_cal::TStandardOutput& out,
         const DateCn::THolidayCalendar& holidays) {
  return out.Write(rilvanta_cal::HolidayLines(holidays, request.Year));
}

// The --holidays file of a command that shows holidays; nullptr for the others.
const auto HolidayFileOf = [](const auto& command) -> const rilvanta_cal::THolidayFile* {
  if constexpr (requires { command.Holidays; }) return &command.Holidays;
  return nullptr;
};

// The official days and those of the --holidays file, whose skipped lines go
// to stderr; nothing when the file cannot be read.
std::optional<DateCn::THolidayCalendar> LoadHolidays(const rilvanta_cal::THolidayFile& file) {
  DateCn::THolidayCalendar holidays;
  if (!file) return holidays;
  const DateCn::THolidayFileReading reading = DateCn::AddHolidayFile(holidays, *file);
  switch (reading.Status) {
    case DateCn::THolidayFileStatus::Read:
      std::fputs(rilvanta_cal::SkippedLinesReport(*file, reading.Problems).c_str(), stderr);
      return holidays;
    case DateCn::THolidayFileStatus::TooLarge:
      std::fprintf(stderr, "rilvanta-cal: '%s' is too large for a list of holidays\n", file->c_str());
      return std::nullopt;
    case DateCn::THolidayFileStatus::Unreadable:
      break;
  }
  std::fprintf(stderr, "rilvanta-cal: cannot read '%s'\n", file->c_str());
  return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string_view> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
  const rilvanta_cal::TRequest request = rilvanta_cal::ParseCommandLine(arguments);
  if (const auto* error = std::get_if<rilvanta_cal::TUsageError>(&request)) {
    std::fprintf(stderr, "%s\n", error->Message.c_str());
    return kUsageError;
  }
  std::optional<DateCn::THolidayCalendar> holidays;
  if (const rilvanta_cal::THolidayFile* file = std::visit(HolidayFileOf, request)) {
    holidays = LoadHolidays(*file);
    if (!holidays) return kUsageError;
  }
  rilvanta_cal::TStandardOutput out;
  const bool written = std::visit(
      [&out, &holidays](const auto& command) {
        if constexpr (std::is_same_v<std::decay_t<decltype(command)>, rilvanta_cal::TUsageError>) {
          return false;
        } else if constexpr (requires { command.Holidays; }) {
          return Run(command, out, *holidays) && out.Flush();
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

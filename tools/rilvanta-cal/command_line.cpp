#include "tools/rilvanta-cal/command_line.h"

#include <optional>
#include <utility>
#include <vector>

#include "calendar/iso_date.h"
#include "identity/version.h"

namespace rilvanta_cal {
namespace {

constexpr int kFirstYear = 1901;
constexpr int kLastYear = 2050;

constexpr std::string_view kHelp =
    "Usage: rilvanta-cal COMMAND ...\n"
    "The Chinese lunar calendar of 1901-2050, printed as UTF-8.\n"
    "\n"
    "Commands:\n"
    "  day YYYY-MM-DD     that day's lunar date, festivals, solar term, year names,\n"
    "                     star sign and official day off (休) or workday (班), in\n"
    "                     Chinese\n"
    "  dump FROM TO       one line per day from FROM to TO (YYYY-MM-DD, inclusive),\n"
    "                     ten tab-separated columns: date, lunar date code (month x 100\n"
    "                     + day, negative in a leap month), lunar month name, lunar day\n"
    "                     name, lunar festival, year stem and branch, year branch and\n"
    "                     animal, solar term, Gregorian festival, star sign\n"
    "  month YYYY MM      the month as the calendar window shows it: day numbers and,\n"
    "                     under each, its lunar day, lunar month, festival or solar\n"
    "                     term, with 休 or 班 beside the official days off and\n"
    "                     make-up workdays; in colour on a terminal unless\n"
    "                     --no-color is given\n"
    "  holidays YYYY      the year's official days off and make-up workdays, one a\n"
    "                     line: YYYY-MM-DD 休|班 NAME (those of 2001-2026 are built in)\n"

    "  --help             this text\n"
    "  --version          the version of the tool\n"
    "\n"
    "day, month and holidays take --holidays FILE: a text of such lines adding the\n"
    "years after 2026 (# starts a comment); lines it cannot use are reported on\n"
    "stderr with their numbers.\n"
    "\n"
    "Bad arguments give a one-line message on stderr and exit status 2.\n";

TUsageError Error(std::string message) { return TUsageError{"rilvanta-cal: " + std::move(message)}; }

// An argument inside a message, made harmless: control characters would break
// the message's single line.
std::string Quoted(std::string_view argument) {
  std::string quoted = "'";
  for (const char c : argument) quoted += (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) ? '?' : c;
  return quoted + "'";
}

// A date argument, or the reason it is not one.
std::variant<DateCn::TCivilDate, TUsageError> ParseDateArgument(std::string_view text) {
  const std::optional<DateCn::TCivilDate> date = DateCn::ParseIsoDate(text);
  const std::string quoted = Quoted(text);
  if (!date) return Error(quoted + " is not a date of the form YYYY-MM-DD");
  if (!DateCn::IsValidDate(date->Year, date->Month, date->Day)) return Error(quoted + " is no day of the calendar");
  if (date->Year < kFirstYear || date->Year > kLastYear) return Error(quoted + " lies outside the years 1901-2050");
  return *date;
}

// The operands without "--holidays FILE", and the file.
struct TOperands {
  std::vector<std::string_view> Fields;
  THolidayFile Holidays;
};

std::variant<TOperands, TUsageError> TakeHolidayFile(std::span<const std::string_view> operands) {
  TOperands taken;
  for (std::size_t index = 0; index < operands.size(); ++index) {
    if (operands[index] != "--holidays") {
      taken.Fields.push_back(operands[index]);
    } else if (index + 1 == operands.size() || taken.Holidays) {
      return Error("--holidays takes one FILE");
    } else {
      taken.Holidays = std::string(operands[++index]);
    }
  }
  return taken;
}

TRequest ParseDay(const TOperands& operands) {
  if (operands.Fields.size() != 1) return Error("'day' takes one date, YYYY-MM-DD, and may take --holidays FILE");
  auto date = ParseDateArgument(operands.Fields[0]);
  if (auto* error = std::get_if<TUsageError>(&date)) return *error;
  return TDayRequest{std::get<DateCn::TCivilDate>(date), operands.Holidays};
}

TRequest ParseDump(std::span<const std::string_view> operands) {
  if (operands.size() != 2) return Error("'dump' takes two dates, FROM and TO, as YYYY-MM-DD");
  auto from = ParseDateArgument(operands[0]);
  if (auto* error = std::get_if<TUsageError>(&from)) return *error;
  auto to = ParseDateArgument(operands[1]);
  if (auto* error = std::get_if<TUsageError>(&to)) return *error;
  const DateCn::TCivilDate first = std::get<DateCn::TCivilDate>(from);
  const DateCn::TCivilDate last = std::get<DateCn::TCivilDate>(to);
  if (DateCn::EncodeDate(first.Year, first.Month, first.Day) > DateCn::EncodeDate(last.Year, last.Month, last.Day)) {
    return Error("FROM " + Quoted(operands[0]) + " comes after TO " + Quoted(operands[1]));
  }
  return TDumpRequest{first, last};
}

std::optional<int> Number(std::string_view text, std::size_t minDigits, std::size_t maxDigits) {
  if (text.size() < minDigits || text.size() > maxDigits) return std::nullopt;
  return DateCn::ParseDigits(text);
}

std::variant<int, TUsageError> ParseYear(std::string_view text) {
  const std::optional<int> year = Number(text, 4, 4);
  if (!year) return Error(Quoted(text) + " is not a year of four digits");
  if (*year < kFirstYear || *year > kLastYear) return Error(Quoted(text) + " lies outside the years 1901-2050");
  return *year;
}

TRequest ParseMonth(const TOperands& operands) {
  std::vector<std::string_view> fields;
  bool colour = true;
  for (const std::string_view operand : operands.Fields) {
    if (operand == "--no-color") {
      colour = false;
    } else {
      fields.push_back(operand);
    }
  }
  if (fields.size() != 2) {
    return Error("'month' takes a year and a month, YYYY MM, and may take --no-color and --holidays FILE");
  }
  auto year = ParseYear(fields[0]);
  if (auto* error = std::get_if<TUsageError>(&year)) return *error;
  const std::optional<int> month = Number(fields[1], 1, 2);
  if (!month || *month < 1 || *month > 12) return Error(Quoted(fields[1]) + " is not a month, 1-12");
  return TMonthRequest{std::get<int>(year), *month, colour, operands.Holidays};
}

TRequest ParseHolidays(const TOperands& operands) {
  if (operands.Fields.size() != 1) return Error("'holidays' takes a year, YYYY, and may take --holidays FILE");
  auto year = ParseYear(operands.Fields[0]);
  if (auto* error = std::get_if<TUsageError>(&year)) return *error;
  return THolidaysRequest{std::get<int>(year), operands.Holidays};
}

// A command that shows holidays, with its operands once --holidays is taken out.
TRequest ParseWithHolidayFile(TRequest (*parse)(const TOperands&), std::span<const std::string_view> operands) {
  auto taken = TakeHolidayFile(operands);
  if (auto* error = std::get_if<TUsageError>(&taken)) return *error;
  return parse(std::get<TOperands>(taken));
}

}  // namespace

TRequest ParseCommandLine(std::span<const std::string_view> arguments) {
  if (arguments.empty()) return Error("no command given; try 'rilvanta-cal --help'");
  const std::string_view command = arguments[0];
  const std::span<const std::string_view> operands = arguments.subspan(1);
  if (command == "--help" || command == "-h") return THelpRequest{};
  if (command == "--version") return TVersionRequest{};
  if (command == "day") return ParseWithHolidayFile(ParseDay, operands);
  if (command == "dump") return ParseDump(operands);
  if (command == "month") return ParseWithHolidayFile(ParseMonth, operands);
  if (command == "holidays") return ParseWithHolidayFile(ParseHolidays, operands);
  return Error("unknown command " + Quoted(command) + "; try 'rilvanta-cal --help'");
}

std::string_view HelpText() { return kHelp; }

std::string_view VersionText() { return "rilvanta-cal " RILVANTA_VERSION "\n"; }

}  // namespace rilvanta_cal

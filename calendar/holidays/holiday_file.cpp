#include "calendar/holidays/holiday_file.h"

#include <fstream>
#include <iterator>
#include <string>

namespace DateCn {

THolidayFileReading AddHolidayFile(THolidayCalendar& calendar, const std::filesystem::path& file) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(file, error)) return {THolidayFileStatus::Unreadable, {}};
  const std::uintmax_t size = std::filesystem::file_size(file, error);
  if (error) return {THolidayFileStatus::Unreadable, {}};
  if (size > kMaxHolidayFileBytes) return {THolidayFileStatus::TooLarge, {}};
  std::ifstream stream(file, std::ios::binary);
  std::string text(std::istreambuf_iterator<char>(stream), {});
  if (!stream && !stream.eof()) return {THolidayFileStatus::Unreadable, {}};
  return {THolidayFileStatus::Read, calendar.AddUserText(text)};
}

}  // namespace DateCn

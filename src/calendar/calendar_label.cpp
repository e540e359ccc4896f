#include "calendar/calendar_label.h"

#include <charconv>

#include "calendar/term_dates.h"
#include "platform/file_io.h"

namespace orvel {

std::int32_t YearTextValue(std::string_view yearText) {
  const char* first = yearText.data();
  const char* last = first + yearText.size();
  if (first != last && *first == '+') ++first;  // from_chars takes "-" but not "+"
  std::int32_t value = 0;
  const auto [ptr, ec] = std::from_chars(first, last, value);
  return ec == std::errc{} ? value : 0;
}

std::optional<std::int16_t> AutumnYearFromText(std::string_view yearText) {
  const std::int32_t year = YearTextValue(yearText);
  if (year < kFirstAutumnYear || year > kLastAutumnYear) return std::nullopt;
  return static_cast<std::int16_t>(year);
}

std::string CalendarLabel(std::string_view areaText, std::string_view yearText) {
  const std::int64_t nextYear = std::int64_t{YearTextValue(yearText)} + 1;
  std::string label(areaText);
  label += yearText;
  label += '~';
  label += std::to_string(nextYear);
  return label;
}

std::string CalendarFileName(std::string_view label) {
  return std::string(label) + "学年度校历.csv";
}

std::filesystem::path CalendarFolder(const std::filesystem::path& programFolder) {
  return programFolder / "csv";
}

std::filesystem::path CalendarFilePath(const std::filesystem::path& programFolder,
                                       std::string_view label) {
  return CalendarFolder(programFolder) / PathFromUtf8(CalendarFileName(label));
}

}  // namespace orvel

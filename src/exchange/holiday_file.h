#pragma once
// A year's national holidays in the format of holiday-cn, the open data set of China's public
// holidays that schools and other programs use, one file a year:
//
//   {"year": 2027, "papers": [...], "days": [{"name": "元旦", "date": "2027-01-01",
//    "isOffDay": true}, ...]}
//
// isOffDay false is a make-up workday; other fields are ignored; weekends are not listed. A year's
// New Year holiday may begin in the last days of the year before (2023's file begins with
// 2022-12-31). Read with the YAML reader, JSON being YAML's flow form. The program keeps the PC's
// own files as holidays\2027.json and a followed school's as holidays\2027.school.json.
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "calendar/national_days.h"

namespace orvel::exchange {

inline constexpr std::string_view kHolidayFolderName = "holidays";
// Larger files are not read.
inline constexpr std::size_t kMaxHolidayFileBytes = 1u << 20;

struct HolidayFileRead {
  // The year's days; nothing for a file that lists none (the data set's placeholder for a year
  // not yet announced) or cannot be used.
  std::optional<HolidayYear> year;
  // Why the file cannot be used, in Chinese; empty when it can.
  std::string problem;
};

// The text of the year `year`'s file.
HolidayFileRead ParseHolidayFile(std::string_view bytes, int year);
// The file itself, at most kMaxHolidayFileBytes; a file that is not there is no data.
HolidayFileRead ReadHolidayFile(const std::filesystem::path& file, int year);

// "2027.json" for the PC's own file, "2027.school.json" for a school's.
std::string HolidayFileName(int year, HolidaySource source);
// The year and source a file of the holidays folder stands for, by its name; nothing for any
// other name.
std::optional<YearSource> HolidayFileOf(std::string_view fileName);

}  // namespace orvel::exchange

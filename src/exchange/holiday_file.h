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

// Why a holiday file cannot be used; the program says it to the user.
struct HolidayFileProblem {
  enum class Kind {
    None,
    TooLarge,           // over kMaxHolidayFileBytes
    Unreadable,         // the file cannot be read
    NotUtf8,
    NotJson,            // from `line` on
    NotAnObject,
    YearNotANumber,     // at `line`
    YearDiffers,        // at `line`: the file says `stated`
    DaysNotAList,       // at `line`
    NoDays,
    TooManyDays,        // at `line`
    DayNotAnObject,     // at `line`
    DateNotADate,       // at `line`
    DateOutsideYear,    // at `line`: `date` as written
    NameNotText,        // at `line`
    OffDayNotBool,      // at `line`
    HolidayAndWorkday,  // at `line`: `date`, listed as both
  };
  Kind kind = Kind::None;
  int year = 0;  // the file's year, by its name
  int line = 0;
  int stated = 0;
  std::string date;
  friend bool operator==(const HolidayFileProblem&, const HolidayFileProblem&) = default;
};

// A file of the program folder's holidays that cannot be used: which one, and why.
struct HolidayFileNote {
  YearSource file;
  HolidayFileProblem problem;
  friend bool operator==(const HolidayFileNote&, const HolidayFileNote&) = default;
};

struct HolidayFileRead {
  // The year's days; nothing for a file that lists none (the data set's placeholder for a year
  // not yet announced) or cannot be used.
  std::optional<HolidayYear> year;
  // Why the file cannot be used; kind None when it can.
  HolidayFileProblem problem;
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

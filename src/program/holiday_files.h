#pragma once
// The national holiday files of the program folder, over the built-in table: holidays\2027.json
// (the PC's own, dropped in by a teacher or the school's IT staff) above holidays\2027.school.json
// (a followed school's). What the program knows of each year is said in the day window, and a
// year without any data once on each PC.
#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/national_days.h"
#include "clock/school_day.h"
#include "exchange/holiday_file.h"
#include "program/program_state.h"

namespace orvel::program {

// Records the last year without national data that the user was told of.
inline constexpr std::string_view kMissingYearToldFileName = "holidays_told.txt";
// At most this many files of the holidays folder are read, the latest years first.
inline constexpr std::size_t kMostHolidayFiles = 100;

struct HolidayFilesRead {
  NationalDays days;
  // Each file that cannot be used, latest year last; the year stays as it was without it.
  std::vector<exchange::HolidayFileNote> problems;
};
HolidayFilesRead ReadHolidayFiles(const std::filesystem::path& programFolder);

// Why a holiday file cannot be used, as the user reads it: "第 3 行：name 应为一行文字".
std::string HolidayFileProblemText(const exchange::HolidayFileProblem& problem);
// The sentence that names a file that cannot be used, and what that means for its year.
std::string HolidayFileNoteText(const exchange::HolidayFileNote& note);

// The day window's line: "法定节假日：2020–2026年（内置），2027年（holidays\2027.json）", or, when
// the year of `today` has no data, MissingHolidaysText. Years before the built-in table are not
// asked for: a clock that far back is wrong.
std::string NationalDaysStatusText(const clock::DayRules& rules, std::chrono::year_month_day today);
std::string MissingHolidaysText(int year);

// The year of `today`, or from 25 December the next year, when it has no national data (and they
// are switched on; not before the built-in table) and this PC has not told it yet; the year is
// then recorded as told. Where the record cannot be written, it is told once a run.
std::optional<int> TakeMissingYearNotice(ProgramState& state, std::chrono::year_month_day today);

}  // namespace orvel::program

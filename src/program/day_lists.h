#pragma once
// The day lists of the program folder, read into the program's one answer to "what kind of day
// is it": days.school.csv (a followed school's) beneath days.csv (this PC's own), and beneath
// both the national days of the holiday files and the built-in table (holiday_files.h).
#include <string>
#include <string_view>
#include <vector>

#include "clock/school_day.h"
#include "program/program_state.h"
#include "program/schedule_window.h"

namespace orvel::program {

inline constexpr std::string_view kDaysTitle = "调课与放假";
// Once on a built-in make-up workday that no 补班 line gives a weekday.
inline constexpr std::string_view kMakeUpDayNotice =
    "今天补班，请在右键菜单“调课与放假”中选择按星期几上课";

// Lines of days.csv that apply nothing because they cannot be read, named for the user.
std::string UnreadableDayLinesText(const std::vector<int>& lines);

// Reads both lists and the holiday files into state.days; a missing list is an empty one. The
// own list's lines that cannot be read (they apply nothing) go to state.unreadableDayLines, the
// holiday files that cannot be used to state.holidayFileProblems.
void LoadDayLists(ProgramState& state);

// The school's list, read and checked elsewhere (a followed source's round), in place of the one
// state.days was made from; nothing is read from disk.
void TakeSchoolDayList(ProgramState& state, DayList school);

}  // namespace orvel::program

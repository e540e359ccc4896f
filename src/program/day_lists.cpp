#include "program/day_lists.h"

#include <optional>
#include <utility>

#include "platform/ui/platform.h"
#include "program/holiday_files.h"
#include "timetable/day_list.h"

namespace orvel::program {

std::string UnreadableDayLinesText(const std::vector<int>& lines) {
  std::string numbers;
  for (const int line : lines) {
    if (!numbers.empty()) numbers += "、";
    numbers += std::to_string(line);
  }
  return "days.csv 第 " + numbers + " 行无法识别，已跳过；其余各行照常生效。";
}

void LoadDayLists(ProgramState& state) {
  const DayListRead own = ReadDayList(state.programFolder / kDayListFileName);
  const DayListRead school = ReadDayList(state.programFolder / kSchoolDayListFileName);
  const bool hasSchool = school.status == FileStatus::Ok;
  HolidayFilesRead holidays = ReadHolidayFiles(state.programFolder);
  state.days.SetRules(clock::DayRules::FromLists(hasSchool ? &school.list : nullptr, own.list,
                                                 std::move(holidays.days)));
  state.unreadableDayLines = own.list.UnreadableLines();
  state.holidayFileProblems = std::move(holidays.problems);
}

}  // namespace orvel::program

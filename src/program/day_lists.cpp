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

namespace {

void MakeRules(ProgramState& state) {
  state.days.SetRules(clock::DayRules::FromLists(state.schoolDays ? &*state.schoolDays : nullptr,
                                                 state.ownDays, state.nationalDays));
}

}  // namespace

void LoadDayLists(ProgramState& state) {
  DayListRead own = ReadDayList(state.programFolder / kDayListFileName);
  DayListRead school = ReadDayList(state.programFolder / kSchoolDayListFileName);
  HolidayFilesRead holidays = ReadHolidayFiles(state.programFolder);
  state.unreadableDayLines = own.list.UnreadableLines();
  state.ownDays = std::move(own.list);
  state.schoolDays.reset();
  if (school.status == FileStatus::Ok) state.schoolDays = std::move(school.list);
  state.nationalDays = std::move(holidays.days);
  state.holidayFileProblems = std::move(holidays.problems);
  MakeRules(state);
}

void TakeSchoolDayList(ProgramState& state, DayList school) {
  state.schoolDays = std::move(school);
  MakeRules(state);
}

}  // namespace orvel::program

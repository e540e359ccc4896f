#pragma once
// The program's working state: the values the windows share for the life of the process. One
// object, made by the program's start (or by a test) before the first window and outliving
// every window; nothing of it is global.
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "clock/school_day.h"
#include "desktop/front_keeper.h"
#include "desktop/mod_tray.h"
#include "exchange/holiday_file.h"
#include "platform/ui/platform.h"
#include "program/data_folder.h"
#include "program/exam_files.h"
#include "program/school_clock.h"
#include "timetable/classroom_settings.h"
#include "timetable/colour_table.h"
#include "timetable/edition.h"
#include "timetable/exam_list.h"
#include "timetable/settings.h"
#include "timetable/timetable.h"
#include "timetable/working_values.h"

namespace orvel::program {

struct ProgramState {
  ProgramState(ui::Platform& p, Edition e) : ProgramState(p, e, FindDataFolder(p)) {}
  ProgramState(ui::Platform& p, Edition e, DataFolder data)
      : platform(p),
        edition(e),
        dataFolder(std::move(data)),
        programFolder(dataFolder.folder),
        executableFolder(ExecutableFolder(p)),
        time(p.clock()),
        now(time.Now()),
        tray(e),
        front(p) {}
  ProgramState(const ProgramState&) = delete;
  ProgramState& operator=(const ProgramState&) = delete;

  ui::Platform& platform;
  const Edition edition;
  // The data folder as decided at start: named by an installation or not, and its problem.
  const DataFolder dataFolder;
  // Where every file the program reads and writes lives, the settings file, "scd" and "csv"
  // included: the data folder.
  const std::filesystem::path programFolder;
  // The executable's own folder: the help files, and the folder the about page opens.
  const std::filesystem::path executableFolder;
  // The program's one clock; only the shell reads it, once a second.
  SchoolClock time;
  // The instant of the shell's last second, which every view shows; read once at the start.
  ui::LocalTime now;

  // Lock, fold, frame, layer, scheme, fonts, reminders, idle shutdown... and ScdFileName, the
  // current timetable file inside "scd".
  WorkingValues values;
  // What the schedule window shows now. The panel's boxes change these at once (its OK copies
  // them into the working values), and the settings file stores them from here; live_values.h
  // changes each together with the window.
  struct LiveValues {
    bool locked = false;
    bool folded = false;       // only the label, time and today's columns shown
    bool highlighting = false;  // the schedule clock runs
    CalendarArea area;
  } live;
  // A file of "scd" imported from the command line: the window starts with it instead of the
  // settings file's timetable. The settings file still names its own.
  std::string startupScdFileName;
  // The source the timetable follows (follow.ini), as the user reads it; empty while the
  // timetable is the PC's own. A followed timetable is managed: see managed_timetable.h.
  std::string followedSource;
  // The class strip's mode and place and the speech switch (classroom.ini), read at start-up and
  // written when the right-click menu changes them.
  ClassroomSettings classroom;
  ColourTable colours;
  // The size of the timetable the schedule window holds; always its cell matrix's size.
  std::int16_t ScdRows = kDefaultRows;
  std::int16_t ScdCols = kDefaultCols;
  // The notification-area record (ModTray).
  desktop::ModTray tray;
  // Keeps the windows that must be seen in a lesson above full-screen programs; every window
  // it keeps goes before it.
  desktop::FrontKeeper front;
  // What kind of day a date is, from the day lists; every consumer asks it.
  clock::SchoolDays days;
  // What `days` was made from, kept so that a list handed over replaces its own part without
  // the others being read again: days.csv, days.school.csv (when there is one), the national
  // days of the holiday files.
  DayList ownDays;
  std::optional<DayList> schoolDays;
  NationalDays nationalDays;
  // Lines of days.csv that could not be read at start-up, 1-based; the shell says so once.
  std::vector<int> unreadableDayLines;
  // Holiday files that cannot be used; the shell names each once.
  std::vector<exchange::HolidayFileNote> holidayFileProblems;
  // The year without national data the user has been told of in this run.
  int toldMissingYear = 0;
  // The exam list in use (exams.json over exams.school.json), where it comes from, and what is
  // wrong with the files; the shell names each problem once.
  ExamList exams;
  ExamsFrom examsFrom = ExamsFrom::Nothing;
  std::vector<ExamFileNote> examProblems;

  // "Orvel2.ini" or "Schedule.ini".
  std::string_view SettingsFile() const { return SettingsFileName(edition); }
  // `date` as the day lists and the calendar area the window shows make it: the one decision of
  // the day the schedule window and the class strip are both handed.
  const clock::SchoolDay& SchoolDayOn(std::chrono::year_month_day date) {
    return days.On(date, live.area);
  }
};

}  // namespace orvel::program

#pragma once
// The day list "days.csv" of the program folder: the school's real days, one rule a line.
//
//   2026-10-01,放假,国庆节       no lessons (the name is optional)
//   2026-10-10,补班,星期二,单    lessons of weekday 2's column (optionally the odd or even half)
//   2026-11-05,调课,第三节,物理  that row of the day's column reads 物理 today
//   2026-09-01,开学              teaching week 1 is the Monday-to-Sunday week of this date
//   2026-11-02,单周              this week is odd (双周: even), and the weeks alternate from it
//   国家节假日,关                the built-in national holidays do not apply (开: they do)
//   2027-06-07,倒计时,高考       the days left until this date are counted down (the name is
//                                needed); programs before this line skip it as unreadable
//
// Dates as 2026-10-10, 2026/10/10 or 2026/10/1. Blank lines and lines beginning with "#" are
// notes. A line that cannot be read is kept as it is, applies nothing, and is written back
// unchanged; so are the notes.
#include <chrono>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_io.h"
#include "timetable/field_writer.h"

namespace orvel {

inline constexpr std::string_view kDayListFileName = "days.csv";
// The school's list that a followed source brings; the PC's own list applies on top of it.
inline constexpr std::string_view kSchoolDayListFileName = "days.school.csv";
// Larger files are not a day list.
inline constexpr std::size_t kMaxDayListBytes = 1024 * 1024;

enum class DayRuleKind {
  Holiday,       // 放假
  MakeUpDay,     // 补班
  Swap,          // 调课
  TermStart,     // 开学
  OddWeek,       // 单周
  EvenWeek,      // 双周
  NationalDays,  // 国家节假日: the built-in holidays on or off
  Countdown      // 倒计时: a date whose days left are shown
};

enum class WeekParity { Unknown, Odd, Even };

struct DayRule {
  DayRuleKind kind = DayRuleKind::Holiday;
  std::chrono::year_month_day date{};     // every kind but NationalDays
  std::string name;                       // Holiday: the holiday's name, may be empty;
                                          // Countdown: what the date is, never empty
  int weekday = 0;                        // MakeUpDay: whose column, Monday 1 ... Sunday 7
  WeekParity half = WeekParity::Unknown;  // MakeUpDay: the half of "A/B" cells, if given
  std::string period;                     // Swap: a row's label, or its number among the body rows
  std::string text;                       // Swap: what that row reads on the date
  bool nationalDaysOn = true;             // NationalDays

  friend bool operator==(const DayRule&, const DayRule&) = default;
};

// One line of the file, as it stands.
struct DayLine {
  std::string text;             // UTF-8, without its line end
  std::optional<DayRule> rule;  // nothing for a note or a line that cannot be read
  bool unreadable = false;      // neither a note nor a rule

  friend bool operator==(const DayLine&, const DayLine&) = default;
};

struct DayList {
  std::vector<DayLine> lines;

  // The 1-based numbers of the lines that cannot be read.
  std::vector<int> UnreadableLines() const;
  friend bool operator==(const DayList&, const DayList&) = default;
};

// A line's rule, or nothing for a note or a line that cannot be read.
std::optional<DayRule> ParseDayRule(std::string_view line);
DayList ParseDayList(std::string_view fileBytes);

// The line a rule is written as, in its canonical form.
std::string DayRuleLine(const DayRule& rule);
// A date as the list reads it: 2026-10-10, 2026/10/10 or 2026/10/1; nothing for a day that does
// not exist. Other files the school writes by hand (notices.csv) take their dates the same way.
std::optional<std::chrono::year_month_day> ParseDayDate(std::string_view text);
// A date as the list writes it: 2026-10-10.
std::string DayDateText(const std::chrono::year_month_day& date);
// The weekday's name as the list writes it (and the timetable heads its columns): "星期一" ...
// "星期日"; empty outside 1-7.
std::string_view WeekdayName(int mondayFirst);

struct DayListRead {
  FileStatus status = FileStatus::Failed;  // NotFound: no list, which is an empty one
  DayList list;
};
DayListRead ReadDayList(const std::filesystem::path& file);

// A line the file cannot carry unchanged in the ANSI code page.
struct UnwritableDayLine {
  int line = 0;  // 1-based
  FieldRefusal refusal;
};

struct DayListWrite {
  FileStatus status = FileStatus::Failed;
  std::optional<UnwritableDayLine> refused;  // nothing written then
};

// The fields of a rule the user typed that the file could not carry: a comma, a line break, a
// leading quote or blank, a character outside the code page.
std::optional<FieldRefusal> RefuseDayRuleText(std::string_view field);

// Every line joined by CR LF in the ANSI code page, replacing the file only once the new
// content is safely on disk.
DayListWrite WriteDayList(const std::filesystem::path& file, const DayList& list);

}  // namespace orvel

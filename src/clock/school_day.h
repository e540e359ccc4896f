#pragma once
// What kind of day a date is, for the timetable: a school day or a holiday, whose weekday's
// column applies, the teaching week and its parity, and the lessons swapped on it. Decided from
// the day lists (days.csv, and the school's days.school.csv beneath it) and the national
// holidays in force (the built-in table and the holiday files), once per date: every consumer
// asks SchoolDays and nothing else.
#include <chrono>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/national_days.h"
#include "clock/clock_cells.h"
#include "clock/week_label.h"
#include "timetable/day_list.h"

namespace orvel::clock {

inline constexpr std::string_view kHolidayLabel = "放假";
inline constexpr std::string_view kMakeUpDayLabel = "补班";

// A row of the day's column that reads another text on the date.
struct DaySwap {
  std::string period;  // the row's label, or its number among the body rows
  std::string text;
  friend bool operator==(const DaySwap&, const DaySwap&) = default;
};

// A countdown line's date as seen from a day on or before it.
struct DayCountdown {
  std::string name;
  long long daysLeft = 0;  // the date minus the day; 0 on the date itself
  friend bool operator==(const DayCountdown&, const DayCountdown&) = default;
};

struct SchoolDay {
  std::chrono::year_month_day date{};
  // False on a holiday: no period or break is highlighted and nothing reminds.
  bool lessons = true;
  // The timetable column whose lessons apply: Monday 2 ... Sunday 8.
  int column = 2;
  // What the clock writes into cell (0, 1); nothing leaves the cell as it is.
  std::optional<ShortText> label;
  // Which half of an "A/B" cell applies; Unknown: the whole text.
  WeekParity parity = WeekParity::Unknown;
  // The week since the latest 开学 line, 1 for its own week.
  std::optional<long long> teachingWeek;
  std::vector<DaySwap> swaps;
  // A national make-up workday that no 补班 line gives a weekday: the date's own column applies
  // and the user is asked to choose one.
  bool makeUpDayWithoutWeekday = false;
  // The nearest 倒计时 date on or after this one; past ones are gone.
  std::optional<DayCountdown> countdown;

  friend bool operator==(const SchoolDay&, const SchoolDay&) = default;
};

// The rules of the day lists in force, indexed for the decision.
class DayRules {
 public:
  // No list: the built-in national holidays alone.
  DayRules() = default;
  // The school's list (if any) beneath the PC's own: a date that the own list has a line for
  // takes its 放假, 补班 and 调课 from the own list alone; the 开学, 单周 and 双周 lines of both
  // lists count. A 国家节假日 line of the own list wins over the school's. Beneath both lie the
  // national days, which 国家节假日,关 switches off.
  static DayRules FromLists(const DayList* school, const DayList& own, NationalDays national = {});

  // "上海" takes the term dates' labels and weeks.
  SchoolDay Decide(std::chrono::year_month_day date, CalendarArea area) const;
  bool NationalDaysOn() const { return nationalDays_; }
  const NationalDays& national() const { return national_; }

 private:
  struct DateRules {
    std::optional<DayRule> kind;  // the last 放假 or 补班 line of the date
    std::vector<DaySwap> swaps;
  };
  struct Anchor {
    std::chrono::sys_days date;
    DayRuleKind kind;  // TermStart, OddWeek or EvenWeek
  };
  struct CountdownDate {
    std::chrono::sys_days date;
    std::string name;
  };
  void Add(const DayRule& rule);

  std::map<std::chrono::sys_days, DateRules> dates_;
  std::vector<Anchor> anchors_;  // by date; of one date, the last line last
  std::vector<CountdownDate> countdowns_;  // by date; of one date, the last line last
  NationalDays national_;
  bool nationalDays_ = true;
};

// The one place that answers for a date. Caches the last decision, so that the clock's tick
// costs a comparison.
class SchoolDays {
 public:
  void SetRules(DayRules rules);
  const DayRules& rules() const { return rules_; }
  const SchoolDay& On(std::chrono::year_month_day date, CalendarArea area);

 private:
  DayRules rules_;
  std::optional<SchoolDay> last_;
  CalendarArea lastArea_;
};

// The lesson of an "A/B" cell (one ASCII "/") in the given week: A in odd weeks, B in even ones;
// either side may be empty. Any other text, or an unknown parity, is the whole text.
std::string_view LessonHalf(std::string_view cell, WeekParity parity);

// The body row a swap names: the first row whose label (column 0) is `period`, else the row of
// that number when it is one (1 is the first body row); 0 when there is none.
int SwapRow(const ClockCells& cells, std::string_view period);

// What a row of the day's column holds on the day, for highlighting and reminding: a swapped
// lesson's text, then the day's half of it.
std::string_view DayLesson(const ClockCells& cells, const SchoolDay& day, int row);

// The cells the window shows with another text on the day: each swap's row in the day's column,
// the last swap of a row winning. Rows the table lacks are left out.
struct SwappedCell {
  int row = 0;
  int col = 0;
  std::string text;
  friend bool operator==(const SwappedCell&, const SwappedCell&) = default;
};
std::vector<SwappedCell> SwappedCells(const ClockCells& cells, const SchoolDay& day);

}  // namespace orvel::clock

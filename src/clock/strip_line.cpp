#include "clock/strip_line.h"

#include "clock/period_search.h"
#include "clock/tick_steps.h"
#include "clock/time_left.h"
#include "timetable/day_list.h"

namespace orvel::clock {
namespace {

constexpr std::string_view kUntilEnd = "距下课 ";
constexpr std::string_view kBreak = "课间";
constexpr std::string_view kUntilStart = "距上课 ";
constexpr std::string_view kNextLesson = "下节 ";
constexpr std::string_view kCountdownBefore = "距";
constexpr std::string_view kCountdownDays = " 天";
constexpr std::string_view kCountdownToday = "今天";

void AppendWithSpace(std::string& line, std::string_view text) {
  if (text.empty()) return;
  if (!line.empty()) line += ' ';
  line += text;
}

// A day whose column has no lesson in any body row, or that the table has no column for, is
// shown as the day even while its periods run.
bool HasLessons(const ClockCells& cells, const SchoolDay& today) {
  if (!today.lessons || today.column >= cells.Cols()) return false;
  for (int row = 1; row < cells.Rows(); ++row)
    if (!DayLesson(cells, today, row).empty()) return true;
  return false;
}

// The period or break `nowSeconds` falls into; false when it falls into neither.
bool AppendPeriodOrBreak(const ClockCells& cells, const SchoolDay& today, std::int32_t nowSeconds,
                         std::string& line) {
  std::int16_t nextPeriodRow = 0;
  const PeriodSearch search =
      FindPeriod(cells, nowSeconds, nextPeriodRow, DecideLabel(cells, today).headerTime);
  if (search.timeFailed) return false;
  if (search.currentRow > 0) {
    AppendWithSpace(line, CellText(cells, search.currentRow, 0));
    AppendWithSpace(line, DayLesson(cells, today, search.currentRow));
    if (!line.empty()) line += kStripSeparator;
    line += kUntilEnd;
    AppendTimeLeft(line, search.currentEndSeconds - nowSeconds);
    return true;
  }
  if (search.breakRow > 0) {
    line += kBreak;
    line += kStripSeparator;
    line += kUntilStart;
    AppendTimeLeft(line, search.nextStartSeconds - nowSeconds);
    const std::string_view next = DayLesson(cells, today, nextPeriodRow);
    if (!next.empty()) {
      line += kStripSeparator;
      line += kNextLesson;
      line += next;
    }
    return true;
  }
  return false;
}

}  // namespace

void ComposeStripLine(const ClockCells& cells, const SchoolDay& today, std::int32_t nowSeconds,
                      std::string& line) {
  line.clear();
  if (!HasLessons(cells, today) || !AppendPeriodOrBreak(cells, today, nowSeconds, line)) {
    line.clear();
    if (!today.lessons && today.label)
      line += today.label->view();
    else
      line += WeekdayName(MondayFirstWeekday(today.date));
  }
  if (today.countdown) {
    line += kStripSeparator;
    if (today.countdown->daysLeft == 0) {
      line += kCountdownToday;
      line += today.countdown->name;
    } else {
      line += kCountdownBefore;
      line += today.countdown->name;
      line += ' ';
      AppendNumber(line, today.countdown->daysLeft, 1);
      line += kCountdownDays;
    }
  }
}

}  // namespace orvel::clock

#pragma once
// The timetable's time and weekday columns, the period search and the reminder windows of the
// schedule clock, shared by both editions.
#include <chrono>
#include <cstdint>
#include <string_view>

#include "clock/clock_cells.h"

namespace orvel::clock {

// The time column.
inline constexpr int kTimeColumn = 1;

// The column of a weekday in the timetable: Monday 2 ... Sunday 8.
int WeekdayColumn(std::chrono::year_month_day date);

struct PeriodSearch {
  int currentRow = 0;  // 0: no current period (a period in row 0 counts as none)
  int breakRow = 0;    // 0: no break; else the row right after the period that has ended
  // A time text could not be read: the search ended there, and this tick gives no reminder.
  bool timeFailed = false;
  // The start of the next period with a time span, as the last look-ahead found it; points into
  // the cells' texts (or into headerTimeText).
  std::string_view nextStartText;
  // Seconds of the day, as the search read them: the current period's end, and in a break the
  // next period's start.
  std::int32_t currentEndSeconds = 0;
  std::int32_t nextStartSeconds = 0;
};

// Walks column 1 from row 0 down to find the period or the break that `nowSeconds` falls into.
// `nextPeriodRow` is the clock value kept between ticks: every look-ahead that finds a row with
// a time span sets it, and it keeps its old value when none does. `headerTimeText` stands for
// cell (0, 1), which the label step may have rewritten just before; it is ignored when the table
// has no such cell.
PeriodSearch FindPeriod(const ClockCells& cells, std::int32_t nowSeconds,
                        std::int16_t& nextPeriodRow, std::string_view headerTimeText);

// (next start − now) in days × 1000, the measure the reminder windows are given in.
double ReminderDistance(std::int32_t nextStartSeconds, std::int32_t nowSeconds);
// 179.712 s to 180.9216 s before the start: with whole seconds, exactly three minutes.
bool InReminderWindow(double distance);
// 162.432 s to 163.6416 s before the start: with whole seconds, 163 s (17 s after the balloon).
bool InTrayRemovalWindow(double distance);

}  // namespace orvel::clock

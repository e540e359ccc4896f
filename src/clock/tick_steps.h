#pragma once
// The steps of a schedule clock tick that both editions take alike: the label of cell (0, 1) and
// the reminder after the period search. Each edition decides and paints the rest its own way.
#include <cstdint>
#include <optional>
#include <string_view>

#include "clock/clock_cells.h"
#include "clock/period_search.h"
#include "clock/reminder.h"
#include "clock/school_day.h"
#include "clock/week_label.h"

namespace orvel::clock {

struct LabelStep {
  // The day's label for cell (0, 1), only when it changes what the cell holds.
  std::optional<ShortText> changed;
  // What the period search reads as cell (0, 1): the label as written, or the cell's own text.
  // Points into the day's label or the cells.
  std::string_view headerTime;
};
LabelStep DecideLabel(const ClockCells& cells, const SchoolDay& today);

struct ReminderStep {
  // The search's current row, or 0 when the next start cannot be read: no period is current.
  int currentRow = 0;
  Reminder reminder;
  bool removeTrayIcon = false;
};
// For the lesson of `nextPeriodRow` on the day (the row the search left for the next period), the
// reminder DecideReminder gives; nothing after a search that could not read a time.
ReminderStep DecideReminderStep(const ClockCells& cells, const SchoolDay& today,
                                const PeriodSearch& search, int nextPeriodRow,
                                RemindMode remindMode, std::int32_t nowSeconds);

}  // namespace orvel::clock

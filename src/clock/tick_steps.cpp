#include "clock/tick_steps.h"

#include "clock/time_of_day.h"

namespace orvel::clock {

LabelStep DecideLabel(const ClockCells& cells, const SchoolDay& today) {
  LabelStep step;
  const bool hasLabelCell = cells.Rows() > 0 && cells.Cols() > kTimeColumn;
  // The view points into the day's own label, which outlives the tick.
  const ShortText* label = hasLabelCell && today.label ? &*today.label : nullptr;
  step.headerTime = label ? label->view() : CellText(cells, 0, kTimeColumn);
  if (label && label->view() != cells.Text(0, kTimeColumn)) step.changed = *label;
  return step;
}

ReminderStep DecideReminderStep(const ClockCells& cells, const SchoolDay& today,
                                const PeriodSearch& search, int nextPeriodRow,
                                RemindMode remindMode, std::int32_t nowSeconds) {
  ReminderStep step;
  step.currentRow = search.currentRow;
  if (search.timeFailed) return step;
  const std::optional<std::int32_t> nextStart = ParseTimeOfDay(search.nextStartText);
  if (!nextStart) {
    step.currentRow = 0;
    return step;
  }
  DecideReminder(DayLesson(cells, today, nextPeriodRow), *nextStart, nowSeconds, remindMode,
                 step.reminder, step.removeTrayIcon);
  return step;
}

}  // namespace orvel::clock

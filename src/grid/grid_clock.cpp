#include "grid/grid_clock.h"

#include <utility>

#include "clock/period_search.h"
#include "clock/tick_steps.h"

namespace orvel::grid {

using namespace clock;

std::int16_t CellCode(int row, int col) {
  // The stored value is 16-bit; a huge table wraps instead of overflowing.
  const long long code = static_cast<long long>(row) * 10 + col;
  return static_cast<std::int16_t>(static_cast<std::uint16_t>(code & 0xFFFF));
}

ClockTick DecideClockTick(const ClockCells& cells, const ClockSettings& settings,
                          const SchoolDay& today, std::int32_t nowSeconds, ClockState state) {
  ClockTick tick;
  const int rows = cells.Rows();
  const int cols = cells.Cols();

  const LabelStep label = DecideLabel(cells, today);
  tick.label = label.changed;

  // Text colour, and row 0 when its first cell has lost the header colour.
  if (cells.ForeColour() != SchemeColour(settings, kColourText))
    tick.foreColour = SchemeColour(settings, kColourText);
  if (rows > 0 && cols > 0 && cells.BackColour(0, 0) != SchemeColour(settings, kColourHeader))
    tick.headerColour = SchemeColour(settings, kColourHeader);

  if (!today.lessons) {
    tick.state = state;
    if (state.LastCurrentCode != 0 || state.LastBreakCode != 0) {
      tick.bodyColour = SchemeColour(settings, kColourBackground);
      tick.state.LastCurrentCode = 0;
      tick.state.LastBreakCode = 0;
    }
    return tick;
  }

  // The day's column, and the period or break the time falls into.
  const int weekdayColumn = today.column;
  const PeriodSearch search =
      FindPeriod(cells, nowSeconds, state.NextPeriodRow, label.headerTime);
  tick.state = state;

  // A new current or break cell clears the old highlights.
  const auto currentUnchanged = [&](int currentRow) {
    return currentRow == 0 || CellCode(currentRow, weekdayColumn) == state.LastCurrentCode;
  };
  const bool breakUnchanged =
      search.breakRow == 0 || CellCode(search.breakRow, weekdayColumn) == state.LastBreakCode;
  if (!(currentUnchanged(search.currentRow) && breakUnchanged))
    tick.bodyColour = SchemeColour(settings, kColourBackground);

  // Saturday and Sunday in a table without their columns.
  if (weekdayColumn >= cols) return tick;

  ReminderStep reminder = DecideReminderStep(cells, today, search, state.NextPeriodRow,
                                             settings.remindMode, nowSeconds);
  const int currentRow = reminder.currentRow;
  tick.reminder = std::move(reminder.reminder);
  tick.removeTrayIcon = reminder.removeTrayIcon;

  // Painting, only when the current or the break cell has changed.
  if (currentUnchanged(currentRow) && breakUnchanged) return tick;
  if (currentRow >= 1) {
    const bool hasClass = !DayLesson(cells, today, currentRow).empty();
    tick.paints[static_cast<std::size_t>(tick.paintCount++)] = {
        currentRow, weekdayColumn,
        SchemeColour(settings, hasClass ? kColourCurrentClass : kColourCurrentNoClass)};
    tick.state.LastCurrentCode = CellCode(currentRow, weekdayColumn);
  }
  if (search.breakRow >= 2 && search.breakRow < rows) {
    const Colour breakColour = SchemeColour(settings, kColourBreak);
    tick.paints[static_cast<std::size_t>(tick.paintCount++)] = {search.breakRow - 1, weekdayColumn,
                                                                breakColour};
    tick.paints[static_cast<std::size_t>(tick.paintCount++)] = {search.breakRow, weekdayColumn,
                                                                breakColour};
    tick.state.LastBreakCode = CellCode(search.breakRow, weekdayColumn);
  }
  return tick;
}

}  // namespace orvel::grid

#include "classic/classic_clock.h"

#include <cstddef>
#include <string_view>

#include "clock/period_search.h"
#include "clock/tick_steps.h"

namespace orvel::classic {

ClassicClockTick DecideClassicClockTick(const clock::ClockCells& cells,
                                        const clock::ClockSettings& settings,
                                        const clock::SchoolDay& today,
                                        std::int32_t nowSeconds, ClassicClockState state) {
  ClassicClockTick tick;
  tick.state = state;
  const int rows = cells.Rows();
  const int cols = cells.Cols();
  if (rows <= 0 || cols <= 0) return tick;

  // The matrix's colours as the steps leave them; the caller sets only those that change, so
  // a box painted again in the colour it had is not touched at all.
  std::vector<Colour>& back = tick.backColours;
  back.reserve(static_cast<std::size_t>(rows) * static_cast<std::size_t>(cols));
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < cols; ++c) back.push_back(cells.BackColour(r, c));
  const auto at = [&](int r, int c) -> Colour& {
    return back[static_cast<std::size_t>(r) * static_cast<std::size_t>(cols) +
                static_cast<std::size_t>(c)];
  };

  // The label of box 2.
  const clock::LabelStep label = clock::DecideLabel(cells, today);
  tick.label = label.changed;

  // Text colour, judged by box 1.
  if (cells.ForeColour() != clock::SchemeColour(settings, kColourText))
    tick.foreColour = clock::SchemeColour(settings, kColourText);

  // The header row, judged by box 1.
  if (at(0, 0) != clock::SchemeColour(settings, kColourHeader))
    for (int c = 0; c < cols; ++c) at(0, c) = clock::SchemeColour(settings, kColourHeader);

  // Every body box back to the background.
  for (int r = 1; r < rows; ++r)
    for (int c = 0; c < cols; ++c) at(r, c) = clock::SchemeColour(settings, kColourBackground);

  // A holiday, or Saturday and Sunday in a table without their columns.
  const int weekdayColumn = today.column;
  if (!today.lessons || weekdayColumn >= cols) return tick;

  const clock::PeriodSearch search =
      clock::FindPeriod(cells, nowSeconds, tick.state.NextPeriodRow, label.headerTime);
  clock::ReminderStep reminder = clock::DecideReminderStep(
      cells, today, search, tick.state.NextPeriodRow, settings.remindMode, nowSeconds);
  const int currentRow = reminder.currentRow;
  tick.reminder = std::move(reminder.reminder);
  tick.removeTrayIcon = reminder.removeTrayIcon;

  // Today's column below the header.
  for (int r = 1; r < rows; ++r)
    at(r, weekdayColumn) = clock::SchemeColour(settings, kColourTodayColumn);

  // The current row, today's cell in it by its text; or the break over the period that has
  // ended and the row after it.
  const int endedRow = search.breakRow - 1;
  const bool paintBreak = search.breakRow > 0 && endedRow >= 1 && endedRow < rows - 1;
  for (int c = 0; c < cols; ++c) {
    if (currentRow >= 1) {
      Colour& cell = at(currentRow, c);
      if (cell == clock::SchemeColour(settings, kColourTodayColumn)) {
        const std::string_view lesson = c == weekdayColumn
                                            ? clock::DayLesson(cells, today, currentRow)
                                            : cells.Text(currentRow, c);
        const bool hasClass = !lesson.empty();
        cell =
            clock::SchemeColour(settings, hasClass ? kColourCurrentClass : kColourCurrentNoClass);
      } else {
        cell = clock::SchemeColour(settings, kColourCurrentRow);
      }
    }
    if (paintBreak) {
      at(endedRow, c) = clock::SchemeColour(settings, kColourBreak);
      at(endedRow + 1, c) = clock::SchemeColour(settings, kColourBreak);
    }
  }
  return tick;
}

}  // namespace orvel::classic

#include "schedule/schedule_clock.h"

#include "schedule/schedule_clock_period.h"
#include "schedule/time_of_day.h"

namespace orvel::schedule {
namespace {

Colour Scheme(const ClockSettings& settings, int number) {
  return settings.colours[static_cast<std::size_t>(number - 1)];
}

}  // namespace

ColourScheme SchemeColours(const ColourTable& table, int scheme) {
  ColourScheme colours{};
  for (int number = 1; number <= kColoursPerScheme; ++number)
    colours[static_cast<std::size_t>(number - 1)] = table.Get(scheme, number);
  return colours;
}

std::int16_t CellCode(int row, int col) {
  // The stored value is 16-bit; a huge table wraps instead of overflowing.
  const long long code = static_cast<long long>(row) * 10 + col;
  return static_cast<std::int16_t>(static_cast<std::uint16_t>(code & 0xFFFF));
}

void DecideReminder(std::string_view subject, std::int32_t nextStartSeconds,
                    std::int32_t nowSeconds, int remindMode, Reminder& reminder,
                    bool& removeTrayIcon) {
  if (subject.empty()) return;
  const double distance = ReminderDistance(nextStartSeconds, nowSeconds);
  if (InReminderWindow(distance)) {
    if (remindMode == kRemindPopup) {
      reminder.kind = ReminderKind::Popup;
      reminder.text.reserve(kReminderTitle.size() + subject.size());
      reminder.text.append(kReminderTitle).append(subject);
    } else if (remindMode == kRemindBalloon) {
      reminder.kind = ReminderKind::Balloon;
      reminder.text.assign(subject);
      reminder.title = kReminderTitle;
    }
  }
  removeTrayIcon = remindMode == kRemindBalloon && InTrayRemovalWindow(distance);
}

ClockTick DecideClockTick(const ClockCells& cells, const ClockSettings& settings,
                          std::chrono::year_month_day today, std::int32_t nowSeconds,
                          ClockState state) {
  ClockTick tick;
  const int rows = cells.Rows();
  const int cols = cells.Cols();
  const bool hasLabelCell = rows > 0 && cols > kTimeColumn;

  // Step 1: the label of cell (0, 1), reported only when it changes the cell.
  const std::optional<ShortText> label = hasLabelCell ? ClockLabel(settings.area, today) : std::nullopt;
  const std::string_view headerTime = label ? label->view() : CellText(cells, 0, kTimeColumn);
  if (label && label->view() != cells.Text(0, kTimeColumn)) tick.label = label;

  // Step 2: text colour, and row 0 when its first cell has lost the header colour.
  if (cells.ForeColour() != Scheme(settings, kColourText)) tick.foreColour = Scheme(settings, kColourText);
  if (rows > 0 && cols > 0 && cells.BackColour(0, 0) != Scheme(settings, kColourHeader))
    tick.headerColour = Scheme(settings, kColourHeader);

  // Step 3.
  const int weekdayColumn = MondayFirstWeekday(today) + 1;
  const PeriodSearch search = FindPeriod(cells, nowSeconds, state.NextPeriodRow, headerTime);
  tick.state = state;

  // Step 4: a new current or break cell clears the old highlights.
  const auto currentUnchanged = [&](int currentRow) {
    return currentRow == 0 || CellCode(currentRow, weekdayColumn) == state.LastCurrentCode;
  };
  const bool breakUnchanged =
      search.breakRow == 0 || CellCode(search.breakRow, weekdayColumn) == state.LastBreakCode;
  if (!(currentUnchanged(search.currentRow) && breakUnchanged))
    tick.bodyColour = Scheme(settings, kColourBackground);

  // Step 5: Saturday and Sunday in a table without their columns.
  if (weekdayColumn >= cols) return tick;

  // Step 6: the reminder.
  int currentRow = search.currentRow;
  if (!search.timeFailed) {
    const std::string_view subject = CellText(cells, state.NextPeriodRow, weekdayColumn);
    const auto nextStart = ParseTimeOfDay(search.nextStartText);
    if (!nextStart) {
      currentRow = 0;  // an unreadable next start leaves the current cell unpainted
    } else {
      DecideReminder(subject, *nextStart, nowSeconds, settings.remindMode, tick.reminder,
                     tick.removeTrayIcon);
    }
  }

  // Step 7: painting.
  if (currentUnchanged(currentRow) && breakUnchanged) return tick;
  if (currentRow >= 1) {
    const bool hasClass = !CellText(cells, currentRow, weekdayColumn).empty();
    tick.paints[static_cast<std::size_t>(tick.paintCount++)] = {
        currentRow, weekdayColumn,
        Scheme(settings, hasClass ? kColourCurrentClass : kColourCurrentNoClass)};
    tick.state.LastCurrentCode = CellCode(currentRow, weekdayColumn);
  }
  if (search.breakRow >= 2 && search.breakRow < rows) {
    const Colour breakColour = Scheme(settings, kColourBreak);
    tick.paints[static_cast<std::size_t>(tick.paintCount++)] = {search.breakRow - 1, weekdayColumn,
                                                               breakColour};
    tick.paints[static_cast<std::size_t>(tick.paintCount++)] = {search.breakRow, weekdayColumn,
                                                               breakColour};
    tick.state.LastBreakCode = CellCode(search.breakRow, weekdayColumn);
  }
  return tick;
}

}  // namespace orvel::schedule

#pragma once
// The schedule clock of the grid edition (TimerSchedule_Timer) as a decision: what one tick
// writes, paints and reminds of, given the cells as they are now, the settings, the date and the
// time. schedule_clock_apply.h carries the decision out on the grid.
#include <array>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "schedule/schedule_clock_cells.h"
#include "schedule/schedule_clock_label.h"
#include "timetable/colour_table.h"

namespace orvel::schedule {

// Title of the balloon, and the start of the popup's text.
inline constexpr std::string_view kReminderTitle = "下节课有课：";

// The two tones before the popup, in order.
struct BeepTone {
  int frequencyHz;
  int durationMs;
};
inline constexpr std::array<BeepTone, 2> kReminderTones{{{700, 350}, {550, 350}}};

// Reminder modes of the settings.
inline constexpr int kRemindNone = 0;
inline constexpr int kRemindPopup = 1;
inline constexpr int kRemindBalloon = 2;

// Kept by the schedule window between ticks; all start at 0. The codes are row × 10 + column,
// which two cells of a table wider than 10 columns can share.
struct ClockState {
  std::int16_t NextPeriodRow = 0;
  std::int16_t LastCurrentCode = 0;
  std::int16_t LastBreakCode = 0;
  friend bool operator==(const ClockState&, const ClockState&) = default;
};

struct ClockSettings {
  ColourScheme colours{};  // colour number n at index n − 1
  int remindMode = kRemindNone;
  double area = 0;  // calendar area: 0 "上海", else "其他"
};

enum class ReminderKind { None, Popup, Balloon };

struct Reminder {
  ReminderKind kind = ReminderKind::None;
  std::string text;         // popup: "下节课有课：" and the subject; balloon: the subject
  std::string_view title;   // balloon: "下节课有课："; popup: empty
};

struct CellPaint {
  int row = 0;
  int col = 0;
  Colour colour = 0;
  friend bool operator==(const CellPaint&, const CellPaint&) = default;
};

struct ClockTick {
  // New text of cell (0, 1); only when the label step writes something other than it holds.
  std::optional<ShortText> label;
  // New text colour of the whole grid.
  std::optional<Colour> foreColour;
  // Row 0 to this colour, cell (0, 0) first; only when (0, 0) does not have it already.
  std::optional<Colour> headerColour;
  // Every body cell (rows 1 and down, all columns) to this colour where it differs.
  std::optional<Colour> bodyColour;
  // The current cell, or the two break cells, in painting order.
  std::array<CellPaint, 2> paints{};
  int paintCount = 0;
  // Raised between the body reset and the painting.
  Reminder reminder;
  bool removeTrayIcon = false;
  ClockState state;  // the clock values after the tick

  // Nothing to write, paint or raise: the common tick within one period.
  bool ChangesNothing() const {
    return !label && !foreColour && !headerColour && !bodyColour && paintCount == 0 &&
           reminder.kind == ReminderKind::None && !removeTrayIcon;
  }
};

// The colours of scheme `scheme` of the table.
ColourScheme SchemeColours(const ColourTable& table, int scheme);

// Row × 10 + column, as the clock remembers a painted cell.
std::int16_t CellCode(int row, int col);

// The reminder step, shared by both editions: for a next subject that is not empty, the popup or
// balloon 180 s before its start, and in balloon mode the icon's removal 163 s before it. Leaves
// `reminder` and `removeTrayIcon` alone otherwise.
void DecideReminder(std::string_view subject, std::int32_t nextStartSeconds,
                    std::int32_t nowSeconds, int remindMode, Reminder& reminder,
                    bool& removeTrayIcon);

// One tick. `cells` are the grid's cells and colours before the tick; `nowSeconds` the time of
// day in whole seconds. Allocates only to hold a reminder's text.
ClockTick DecideClockTick(const ClockCells& cells, const ClockSettings& settings,
                          std::chrono::year_month_day today, std::int32_t nowSeconds,
                          ClockState state);

}  // namespace orvel::schedule

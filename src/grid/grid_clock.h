#pragma once
// The schedule clock of the grid edition as a decision: what one tick
// writes, paints and reminds of, given the cells as they are now, the settings, the date and the
// time. grid_clock_apply.h carries the decision out on the grid.
#include <array>
#include <cstdint>
#include <optional>

#include "clock/clock_cells.h"
#include "clock/reminder.h"
#include "clock/school_day.h"
#include "clock/week_label.h"
#include "timetable/colour_table.h"

namespace orvel::grid {

// Kept by the schedule window between ticks; all start at 0. The codes are row × 10 + column,
// which two cells of a table wider than 10 columns can share.
struct ClockState {
  std::int16_t NextPeriodRow = 0;
  std::int16_t LastCurrentCode = 0;
  std::int16_t LastBreakCode = 0;
  friend bool operator==(const ClockState&, const ClockState&) = default;
};

struct CellPaint {
  int row = 0;
  int col = 0;
  Colour colour = 0;
  friend bool operator==(const CellPaint&, const CellPaint&) = default;
};

struct ClockTick {
  // New text of cell (0, 1); only when the label step writes something other than it holds.
  std::optional<clock::ShortText> label;
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
  clock::Reminder reminder;
  bool removeTrayIcon = false;
  ClockState state;  // the clock values after the tick

  // Nothing to write, paint or raise: the common tick within one period.
  bool ChangesNothing() const {
    return !label && !foreColour && !headerColour && !bodyColour && paintCount == 0 &&
           reminder.kind == RemindMode::None && !removeTrayIcon;
  }
};

// Row × 10 + column, as the clock remembers a painted cell.
std::int16_t CellCode(int row, int col);

// One tick. `cells` are the grid's cells and colours before the tick; `today` what kind of day it
// is; `nowSeconds` the time of day in whole seconds. Allocates only to hold a reminder's text.
// On a holiday nothing is highlighted: a highlight left from the day before is cleared.
ClockTick DecideClockTick(const clock::ClockCells& cells, const clock::ClockSettings& settings,
                          const clock::SchoolDay& today, std::int32_t nowSeconds,
                          ClockState state);

}  // namespace orvel::grid

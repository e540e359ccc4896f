#pragma once
// The classic edition's schedule clock as a decision. It shares the label,
// the period search and the reminder with the grid edition, but repaints the whole matrix on
// every tick: today's column, the current period's row with today's cell in the class-now or
// free-now colour, and a break across the two whole rows around it.
#include <cstdint>
#include <optional>
#include <vector>

#include "clock/clock_cells.h"
#include "clock/reminder.h"
#include "clock/school_day.h"
#include "clock/week_label.h"

namespace orvel::classic {

// Kept between ticks: only the row of the next period that has a time span. (The grid edition
// keeps the same value; together with today's column it names the next period's box.)
struct ClassicClockState {
  std::int16_t NextPeriodRow = 0;
  friend bool operator==(const ClassicClockState&, const ClassicClockState&) = default;
};

struct ClassicClockTick {
  // New text of cell (0, 1), box 2; only when it differs from what the box holds.
  std::optional<clock::ShortText> label;
  // New text colour of every box, when box 1's differs from the scheme's.
  std::optional<Colour> foreColour;
  // Every cell's background after the tick, row by row (cell (r, c) at r × cols + c).
  std::vector<Colour> backColours;
  clock::Reminder reminder;
  bool removeTrayIcon = false;
  ClassicClockState state;  // after the tick
};

// One tick. `cells` are the boxes' texts and colours before the tick (their fore colour: box
// 1's), `today` what kind of day it is, `nowSeconds` the time of day in whole seconds. On a
// holiday only the label, the text colour, the header and the body's background are painted.
ClassicClockTick DecideClassicClockTick(const clock::ClockCells& cells,
                                        const clock::ClockSettings& settings,
                                        const clock::SchoolDay& today, std::int32_t nowSeconds,
                                        ClassicClockState state);

}  // namespace orvel::classic

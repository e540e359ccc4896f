#include "grid/grid_clock_apply.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "clock/time_of_day.h"
#include "grid_clock_fixtures.h"

namespace orvel::grid {
namespace {

using namespace clock;

using namespace std::chrono;
using namespace test;
using Cells = std::vector<std::pair<int, int>>;

TEST(grid_clock_apply_test, first_tick_brings_label_header_and_text_colour) {
  GridClock clock(4, 7, Settings(RemindMode::Popup, 0));
  FillTuesdayGrid(clock.grid);
  clock.grid.SetTextMatrix(0, 1, "旧标签");
  clock.Tick(kTuesday, At(7, 0));
  EXPECT_EQ(clock.grid.TextMatrix(0, 1), "1/23(I)");
  EXPECT_EQ(clock.grid.ForeColour(), kText);
  for (int c = 0; c < 7; ++c) EXPECT_EQ(clock.grid.CellBackColour(0, c), kHeader) << c;
  EXPECT_EQ(clock.CellsNotIn(0xFFFFFF), Cells{});  // no change of period yet: body untouched
}

TEST(grid_clock_apply_test, tuesday_morning_on_the_grid) {
  GridClock clock(4, 7, Settings(RemindMode::Popup));
  FillTuesdayGrid(clock.grid);
  clock.Tick(kTuesday, At(8, 51, 59));

  const ClockTick brk = clock.Tick(kTuesday, At(8, 52));
  EXPECT_EQ(brk.reminder.text, "下节课有课：数学");
  EXPECT_EQ(clock.grid.CellBackColour(2, 3), kBreak);
  EXPECT_EQ(clock.grid.CellBackColour(3, 3), kBreak);
  EXPECT_EQ(clock.CellsNotIn(kBackground), (Cells{{2, 3}, {3, 3}}));

  clock.Tick(kTuesday, At(9, 0));
  EXPECT_EQ(clock.grid.CellBackColour(3, 3), kClassNow);
  EXPECT_EQ(clock.CellsNotIn(kBackground), (Cells{{3, 3}}));
  EXPECT_EQ(clock.grid.TextMatrix(0, 1), "时间");
}

TEST(grid_clock_apply_test, a_tick_without_a_change_touches_nothing) {
  GridClock clock(4, 7, Settings(RemindMode::Popup));
  FillTuesdayGrid(clock.grid);
  clock.Tick(kTuesday, At(9, 0));
  // The painting left (3, 3) current; the next tick reads (0, 0) and moves there once.
  EXPECT_EQ(std::pair(clock.grid.Row(), clock.grid.Col()), std::pair(3, 3));
  const int moves = clock.rowColChanges;
  clock.Tick(kTuesday, At(9, 0, 1));
  EXPECT_EQ(std::pair(clock.grid.Row(), clock.grid.Col()), std::pair(0, 0));
  EXPECT_EQ(clock.rowColChanges, moves + 1);

  const int changes = clock.changes;
  const int movesAfter = clock.rowColChanges;
  for (std::int32_t now = At(9, 0, 2); now < At(9, 40); ++now) {
    ASSERT_TRUE(clock.Tick(kTuesday, now).ChangesNothing()) << now;
  }
  EXPECT_EQ(clock.changes, changes);
  EXPECT_EQ(clock.rowColChanges, movesAfter);
  EXPECT_EQ(clock.grid.CellBackColour(3, 3), kClassNow);
}

TEST(grid_clock_apply_test, body_reset_sets_only_cells_that_differ) {
  GridClock clock(4, 7, Settings(RemindMode::Popup));
  FillTuesdayGrid(clock.grid);
  clock.Tick(kTuesday, At(8, 52));
  const int before = clock.cellChanges;
  clock.Tick(kTuesday, At(9, 0));
  // Two break cells back to the background, then (3, 3) painted.
  EXPECT_EQ(clock.cellChanges - before, 3);
  EXPECT_EQ(clock.CellsNotIn(kBackground), (Cells{{3, 3}}));
}

TEST(grid_clock_apply_test, highlighting_off_and_on_within_a_period) {
  GridClock clock(4, 7, Settings(RemindMode::Popup));
  FillTuesdayGrid(clock.grid);
  clock.Tick(kTuesday, At(9, 0));
  clock.Whiten();
  clock.Tick(kTuesday, At(9, 5));
  EXPECT_EQ(clock.grid.ForeColour(), kText);
  for (int c = 0; c < 7; ++c) EXPECT_EQ(clock.grid.CellBackColour(0, c), kHeader) << c;
  EXPECT_EQ(clock.grid.CellBackColour(3, 3), 0xFFFFFFu);  // the codes still match
  clock.Tick(kTuesday, At(9, 39, 59));
  EXPECT_EQ(clock.CellsNotIn(0xFFFFFF), Cells{});
  // The next change of period brings the highlight back.
  clock.Tick(kWednesday, At(8, 0));
  EXPECT_EQ(clock.CellsNotIn(kBackground), (Cells{{2, 4}}));
}

TEST(grid_clock_apply_test, only_cell_0_0_decides_the_header_row) {
  GridClock clock(4, 7, Settings(RemindMode::Popup));
  FillTuesdayGrid(clock.grid);
  clock.Tick(kTuesday, At(7, 0));
  clock.grid.SetCellBackColour(0, 4, 0xFFFFFF);
  clock.Tick(kTuesday, At(7, 1));
  EXPECT_EQ(clock.grid.CellBackColour(0, 4), 0xFFFFFFu);
  clock.grid.SetCellBackColour(0, 0, 0xFFFFFF);
  clock.Tick(kTuesday, At(7, 2));
  EXPECT_EQ(clock.grid.CellBackColour(0, 4), kHeader);
}

TEST(grid_clock_apply_test, the_last_highlight_stays_until_the_next_day_begins) {
  GridClock clock(4, 7, Settings(RemindMode::Popup));
  FillTuesdayGrid(clock.grid);
  clock.Tick(kTuesday, At(9, 0));
  for (std::int32_t now = At(9, 30); now < kSecondsPerDay; now += 600) clock.Tick(kTuesday, now);
  for (std::int32_t now = 0; now < At(8, 0); now += 600) clock.Tick(kWednesday, now);
  EXPECT_EQ(clock.CellsNotIn(kBackground), (Cells{{3, 3}}));
  clock.Tick(kWednesday, At(8, 0));
  EXPECT_EQ(clock.CellsNotIn(kBackground), (Cells{{2, 4}}));
  EXPECT_EQ(clock.grid.CellBackColour(2, 4), kFreeNow);
}

TEST(grid_clock_apply_test, saturday_clears_fridays_highlight_and_paints_nothing) {
  GridClock clock(4, 7, Settings(RemindMode::Popup));
  FillTuesdayGrid(clock.grid);
  const year_month_day friday = 2009y / September / 4;
  clock.Tick(friday, At(9, 0));
  EXPECT_EQ(clock.CellsNotIn(kBackground), (Cells{{3, 6}}));
  clock.Tick(kSaturday, At(9, 0));
  EXPECT_EQ(clock.CellsNotIn(kBackground), Cells{});
}

TEST(grid_clock_apply_test, small_grids_do_not_break) {
  for (const auto& [rows, cols] :
       {std::pair{0, 0}, std::pair{0, 9}, std::pair{1, 1}, std::pair{1, 9}, std::pair{2, 1},
        std::pair{9, 1}, std::pair{9, 2}, std::pair{3, 3}}) {
    GridClock clock(rows, cols, Settings(RemindMode::Balloon, 0));
    for (int r = 1; r < rows && cols > 1; ++r) clock.grid.SetTextMatrix(r, 1, "8:00-8:45");
    clock.state = {150, 1998, 1998};
    for (std::int32_t now = 0; now < kSecondsPerDay; now += 300) {
      clock.Tick(kTuesday, now);
      clock.Tick(kSunday, now);
    }
    EXPECT_EQ(clock.grid.Rows(), rows);
    if (rows > 0 && cols > 1) {
      EXPECT_EQ(clock.grid.TextMatrix(0, 1), "2/23(I)");
    }
  }
}

TEST(grid_clock_apply_test, a_200_by_50_grid_through_a_day) {
  GridClock clock(200, 50, Settings(RemindMode::Popup));
  // Five-minute periods from 6:00, one a row, with a minute's break between.
  for (int r = 1; r < 200; ++r) {
    const int start = 6 * 60 + (r - 1) * 5;
    const auto hm = [](int minutes) {
      return std::to_string(minutes / 60) + ":" + (minutes % 60 < 10 ? "0" : "") +
             std::to_string(minutes % 60);
    };
    clock.grid.SetTextMatrix(r, 1, hm(start) + "-" + hm(start + 4));
    clock.grid.SetTextMatrix(r, kTuesdayColumn, r % 2 ? "数学" : "");
  }
  int reminders = 0;
  for (std::int32_t now = At(6, 0); now < kSecondsPerDay; now += 60) {
    const ClockTick tick = clock.Tick(kTuesday, now);
    if (tick.reminder.kind != RemindMode::None) ++reminders;
    const int row = 1 + (now - At(6, 0)) / 300;
    const bool inPeriod = row < 200 && (now - At(6, 0)) % 300 < 240;
    if (inPeriod) {
      ASSERT_EQ(clock.CellsNotIn(kBackground), (Cells{{row, kTuesdayColumn}})) << now;
      ASSERT_EQ(clock.state.LastCurrentCode, row * 10 + kTuesdayColumn);
    } else if (row < 199) {
      ASSERT_EQ(clock.CellsNotIn(kBackground),
                (Cells{{row, kTuesdayColumn}, {row + 1, kTuesdayColumn}}))
          << now;
    }
  }
  // Odd rows hold a subject; row 1's reminder came before 6:00.
  EXPECT_EQ(reminders, 99);
}

}  // namespace
}  // namespace orvel::grid

#include "grid/grid_clock.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "clock/time_of_day.h"
#include "grid_clock_fixtures.h"

namespace orvel::grid {
namespace {

using namespace clock;

using namespace std::chrono;
using namespace test;

// One tick on a date without a day list.
ClockTick TickOnDate(const ClockCells& cells, const AreaSettings& settings, year_month_day date,
                     std::int32_t now, ClockState state) {
  return DecideClockTick(cells, settings, DayOf(date, settings.area), now, state);
}

std::vector<CellPaint> Paints(const ClockTick& tick) {
  return {tick.paints.begin(), tick.paints.begin() + tick.paintCount};
}

// Takes a tick's colours into the cells, as the grid would show them afterwards.
void Apply(FakeCells& cells, const ClockTick& tick) {
  if (tick.label) cells.SetText(0, 1, std::string(tick.label->view()));
  if (tick.foreColour) cells.fore = *tick.foreColour;
  if (tick.headerColour)
    for (int c = 0; c < cells.Cols(); ++c) cells.SetBack(0, c, *tick.headerColour);
  if (tick.bodyColour)
    for (int r = 1; r < cells.Rows(); ++r)
      for (int c = 0; c < cells.Cols(); ++c) cells.SetBack(r, c, *tick.bodyColour);
  for (const CellPaint& p : Paints(tick)) cells.SetBack(p.row, p.col, p.colour);
}

// Runs ticks on the same cells, keeping the clock values between them.
struct ClockRun {
  explicit ClockRun(FakeCells c) : cells(std::move(c)) {}

  FakeCells cells;
  AreaSettings settings = Settings();
  ClockState state;

  ClockTick Tick(year_month_day day, std::int32_t now) {
    ClockTick tick = TickOnDate(cells, settings, day, now, state);
    Apply(cells, tick);
    state = tick.state;
    return tick;
  }
};

TEST(grid_clock_test, label_is_reported_only_when_it_changes_the_cell) {
  FakeCells cells = TuesdayCells();
  cells.SetText(0, 1, "1/23(I)");
  const ClockTick other = TickOnDate(cells, Settings(RemindMode::Popup, 1), kTuesday, At(7, 0), {});
  ASSERT_TRUE(other.label);
  EXPECT_EQ(other.label->view(), "时间");

  const ClockTick shanghai =
      TickOnDate(cells, Settings(RemindMode::Popup, 0), kTuesday, At(7, 0), {});
  EXPECT_FALSE(shanghai.label);  // already 1/23(I)
  cells.SetText(0, 1, "时间");
  EXPECT_FALSE(TickOnDate(cells, Settings(RemindMode::Popup, 1), kTuesday, At(7, 0), {}).label);
  // The week label on 6 September: a Sunday, no column in a 7-column table, label all the same.
  const ClockTick sunday = TickOnDate(cells, Settings(RemindMode::Popup, 0), kSunday, At(7, 0), {});
  ASSERT_TRUE(sunday.label);
  EXPECT_EQ(sunday.label->view(), "2/23(I)");
}

TEST(grid_clock_test, text_colour_and_header_follow_the_scheme) {
  FakeCells cells = TuesdayCells();
  EXPECT_TRUE(TickOnDate(cells, Settings(), kTuesday, At(7, 0), {}).ChangesNothing());

  cells.fore = 0x000000;
  cells.SetBack(0, 0, 0xFFFFFF);
  const ClockTick tick = TickOnDate(cells, Settings(), kTuesday, At(7, 0), {});
  EXPECT_EQ(tick.foreColour, kText);
  EXPECT_EQ(tick.headerColour, kHeader);

  // Only cell (0, 0) is looked at.
  cells = TuesdayCells();
  cells.SetBack(0, 4, 0xFFFFFF);
  EXPECT_FALSE(TickOnDate(cells, Settings(), kTuesday, At(7, 0), {}).headerColour);
}

TEST(grid_clock_test, tuesday_break_paints_both_cells_and_reminds_at_8_52) {
  const FakeCells cells = TuesdayCells();
  const ClockTick tick = TickOnDate(cells, Settings(RemindMode::Popup), kTuesday, At(8, 52), {});
  EXPECT_EQ(tick.bodyColour, kBackground);
  EXPECT_EQ(Paints(tick), (std::vector<CellPaint>{{2, 3, kBreak}, {3, 3, kBreak}}));
  EXPECT_EQ(tick.reminder.kind, RemindMode::Popup);
  EXPECT_EQ(tick.reminder.text, "下节课有课：数学");
  EXPECT_EQ(tick.reminder.title, "");
  EXPECT_FALSE(tick.removeTrayIcon);
  EXPECT_EQ(tick.state, (ClockState{3, 0, 33}));

  for (const std::int32_t now : {At(8, 51, 59), At(8, 52, 1)}) {
    const ClockTick near =
        TickOnDate(cells, Settings(RemindMode::Popup), kTuesday, now, tick.state);
    EXPECT_EQ(near.reminder.kind, RemindMode::None) << now;
    EXPECT_TRUE(near.reminder.text.empty()) << now;
  }
  // No reminder mode: the same painting, no reminder.
  const ClockTick quiet = TickOnDate(cells, Settings(RemindMode::None), kTuesday, At(8, 52), {});
  EXPECT_EQ(quiet.reminder.kind, RemindMode::None);
  EXPECT_EQ(Paints(quiet), Paints(tick));
}

TEST(grid_clock_test, tuesday_period_after_the_break) {
  ClockRun run{TuesdayCells()};
  run.Tick(kTuesday, At(8, 52));
  const ClockTick nine = run.Tick(kTuesday, At(9, 0));
  EXPECT_EQ(nine.bodyColour, kBackground);
  EXPECT_EQ(Paints(nine), (std::vector<CellPaint>{{3, 3, kClassNow}}));
  EXPECT_EQ(nine.state, (ClockState{3, 33, 33}));
  EXPECT_EQ(run.cells.BackColour(2, 3), kBackground);  // the break is cleared
  // The rest of the period changes nothing.
  for (std::int32_t now = At(9, 0, 1); now < At(9, 40); now += 61)
    EXPECT_TRUE(run.Tick(kTuesday, now).ChangesNothing()) << now;
}

TEST(grid_clock_test, tuesday_with_an_empty_subject) {
  ClockRun run{TuesdayCells("")};
  const ClockTick brk = run.Tick(kTuesday, At(8, 52));
  EXPECT_EQ(brk.reminder.kind, RemindMode::None);
  EXPECT_EQ(Paints(brk), (std::vector<CellPaint>{{2, 3, kBreak}, {3, 3, kBreak}}));
  const ClockTick nine = run.Tick(kTuesday, At(9, 0));
  EXPECT_EQ(Paints(nine), (std::vector<CellPaint>{{3, 3, kFreeNow}}));
}

TEST(grid_clock_test, before_the_first_period_nothing_is_current_and_the_reminder_comes) {
  FakeCells cells = TuesdayCells();
  cells.SetText(2, kTuesdayColumn, "语文");
  for (std::int32_t now = 0; now < At(8, 0); now += 97) {
    const ClockTick tick = TickOnDate(cells, Settings(), kTuesday, now, {});
    EXPECT_EQ(tick.paintCount, 0);
    EXPECT_FALSE(tick.bodyColour);
    EXPECT_EQ(tick.state.NextPeriodRow, 2);
  }
  const ClockTick remind = TickOnDate(cells, Settings(), kTuesday, At(7, 57), {});
  EXPECT_EQ(remind.reminder.text, "下节课有课：语文");
  EXPECT_EQ(TickOnDate(cells, Settings(), kTuesday, At(7, 56, 59), {}).reminder.kind,
            RemindMode::None);
}

TEST(grid_clock_test, a_period_in_row_1_is_painted) {
  ClockRun run{FakeCells(3, 7)};
  run.cells.SetText(1, 1, "8:00-8:45");
  run.cells.SetText(2, 1, "8:55-9:40");
  run.cells.SetText(1, kTuesdayColumn, "英语");
  run.cells.Settle();
  EXPECT_FALSE(run.Tick(kTuesday, At(7, 59, 59)).bodyColour);
  const ClockTick start = run.Tick(kTuesday, At(8, 0));
  EXPECT_EQ(start.bodyColour, kBackground);
  EXPECT_EQ(Paints(start), (std::vector<CellPaint>{{1, 3, kClassNow}}));
  EXPECT_EQ(start.state.LastCurrentCode, 13);
  EXPECT_TRUE(run.Tick(kTuesday, At(8, 1)).ChangesNothing());
}

TEST(grid_clock_test, after_the_last_period_the_highlight_stays_across_midnight) {
  ClockRun run{TuesdayCells()};
  run.Tick(kTuesday, At(9, 0));
  for (const auto& [day, now] :
       {std::pair{kTuesday, At(9, 40)}, std::pair{kTuesday, At(20, 0)},
        std::pair{kTuesday, At(23, 59, 59)}, std::pair{kWednesday, 0},
        std::pair{kWednesday, At(0, 30)}, std::pair{kWednesday, At(7, 59)}}) {
    const ClockTick tick = run.Tick(day, now);
    EXPECT_FALSE(tick.bodyColour) << now;
    EXPECT_EQ(tick.paintCount, 0) << now;
  }
  EXPECT_EQ(run.cells.BackColour(3, 3), kClassNow);
  // Wednesday's first period moves it.
  const ClockTick wednesday = run.Tick(kWednesday, At(8, 0));
  EXPECT_EQ(wednesday.bodyColour, kBackground);
  EXPECT_EQ(Paints(wednesday), (std::vector<CellPaint>{{2, 4, kFreeNow}}));
}

TEST(grid_clock_test, days_without_a_column_reset_but_never_paint_or_remind) {
  ClockRun run{TuesdayCells()};
  run.cells.SetBack(3, 6, kClassNow);  // Friday's last highlight
  run.state = {3, 36, 0};
  const ClockTick saturday = run.Tick(kSaturday, At(9, 0));
  EXPECT_EQ(saturday.bodyColour, kBackground);  // a change of period all the same
  EXPECT_EQ(saturday.paintCount, 0);
  EXPECT_EQ(saturday.state, (ClockState{3, 36, 0}));
  EXPECT_EQ(run.cells.BackColour(3, 6), kBackground);
  EXPECT_EQ(run.Tick(kSaturday, At(8, 52)).reminder.kind, RemindMode::None);

  // With a Saturday column the same tick paints and reminds; Sunday still has none.
  FakeCells eight(4, 8);
  eight.SetText(2, 1, "8:00-8:45");
  eight.SetText(3, 1, "8:55-9:40");
  eight.SetText(3, 7, "补课");
  eight.Settle();
  EXPECT_EQ(TickOnDate(eight, Settings(), kSaturday, At(8, 52), {}).reminder.text,
            "下节课有课：补课");
  EXPECT_EQ(Paints(TickOnDate(eight, Settings(), kSaturday, At(9, 0), {})),
            (std::vector<CellPaint>{{3, 7, kClassNow}}));
  const ClockTick sunday = TickOnDate(eight, Settings(), kSunday, At(9, 0), {});
  EXPECT_EQ(sunday.paintCount, 0);
  EXPECT_TRUE(sunday.bodyColour);
}

TEST(grid_clock_test, a_row_without_times_takes_the_break_after_the_period_above) {
  FakeCells cells(4, 7);
  cells.SetText(1, 1, "11:00-11:45");
  cells.SetText(2, 1, "午休");
  cells.SetText(3, 1, "13:00-13:45");
  cells.SetText(3, kTuesdayColumn, "物理");
  cells.Settle();
  const ClockTick lunch = TickOnDate(cells, Settings(), kTuesday, At(12, 0), {});
  EXPECT_EQ(Paints(lunch), (std::vector<CellPaint>{{1, 3, kBreak}, {2, 3, kBreak}}));
  EXPECT_EQ(lunch.state.LastBreakCode, 23);
  EXPECT_EQ(TickOnDate(cells, Settings(), kTuesday, At(12, 57), lunch.state).reminder.text,
            "下节课有课：物理");
}

TEST(grid_clock_test, balloon_at_180_seconds_and_tray_removal_at_163) {
  const FakeCells cells = TuesdayCells();
  const AreaSettings balloon = Settings(RemindMode::Balloon);
  std::vector<int> balloons, removals;
  for (int before = 150; before <= 200; ++before) {
    const ClockTick tick = TickOnDate(cells, balloon, kTuesday, At(8, 55) - before, {});
    if (tick.reminder.kind == RemindMode::Balloon) {
      balloons.push_back(before);
      EXPECT_EQ(tick.reminder.text, "数学");
      EXPECT_EQ(tick.reminder.title, "下节课有课：");
    }
    EXPECT_NE(tick.reminder.kind, RemindMode::Popup);
    if (tick.removeTrayIcon) removals.push_back(before);
  }
  EXPECT_EQ(balloons, std::vector<int>{180});
  EXPECT_EQ(removals, std::vector<int>{163});

  // Only in balloon mode, and only for a period with a subject.
  EXPECT_FALSE(
      TickOnDate(cells, Settings(RemindMode::Popup), kTuesday, At(8, 55) - 163, {}).removeTrayIcon);
  EXPECT_FALSE(
      TickOnDate(TuesdayCells(""), balloon, kTuesday, At(8, 55) - 163, {}).removeTrayIcon);
}

TEST(grid_clock_test, a_table_without_times_never_highlights_or_reminds) {
  FakeCells cells(6, 9);
  for (int r = 1; r < 6; ++r) {
    cells.SetText(r, 0, "第" + std::to_string(r) + "节");
    for (int c = 2; c < 9; ++c) cells.SetText(r, c, "数学");
  }
  cells.Settle();
  for (const ClockState start : {ClockState{}, ClockState{2, 23, 33}}) {
    for (std::int32_t now = 0; now < kSecondsPerDay; ++now) {
      const ClockTick tick = TickOnDate(cells, Settings(RemindMode::Balloon), kTuesday, now, start);
      ASSERT_TRUE(tick.ChangesNothing()) << now;
      ASSERT_EQ(tick.state, start) << now;
    }
  }
}

TEST(grid_clock_test, bad_time_texts) {
  {  // "abc-def" above the first period: the search fails at row 0, no reminder
    FakeCells cells(4, 7);
    cells.SetText(1, 1, "abc-def");
    cells.SetText(2, 1, "8:00-8:45");
    cells.SetText(1, kTuesdayColumn, "数学");
    cells.SetText(2, kTuesdayColumn, "数学");
    cells.Settle();
    for (std::int32_t now = At(7, 0); now < At(9, 0); now += 1)
      ASSERT_TRUE(TickOnDate(cells, Settings(), kTuesday, now, {}).ChangesNothing()) << now;
  }
  {  // "abc-def" below a period: during it the next start cannot be read, so the period is
     // found (the body is reset) but not painted, and nothing is remembered
    FakeCells cells(4, 7);
    cells.SetText(1, 1, "8:00-8:45");
    cells.SetText(2, 1, "abc-def");
    cells.SetText(1, kTuesdayColumn, "数学");
    cells.Settle();
    const ClockTick during = TickOnDate(cells, Settings(), kTuesday, At(8, 30), {});
    EXPECT_EQ(during.bodyColour, kBackground);
    EXPECT_EQ(during.paintCount, 0);
    EXPECT_EQ(during.state, (ClockState{2, 0, 0}));
    // Before it, the reminder for the first period still comes.
    EXPECT_EQ(TickOnDate(cells, Settings(), kTuesday, At(7, 57), {}).reminder.text,
              "下节课有课：数学");
    // After it, the search fails: nothing.
    EXPECT_TRUE(TickOnDate(cells, Settings(), kTuesday, At(8, 50), {}).ChangesNothing());
  }
  {  // a bad end above the next period: the search fails there and the reminder is skipped,
     // although the next start it had found is readable and three minutes away
    FakeCells cells(3, 7);
    cells.SetText(1, 1, "8:00-bad");
    cells.SetText(2, 1, "8:55-9:40");
    cells.SetText(2, kTuesdayColumn, "数学");
    cells.Settle();
    for (const RemindMode mode : {RemindMode::Popup, RemindMode::Balloon}) {
      const ClockTick tick = TickOnDate(cells, Settings(mode), kTuesday, At(8, 52), {});
      EXPECT_EQ(tick.reminder.kind, RemindMode::None);
      EXPECT_EQ(tick.state.NextPeriodRow, 2);
      EXPECT_FALSE(
          TickOnDate(cells, Settings(mode), kTuesday, At(8, 52, 17), {}).removeTrayIcon);
    }
  }
}

TEST(grid_clock_test, small_tables_and_stale_clock_values) {
  for (const auto& [rows, cols] :
       {std::pair{0, 0}, std::pair{0, 9}, std::pair{1, 1}, std::pair{1, 9}, std::pair{2, 1},
        std::pair{2, 9}, std::pair{9, 1}, std::pair{9, 2}}) {
    FakeCells cells(rows, cols);
    for (int r = 1; r < rows; ++r) cells.SetText(r, 1, "8:00-8:45");
    for (const ClockState start :
         {ClockState{}, ClockState{150, 1998, 1998}, ClockState{-3, -1, -1}}) {
      for (const year_month_day day : {kTuesday, kSunday}) {
        for (const std::int32_t now : {0, At(7, 57), At(8, 0), At(8, 50), kSecondsPerDay - 1}) {
          const ClockTick tick =
              TickOnDate(cells, Settings(RemindMode::Balloon, 0), day, now, start);
          for (const CellPaint& p : Paints(tick)) {
            EXPECT_TRUE(p.row >= 0 && p.row < rows && p.col >= 0 && p.col < cols)
                << rows << "x" << cols << " paints (" << p.row << ", " << p.col << ")";
          }
          EXPECT_EQ(tick.label.has_value(), rows > 0 && cols > 1) << rows << "x" << cols;
          EXPECT_EQ(tick.headerColour.has_value(), rows > 0 && cols > 0);
        }
      }
    }
  }
}

TEST(grid_clock_test, cell_codes_are_16_bit_and_may_collide) {
  EXPECT_EQ(CellCode(3, 3), 33);
  EXPECT_EQ(CellCode(199, 8), 1998);
  EXPECT_EQ(CellCode(1, 12), CellCode(2, 2));  // wider than 10 columns: shared codes
  EXPECT_EQ(CellCode(3276, 7), 32767);
  EXPECT_EQ(CellCode(3276, 8), -32768);  // wraps instead of overflowing
}

TEST(grid_clock_test, scheme_colours_come_from_the_table) {
  ColourTable table;
  ASSERT_TRUE(table.SetCustom(kColourBreak, 0x123456));
  const ColourScheme custom = SchemeColours(table, SchemeChoice::Custom);
  EXPECT_EQ(custom[kColourBreak - 1], 0x123456u);
  for (const SchemeChoice scheme :
       {SchemeChoice::First, SchemeChoice::Second, SchemeChoice::Custom})
    for (int n = 1; n <= kColoursPerScheme; ++n)
      EXPECT_EQ(SchemeColours(table, scheme)[static_cast<std::size_t>(n - 1)],
                table.Get(scheme, n));
}

}  // namespace
}  // namespace orvel::grid

// The classic edition's schedule clock: the decision on a matrix of cells, and ClassicProgram on
// the headless backend at chosen dates and times: today's column, the current row with today's
// cell, breaks over two whole rows, days without a column, and the reminders.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "classic/classic_clock.h"
#include "classic_fixture.h"
#include "desktop/frm_tips.h"
#include "platform/text_codec.h"
#include "timetable/colour_table.h"

namespace orvel::test {
namespace {

using namespace std::chrono;

constexpr year_month_day kSaturday{year{2009}, September, day{5}};
constexpr int kTuesdayColumn = 3;

// Scheme "方案1".
constexpr Colour kHeader = 0xFFC0FF, kBackground = 0xFFFFFF, kColumn = 0x00FFFF, kRow = 0x00FF00,
                 kFreeNow = 0xC0FFC0, kClassNow = 0xFFFF00, kBreak = 0xC0FFFF;

// Row 1 without a time span, periods in rows 2 and 3, a lunch row, a period in row 5.
Rows BreakTable() {
  return {
      {"节次", "上课时间", "星期一", "星期二", "星期三", "星期四", "星期五"},
      {"早读", "", "", "", "", "", ""},
      {"第一节", "8:00-8:45", "语文", "语文", "英语", "物理", "化学"},
      {"第二节", "8:55-9:40", "数学", "数学", "体育", "", "音乐"},
      {"午休", "", "", "", "", "", ""},
      {"第三节", "13:30-14:15", "美术", "", "语文", "数学", "班会"},
  };
}

// ---- The decision on plain cells ----

class FakeCells final : public clock::ClockCells {
 public:
  explicit FakeCells(test::Rows texts, Colour back = 0, Colour fore = 0)
      : texts_(std::move(texts)), fore_(fore) {
    for (const auto& row : texts_) back_.emplace_back(row.size(), back);
  }
  int Rows() const override { return static_cast<int>(texts_.size()); }
  int Cols() const override { return texts_.empty() ? 0 : static_cast<int>(texts_[0].size()); }
  std::string_view Text(int r, int c) const override { return texts_[Index(r)][Index(c)]; }
  Colour BackColour(int r, int c) const override { return back_[Index(r)][Index(c)]; }
  Colour ForeColour() const override { return fore_; }
  void SetBack(int r, int c, Colour colour) { back_[Index(r)][Index(c)] = colour; }

 private:
  static std::size_t Index(int i) { return static_cast<std::size_t>(i); }
  test::Rows texts_;
  std::vector<std::vector<Colour>> back_;
  Colour fore_;
};

// The clock's settings and the calendar area the day is decided in (0 "上海", 1 "其他").
struct AreaSettings : clock::ClockSettings {
  CalendarArea area;
};

// One tick of the classic clock on a date without a day list.
classic::ClassicClockTick ClassicTickOnDate(const clock::ClockCells& cells,
                                            const AreaSettings& settings, year_month_day date,
                                            std::int32_t now, classic::ClassicClockState state) {
  return classic::DecideClassicClockTick(
      cells, settings, clock::DayRules().Decide(date, settings.area), now, state);
}

AreaSettings Settings(RemindMode remindMode = RemindMode::None, int area = 1) {
  AreaSettings settings;
  settings.colours = clock::SchemeColours(ColourTable(), SchemeChoice::First);
  settings.remindMode = remindMode;
  settings.area = CalendarArea::AtListIndex(area);
  return settings;
}

Colour BackAt(const classic::ClassicClockTick& tick, int cols, int r, int c) {
  return tick.backColours.at(static_cast<std::size_t>(r * cols + c));
}

TEST(classic_clock_test, header_row_is_repainted_only_when_box_1_lost_its_colour) {
  FakeCells cells(BreakTable(), kBackground);
  cells.SetBack(0, 0, kHeader);
  cells.SetBack(0, 4, 0x123456);
  const auto kept = ClassicTickOnDate(cells, Settings(), kTuesday, At(7, 0), {});
  EXPECT_EQ(BackAt(kept, 7, 0, 4), 0x123456u);
  cells.SetBack(0, 0, kBackground);
  const auto painted = ClassicTickOnDate(cells, Settings(), kTuesday, At(7, 0), {});
  for (int c = 0; c < 7; ++c) EXPECT_EQ(BackAt(painted, 7, 0, c), kHeader) << c;
  // The text colour is judged by box 1's too: black already, then white.
  EXPECT_EQ(painted.foreColour, std::nullopt);
  FakeCells white(BreakTable(), kBackground, 0xFFFFFF);
  EXPECT_EQ(ClassicTickOnDate(white, Settings(), kTuesday, At(7, 0), {}).foreColour,
            std::optional<Colour>(0x000000));
}

TEST(classic_clock_test, a_time_text_that_is_not_a_time_ends_the_search_without_highlight) {
  Rows table = BreakTable();
  table[2][1] = "8点-8:45";
  FakeCells cells(table, kBackground);
  const auto tick = ClassicTickOnDate(cells, Settings(RemindMode::Popup), kTuesday, At(8, 57), {});
  // Only today's column; no current row, no reminder.
  EXPECT_EQ(BackAt(tick, 7, 3, 0), kBackground);
  EXPECT_EQ(BackAt(tick, 7, 3, kTuesdayColumn), kColumn);
  EXPECT_EQ(tick.reminder.kind, RemindMode::None);
}

TEST(classic_clock_test, the_next_period_row_is_the_only_value_kept_between_ticks) {
  FakeCells cells(BreakTable(), kBackground);
  classic::ClassicClockState state;
  state = ClassicTickOnDate(cells, Settings(), kTuesday, At(8, 50), state).state;
  EXPECT_EQ(state.NextPeriodRow, 3);
  // Saturday stops before the search: the value stays.
  state = ClassicTickOnDate(cells, Settings(), kSaturday, At(13, 0), state).state;
  EXPECT_EQ(state.NextPeriodRow, 3);
}

TEST(classic_clock_test, a_table_wider_than_ten_columns_paints_its_own_cells_only) {
  // Row × 10 + column codes would mix cells up here; the classic clock keeps none.
  Rows table(3, std::vector<std::string>(12));
  table[1][1] = "8:00-8:45";
  table[2][1] = "8:55-9:40";
  table[2][kTuesdayColumn] = "数学";
  FakeCells cells(table, kBackground);
  const auto tick = ClassicTickOnDate(cells, Settings(), kTuesday, At(9, 0), {});
  EXPECT_EQ(BackAt(tick, 12, 2, kTuesdayColumn), kClassNow);
  EXPECT_EQ(BackAt(tick, 12, 2, 11), kRow);
  EXPECT_EQ(BackAt(tick, 12, 1, kTuesdayColumn), kColumn);
  EXPECT_EQ(BackAt(tick, 12, 1, 11), kBackground);
}

// ---- The program ----

class ClassicClockTest : public ::testing::Test {
 protected:
  // Starts the program at `date` and `seconds` with the clock on; the first tick comes a second
  // later.
  void Start(year_month_day date, int seconds, const Rows& table = BreakTable()) {
    WriteTimetable(folder.path(), "Schedule.csv", table);
    settings.highlight = "1";
    WriteClassicSettings(folder.path(), settings);
    program.platform.SetNow(date, seconds);
    program.Start();
  }
  void Tick() { program.platform.Advance(1); }
  classic::FrmSchedule& window() { return program.window(); }
  Colour Back(int r, int c) { return CellBox(window(), r, c).BackColour(); }
  // Every cell's background, with the expected exceptions given by a function.
  template <class Expect>
  void ExpectColours(Expect expect) {
    const int rows = window().state().ScdRows, cols = window().state().ScdCols;
    for (int r = 0; r < rows; ++r)
      for (int c = 0; c < cols; ++c)
        EXPECT_EQ(Back(r, c), expect(r, c)) << "cell (" << r << ", " << c << ")";
  }
  std::vector<headless::TrayOp> TrayOps() { return program.platform.tray().Ops(); }

  ProgramFolder folder;
  SettingsFile settings;
  ClassicTestProgram program{folder.path()};
};

TEST_F(ClassicClockTest, a_period_in_row_3_on_tuesday_paints_the_row_the_column_and_the_cell) {
  Start(kTuesday, At(8, 59, 59));
  Tick();
  ExpectColours([](int r, int c) -> Colour {
    if (r == 0) return kHeader;
    if (r == 3) return c == kTuesdayColumn ? kClassNow : kRow;
    return c == kTuesdayColumn ? kColumn : kBackground;
  });
  // Week label in box 2 (area "上海"), every box in the text colour.
  EXPECT_EQ(CellBox(window(), 0, 1).Text(), "1/23(I)");
  for (int k = 1; k <= 42; ++k) EXPECT_EQ(window().Box(k)->ForeColour(), 0x000000u) << k;

  // Thursday's cell of the row is empty, but only today's cell tells class from free.
  EXPECT_EQ(Back(3, 5), kRow);
}

TEST_F(ClassicClockTest, an_empty_cell_today_takes_the_free_period_colour) {
  Start(kTuesday, At(13, 44, 59));  // row 5, Tuesday empty
  Tick();
  EXPECT_EQ(Back(5, kTuesdayColumn), kFreeNow);
  EXPECT_EQ(Back(5, 2), kRow);
  EXPECT_EQ(Back(3, kTuesdayColumn), kColumn);
}

TEST_F(ClassicClockTest, a_period_in_row_1_is_painted) {
  Rows table = BreakTable();
  table[1] = {"早读", "7:30-7:50", "读", "读", "读", "读", "读"};
  Start(kTuesday, At(7, 39, 59), table);
  Tick();
  ExpectColours([](int r, int c) -> Colour {
    if (r == 0) return kHeader;
    if (r == 1) return c == kTuesdayColumn ? kClassNow : kRow;
    return c == kTuesdayColumn ? kColumn : kBackground;
  });
}

TEST_F(ClassicClockTest, a_break_paints_the_two_whole_rows_around_it_over_the_column) {
  Start(kTuesday, At(8, 49, 59));
  Tick();
  ExpectColours([](int r, int c) -> Colour {
    if (r == 0) return kHeader;
    if (r == 2 || r == 3) return kBreak;
    return c == kTuesdayColumn ? kColumn : kBackground;
  });
  // The next period clears the break: every tick repaints the matrix from the background up.
  program.platform.SetNow(kTuesday, At(8, 59, 59));
  Tick();
  EXPECT_EQ(Back(2, 0), kBackground);
  EXPECT_EQ(Back(2, kTuesdayColumn), kColumn);
  EXPECT_EQ(Back(3, 0), kRow);
}

TEST_F(ClassicClockTest, column_colour_equal_to_background_makes_the_whole_row_today) {
  // Custom scheme: colour 3 (today's column) is the background's white.
  settings.scheme = "2";
  settings.customColours = "16761087,16777215,16777215,65280,12648384,16776960,12648447,0";
  Start(kTuesday, At(8, 59, 59));
  Tick();
  // Row 3 by each cell's own text: Thursday's is empty.
  for (int c = 0; c < 7; ++c) EXPECT_EQ(Back(3, c), c == 5 ? kFreeNow : kClassNow) << c;
  EXPECT_EQ(Back(2, kTuesdayColumn), kBackground);
  EXPECT_EQ(Back(0, 0), kHeader);
}

TEST_F(ClassicClockTest, saturday_resets_the_body_every_tick_and_paints_nothing_else) {
  settings.remind = "1";
  Start(kSaturday, At(8, 59, 59));
  // Colours left over from another day, and white cells from a switched-off clock.
  CellBox(window(), 2, 3).SetBackColour(kBreak);
  CellBox(window(), 4, 6).SetBackColour(kClassNow);
  window().PaintCellsWhite();
  CellBox(window(), 3, 4).SetBackColour(kRow);
  Tick();
  ExpectColours([](int r, int) -> Colour { return r == 0 ? kHeader : kBackground; });
  // No reminder either, three minutes before a period with subjects on weekdays.
  program.platform.SetNow(kSaturday, At(8, 51, 59));
  Tick();
  EXPECT_TRUE(program.platform.sound().Beeps().empty());
  EXPECT_EQ(program.platform.FindForm("frmTips"), nullptr);
  EXPECT_EQ(Back(2, 2), kBackground);
}

TEST_F(ClassicClockTest, popup_reminder_three_minutes_before_a_period_with_a_subject) {
  settings.remind = "1";
  Start(kTuesday, At(8, 51, 58));
  Tick();  // 8:51:59
  EXPECT_TRUE(program.platform.sound().Beeps().empty());
  Tick();  // 8:52:00
  const auto& beeps = program.platform.sound().Beeps();
  ASSERT_EQ(beeps.size(), 2u);
  EXPECT_EQ(beeps[0].frequency, 700);
  EXPECT_EQ(beeps[0].durationMs, 350);
  EXPECT_EQ(beeps[1].frequency, 550);
  EXPECT_EQ(beeps[1].durationMs, 350);
  auto* popup = dynamic_cast<desktop::FrmTips*>(program.platform.FindForm("frmTips"));
  ASSERT_NE(popup, nullptr);
  EXPECT_EQ(popup->tag, "下节课有课：数学");
  // The break is painted on the same tick.
  EXPECT_EQ(Back(2, 0), kBreak);
  Tick();  // 8:52:01
  EXPECT_EQ(program.platform.sound().Beeps().size(), 2u);
  // No icon in popup mode.
  EXPECT_EQ(program.platform.tray().IconCount(), 0u);
}

TEST_F(ClassicClockTest, balloon_icon_is_added_180_s_and_removed_163_s_before_the_period) {
  settings.remind = "2";
  Start(kTuesday, At(8, 51, 59));
  EXPECT_EQ(program.platform.tray().IconCount(), 0u);
  Tick();  // 8:52:00, 180 s before 8:55
  const auto ops = TrayOps();
  ASSERT_EQ(ops.size(), 2u);
  EXPECT_EQ(ops[0].kind, headless::TrayOpKind::Add);
  EXPECT_TRUE(ops[0].ok);
  EXPECT_EQ(ops[0].record.tipAnsi, Utf8ToAnsi("课程表"));
  EXPECT_EQ(ops[0].record.callbackMessage, 512u);
  EXPECT_EQ(ops[1].kind, headless::TrayOpKind::Modify);
  EXPECT_EQ(ops[1].record.balloonTextAnsi, Utf8ToAnsi("数学"));
  EXPECT_EQ(ops[1].record.balloonTitleAnsi, Utf8ToAnsi("下节课有课："));
  EXPECT_EQ(ops[1].record.balloonIcon, ui::BalloonIcon::Info);
  EXPECT_NE(program.platform.tray().Icon(window()), nullptr);
  // The classic icon hooks nothing: clicks on it do nothing.
  EXPECT_TRUE(program.platform.windows().HookChain(window()).empty());
  EXPECT_TRUE(program.platform.sound().Beeps().empty());

  program.platform.Advance(16);  // 8:52:16
  EXPECT_NE(program.platform.tray().Icon(window()), nullptr);
  Tick();  // 8:52:17, 163 s before
  EXPECT_EQ(program.platform.tray().Icon(window()), nullptr);
  ASSERT_EQ(TrayOps().size(), 3u);
  EXPECT_EQ(TrayOps()[2].kind, headless::TrayOpKind::Delete);
}

TEST_F(ClassicClockTest, highlighting_off_runs_no_tick) {
  WriteTimetable(folder.path(), "Schedule.csv", BreakTable());
  WriteClassicSettings(folder.path(), settings);
  program.platform.SetNow(kTuesday, At(8, 59, 59));
  program.Start();
  program.platform.Advance(3);
  EXPECT_EQ(Back(3, kTuesdayColumn), 0xFFFFFFu);
  EXPECT_EQ(Back(0, 0), 0xFFFFFFu);
  EXPECT_EQ(CellBox(window(), 0, 1).Text(), "上课时间");
}

}  // namespace
}  // namespace orvel::test

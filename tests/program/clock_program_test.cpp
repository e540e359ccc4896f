// The schedule clock of the grid edition run whole: GridProgram on the headless backend with the
// clock switched on in the settings file, at chosen dates and times. Week labels, highlighting
// of the current period and the breaks, and the reminders by popup and balloon.
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "desktop/frm_tips.h"
#include "app/grid_program.h"
#include "platform/headless/headless_peers.h"
#include "platform/text_codec.h"
#include "program_fixture.h"
#include "timetable/colour_table.h"

namespace orvel::test {
namespace {

using namespace std::chrono;

constexpr int kTuesdayColumn = 3;

// Row 1 without a time span, periods in rows 2 and 3, a lunch row, a period in row 5.
Rows BreakTable() {
  return {
      {"节次", "上课时间", "星期一", "星期二", "星期三", "星期四", "星期五"},
      {"早读", "", "", "", "", "", ""},
      {"第一节", "8:00-8:45", "语文", "语文", "英语", "物理", "化学"},
      {"第二节", "8:55-9:40", "数学", "数学", "体育", "英语", "音乐"},
      {"午休", "", "", "", "", "", ""},
      {"第三节", "13:30-14:15", "美术", "", "语文", "数学", "班会"},
  };
}

class ClockProgramTest : public ::testing::Test {
 protected:
  // Starts the program at `date` and `seconds` with the clock on; the first tick comes a
  // second later.
  void Start(year_month_day date, int seconds, const Rows& table = BreakTable()) {
    WriteTimetable(folder.path(), "Schedule.csv", table);
    settings.highlight = "1";
    settings.Write(folder.path());
    platform.SetNow(date, seconds);
    program = std::make_unique<app::GridProgram>(platform);
    program->Start();
  }
  ui::Grid& grid() { return program->window().MSFlexGrid1; }
  ui::Colour Colour(int number) const {
    const ProgramState& state = program->state();
    return state.colours.Get(state.values.scheme, number);
  }
  ui::Colour Back(int row, int col) { return grid().CellBackColour(row, col); }
  std::size_t Beeps() { return platform.sound().Beeps().size(); }
  desktop::FrmTips* Popup() {
    return dynamic_cast<desktop::FrmTips*>(platform.FindForm("frmTips"));
  }
  // Balloon and removal operations on the icon, in order.
  std::vector<headless::TrayOp> TrayOps(headless::TrayOpKind kind) {
    std::vector<headless::TrayOp> ops;
    for (const headless::TrayOp& op : platform.tray().Ops())
      if (op.kind == kind) ops.push_back(op);
    return ops;
  }

  using ProgramState = program::ProgramState;
  ProgramFolder folder;
  SettingsFile settings;
  headless::HeadlessPlatform platform{folder.path()};
  std::unique_ptr<app::GridProgram> program;
};

TEST_F(ClockProgramTest, week_label_for_shanghai_and_time_for_other_areas) {
  struct Case {
    year_month_day date;
    std::string area;
    std::string label;
  };
  const Case cases[] = {
      {kTuesday, "0", "1/23(I)"},
      {year{2009} / September / 6, "0", "2/23(I)"},  // a Sunday starts week 2
      {year{2010} / February / 10, "0", "寒假"},
      {year{2010} / June / 30, "0", "18/18(II)"},
      {year{2010} / August / 15, "0", "暑假"},
      {kTuesday, "1", "时间"},
  };
  for (const Case& c : cases) {
    ProgramFolder own;
    WriteTimetable(own.path(), "Schedule.csv", BreakTable());
    SettingsFile file;
    file.highlight = "1";
    file.area = c.area;
    file.Write(own.path());
    headless::HeadlessPlatform p(own.path());
    p.SetNow(c.date, At(10, 0));
    app::GridProgram prog(p);
    prog.Start();
    // Only the clock writes the label: the file's header stays until the first tick.
    EXPECT_EQ(prog.window().MSFlexGrid1.TextMatrix(0, 1), "上课时间");
    p.Advance(1);
    EXPECT_EQ(prog.window().MSFlexGrid1.TextMatrix(0, 1), c.label) << c.area;
    // A label written by hand is put back at the next tick.
    prog.window().MSFlexGrid1.SetTextMatrix(0, 1, "x");
    p.Advance(1);
    EXPECT_EQ(prog.window().MSFlexGrid1.TextMatrix(0, 1), c.label) << c.area;
  }
}

TEST_F(ClockProgramTest, clock_switched_off_writes_and_paints_nothing) {
  settings.remind = "1";
  WriteTimetable(folder.path(), "Schedule.csv", BreakTable());
  settings.Write(folder.path());  // highlight "0"
  platform.SetNow(kTuesday, At(8, 51, 55));
  program = std::make_unique<app::GridProgram>(platform);
  program->Start();
  const ui::Colour before = Back(3, kTuesdayColumn);
  platform.Advance(10);
  EXPECT_EQ(grid().TextMatrix(0, 1), "上课时间");
  EXPECT_EQ(Back(3, kTuesdayColumn), before);
  EXPECT_EQ(Beeps(), 0u);
  EXPECT_EQ(Popup(), nullptr);
}

TEST_F(ClockProgramTest, header_row_and_text_colour_follow_the_scheme) {
  settings.scheme = "1";  // "方案2", so that a clock stuck on the first scheme shows
  Start(kTuesday, At(10, 0));
  platform.Advance(1);
  ASSERT_EQ(program->state().values.scheme, SchemeChoice::Second);
  EXPECT_NE(Colour(kColourHeader), ColourTable().Get(SchemeChoice::First, kColourHeader));
  for (int c = 0; c < grid().Cols(); ++c) EXPECT_EQ(Back(0, c), Colour(kColourHeader)) << c;
  EXPECT_EQ(grid().ForeColour(), Colour(kColourText));
}

TEST_F(ClockProgramTest, break_paints_two_cells_and_a_new_period_resets_the_body) {
  settings.scheme = "1";
  Start(kTuesday, At(8, 44, 58));
  platform.Advance(1);  // 8:44:59: the first period is current
  EXPECT_EQ(Back(2, kTuesdayColumn), Colour(kColourCurrentClass));
  EXPECT_EQ(Back(3, kTuesdayColumn), Colour(kColourBackground));

  platform.Advance(1);  // 8:45:00: the break before row 3
  EXPECT_EQ(Back(2, kTuesdayColumn), Colour(kColourBreak));
  EXPECT_EQ(Back(3, kTuesdayColumn), Colour(kColourBreak));
  // Nothing else of the body is touched, the other days' cells included.
  EXPECT_EQ(Back(2, kTuesdayColumn - 1), Colour(kColourBackground));
  EXPECT_EQ(Back(4, kTuesdayColumn), Colour(kColourBackground));

  // Within the break the ticks leave the grid's cells alone.
  const auto* peer = platform.PeerOf(grid());
  ASSERT_TRUE(peer);
  const int cellChanges = peer->Changes(ui::Property::Cells);
  platform.Advance(60);
  EXPECT_EQ(peer->Changes(ui::Property::Cells), cellChanges);

  // A colour set by hand in the body survives until the period changes.
  grid().SetCellBackColour(5, 2, 0x123456);
  platform.Advance(1);
  EXPECT_EQ(Back(5, 2), 0x123456u);
  platform.SetNow(kTuesday, At(8, 54, 59));
  platform.Advance(1);  // 8:55:00
  EXPECT_EQ(Back(3, kTuesdayColumn), Colour(kColourCurrentClass));
  EXPECT_EQ(Back(2, kTuesdayColumn), Colour(kColourBackground));
  EXPECT_EQ(Back(5, 2), Colour(kColourBackground));
}

TEST_F(ClockProgramTest, empty_cell_takes_the_free_period_colour_and_weekends_paint_nothing) {
  Start(kTuesday, At(13, 29, 59));
  platform.Advance(1);  // 13:30:00, Tuesday's cell of row 5 is empty
  EXPECT_EQ(Back(5, kTuesdayColumn), Colour(kColourCurrentNoClass));

  // Saturday in a table of five days: no painting, no reminder.
  ProgramFolder own;
  WriteTimetable(own.path(), "Schedule.csv", BreakTable());
  SettingsFile file;
  file.highlight = "1";
  file.remind = "1";
  file.Write(own.path());
  headless::HeadlessPlatform p(own.path());
  p.SetNow(year{2009} / September / 5, At(8, 51, 58));
  app::GridProgram prog(p);
  prog.Start();
  p.Advance(4);  // 8:52:02
  for (int r = 1; r < prog.window().MSFlexGrid1.Rows(); ++r)
    for (int c = 0; c < prog.window().MSFlexGrid1.Cols(); ++c)
      EXPECT_EQ(prog.window().MSFlexGrid1.CellBackColour(r, c),
                ColourTable().Get(SchemeChoice::First, kColourBackground))
          << r << "," << c;
  EXPECT_TRUE(p.sound().Beeps().empty());
  EXPECT_EQ(p.FindForm("frmTips"), nullptr);
}

TEST_F(ClockProgramTest, popup_reminder_three_minutes_before_a_period_with_a_subject) {
  settings.remind = "1";
  Start(kTuesday, At(8, 51, 57));
  platform.Advance(2);  // 8:51:59
  EXPECT_EQ(Beeps(), 0u);
  EXPECT_EQ(Popup(), nullptr);

  platform.Advance(1);  // 8:52:00
  const auto& beeps = platform.sound().Beeps();
  ASSERT_EQ(beeps.size(), 2u);
  EXPECT_EQ(beeps[0].frequency, 700);
  EXPECT_EQ(beeps[0].durationMs, 350);
  EXPECT_EQ(beeps[1].frequency, 550);
  EXPECT_EQ(beeps[1].durationMs, 350);
  desktop::FrmTips* popup = Popup();
  ASSERT_NE(popup, nullptr);
  EXPECT_TRUE(popup->Visible());
  EXPECT_EQ(popup->tag, "下节课有课：数学");
  EXPECT_EQ(popup->LblTips.Caption(), "下节课有课：数学");
  EXPECT_TRUE(platform.windows().IsTopmost(*popup));
  EXPECT_LT(platform.windows().StackIndex(*popup),
            platform.windows().StackIndex(program->window()));
  // The break is painted in the same tick, and no balloon comes in this mode.
  EXPECT_EQ(Back(3, kTuesdayColumn), Colour(kColourBreak));
  EXPECT_TRUE(TrayOps(headless::TrayOpKind::Modify).empty());

  platform.Advance(1);  // 8:52:01
  EXPECT_EQ(Beeps(), 2u);
  EXPECT_EQ(Popup(), popup);
}

TEST_F(ClockProgramTest, no_reminder_for_an_empty_cell_or_with_reminders_off) {
  settings.remind = "1";
  Rows table = BreakTable();
  table[3][kTuesdayColumn] = "";
  Start(kTuesday, At(8, 51, 58), table);
  platform.Advance(4);
  EXPECT_EQ(Beeps(), 0u);
  EXPECT_EQ(Popup(), nullptr);

  ProgramFolder own;
  WriteTimetable(own.path(), "Schedule.csv", BreakTable());
  SettingsFile file;
  file.highlight = "1";
  file.remind = "0";
  file.Write(own.path());
  headless::HeadlessPlatform p(own.path());
  p.SetNow(kTuesday, At(8, 51, 58));
  app::GridProgram prog(p);
  prog.Start();
  p.Advance(20);
  EXPECT_TRUE(p.sound().Beeps().empty());
  EXPECT_EQ(p.FindForm("frmTips"), nullptr);
  EXPECT_EQ(p.tray().Ops().size(), 1u);  // the icon added at start-up, nothing else
}

TEST_F(ClockProgramTest, reminder_for_the_first_period_of_the_day) {
  settings.remind = "1";
  Start(kTuesday, At(7, 56, 58));
  platform.Advance(1);
  EXPECT_EQ(Beeps(), 0u);
  platform.Advance(1);  // 7:57:00, three minutes before 8:00
  EXPECT_EQ(Beeps(), 2u);
  ASSERT_NE(Popup(), nullptr);
  EXPECT_EQ(Popup()->tag, "下节课有课：语文");
}

TEST_F(ClockProgramTest, balloon_reminder_then_the_icon_goes_163_seconds_before) {
  settings.remind = "2";
  Start(kTuesday, At(8, 51, 58));
  platform.Advance(1);  // 8:51:59
  EXPECT_TRUE(TrayOps(headless::TrayOpKind::Modify).empty());

  platform.Advance(1);  // 8:52:00
  auto balloons = TrayOps(headless::TrayOpKind::Modify);
  ASSERT_EQ(balloons.size(), 1u);
  EXPECT_EQ(balloons[0].form, &program->window());
  EXPECT_EQ(balloons[0].record.balloonTextAnsi, Utf8ToAnsi("数学"));
  EXPECT_EQ(balloons[0].record.balloonTitleAnsi, Utf8ToAnsi("下节课有课："));
  EXPECT_EQ(balloons[0].record.balloonIcon, ui::BalloonIcon::Info);
  EXPECT_TRUE(balloons[0].ok);
  EXPECT_EQ(Beeps(), 0u);
  EXPECT_EQ(Popup(), nullptr);

  platform.Advance(16);  // 8:52:16
  EXPECT_TRUE(TrayOps(headless::TrayOpKind::Delete).empty());
  EXPECT_NE(platform.tray().Icon(program->window()), nullptr);
  platform.Advance(1);  // 8:52:17 = 8:55:00 − 163 s
  const auto removals = TrayOps(headless::TrayOpKind::Delete);
  ASSERT_EQ(removals.size(), 1u);
  EXPECT_TRUE(removals[0].ok);
  EXPECT_EQ(platform.tray().Icon(program->window()), nullptr);

  // The icon stays away; later ticks add no balloon of their own for this period.
  platform.Advance(30);
  EXPECT_EQ(TrayOps(headless::TrayOpKind::Modify).size(), 1u);
  EXPECT_EQ(TrayOps(headless::TrayOpKind::Add).size(), 1u);
}

}  // namespace
}  // namespace orvel::test

// Both editions following the school's real days from days.csv and the built-in national days:
// a holiday is quiet, a make-up day reminds the lessons of the weekday it follows, a swapped
// lesson reminds its replacement and shows it without ever reaching the saved timetable, and an
// "A/B" cell reminds A in odd weeks and B in even ones.
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>

#include "platform/file_io.h"

#include "app/grid_program.h"
#include "classic_fixture.h"
#include "desktop/frm_tips.h"
#include "panel/frm_control.h"
#include "panel/frm_days.h"
#include "platform/headless/user_actions.h"
#include "platform/text_codec.h"
#include "program_fixture.h"

namespace orvel::test {
namespace {

using namespace std::chrono;

std::string ReadAnsiBytes(const std::filesystem::path& file) {
  return ReadWholeFile(file, 1 << 20).bytes;
}

// Periods from 8:00; Tuesday's first lesson is 语文, Thursday's 物理, Saturday has none.
Rows DaysTable() {
  return {
      {"节次", "时间", "星期一", "星期二", "星期三", "星期四", "星期五", "星期六"},
      {"第一节", "8:00-8:45", "数学", "语文", "英语", "物理", "化学", ""},
      {"第二节", "8:55-9:40", "英语", "数学/物理", "体育", "英语", "音乐", ""},
  };
}

class SchoolDaysTest : public ::testing::Test {
 protected:
  // The grid edition at 7:56:59 of `date`, popup reminders on; the reminder for 8:00 comes
  // at the first tick.
  void Start(year_month_day date, std::string_view days, std::string area = "1", int now = 0,
             std::string highlight = "1") {
    WriteTimetable(folder.path(), "Schedule.csv", DaysTable());
    if (!days.empty()) WriteAnsiFile(folder.path() / "days.csv", days);
    SettingsFile settings;
    settings.highlight = highlight;
    settings.remind = "1";
    settings.area = area;
    settings.Write(folder.path());
    platform.SetNow(date, now ? now : At(7, 57) - 1);
    program = std::make_unique<app::GridProgram>(platform);
    program->Start();
  }
  // The popup's text after the next tick; empty when no popup came.
  std::string ReminderAfterTick() {
    platform.Advance(1);
    const auto* popup = dynamic_cast<desktop::FrmTips*>(platform.FindForm("frmTips"));
    return popup && popup->Loaded() ? popup->tag : std::string();
  }
  ui::Grid& grid() { return program->window().MSFlexGrid1; }

  ProgramFolder folder;
  headless::HeadlessPlatform platform{folder.path()};
  std::unique_ptr<app::GridProgram> program;
};

TEST_F(SchoolDaysTest, a_holiday_neither_reminds_nor_highlights_and_names_itself) {
  Start(2026y / October / 1, "");  // National Day, a Thursday
  EXPECT_EQ(ReminderAfterTick(), "");
  EXPECT_TRUE(platform.sound().Beeps().empty());
  platform.Advance(15 * 60);  // into the first period
  for (int r = 1; r < grid().Rows(); ++r)
    for (int c = 0; c < grid().Cols(); ++c)
      EXPECT_EQ(grid().CellBackColour(r, c), program->state().colours.Get(SchemeChoice::First, kColourBackground));
  EXPECT_EQ(grid().TextMatrix(0, 1), "国庆节");
}

TEST_F(SchoolDaysTest, a_make_up_day_reminds_the_lessons_of_the_weekday_it_follows) {
  // Saturday: without a line the built-in make-up day keeps its own, empty column and says so.
  Start(2026y / October / 10, "");
  EXPECT_EQ(ReminderAfterTick(), "");
  ASSERT_FALSE(platform.tray().Ops().empty());
  EXPECT_EQ(AnsiToUtf8(platform.tray().Ops().back().record.balloonTextAnsi),
            "今天补班，请在右键菜单“调课与放假”中选择按星期几上课");
  EXPECT_EQ(grid().TextMatrix(0, 1), "补班");

  ProgramFolder other;
  WriteTimetable(other.path(), "Schedule.csv", DaysTable());
  WriteAnsiFile(other.path() / "days.csv", "2026-10-10,补班,星期二\r\n");
  SettingsFile settings;
  settings.highlight = "1";
  settings.remind = "1";
  settings.area = "1";
  settings.fold = "1";
  settings.Write(other.path());
  headless::HeadlessPlatform p(other.path());
  p.SetNow(2026y / October / 10, At(7, 57) - 1);
  app::GridProgram tuesday(p);
  tuesday.Start();
  p.Advance(1);
  const auto* popup = dynamic_cast<desktop::FrmTips*>(p.FindForm("frmTips"));
  ASSERT_TRUE(popup);
  EXPECT_EQ(popup->tag, "下节课有课：语文");
  // Folded to the column the day follows.
  for (int c = 0; c < 8; ++c)
    EXPECT_EQ(tuesday.window().MSFlexGrid1.ColWidth(c) > 0, c < 2 || c == 3) << c;
}

TEST_F(SchoolDaysTest, odd_weeks_remind_the_first_half_and_even_weeks_the_second) {
  // "上海" weeks: 1 September 2009 is week 1, 8 September week 2; Tuesday's second period.
  Start(2009y / September / 1, "", "0", At(8, 52) - 1);
  EXPECT_EQ(ReminderAfterTick(), "下节课有课：数学");
  platform.SetNow(2009y / September / 8, At(8, 52) - 1);
  EXPECT_EQ(ReminderAfterTick(), "下节课有课：物理");
  // The grid shows the whole cell: it is the timetable.
  EXPECT_EQ(grid().DisplayText(2, 3), "数学/物理");
}

TEST_F(SchoolDaysTest, with_highlighting_off_a_day_list_changed_meanwhile_counts_from_the_next_date) {
  Start(2026y / November / 4, "", "1", At(23, 59, 58), "0");
  EXPECT_EQ(grid().DisplayText(1, 5), "物理");
  WriteAnsiFile(folder.path() / "days.csv", "2026-11-05,调课,第一节,体育\r\n");
  platform.Advance(1);
  EXPECT_EQ(grid().DisplayText(1, 5), "物理");  // still Wednesday
  platform.Advance(2);
  EXPECT_EQ(grid().DisplayText(1, 5), "→体育");
}

TEST_F(SchoolDaysTest, a_swapped_lesson_reminds_its_replacement_and_is_never_saved) {
  const char* days = "2026-11-05,调课,第一节,体育\r\n";
  Start(2026y / November / 5, days);  // a Thursday
  EXPECT_EQ(ReminderAfterTick(), "下节课有课：体育");
  EXPECT_EQ(grid().DisplayText(1, 5), "→体育");
  EXPECT_EQ(grid().TextMatrix(1, 5), "物理");
  const std::string before = ReadAnsiBytes(folder.path() / "scd" / "Schedule.csv");
  program->window().UserDblClick();
  auto* panel = dynamic_cast<panel::FrmControl*>(platform.FindForm("FrmControl"));
  ASSERT_TRUE(panel);
  panel->CmdSaveFile.UserClick();
  EXPECT_EQ(ReadAnsiBytes(folder.path() / "scd" / "Schedule.csv"), before);

  // The classic edition shows it in its box, read-only, and saves the box's own text too.
  ProgramFolder classicFolder;
  WriteTimetable(classicFolder.path(), "Schedule.csv", DaysTable());
  WriteAnsiFile(classicFolder.path() / "days.csv", days);
  SettingsFile settings;
  settings.highlight = "1";
  settings.remind = "1";
  settings.area = "1";
  WriteClassicSettings(classicFolder.path(), settings);
  ClassicTestProgram classic(classicFolder.path());
  classic.platform.SetNow(2026y / November / 5, At(7, 57) - 1);
  classic.Start();
  classic.platform.Advance(1);
  const auto* popup = dynamic_cast<desktop::FrmTips*>(classic.platform.FindForm("frmTips"));
  ASSERT_TRUE(popup);
  EXPECT_EQ(popup->tag, "下节课有课：体育");
  ui::TextBox& box = CellBox(classic.window(), 1, 5);
  EXPECT_EQ(box.Text(), "→体育");
  EXPECT_FALSE(headless::TypeInto(classic.platform, box, "x") && box.Text() == "x");
  const std::string classicBefore =
      ReadAnsiBytes(classicFolder.path() / "scd" / "Schedule.csv");
  classic.window().UserDblClick();
  auto* classicPanel =
      dynamic_cast<panel::FrmControl*>(classic.platform.FindForm("FrmControl"));
  ASSERT_TRUE(classicPanel);
  classicPanel->CmdSaveFile.UserClick();
  EXPECT_EQ(ReadAnsiBytes(classicFolder.path() / "scd" / "Schedule.csv"), classicBefore);
}

TEST_F(SchoolDaysTest, rules_added_in_the_window_apply_at_once_and_keep_the_lines_it_cannot_read) {
  const std::string bad = "2026-11-0x,放假";
  Start(2026y / November / 5, bad + "\r\n2026-11-06,放假,运动会\r\n");
  // The bad line is named once, in a balloon; the good one applies.
  ASSERT_FALSE(platform.tray().Ops().empty());
  EXPECT_EQ(AnsiToUtf8(platform.tray().Ops().back().record.balloonTextAnsi),
            "days.csv 第 1 行无法识别，已跳过；其余各行照常生效。");
  EXPECT_FALSE(program->state().days.On(2026y / November / 6, CalendarArea::AtListIndex(1)).lessons);

  platform.dialogs().QueueMenuChoice(3);
  ASSERT_TRUE(headless::RightClickCell(platform, grid(), 1, 2));
  auto* days = dynamic_cast<panel::FrmDays*>(platform.FindForm("FrmDays"));
  ASSERT_TRUE(days);
  EXPECT_EQ(days->LstDays.Items(), (std::vector<std::string>{"2026-11-06 星期五  放假 运动会"}));

  days->CmbKind.UserChoose(2);  // 调课
  ASSERT_TRUE(headless::TypeInto(platform, days->TxtValue1, "第一节"));
  ASSERT_TRUE(headless::TypeInto(platform, days->TxtValue2, "体育"));
  days->CmdAdd.UserClick();
  EXPECT_EQ(ReadAnsiBytes(folder.path() / "days.csv"),
            *Utf8ToAnsiExact(bad + "\r\n2026-11-06,放假,运动会\r\n2026-11-05,调课,第一节,体育\r\n"));
  EXPECT_EQ(grid().DisplayText(1, 5), "→体育");
  EXPECT_EQ(ReminderAfterTick(), "下节课有课：体育");

  // Deleting the holiday leaves the bad line and the swap.
  days->LstDays.UserChoose(1);
  days->CmdDelete.UserClick();
  EXPECT_EQ(ReadAnsiBytes(folder.path() / "days.csv"),
            *Utf8ToAnsiExact(bad + "\r\n2026-11-05,调课,第一节,体育\r\n"));
  EXPECT_TRUE(program->state().days.On(2026y / November / 6, CalendarArea::AtListIndex(1)).lessons);
}

}  // namespace
}  // namespace orvel::test

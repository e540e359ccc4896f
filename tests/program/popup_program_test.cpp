// The reminder popup as the grid edition's clock raises it: placed against the real schedule
// window, one popup at a time, closing after 15 s or on a click.
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>

#include "desktop/frm_tips.h"
#include "app/grid_program.h"
#include "program_fixture.h"

namespace orvel::test {
namespace {

using namespace std::chrono;

Rows TwoPeriods() {
  return {
      {"节次", "时间", "星期一", "星期二", "星期三", "星期四", "星期五"},
      {"第一节", "8:00-8:45", "语文", "语文", "英语", "物理", "化学"},
      {"第二节", "8:55-9:40", "数学", "数学", "体育", "英语", "音乐"},
      {"第三节", "9:50-10:35", "体育", "英语", "数学", "语文", "美术"},
  };
}

class PopupProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteTimetable(folder.path(), "Schedule.csv", TwoPeriods());
    SettingsFile settings;
    settings.left = "1500";
    settings.top = "6000";
    settings.highlight = "1";
    settings.remind = "1";
    settings.Write(folder.path());
    // The first tick comes at 8:52:00, three minutes before the second period.
    platform.SetNow(kTuesday, At(8, 51, 59));
    program = std::make_unique<app::GridProgram>(platform);
    program->Start();
  }
  desktop::FrmTips* Popup() {
    return dynamic_cast<desktop::FrmTips*>(platform.FindForm("frmTips"));
  }
  const ui::Form& Schedule() { return program->window(); }

  ProgramFolder folder;
  headless::HeadlessPlatform platform{folder.path()};
  std::unique_ptr<app::GridProgram> program;
};

TEST_F(PopupProgramTest, slides_from_below_the_schedule_window_to_just_above_it) {
  ASSERT_EQ(Schedule().Top(), 6000);
  ASSERT_GT(Schedule().Height(), 0);
  platform.Advance(1);
  desktop::FrmTips* popup = Popup();
  ASSERT_NE(popup, nullptr);
  EXPECT_EQ(popup->Left(), Schedule().Left());
  EXPECT_EQ(popup->Width(), Schedule().Width());
  EXPECT_EQ(popup->LblTips.Width(), Schedule().Width() - 250);
  const double start = Schedule().Top() + Schedule().Height();
  EXPECT_EQ(popup->Top(), start);

  int steps = 0;
  while (popup->TimerMove.Enabled() && steps < 1000) {
    platform.AdvanceMs(10);
    ++steps;
  }
  const double rest = Schedule().Top() - popup->Height() + 15;
  EXPECT_EQ(popup->Top(), start - 80.0 * steps);
  EXPECT_LE(popup->Top(), rest);
  EXPECT_GT(popup->Top() + 80, rest);  // the first step at or above the resting place
  EXPECT_EQ(popup->Left(), Schedule().Left());
}

TEST_F(PopupProgramTest, closes_itself_15_seconds_after_the_reminder) {
  platform.Advance(1);  // 8:52:00
  ASSERT_NE(Popup(), nullptr);
  platform.AdvanceMs(14900);
  EXPECT_NE(Popup(), nullptr);
  platform.AdvanceMs(100);
  EXPECT_EQ(Popup(), nullptr);
  // The clock goes on, and no further reminder comes for this period.
  platform.Advance(60);
  EXPECT_EQ(Popup(), nullptr);
  EXPECT_EQ(platform.sound().Beeps().size(), 2u);
}

TEST_F(PopupProgramTest, a_click_closes_it) {
  platform.Advance(1);
  ASSERT_NE(Popup(), nullptr);
  platform.AdvanceMs(300);
  Popup()->LblTips.UserClick();
  EXPECT_EQ(Popup(), nullptr);
  platform.Advance(2);
  EXPECT_EQ(Popup(), nullptr);
}

TEST_F(PopupProgramTest, a_reminder_while_open_changes_the_text_and_keeps_the_15_seconds) {
  platform.Advance(1);  // 8:52:00: 数学
  desktop::FrmTips* popup = Popup();
  ASSERT_NE(popup, nullptr);
  platform.Advance(5);
  // The user sets the clock to just before the next reminder while the popup is open.
  platform.SetNow(kTuesday, At(9, 46, 59));
  platform.Advance(1);  // 9:47:00: 英语, three minutes before 9:50
  EXPECT_EQ(platform.sound().Beeps().size(), 4u);
  ASSERT_EQ(Popup(), popup);  // the same window, still the only one
  EXPECT_EQ(popup->LblTips.Caption(), "下节课有课：英语");
  int popups = 0;
  for (ui::Form* form : platform.LoadedForms()) popups += form->name() == "frmTips";
  EXPECT_EQ(popups, 1);
  // Closes 15 s after it opened, not 15 s after the second reminder.
  platform.AdvanceMs(8900);
  EXPECT_EQ(Popup(), popup);
  platform.AdvanceMs(100);
  EXPECT_EQ(Popup(), nullptr);
}

TEST_F(PopupProgramTest, the_next_reminder_after_a_close_opens_a_fresh_popup) {
  platform.Advance(1);
  ASSERT_NE(Popup(), nullptr);
  Popup()->UserClick();
  ASSERT_EQ(Popup(), nullptr);
  platform.SetNow(kTuesday, At(9, 46, 59));
  platform.Advance(1);
  desktop::FrmTips* popup = Popup();
  ASSERT_NE(popup, nullptr);
  EXPECT_EQ(popup->LblTips.Caption(), "下节课有课：英语");
  EXPECT_EQ(popup->Top(), Schedule().Top() + Schedule().Height());
  EXPECT_EQ(popup->ShownMs(), 0);
  platform.AdvanceMs(15000);
  EXPECT_EQ(Popup(), nullptr);
}

}  // namespace
}  // namespace orvel::test

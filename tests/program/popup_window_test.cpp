// The reminder popup frmTips on the headless backend, against a stand-in schedule window: its
// design, the place it opens at, the slide, the 15-second life on the steady clock and the
// clicks that close it.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "desktop/frm_tips.h"
#include "program_fixture.h"

namespace orvel::test {
namespace {

using namespace std::chrono;

constexpr year_month_day kDay{year{2009}, September, day{1}};

class PopupWindowTest : public ::testing::Test {
 protected:
  PopupWindowTest() {
    schedule.Move(1200, 6000, 4500, 3000);
    schedule.Show();
  }
  // The slide: every 10 ms tick until the move timer stops, with the tops it passed through.
  std::vector<double> Slide() {
    std::vector<double> tops;
    while (popup.TimerMove.Enabled() && tops.size() < 1000) {
      platform.AdvanceMs(10);
      tops.push_back(popup.Top());
    }
    return tops;
  }

  ProgramFolder folder;
  headless::HeadlessPlatform platform{folder.path()};
  ui::Form schedule{platform, "FrmSchedule", ui::FormStyle::Borderless};
  desktop::FrontKeeper keeper{platform};
  desktop::FrmTips popup{platform, schedule, keeper};
};

TEST_F(PopupWindowTest, is_built_as_designed) {
  EXPECT_EQ(popup.name(), "frmTips");
  EXPECT_EQ(popup.Caption(), "提醒");
  EXPECT_EQ(popup.style(), ui::FormStyle::Borderless);
  EXPECT_EQ(popup.BackColour(), 0xC000C0u);
  EXPECT_EQ(popup.ClientWidth(), 1860);
  EXPECT_EQ(popup.ClientHeight(), 525);
  EXPECT_EQ(popup.Height(), 525);
  EXPECT_EQ(popup.LblTips.bounds(), (ui::Bounds{120, 75, 1575, 375}));
  EXPECT_EQ(popup.LblTips.BackColour(), 0xC0FFFFu);
  EXPECT_EQ(popup.LblTips.ForeColour(), 0x0000FFu);
  EXPECT_EQ(popup.LblTips.font().name, "楷体_GB2312");
  EXPECT_EQ(popup.LblTips.font().size, 12.0f);
  EXPECT_FALSE(popup.LblTips.font().bold);
  EXPECT_EQ(popup.LblTips.Caption(), "");
  EXPECT_EQ(popup.TimerStop.Interval(), 100);
  EXPECT_TRUE(popup.TimerStop.Enabled());
  EXPECT_EQ(popup.TimerMove.Interval(), 10);
  EXPECT_FALSE(popup.TimerMove.Enabled());
  EXPECT_FALSE(popup.Loaded());
}

TEST_F(PopupWindowTest, opens_below_the_schedule_window_topmost_with_its_text) {
  popup.ShowText("下节课有课：数学");
  ASSERT_TRUE(popup.Loaded());
  EXPECT_TRUE(popup.Visible());
  EXPECT_EQ(popup.bounds(), (ui::Bounds{1200, 9000, 4500, 525}));
  EXPECT_EQ(popup.LblTips.Width(), 4500 - 250);
  EXPECT_EQ(popup.LblTips.Caption(), "下节课有课：数学");
  EXPECT_TRUE(popup.TimerMove.Enabled());
  EXPECT_TRUE(platform.windows().IsTopmost(popup));
  EXPECT_EQ(platform.windows().StackIndex(popup), 0);
  // Another program's ordinary window opened afterwards stays below it.
  platform.windows().OpenOtherWindow("notepad", false);
  EXPECT_EQ(platform.windows().StackIndex(popup), 0);
}

TEST_F(PopupWindowTest, slides_up_in_44_steps_from_9000_to_5480) {
  popup.ShowText("下节课有课：数学");
  const std::vector<double> tops = Slide();
  ASSERT_EQ(tops.size(), 44u);
  for (std::size_t i = 0; i < tops.size(); ++i)
    EXPECT_EQ(tops[i], 9000 - 80.0 * static_cast<double>(i + 1)) << i;
  EXPECT_EQ(popup.Top(), 5480);
  EXPECT_EQ(popup.Left(), 1200);
  // It rests there.
  platform.Advance(1);
  EXPECT_EQ(popup.Top(), 5480);
  EXPECT_TRUE(popup.Loaded());
}

TEST_F(PopupWindowTest, follows_the_schedule_window_left_edge_while_it_rises) {
  popup.ShowText("下节课有课：数学");
  platform.AdvanceMs(100);
  EXPECT_EQ(popup.Top(), 9000 - 10 * 80);
  schedule.Move(3000, 6000);
  platform.AdvanceMs(10);
  EXPECT_EQ(popup.Left(), 3000);
  EXPECT_EQ(popup.Top(), 9000 - 11 * 80);
  // The stop test reads the schedule window's top as it is at each step.
  schedule.Move(3000, 7000);
  Slide();
  EXPECT_EQ(popup.Top(), 6440);  // the first step at or above 7000 − 525 + 15
}

TEST_F(PopupWindowTest, closes_after_15_seconds) {
  platform.SetNow(kDay, 8 * 3600 + 52 * 60);
  popup.ShowText("下节课有课：数学");
  platform.AdvanceMs(14900);
  EXPECT_TRUE(popup.Loaded());
  EXPECT_EQ(popup.ShownMs(), 14900);
  platform.AdvanceMs(100);
  EXPECT_FALSE(popup.Loaded());
  EXPECT_EQ(platform.FindForm("frmTips"), nullptr);
}

TEST_F(PopupWindowTest, opened_just_before_midnight_still_closes_after_15_seconds) {
  platform.SetNow(kDay, 23 * 3600 + 59 * 60 + 55);
  popup.ShowText("下节课有课：数学");
  platform.AdvanceMs(14900);
  EXPECT_TRUE(popup.Loaded());
  EXPECT_EQ(platform.clock().Now().date, year_month_day{sys_days{kDay} + days{1}});
  platform.AdvanceMs(100);
  EXPECT_FALSE(popup.Loaded());
}

TEST_F(PopupWindowTest, changes_of_the_system_time_neither_shorten_nor_lengthen_its_life) {
  platform.SetNow(kDay, 10 * 3600);
  popup.ShowText("下节课有课：数学");
  platform.Advance(5);
  platform.SetNow(kDay, 9 * 3600);  // set back an hour
  platform.Advance(5);
  platform.SetNow(kDay, 23 * 3600);  // and forward
  platform.AdvanceMs(4900);
  EXPECT_TRUE(popup.Loaded());
  platform.AdvanceMs(100);
  EXPECT_FALSE(popup.Loaded());
}

TEST_F(PopupWindowTest, a_second_text_while_open_replaces_the_first_and_keeps_the_time) {
  popup.ShowText("下节课有课：数学");
  platform.Advance(10);
  const double top = popup.Top();
  popup.ShowText("下节课有课：英语");
  EXPECT_EQ(popup.tag, "下节课有课：英语");
  EXPECT_EQ(popup.LblTips.Caption(), "下节课有课：英语");
  EXPECT_EQ(popup.Top(), top);  // not loaded again, so it does not start below again
  platform.AdvanceMs(4900);
  EXPECT_TRUE(popup.Loaded());
  platform.AdvanceMs(100);
  EXPECT_FALSE(popup.Loaded());
}

TEST_F(PopupWindowTest, a_click_on_the_label_or_the_window_closes_it_at_once) {
  popup.ShowText("下节课有课：数学");
  platform.AdvanceMs(200);
  popup.LblTips.UserClick();
  EXPECT_FALSE(popup.Loaded());
  EXPECT_EQ(platform.FindForm("frmTips"), nullptr);

  // Shown again after the unload it loads afresh: below the window, with a whole 15 s.
  popup.ShowText("下节课有课：英语");
  ASSERT_TRUE(popup.Loaded());
  EXPECT_EQ(popup.Top(), 9000);
  EXPECT_EQ(popup.ShownMs(), 0);
  popup.UserClick();
  EXPECT_FALSE(popup.Loaded());
  // No timer of the closed popup runs on.
  platform.Advance(20);
  EXPECT_FALSE(popup.Loaded());
  EXPECT_EQ(popup.Top(), 9000);
}

}  // namespace
}  // namespace orvel::test

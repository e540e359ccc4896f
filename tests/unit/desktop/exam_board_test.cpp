#include "desktop/exam_board.h"

#include <gtest/gtest.h>

#include "platform/headless/headless_platform.h"

namespace orvel::desktop {
namespace {

using namespace std::chrono;

constexpr year_month_day kMon = 2026y / December / 21;
constexpr std::int32_t At(int h, int m, int s = 0) { return h * 3600 + m * 60 + s; }

TEST(exam_board_test, the_times_and_the_day_list) {
  const Exam chinese{"语文", {kMon, At(8, 0)}, {kMon, At(10, 30)}};
  const Exam night{"夜考", {2026y / December / 22, At(23, 0)}, {2026y / December / 23, At(0, 30)}};
  EXPECT_EQ(ExamTimesText(chinese, kMon), "08:00 – 10:30");
  EXPECT_EQ(ExamTimesText(night, kMon), "12月22日 23:00 – 12月23日 00:30");
  EXPECT_EQ(ExamTimesText(night, 2026y / December / 22), "23:00 – 12月23日 00:30");
  EXPECT_EQ(DayExamsText({chinese, night}, {{0, clock::ExamPhase::Ended},
                                           {1, clock::ExamPhase::Running},
                                           {7, clock::ExamPhase::Before}}),
            "08:00–10:30  语文  考试结束\n23:00–00:30  夜考  进行中");
  std::string text;
  AppendClockTime(text, At(8, 5, 2));
  EXPECT_EQ(text, "08:05:02");
}

class ExamBoardTest : public ::testing::Test {
 protected:
  ExamBoardTest() {
    // The schedule window on a projector right of the laptop, at 144 dpi.
    platform.SetMonitors({{0, 0, 1366, 768, 15}, {1366, 0, 1920, 1080, 10}});
    schedule.Move(1366 * 15 + 3000, 3000, 6000, 4000);
    schedule.Show();
    board.onShrink = [this] { heard += "shrink "; };
    board.onClose = [this] { heard += "close "; };
    board.onMenu = [this] { heard += "menu "; };
  }

  void ShowAt(std::int32_t second) {
    const LocalDateTime now{kMon, second};
    board.ShowState(list, clock::DecideExamBoard(list.exams, now), now);
  }

  headless::HeadlessPlatform platform{"program"};
  FrontKeeper keeper{platform};
  ui::Form schedule{platform, "schedule", ui::FormStyle::Borderless};
  ExamBoard board{platform, schedule, keeper};
  ExamList list{"期末考试", "请将手机放在讲台上", {{"语文", {kMon, At(8, 0)}, {kMon, At(10, 30)}}}};
  std::string heard;
};

TEST_F(ExamBoardTest, covers_the_schedule_windows_monitor_without_taking_the_focus) {
  ShowAt(At(9, 15, 1));
  ASSERT_TRUE(board.Visible());
  EXPECT_EQ(board.Caption(), "语文 · 距结束 1:14:59");
  EXPECT_EQ(platform.windows().ForegroundName(), "schedule");
  const ui::Bounds projector = platform.screen().MonitorOf(board);
  EXPECT_EQ(projector.left, 1366 * 15);
  const double pixel = platform.screen().TwipsPerPixelOf(board);
  EXPECT_EQ(board.Left(), projector.left);
  EXPECT_EQ(board.Width() / pixel, 1920);
  EXPECT_EQ(board.Height() / pixel, 1080);
  // Read from the back of the room: the time left is a tenth of the screen or more, and fits.
  const double stateHeight = platform.metrics().TextHeight(board.LblState.font());
  EXPECT_GE(stateHeight, board.Height() / 10);
  EXPECT_LE(stateHeight, board.LblState.Height());
  EXPECT_EQ(board.LblClock.Caption(), "09:15:01");
  EXPECT_EQ(board.LblTimes.Caption(), "08:00 – 10:30");
  EXPECT_EQ(board.LblDay.Caption(), "08:00–10:30  语文  进行中");
}

TEST_F(ExamBoardTest, the_time_left_turns_red_and_the_buttons_esc_and_right_click_are_heard) {
  ShowAt(At(10, 14, 59));
  const ui::Colour plain = board.LblState.ForeColour();
  ShowAt(At(10, 15));
  EXPECT_EQ(board.LblState.Caption(), "距结束 15:00");
  EXPECT_NE(board.LblState.ForeColour(), plain);
  ShowAt(At(10, 30));
  EXPECT_EQ(board.LblState.Caption(), "考试结束");
  EXPECT_EQ(board.LblState.ForeColour(), plain);

  board.CmdShrink.UserClick();
  board.UserEscape();
  board.CmdClose.UserClick();
  board.LblSubject.UserMouseDown(ui::MouseButton::Right, 0, 100, 100);
  board.LblSubject.UserMouseDown(ui::MouseButton::Left, 0, 100, 100);
  board.UserMouseDown(ui::MouseButton::Right, 0, 100, 100);
  EXPECT_EQ(heard, "shrink shrink close menu menu ");
}

TEST_F(ExamBoardTest, lies_over_the_strip_and_under_a_notice) {
  ui::Form strip{platform, "strip", ui::FormStyle::Borderless}, notice{platform, "notice",
                                                                     ui::FormStyle::Borderless};
  for (ui::Form* form : {&strip, &notice}) {
    form->topmost = true;
    form->takesFocus = false;
  }
  FrontRegistration keptStrip = keeper.Keep(strip, FrontOrder::Window);
  FrontRegistration keptNotice = keeper.Keep(notice, FrontOrder::Notice);
  notice.Show();
  ShowAt(At(7, 50));
  strip.Show();
  platform.windows().OpenOtherWindow("slides", true);
  platform.AdvanceMs(1000);
  EXPECT_LT(platform.windows().StackIndex(notice), platform.windows().StackIndex(board));
  EXPECT_LT(platform.windows().StackIndex(board), platform.windows().StackIndex(strip));
}

}  // namespace
}  // namespace orvel::desktop

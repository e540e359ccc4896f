#include "desktop/front_keeper.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/headless/headless_platform.h"

namespace orvel::desktop {
namespace {

// A passing notice as the programs make them: topmost, taking no focus, not on the taskbar.
class Notice : public ui::Form {
 public:
  Notice(ui::Platform& platform, std::string name)
      : ui::Form(platform, std::move(name), ui::FormStyle::Borderless) {
    topmost = true;
    takesFocus = false;
    showInTaskbar = false;
    Move(1500, 1500, 3000, 600);
  }
};

class FrontKeeperTest : public ::testing::Test {
 protected:
  headless::HeadlessWindows& windows() { return platform.windows(); }
  std::size_t Hooks() { return platform.foreground().Hooks(); }
  int Raises(const ui::Form& form) { return windows().Window(form)->raises; }

  headless::HeadlessPlatform platform{"program"};
  FrontKeeper keeper{platform};
  Notice notice{platform, "notice"};
};

TEST_F(FrontKeeperTest, a_watch_hooks_the_foreground_and_an_ended_registration_raises_no_more) {
  {
    FrontRegistration watch = keeper.WatchForeground([] {});
    EXPECT_EQ(Hooks(), 1u);
  }
  EXPECT_EQ(Hooks(), 0u);
  FrontRegistration kept = keeper.Keep(notice, FrontOrder::Notice);
  notice.Show();
  EXPECT_EQ(Hooks(), 1u);
  kept = {};  // ended while the window is shown
  EXPECT_EQ(Hooks(), 0u);
  windows().OpenOtherWindow("whiteboard", true);
  platform.AdvanceMs(2000);
  EXPECT_EQ(windows().StackIndex(notice), 1);
  EXPECT_EQ(Raises(notice), 0);
}

TEST_F(FrontKeeperTest, two_programs_fighting_for_the_foreground_get_ours_raised_twice_a_second) {
  FrontRegistration kept = keeper.Keep(notice, FrontOrder::Notice);
  notice.Show();
  windows().OpenOtherWindow("slides", true);
  windows().OpenOtherWindow("whiteboard", true);
  // Each takes the foreground from the other ten times a second, for three seconds: ours is put
  // back at the first change and then at most every 500 ms, 7 times in all.
  for (int i = 0; i < 30; ++i) {
    windows().ActivateOtherWindow(i % 2 ? "slides" : "whiteboard");
    platform.AdvanceMs(100);
  }
  EXPECT_GE(Raises(notice), 6);
  EXPECT_LE(Raises(notice), 7);
  EXPECT_EQ(windows().StackIndex(notice), 0);
  EXPECT_EQ(windows().ForegroundName(), "slides");
  EXPECT_TRUE(windows().Activations().empty());
}

TEST_F(FrontKeeperTest, full_screen_is_asked_of_the_forms_monitor_and_heard_after_the_raise) {
  // A laptop and a projector to its right, at the same scale.
  platform.SetMonitors({{0, 0, 1024, 768, 15}, {1024, 0, 1280, 1024, 15}});
  const ui::Bounds laptop{0, 0, 1024 * 15, 768 * 15};
  const ui::Bounds projector{1024 * 15, 0, 1280 * 15, 1024 * 15};
  notice.Move(projector.left + 1500, 1500);
  FrontRegistration kept = keeper.Keep(notice, FrontOrder::Notice);
  notice.Show();
  // What a watcher hears: the answer, and where the kept window lies by then.
  std::vector<std::pair<bool, int>> heard;
  FrontRegistration watch = keeper.WatchForeground(
      [&] { heard.emplace_back(keeper.FullScreenCovers(notice), windows().StackIndex(notice)); });
  EXPECT_FALSE(keeper.FullScreenCovers(notice));

  windows().OpenOtherWindow("slides", true, laptop);
  windows().ActivateOtherWindow("slides");
  windows().OpenOtherWindow("video", false, projector);
  windows().ActivateOtherWindow("video");
  windows().OpenOtherWindow("editor", false, ui::Bounds{projector.left, 0, 9000, 6000});
  windows().ActivateOtherWindow("editor");
  const std::vector<std::pair<bool, int>> expected{{false, 0}, {true, 0}, {false, 0}};
  EXPECT_EQ(heard, expected);

  // The user clicks the program's own window over the video: the video still covers the
  // projector; the slides on the laptop lie higher but elsewhere.
  windows().ActivateOtherWindow("video");
  notice.BringToFront();
  EXPECT_EQ(windows().ForegroundName(), "notice");
  EXPECT_TRUE(keeper.FullScreenCovers(notice));
}

}  // namespace
}  // namespace orvel::desktop

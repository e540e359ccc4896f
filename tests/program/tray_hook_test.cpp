// The notification-area icon of the grid edition and the two hooks on the schedule window.
#include <gtest/gtest.h>

#include "desktop/mod_tray.h"
#include "program_fixture.h"

namespace orvel::test {
namespace {

using headless::HookKind;
constexpr unsigned kLeftUp = 514, kLeftDown = 513, kLeftDouble = 515, kRightUp = 517;

class TrayHookTest : public ::testing::Test {
 protected:
  void Start(const std::string& layer) {
    WriteTimetable(folder.path(), "Schedule.csv", WeekTable());
    SettingsFile settings;
    settings.layer = layer;
    settings.Write(folder.path());
    program = std::make_unique<TestProgram>(folder.path());
    program->Start();
  }
  std::vector<HookKind> Chain() const {
    return program->platform.windows().HookChain(program->window);
  }
  // A left click on the icon toggles the window; checks both ways.
  void ExpectToggleWorks() {
    auto& tray = program->platform.tray();
    ASSERT_TRUE(program->window.Visible());
    ASSERT_TRUE(tray.SendTrayMouse(program->window, kLeftUp));
    EXPECT_FALSE(program->window.Visible());
    ASSERT_TRUE(tray.SendTrayMouse(program->window, kLeftUp));
    EXPECT_TRUE(program->window.Visible());
  }

  ProgramFolder folder;
  std::unique_ptr<TestProgram> program;
};

TEST_F(TrayHookTest, left_click_on_the_icon_hides_and_shows_the_window) {
  Start("0");
  ExpectToggleWorks();
  for (unsigned other : {kLeftDown, kLeftDouble, kRightUp}) {
    ASSERT_TRUE(program->platform.tray().SendTrayMouse(program->window, other));
    EXPECT_TRUE(program->window.Visible()) << other;
  }
  // A timer keeps running while the window is hidden.
  program->window.Timerduration.SetEnabled(true);
  int ticks = 0;
  program->window.IdleCheck = [&] { ++ticks; };
  program->platform.tray().SendTrayMouse(program->window, kLeftUp);
  program->platform.Advance(2);
  EXPECT_EQ(ticks, 2);
}

TEST_F(TrayHookTest, balloons_and_removal_use_the_record_of_the_icon) {
  Start("0");
  auto& tray = program->platform.tray();
  program->state.tray.ShowBalloon(program->window, "数学", "下节课有课：", ui::BalloonIcon::Info);
  const headless::ShellIconRecord* icon = tray.Icon(program->window);
  ASSERT_TRUE(icon);
  EXPECT_EQ(AnsiToUtf8(icon->balloonTextAnsi), "数学");
  EXPECT_EQ(AnsiToUtf8(icon->balloonTitleAnsi), "下节课有课：");
  EXPECT_EQ(icon->balloonIcon, ui::BalloonIcon::Info);
  EXPECT_EQ(icon->tipAnsi, "Tessaly2");

  std::string longTitle;
  for (int i = 0; i < 40; ++i) longTitle += "课";
  program->state.tray.ShowBalloon(program->window, "数学", longTitle, ui::BalloonIcon::Info);
  EXPECT_EQ(tray.Ops().back().record.balloonTitleAnsi.size(), 62u);

  program->state.tray.RemoveTrayIcon();
  EXPECT_EQ(tray.Ops().back().kind, headless::TrayOpKind::Delete);
  EXPECT_TRUE(tray.Ops().back().ok);
  EXPECT_EQ(tray.Icon(program->window), nullptr);
  // No icon, nothing to click; a balloon now finds no icon either.
  EXPECT_FALSE(tray.SendTrayMouse(program->window, kLeftUp));
  EXPECT_TRUE(program->window.Visible());
  program->state.tray.ShowBalloon(program->window, "数学", "下节课有课：", ui::BalloonIcon::Info);
  EXPECT_FALSE(tray.Ops().back().ok);
}

TEST_F(TrayHookTest, adding_the_icon_again_never_hooks_twice) {
  Start("0");
  program->state.tray.AddTrayIcon(program->window, "Tessaly2");
  EXPECT_EQ(Chain(), std::vector<HookKind>{HookKind::Tray});
  EXPECT_FALSE(program->platform.tray().Ops().back().ok) << "the icon is already there";
  ExpectToggleWorks();
}

TEST_F(TrayHookTest, started_at_the_bottom_then_moved_up_keeps_the_icon_working) {
  Start("2");
  EXPECT_EQ(Chain(), (std::vector<HookKind>{HookKind::Bottom, HookKind::Tray}));
  ExpectToggleWorks();
  // The control panel's opening: remove and install again, never twice.
  program->window.platform().windows().SetBottomHook(program->window, false);
  program->window.platform().windows().SetBottomHook(program->window, true);
  EXPECT_EQ(Chain(), (std::vector<HookKind>{HookKind::Tray, HookKind::Bottom}));
  ExpectToggleWorks();
  program->window.platform().windows().SetBottomHook(program->window, true);
  EXPECT_EQ(Chain(), (std::vector<HookKind>{HookKind::Tray, HookKind::Bottom}));
  // Another layer: the hook goes and the window leaves the bottom.
  program->platform.windows().OpenOtherWindow("browser", false);
  program->window.platform().windows().SetBottomHook(program->window, false);
  EXPECT_EQ(Chain(), std::vector<HookKind>{HookKind::Tray});
  program->window.BringToFront();
  EXPECT_EQ(program->platform.windows().StackIndex(program->window), 0);
  ExpectToggleWorks();
}

TEST_F(TrayHookTest, started_normal_switched_to_the_bottom_and_back) {
  Start("0");
  EXPECT_EQ(Chain(), std::vector<HookKind>{HookKind::Tray});
  program->platform.windows().OpenOtherWindow("browser", false);
  program->window.platform().windows().SetBottomHook(
      program->window, false);  // removing what is not there changes nothing
  program->window.platform().windows().SetBottomHook(program->window, true);
  EXPECT_EQ(Chain(), (std::vector<HookKind>{HookKind::Tray, HookKind::Bottom}));
  program->window.BringToFront();
  EXPECT_EQ(program->platform.windows().StackIndex(program->window), 1);
  ExpectToggleWorks();
  EXPECT_EQ(program->platform.windows().StackIndex(program->window), 1)
      << "showing it again keeps it at the bottom";
  program->window.platform().windows().SetBottomHook(program->window, false);
  EXPECT_EQ(Chain(), std::vector<HookKind>{HookKind::Tray});
  ExpectToggleWorks();
  const auto& events = program->platform.windows().HookEvents();
  ASSERT_EQ(events.size(), 3u);  // tray on, bottom on, bottom off
  EXPECT_EQ(events[0].kind, HookKind::Tray);
  EXPECT_TRUE(events[1].installed);
  EXPECT_FALSE(events[2].installed);
}

TEST(tray_module_test, classic_edition_adds_no_hook_and_mouse_move_callback) {
  ProgramFolder folder;
  headless::HeadlessPlatform platform(folder.path());
  ui::Form form(platform, "FrmSchedule", ui::FormStyle::Borderless);
  form.Show();
  desktop::ModTray tray(Edition::Classic);
  tray.AddTrayIcon(form, "课程表");
  EXPECT_TRUE(platform.windows().HookChain(form).empty());
  const headless::ShellIconRecord* icon = platform.tray().Icon(form);
  ASSERT_TRUE(icon);
  EXPECT_EQ(icon->callbackMessage, 512u);
  EXPECT_EQ(AnsiToUtf8(icon->tipAnsi), "课程表");
  EXPECT_TRUE(platform.tray().SendTrayMouse(form, kLeftUp));
  EXPECT_TRUE(form.Visible()) << "clicks on the classic icon do nothing";
  tray.RemoveTrayIcon();
  EXPECT_EQ(platform.tray().IconCount(), 0u);
}

TEST(tray_module_test, removing_before_any_icon_and_after_the_window_is_gone_is_harmless) {
  ProgramFolder folder;
  headless::HeadlessPlatform platform(folder.path());
  desktop::ModTray tray(Edition::Grid);
  tray.RemoveTrayIcon();
  EXPECT_TRUE(platform.tray().Ops().empty());
  {
    ui::Form form(platform, "FrmSchedule", ui::FormStyle::Borderless);
    form.Show();
    tray.AddTrayIcon(form, "Tessaly2");
    tray.Forget(form);
  }
  tray.RemoveTrayIcon();
  EXPECT_EQ(platform.tray().Ops().size(), 1u);
}

}  // namespace
}  // namespace orvel::test

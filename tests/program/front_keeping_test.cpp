// Seen in class, on the headless window stack: the reminder popup, the idle countdown and a
// schedule window on "始终在上" come back on top of a whiteboard program that puts itself on top,
// and none of them takes the focus; the reminder follows the shell's notification state.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "desktop/idle_shutdown.h"
#include "panel_fixture.h"

namespace orvel::test {
namespace {

// Wednesday's second period, 体育 at 8:55, is reminded at 8:52:00.
constexpr int kReminderAt = At(8, 52);
constexpr unsigned kTrayLeftButtonUp = 514;

class FrontKeepingTest : public PanelTest {
 protected:
  headless::HeadlessPlatform& platform() { return app->platform; }
  headless::HeadlessWindows& windows() { return app->platform.windows(); }
  ui::Form* Form(const std::string& name) { return app->platform.FindForm(name); }
  // The names of the `n` highest windows of the stack, top first.
  std::vector<std::string> Top(std::size_t n) {
    std::vector<std::string> names;
    for (const headless::StackEntry& e : windows().Stack())
      if (names.size() < n) names.push_back(e.name);
    return names;
  }
  // Starts at `secondsOfDay` with the clock on and reminders by `remind`; the class strip, which
  // a whiteboard would bring up, is off (class_strip_test.cpp).
  void Start(const std::string& layer, const std::string& remind, int secondsOfDay) {
    WriteAnsiFile(folder.path() / "classroom.ini", "strip=off\r\n");
    SettingsFile s;
    s.layer = layer;
    s.highlight = "1";
    s.remind = remind;
    StartWith(WeekTable(), s, kWednesday, secondsOfDay);
  }
};

TEST_F(FrontKeepingTest, notices_and_topmost_window_come_back_over_a_whiteboard_without_focus) {
  // Idle for 0.1 h from 8:46:14: the countdown opens at 8:51:59, the popup a second later.
  Start("1", "1", At(8, 46, 14));
  desktop::ArmIdleShutdown(app->window().IdleTimer(), app->state().values, true, "0.1");
  platform().Advance(kReminderAt - At(8, 46, 14));
  ASSERT_NE(Form("frmcountdown"), nullptr);
  ASSERT_NE(Form("frmTips"), nullptr);
  const std::vector<std::string> activated = windows().Activations();
  const std::vector<std::string> ours{"frmcountdown", "frmTips", "FrmSchedule"};

  // The whiteboard starts, takes the foreground and lies over everything.
  windows().OpenOtherWindow("whiteboard", true);
  EXPECT_EQ(Top(1), std::vector<std::string>{"whiteboard"});
  windows().ActivateOtherWindow("whiteboard");
  std::vector<std::string> expected = ours;
  expected.push_back("whiteboard");
  EXPECT_EQ(Top(4), expected) << "back on top at the foreground change, in their order";

  // Later it puts itself on top again without a foreground change: back within half a second.
  platform().AdvanceMs(600);
  windows().RaiseOtherWindow("whiteboard");
  EXPECT_EQ(Top(1), std::vector<std::string>{"whiteboard"});
  platform().AdvanceMs(500);
  EXPECT_EQ(Top(4), expected);

  EXPECT_EQ(windows().ForegroundName(), "whiteboard");
  EXPECT_EQ(windows().Activations(), activated) << "none of ours took the focus";
  // Each stayed in the topmost band throughout: one topmost call, by its start.
  for (const char* name : {"frmTips", "FrmSchedule"})
    EXPECT_EQ(windows().Window(*Form(name))->topmostCalls, 1) << name;
}

TEST_F(FrontKeepingTest, the_layer_decides_what_is_kept_and_a_hidden_window_costs_nothing) {
  Start("0", "0", At(10, 0));
  ui::Form& schedule = app->window();
  windows().OpenOtherWindow("whiteboard", true);
  windows().ActivateOtherWindow("whiteboard");
  platform().AdvanceMs(1000);
  EXPECT_EQ(windows().Window(schedule)->raises, 0) << "普通模式 is not kept";
  EXPECT_EQ(platform().foreground().Hooks(), 0u);

  panel::FrmControl& panel = app->Open();
  panel.CmbTopFloor.UserChoose(1);  // 始终在上
  windows().RaiseOtherWindow("whiteboard");
  platform().AdvanceMs(500);
  EXPECT_EQ(windows().StackIndex(schedule), 0);
  EXPECT_EQ(platform().foreground().Hooks(), 1u);

  // Hidden from the tray icon, it is neither hooked nor looked at; shown, it is back on top.
  ASSERT_TRUE(platform().tray().SendTrayMouse(schedule, kTrayLeftButtonUp));
  EXPECT_FALSE(schedule.Visible());
  EXPECT_EQ(platform().foreground().Hooks(), 0u);
  ASSERT_TRUE(platform().tray().SendTrayMouse(schedule, kTrayLeftButtonUp));
  windows().RaiseOtherWindow("whiteboard");
  platform().AdvanceMs(500);
  EXPECT_EQ(windows().StackIndex(schedule), 0);

  panel.CmbTopFloor.UserChoose(0);  // 普通模式 again
  const int raises = windows().Window(schedule)->raises;
  windows().RaiseOtherWindow("whiteboard");
  platform().AdvanceMs(1000);
  EXPECT_EQ(windows().Window(schedule)->raises, raises);
  EXPECT_EQ(Top(1), std::vector<std::string>{"whiteboard"});
  EXPECT_EQ(platform().foreground().Hooks(), 0u);
}

TEST_F(FrontKeepingTest, reminders_follow_the_shells_notification_state) {
  struct Case {
    const char* remind;
    ui::NotificationState state;
    std::size_t beeps;
    const char* popupText;  // nullptr: no popup
    std::size_t balloons;
  };
  const Case cases[] = {
      {"2", ui::NotificationState::Busy, 0, "下节课有课：体育", 0},
      {"2", ui::NotificationState::Direct3DFullScreen, 2, nullptr, 0},
      {"1", ui::NotificationState::Direct3DFullScreen, 2, nullptr, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string("remind ") + c.remind + ", state " +
                 std::to_string(static_cast<int>(c.state)));
    Start("0", c.remind, kReminderAt - 1);
    platform().SetNotificationState(c.state);
    platform().Advance(1);
    EXPECT_EQ(platform().sound().Beeps().size(), c.beeps);
    const auto* popup = dynamic_cast<desktop::FrmTips*>(Form("frmTips"));
    EXPECT_EQ(popup != nullptr, c.popupText != nullptr);
    if (popup && c.popupText) {
      EXPECT_EQ(popup->LblTips.Caption(), c.popupText);
    }
    std::size_t balloons = 0;
    for (const headless::TrayOp& op : platform().tray().Ops())
      balloons += op.kind == headless::TrayOpKind::Modify;
    EXPECT_EQ(balloons, c.balloons);
  }
}

}  // namespace
}  // namespace orvel::test

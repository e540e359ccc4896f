// The idle shutdown: the idle count, the countdown window and the shutdown request, on the
// headless backend (which only records the request).
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "desktop/frm_countdown.h"
#include "desktop/idle_shutdown.h"
#include "program_fixture.h"

namespace orvel::test {
namespace {

constexpr int kKeyA = 0x41;

// The ticks (1-based) at which a run of `ticks` idle ticks shows the countdown and shuts down.
struct IdleRun {
  std::vector<int> countdowns, shutdowns;
};
IdleRun RunIdle(int ticks, int intervalMs, float hours) {
  desktop::IdleState state;
  IdleRun run;
  for (int t = 1; t <= ticks; ++t) {
    const desktop::IdleDecision d = desktop::IdleTick(state, intervalMs, {}, false, hours);
    if (d.showCountdown) run.countdowns.push_back(t);
    if (d.shutdown) run.shutdowns.push_back(t);
  }
  return run;
}

TEST(idle_tick_test, counts_to_the_countdown_and_the_shutdown) {
  // 0.1 hours: 360 s; the countdown 15 s before.
  IdleRun run = RunIdle(800, 1000, 0.1f);
  EXPECT_EQ(run.countdowns, (std::vector<int>{345, 705}));
  EXPECT_EQ(run.shutdowns, (std::vector<int>{360, 720}));
  // Half-second ticks count half seconds.
  run = RunIdle(800, 500, 0.1f);
  EXPECT_EQ(run.countdowns, std::vector<int>{690});
  EXPECT_EQ(run.shutdowns, std::vector<int>{720});
  run = RunIdle(5500, 1000, 1.5f);
  EXPECT_EQ(run.countdowns, std::vector<int>{5385});
  EXPECT_EQ(run.shutdowns, std::vector<int>{5400});
}

TEST(idle_tick_test, hours_without_a_positive_value_count_as_one_hour) {
  for (float hours : {0.0f, -1.0f, -0.1f, std::numeric_limits<float>::quiet_NaN()}) {
    EXPECT_EQ(desktop::EffectiveIdleHours(hours), 1.0f) << hours;
    const IdleRun run = RunIdle(3700, 1000, hours);
    EXPECT_EQ(run.countdowns, std::vector<int>{3585}) << hours;
    EXPECT_EQ(run.shutdowns, std::vector<int>{3600}) << hours;
  }
  EXPECT_EQ(desktop::EffectiveIdleHours(0.5f), 0.5f);
}

TEST(idle_tick_test, pointer_movement_restarts_the_count) {
  desktop::IdleState state;
  for (int t = 0; t < 10; ++t) desktop::IdleTick(state, 1000, {}, false, 1.0f);
  EXPECT_EQ(state.idleSeconds, 10.0f);
  // Moves in opposite directions on the two axes still count.
  desktop::IdleTick(state, 1000, {7, -7}, false, 1.0f);
  EXPECT_EQ(state.idleSeconds, 0.0f);
  EXPECT_EQ(state.cursorBefore, (ui::Point{7, -7}));
  // Resting at the new place counts on.
  desktop::IdleTick(state, 1000, {7, -7}, false, 1.0f);
  desktop::IdleTick(state, 1000, {7, -7}, false, 1.0f);
  EXPECT_EQ(state.idleSeconds, 2.0f);
}

TEST(idle_tick_test, ok_rule_for_the_idle_time_box) {
  EXPECT_EQ(desktop::IdleHoursFromText(""), 1.0f);
  EXPECT_EQ(desktop::IdleHoursFromText("abc"), 1.0f);
  EXPECT_EQ(desktop::IdleHoursFromText("0"), 1.0f);
  EXPECT_EQ(desktop::IdleHoursFromText("0.0"), 1.0f);
  EXPECT_EQ(desktop::IdleHoursFromText("0.1"), 0.1f);
  EXPECT_EQ(desktop::IdleHoursFromText("1.5"), 1.5f);
  EXPECT_EQ(desktop::IdleHoursFromText(" 2小时"), 2.0f);
  // A negative number is stored as it is; the check runs it as 1 hour.
  EXPECT_EQ(desktop::IdleHoursFromText("-1"), -1.0f);
}

TEST(countdown_caption_test, rounds_halves_to_even_and_never_reads_minus_zero) {
  EXPECT_EQ(desktop::CountdownTickCaption(0.1f), "关机倒计时15秒");
  EXPECT_EQ(desktop::CountdownTickCaption(12.5f), "关机倒计时2秒");  // 2.5 -> 2
  EXPECT_EQ(desktop::CountdownTickCaption(13.5f), "关机倒计时2秒");  // 1.5 -> 2
  EXPECT_EQ(desktop::CountdownTickCaption(14.5f), "关机倒计时0秒");  // 0.5 -> 0
  EXPECT_EQ(desktop::CountdownTickCaption(15.000021f), "关机倒计时0秒");
}

// The countdown window alone.
class CountdownWindowTest : public ::testing::Test {
 protected:
  ProgramFolder folder;
  headless::HeadlessPlatform platform{folder.path()};
  desktop::FrontKeeper keeper{platform};
  desktop::FrmCountdown form{platform, keeper};
};

TEST_F(CountdownWindowTest, is_built_as_designed_and_lays_out_the_bar_at_load) {
  EXPECT_EQ(form.name(), "frmcountdown");
  EXPECT_EQ(form.style(), ui::FormStyle::FixedDialog);
  EXPECT_EQ(form.Caption(), "倒计时15秒");
  EXPECT_EQ(form.ClientWidth(), 5340);
  EXPECT_EQ(form.ClientHeight(), 945);
  EXPECT_TRUE(form.centred);
  EXPECT_EQ(form.Labbarback.bounds(), (ui::Bounds{480, 240, 4425, 480}));
  EXPECT_EQ(form.bar.bounds(), (ui::Bounds{525, 300, 4335, 375}));
  EXPECT_NE(form.bar.BackColour(), form.Labbarback.BackColour());
  EXPECT_EQ(form.Timercountdown.Interval(), 100);
  EXPECT_FALSE(form.Timercountdown.Enabled());

  form.Show();
  EXPECT_TRUE(form.Loaded());
  EXPECT_TRUE(form.Timercountdown.Enabled());
  EXPECT_EQ(form.Step(), 30);  // 4425 / 15 × 0.1 = 29.5, halves to even
  EXPECT_EQ(form.CountdownSeconds(), 0.0f);
  EXPECT_EQ(form.bar.bounds(), (ui::Bounds{510, 288, 4395, 375}));
  EXPECT_EQ(form.Caption(), "倒计时15秒");
}

TEST_F(CountdownWindowTest, counts_down_15_seconds_with_a_shrinking_bar_then_unloads) {
  form.Show();
  std::vector<std::string> captions;
  std::vector<double> widths;
  while (form.Loaded() && captions.size() < 200) {
    platform.AdvanceMs(100);
    captions.push_back(form.Caption());
    widths.push_back(form.bar.Width());
  }
  EXPECT_FALSE(form.Loaded());
  ASSERT_EQ(captions.size(), 150u);
  EXPECT_EQ(captions.front(), "关机倒计时15秒");
  EXPECT_EQ(captions.back(), "关机倒计时0秒");
  // Every whole second from 15 down to 0 shows, in order.
  std::vector<std::string> distinct;
  for (const std::string& c : captions)
    if (distinct.empty() || distinct.back() != c) distinct.push_back(c);
  ASSERT_EQ(distinct.size(), 16u);
  for (int i = 0; i <= 15; ++i)
    EXPECT_EQ(distinct[static_cast<std::size_t>(i)], "关机倒计时" + std::to_string(15 - i) + "秒");
  // 0.98 × 30 per tick from 4395: used up at the last tick, and never below 0.
  EXPECT_NEAR(widths.front(), 4395 - 29.4, 0.01);
  for (std::size_t i = 1; i < widths.size(); ++i) EXPECT_LT(widths[i], widths[i - 1]) << i;
  for (double w : widths) EXPECT_GE(w, 0.0);
  EXPECT_EQ(widths.back(), 0.0);
  EXPECT_GT(widths[widths.size() - 2], 0.0);
}

TEST_F(CountdownWindowTest, pointer_movement_unloads_at_the_next_tick_and_a_new_showing_is_fresh) {
  // Where the pointer was before the load does not matter.
  platform.input().SetCursorPos({40, 40});
  form.Show();
  platform.Advance(2);
  ASSERT_TRUE(form.Loaded());
  EXPECT_EQ(form.Caption(), "关机倒计时13秒");
  platform.input().SetCursorPos({41, 40});
  platform.AdvanceMs(100);
  EXPECT_FALSE(form.Loaded());
  EXPECT_EQ(platform.FindForm("frmcountdown"), nullptr);

  form.Show();
  EXPECT_EQ(form.Caption(), "倒计时15秒");
  EXPECT_EQ(form.CountdownSeconds(), 0.0f);
  EXPECT_EQ(form.bar.bounds(), (ui::Bounds{510, 288, 4395, 375}));
  platform.AdvanceMs(100);
  EXPECT_TRUE(form.Loaded());
  EXPECT_EQ(form.Caption(), "关机倒计时15秒");
}

// The program with the idle shutdown hooked into the schedule window as the program does it.
class IdleShutdownTest : public ::testing::Test {
 protected:
  void Start(const std::string& nodo = "0", const std::string& hours = "0") {
    WriteTimetable(folder.path(), "Schedule.csv", WeekTable());
    SettingsFile settings;
    settings.idle = nodo;
    settings.idleHours = hours;
    settings.Write(folder.path());
    program = std::make_unique<TestProgram>(folder.path());
    idle = std::make_unique<desktop::IdleShutdown>(program->platform, program->window.Timerduration,
                                                   program->state.values, program->state.front);
    program->window.IdleCheck = [this] { idle->CheckIdle(); };
    program->Start();
  }
  // The control panel's OK with "无操作" set to `nodo` and the idle-time box holding `hours`.
  void PressOk(std::string_view hours, bool nodo = true) {
    desktop::ArmIdleShutdown(program->window.Timerduration, program->state.values, nodo, hours);
  }
  headless::HeadlessPlatform& platform() { return program->platform; }
  int Shutdowns() { return platform().power().ShutdownRequests(); }
  int Privileges() { return platform().power().PrivilegeCalls(); }
  bool CountdownOpen() { return platform().FindForm("frmcountdown") != nullptr; }
  float IdleSeconds() const { return idle->state().idleSeconds; }

  ProgramFolder folder;
  std::unique_ptr<TestProgram> program;
  std::unique_ptr<desktop::IdleShutdown> idle;
};

TEST_F(IdleShutdownTest, countdown_at_345_and_shutdown_at_360_then_counting_starts_over) {
  Start();
  PressOk("0.1");
  ASSERT_TRUE(program->window.Timerduration.Enabled());
  platform().Advance(344);
  EXPECT_FALSE(CountdownOpen());
  platform().Advance(1);
  ASSERT_TRUE(CountdownOpen());
  EXPECT_EQ(idle->OpenCountdown()->Caption(), "倒计时15秒");
  platform().Advance(14);
  EXPECT_TRUE(CountdownOpen());
  EXPECT_EQ(Shutdowns(), 0);
  EXPECT_EQ(Privileges(), 0);
  platform().Advance(1);
  EXPECT_EQ(Shutdowns(), 1);
  EXPECT_EQ(Privileges(), 1);
  EXPECT_EQ(IdleSeconds(), 0.0f);
  // The countdown ran out at the same moment.
  EXPECT_FALSE(CountdownOpen());
  // A refused shutdown: the count starts over.
  platform().Advance(344);
  EXPECT_FALSE(CountdownOpen());
  platform().Advance(1);
  EXPECT_TRUE(CountdownOpen());
  platform().Advance(14);
  EXPECT_EQ(Shutdowns(), 1);
  platform().Advance(1);
  EXPECT_EQ(Shutdowns(), 2);
}

TEST_F(IdleShutdownTest, pointer_movement_closes_the_countdown_and_restarts_the_count) {
  Start();
  PressOk("0.1");
  platform().Advance(347);
  ASSERT_TRUE(CountdownOpen());
  platform().input().SetCursorPos({300, 200});
  platform().AdvanceMs(100);
  EXPECT_FALSE(CountdownOpen());
  EXPECT_EQ(IdleSeconds(), 347.0f);  // the schedule window sees the move at its next tick
  platform().AdvanceMs(900);
  EXPECT_EQ(IdleSeconds(), 0.0f);
  // No shutdown where the old count would have ended; the new count runs from 348 s.
  platform().Advance(344);  // 692 s
  EXPECT_EQ(Shutdowns(), 0);
  EXPECT_FALSE(CountdownOpen());
  platform().Advance(1);  // 693 s
  ASSERT_TRUE(CountdownOpen());
  // A new showing starts afresh.
  EXPECT_EQ(idle->OpenCountdown()->Caption(), "倒计时15秒");
  EXPECT_EQ(idle->OpenCountdown()->CountdownSeconds(), 0.0f);
  EXPECT_EQ(idle->OpenCountdown()->bar.Width(), 4395);
  platform().Advance(14);
  EXPECT_EQ(Shutdowns(), 0);
  platform().Advance(1);  // 708 s
  EXPECT_EQ(Shutdowns(), 1);
}

TEST_F(IdleShutdownTest, keys_count_only_when_down_and_pressed_at_a_tick) {
  Start();
  PressOk("0.1");
  platform().Advance(100);
  EXPECT_EQ(IdleSeconds(), 100.0f);
  // Pressed and released between two ticks: 0x0001 only.
  platform().input().TapKey(kKeyA);
  platform().Advance(1);
  EXPECT_EQ(IdleSeconds(), 101.0f);
  // Pressed and still down at the tick: 0x8001.
  platform().input().SetKeyDown(kKeyA, true);
  platform().Advance(1);
  EXPECT_EQ(IdleSeconds(), 0.0f);
  // Held since: 0x8000 only.
  platform().Advance(10);
  EXPECT_EQ(IdleSeconds(), 10.0f);
  platform().input().SetKeyDown(kKeyA, false);
  // Keys beyond 145 are not read.
  platform().input().SetKeyDown(146, true);
  platform().Advance(1);
  EXPECT_EQ(IdleSeconds(), 11.0f);
  platform().input().SetKeyDown(145, true);
  platform().Advance(1);
  EXPECT_EQ(IdleSeconds(), 0.0f);
}

TEST_F(IdleShutdownTest, key_during_the_countdown_leaves_it_open_and_prevents_the_shutdown) {
  Start();
  PressOk("0.1");
  platform().Advance(345);
  ASSERT_TRUE(CountdownOpen());
  platform().AdvanceMs(5500);
  platform().input().SetKeyDown(kKeyA, true);
  platform().AdvanceMs(500);  // 351 s: the count restarts
  EXPECT_EQ(IdleSeconds(), 0.0f);
  platform().AdvanceMs(8900);  // 359.9 s
  EXPECT_TRUE(CountdownOpen());
  platform().AdvanceMs(100);  // 360 s: its 15 s are over
  EXPECT_FALSE(CountdownOpen());
  platform().Advance(100);
  EXPECT_EQ(Shutdowns(), 0);
}

TEST_F(IdleShutdownTest, a_further_request_while_open_keeps_the_countdown) {
  // 0.0045 hours, 16.2 s: |16.2 - 15 - idle| < 1 at idle seconds 1 and 2, so the check asks
  // for the countdown at two ticks in a row.
  Start();
  PressOk("0.0045");
  platform().Advance(1);
  desktop::FrmCountdown* open = idle->OpenCountdown();
  ASSERT_TRUE(open);
  platform().Advance(1);
  EXPECT_EQ(idle->OpenCountdown(), open);
  EXPECT_NEAR(open->CountdownSeconds(), 1.0f, 1e-4);
  int countdowns = 0;
  for (ui::Form* f : platform().LoadedForms()) countdowns += f->name() == "frmcountdown";
  EXPECT_EQ(countdowns, 1);
  // The shutdown comes at idle second 17, the first at or past 16.2.
  platform().Advance(14);
  EXPECT_EQ(Shutdowns(), 0);
  platform().Advance(1);
  EXPECT_EQ(Shutdowns(), 1);
}

TEST_F(IdleShutdownTest, empty_idle_time_box_runs_with_one_hour) {
  Start();
  PressOk("");
  EXPECT_EQ(program->state.values.idleHours, 1.0f);
  EXPECT_TRUE(program->state.values.idleShutdown);
  platform().Advance(3584);
  EXPECT_FALSE(CountdownOpen());
  platform().Advance(1);
  EXPECT_TRUE(CountdownOpen());
  platform().Advance(14);
  EXPECT_EQ(Shutdowns(), 0);
  platform().Advance(1);
  EXPECT_EQ(Shutdowns(), 1);
}

TEST_F(IdleShutdownTest, no_shutdown_after_a_start_until_ok) {
  Start("1", "0.1");
  // The settings were read...
  ASSERT_TRUE(program->state.values.idleShutdown);
  ASSERT_EQ(program->state.values.idleHours, 0.1f);
  // ...but the timer stays off.
  EXPECT_FALSE(program->window.Timerduration.Enabled());
  platform().Advance(2000);
  EXPECT_EQ(Shutdowns(), 0);
  EXPECT_EQ(Privileges(), 0);
  EXPECT_FALSE(CountdownOpen());
  EXPECT_EQ(IdleSeconds(), 0.0f);
  // OK with "无操作" off keeps it off.
  PressOk("0.1", false);
  EXPECT_FALSE(program->window.Timerduration.Enabled());
  platform().Advance(2000);
  EXPECT_EQ(Shutdowns(), 0);
  // OK with it on arms it.
  PressOk("0.1");
  platform().Advance(359);
  EXPECT_EQ(Shutdowns(), 0);
  platform().Advance(1);
  EXPECT_EQ(Shutdowns(), 1);
}

}  // namespace
}  // namespace orvel::test

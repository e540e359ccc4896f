// The headless backend itself: time, timers, focus, dialogs, input, stores and the window stack.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <utility>
#include <vector>

#include "platform/headless/headless_platform.h"
#include "platform/ui/controls.h"
#include "platform/ui/form.h"

namespace orvel::headless {
namespace {

using namespace std::chrono;

struct Ticks {
  std::int64_t base = 0;  // steady ms the offsets count from
  std::vector<std::pair<std::string, std::int64_t>> seen;  // timer, ms after base
};

class TimerForm : public ui::Form {
 public:
  TimerForm(HeadlessPlatform& platform, std::string name, Ticks& ticks)
      : ui::Form(platform, std::move(name), ui::FormStyle::Borderless),
        fast(this, "fast", 300, true),
        slow(this, "slow", 500, true),
        off(this, "off", 100, false),
        box(this, "box"),
        other(this, "other") {
    const auto record = [&platform, &ticks](const char* timer) {
      ticks.seen.emplace_back(timer, platform.clock().SteadyMs() - ticks.base);
    };
    fast.onTimer = [record] { record("fast"); };
    slow.onTimer = [record] { record("slow"); };
    off.onTimer = [record] { record("off"); };
    box.onLostFocus = [this] { ++boxLostFocus; };
  }
  ui::Timer fast, slow, off;
  ui::TextBox box, other;
  int boxLostFocus = 0;
};

TEST(headless_platform_test, timers_of_loaded_forms_tick_in_time_order) {
  HeadlessPlatform platform("program");
  Ticks ticks;
  TimerForm form(platform, "f", ticks);
  platform.AdvanceMs(2000);
  EXPECT_TRUE(ticks.seen.empty()) << "a form that was never shown has no running timers";

  form.Show();
  ticks.base = platform.clock().SteadyMs();
  platform.AdvanceMs(1000);
  const std::vector<std::pair<std::string, std::int64_t>> expected{
      {"fast", 300}, {"slow", 500}, {"fast", 600}, {"fast", 900}, {"slow", 1000}};
  EXPECT_EQ(ticks.seen, expected);

  // Switching a timer on starts its countdown at that moment.
  ticks.seen.clear();
  form.fast.SetEnabled(false);
  form.slow.SetEnabled(false);
  platform.AdvanceMs(50);
  form.off.SetEnabled(true);
  platform.AdvanceMs(250);
  const std::vector<std::pair<std::string, std::int64_t>> afterSwitch{{"off", 1150},
                                                                      {"off", 1250}};
  EXPECT_EQ(ticks.seen, afterSwitch);

  ticks.seen.clear();
  form.Unload();
  platform.Advance(5);
  EXPECT_TRUE(ticks.seen.empty()) << "an unloaded form's timers stop";
}

TEST(headless_platform_test, the_clock_moves_only_when_told_and_crosses_midnight) {
  HeadlessPlatform platform("program");
  platform.SetNow(year{2025} / December / 31, 86399);
  const std::int64_t steady = platform.clock().SteadyMs();
  EXPECT_EQ(platform.clock().Now().secondsOfDay, 86399);
  platform.Advance(2);
  EXPECT_EQ(platform.clock().Now().date, year{2026} / January / 1);
  EXPECT_EQ(platform.clock().Now().secondsOfDay, 1);
  EXPECT_EQ(platform.clock().SteadyMs(), steady + 2000);
  // Setting the wall clock back does not move the steady one.
  platform.SetNow(year{2025} / September / 1, 0);
  EXPECT_EQ(platform.clock().SteadyMs(), steady + 2000);
  platform.AdvanceMs(-500);
  EXPECT_EQ(platform.clock().SteadyMs(), steady + 2000);
}

TEST(headless_platform_test, focus_moves_with_the_user_and_raises_lost_focus_once) {
  HeadlessPlatform platform("program");
  Ticks ticks;
  TimerForm form(platform, "f", ticks);
  EXPECT_FALSE(platform.UserFocus(form.box)) << "no window yet";
  form.Show();
  EXPECT_TRUE(platform.UserFocus(form.box));
  EXPECT_EQ(platform.FocusedWidget(), &form.box);
  EXPECT_TRUE(platform.UserFocus(form.box));
  EXPECT_EQ(form.boxLostFocus, 0);
  EXPECT_TRUE(platform.UserFocus(form.other));
  EXPECT_EQ(form.boxLostFocus, 1);
  form.box.SetVisible(false);
  EXPECT_FALSE(platform.UserFocus(form.box));
  form.box.SetVisible(true);
  form.box.SetEnabled(false);
  EXPECT_FALSE(platform.UserFocus(form.box));
  form.box.SetEnabled(true);
  form.box.SetFocus();  // from code
  EXPECT_EQ(platform.FocusedWidget(), &form.box);
  form.Unload();
  EXPECT_EQ(platform.FocusedWidget(), nullptr);
  EXPECT_EQ(form.boxLostFocus, 1) << "a window that goes away raises no lost focus";
}

TEST(headless_platform_test, dialogs_answer_from_the_script_or_safely) {
  HeadlessPlatform platform("program");
  auto& dialogs = platform.dialogs();
  EXPECT_EQ(dialogs.MessageBox(nullptr, "t", "T", ui::MessageIcon::Information,
                               ui::MessageButtons::Ok),
            ui::MessageAnswer::Ok);
  EXPECT_EQ(dialogs.MessageBox(nullptr, "q", "Q", ui::MessageIcon::Question,
                               ui::MessageButtons::YesNo),
            ui::MessageAnswer::No);
  dialogs.QueueMessageAnswer(ui::MessageAnswer::Yes);
  EXPECT_EQ(dialogs.MessageBox(nullptr, "q2", "Q", ui::MessageIcon::Question,
                               ui::MessageButtons::YesNo),
            ui::MessageAnswer::Yes);
  ASSERT_EQ(dialogs.Messages().size(), 3u);
  EXPECT_EQ(dialogs.Messages()[1].text, "q");
  EXPECT_FALSE(dialogs.Messages()[1].scripted);
  EXPECT_TRUE(dialogs.Messages()[2].scripted);

  EXPECT_EQ(dialogs.InputBox(nullptr, "名称", "新建", "a.csv"), "");
  dialogs.QueueInput("b.csv");
  EXPECT_EQ(dialogs.InputBox(nullptr, "名称", "新建", "a.csv"), "b.csv");
  EXPECT_EQ(dialogs.Inputs().at(1).defaultText, "a.csv");

  EXPECT_EQ(dialogs.ChooseColour(nullptr, 0x112233), std::nullopt);
  dialogs.QueueColour(0x445566);
  EXPECT_EQ(dialogs.ChooseColour(nullptr, 0x112233), ui::Colour{0x445566});

  int chosen = -1;
  const ui::PopupMenu menu("mnu_save", "保存",
                           {{"mnu_save_set", "保存设置", [&] { chosen = 0; }},
                            {"mnu_save_file", "保存课表", [&] { chosen = 1; }}});
  dialogs.ShowPopupMenu(nullptr, menu);
  EXPECT_EQ(chosen, -1);
  dialogs.QueueMenuChoice(1);
  dialogs.ShowPopupMenu(nullptr, menu);
  EXPECT_EQ(chosen, 1);
  EXPECT_EQ(dialogs.Menus().at(1).captions, (std::vector<std::string>{"保存设置", "保存课表"}));
  EXPECT_EQ(dialogs.PendingAnswers(), 0u);
}

TEST(headless_platform_test, keys_report_down_and_pressed_since_asked) {
  HeadlessPlatform platform("program");
  auto& input = platform.input();
  EXPECT_EQ(input.AsyncKeyState(1), 0);
  input.SetKeyDown(1, true);
  EXPECT_EQ(static_cast<std::uint16_t>(input.AsyncKeyState(1)), 0x8001u);
  EXPECT_EQ(static_cast<std::uint16_t>(input.AsyncKeyState(1)), 0x8000u);
  input.SetKeyDown(1, false);
  input.TapKey(0x41);
  EXPECT_EQ(input.AsyncKeyState(0x41), 1);
  EXPECT_EQ(input.AsyncKeyState(0x41), 0);
  input.SetCursorPos({-20, 300});
  EXPECT_EQ(input.CursorPos(), (ui::Point{-20, 300}));
}

TEST(headless_platform_test, registry_names_ignore_case_and_roots_can_refuse_writes) {
  HeadlessPlatform platform("program");
  auto& reg = platform.registry();
  const std::string run = "software\\microsoft\\windows\\currentversion\\run";
  EXPECT_TRUE(reg.WriteString(ui::RegistryRoot::LocalMachine, run, "q7Scd", "C:\\p\\Orvel2.exe"));
  EXPECT_EQ(reg.ReadString(ui::RegistryRoot::LocalMachine,
                           "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run", "Q7SCD"),
            "C:\\p\\Orvel2.exe");
  EXPECT_EQ(reg.ReadString(ui::RegistryRoot::CurrentUser, run, "q7Scd"), std::nullopt);
  reg.SetWritable(ui::RegistryRoot::LocalMachine, false);
  EXPECT_FALSE(reg.DeleteValue(ui::RegistryRoot::LocalMachine, run, "q7Scd"));
  EXPECT_FALSE(reg.WriteString(ui::RegistryRoot::LocalMachine, run, "other", "x"));
  EXPECT_EQ(reg.ValueCount(), 1u);
  reg.SetWritable(ui::RegistryRoot::LocalMachine, true);
  EXPECT_TRUE(reg.DeleteValue(ui::RegistryRoot::LocalMachine, run, "q7scd"));
  EXPECT_FALSE(reg.DeleteValue(ui::RegistryRoot::LocalMachine, run, "q7scd"));
}

TEST(headless_platform_test, shortcuts_and_records_stay_in_memory) {
  HeadlessPlatform platform("program");
  const auto link = platform.shortcuts().StartupFolder() / "课程表.lnk";
  EXPECT_TRUE(platform.shortcuts().Create(link, "program/Orvel2.exe"));
  EXPECT_EQ(platform.shortcuts().Target(link), std::filesystem::path("program/Orvel2.exe"));
  EXPECT_FALSE(std::filesystem::exists(link));
  EXPECT_TRUE(platform.shortcuts().Remove(link));
  EXPECT_EQ(platform.shortcuts().Target(link), std::nullopt);

  platform.sound().Beep(1000, 200);
  platform.power().GetShutdownPrivilege();
  platform.power().RequestShutdown();
  platform.shell().Open("hlp\\readme.txt");
  EXPECT_EQ(platform.sound().Beeps().size(), 1u);
  EXPECT_EQ(platform.power().ShutdownRequests(), 1);
  EXPECT_EQ(platform.shell().Opened(), std::vector<std::string>{"hlp\\readme.txt"});
  EXPECT_EQ(platform.system().Environment("windir"), "C:\\Windows");
  EXPECT_EQ(platform.system().ProgramPath(), std::filesystem::path("program") / "Orvel2.exe");
  EXPECT_EQ(platform.ProgramFolder(), std::filesystem::path("program"));
}

TEST(headless_platform_test, metrics_follow_the_documented_rule) {
  HeadlessPlatform platform("program");
  const ui::Font nine{"宋体", 9, false};
  EXPECT_EQ(platform.metrics().TextWidth(nine, "ab"), 180);
  EXPECT_EQ(platform.metrics().TextWidth(nine, "语文"), 360);
  EXPECT_EQ(platform.metrics().TextWidth(nine, "8:00-8:45"), 810);
  EXPECT_EQ(platform.metrics().TextHeight(nine), 240);
  EXPECT_EQ(platform.metrics().TextHeight(ui::Font{"宋体", 10.5f, false}), 280);
  EXPECT_EQ(platform.screen().WidthTwips(), 1024 * 15);
  platform.SetScreen(800, 600, 12);
  EXPECT_EQ(platform.screen().HeightTwips(), 7200);
}

TEST(headless_platform_test, windows_stack_in_bands_and_the_bottom_hook_holds_one_down) {
  HeadlessPlatform platform("program");
  Ticks ticks;
  TimerForm a(platform, "a", ticks);
  TimerForm b(platform, "b", ticks);
  auto& windows = platform.windows();
  a.Show();
  b.Show();
  EXPECT_EQ(windows.StackIndex(b), 0);
  EXPECT_EQ(windows.StackIndex(a), 1);
  windows.SetTopmost(a, true);
  windows.OpenOtherWindow("editor", false);
  EXPECT_EQ(windows.StackIndex(a), 0) << "topmost stays above a window opened later";
  EXPECT_EQ(windows.Stack().at(1).name, "editor");

  windows.SetBottomHook(a, true);
  windows.SetBottomHook(a, true);
  EXPECT_EQ(windows.HookChain(a), std::vector<HookKind>{HookKind::Bottom});
  EXPECT_TRUE(windows.IsTopmost(a)) << "installing the hook does not move the window";
  a.BringToFront();
  EXPECT_EQ(windows.StackIndex(a), 2);
  EXPECT_FALSE(windows.IsTopmost(a));
  windows.SetTopmost(a, true);
  EXPECT_EQ(windows.StackIndex(a), 2);

  windows.SetBottomHook(a, false);
  windows.SetBottomHook(a, false);
  EXPECT_TRUE(windows.HookChain(a).empty());
  a.BringToFront();
  EXPECT_EQ(windows.StackIndex(a), 0);
  ASSERT_EQ(windows.HookEvents().size(), 2u);
  EXPECT_FALSE(windows.HookEvents()[1].installed);

  windows.SetDragDestination(ScreenPoint{600, 450});
  windows.BeginDrag(b);
  EXPECT_EQ(b.Left(), 600);
  EXPECT_EQ(b.Top(), 450);
  EXPECT_EQ(windows.Window(b)->drags, 1);
  b.Unload();
  EXPECT_EQ(windows.Window(b), nullptr);
  EXPECT_EQ(windows.StackIndex(b), -1);
}

}  // namespace
}  // namespace orvel::headless

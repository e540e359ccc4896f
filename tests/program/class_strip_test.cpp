// The class strip of both editions on the headless window stack: shown by its mode while a
// full-screen window covers the schedule window's monitor, kept above a whiteboard that raises
// itself and never taking the focus nor hiding another program's open menu, its window text the
// line at chosen times, its first place clear of the schedule window, dragged and its place kept
// in classroom.ini, back inside a monitor when its own is gone.
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "app/grid_program.h"
#include "classic_fixture.h"
#include "desktop/class_strip.h"
#include "platform/headless/headless_peers.h"
#include "platform/headless/user_actions.h"
#include "program_fixture.h"

namespace orvel::test {
namespace {

using namespace std::chrono;

// WeekTable on kTuesday: 第一节 数学 8:00-8:45, 第二节 语文 8:55-9:40, 第三节 化学 13:30-14:15.

std::string Bytes(const std::filesystem::path& file) {
  return ReadWholeFile(file, 1 << 20).bytes;
}

// An edition in a folder of its own at `secondsOfDay` of the Tuesday, area "其他", with
// `classroom` as classroom.ini and `days` as days.csv (none for ""), on `monitors` (none: one).
template <class Program>
struct StripRun {
  StripRun(std::string_view classroom, int secondsOfDay, SettingsFile settings = {},
           std::string_view days = {}, std::vector<headless::HeadlessMonitor> monitors = {}) {
    WriteTimetable(folder.path(), "Schedule.csv", WeekTable());
    settings.area = "1";
    if constexpr (std::is_same_v<Program, app::ClassicProgram>)
      WriteClassicSettings(folder.path(), settings);
    else
      settings.Write(folder.path());
    if (!classroom.empty()) WriteAnsiFile(Classroom(), classroom);
    if (!days.empty()) WriteAnsiFile(folder.path() / "days.csv", days);
    platform.SetMonitors(std::move(monitors));
    platform.SetNow(kTuesday, secondsOfDay);
    Restart();
  }
  void Restart() {
    program.reset();
    program = std::make_unique<Program>(platform);
    program->Start();
  }
  desktop::ClassStrip* Strip() const { return program->shell().classStrip(); }
  bool Shown() const { return Strip() && Strip()->Visible(); }
  headless::HeadlessWindows& windows() { return platform.windows(); }
  std::filesystem::path Classroom() const { return folder.path() / "classroom.ini"; }
  // The right-click menu's item of `caption` chosen.
  void Choose(const std::string& caption) {
    platform.dialogs().QueueMenuCaption(caption);
    EXPECT_TRUE(headless::RightClickCell(platform, program->window().MSFlexGrid1, 1, 2));
  }

  ProgramFolder folder;
  headless::HeadlessPlatform platform{folder.path()};
  std::unique_ptr<Program> program;
};
using GridRun = StripRun<app::GridProgram>;

// The strip's middle and top in pixels of the desktop, as the user sees it on its monitor.
struct SeenPlace {
  double centrePx = 0, topPx = 0;
};
SeenPlace Seen(const headless::HeadlessPlatform& platform, const ui::Form& strip) {
  const ui::Screen& screen = platform.screen();
  const double leftPx = strip.Left() / screen.TwipsPerPixelX();
  return {leftPx + strip.Width() / screen.TwipsPerPixelOf(strip) / 2,
          strip.Top() / screen.TwipsPerPixelY()};
}

TEST(ClassStripTest, full_screen_mode_shows_the_strip_only_over_a_full_screen_window) {
  // With highlighting on the strip follows the schedule clock's tick, without it its own timer.
  for (const char* highlight : {"1", "0"}) {
    SCOPED_TRACE(std::string("highlighting ") + highlight);
    SettingsFile settings;
    settings.highlight = highlight;
    GridRun run("", At(8, 10), settings);  // 全屏时显示 by default
    headless::HeadlessWindows& windows = run.windows();
    EXPECT_EQ(run.Strip(), nullptr) << "nothing made on the desktop";

    // A video player in a window, in front: no strip.
    const ui::Bounds inAWindow{1500, 1500, 6000, 4500};
    windows.OpenOtherWindow("player", false, inAWindow);
    windows.ActivateOtherWindow("player");
    run.platform.Advance(1);
    EXPECT_FALSE(run.Shown());

    // Switched to full screen, which is no foreground change: the next second shows the strip,
    // above it, without taking the foreground.
    windows.MoveOtherWindow("player", std::nullopt);
    run.platform.Advance(1);
    ASSERT_TRUE(run.Shown());
    EXPECT_EQ(windows.StackIndex(*run.Strip()), 0);
    EXPECT_TRUE(windows.IsTopmost(*run.Strip()));
    EXPECT_EQ(windows.ForegroundName(), "player");
    // Back in its window: hidden the next second.
    windows.MoveOtherWindow("player", inAWindow);
    run.platform.Advance(1);
    EXPECT_FALSE(run.Shown());

    // A whiteboard taking the foreground brings it at once, and the desktop's own window
    // coming forward over it hides it at once.
    windows.OpenOtherWindow("whiteboard", false);
    windows.ActivateOtherWindow("whiteboard");
    EXPECT_TRUE(run.Shown());
    windows.OpenOtherWindow("notepad", false, inAWindow);
    windows.ActivateOtherWindow("notepad");
    EXPECT_FALSE(run.Shown());
    for (const std::string& name : windows.Activations()) EXPECT_NE(name, "ClassStrip");
  }
}

TEST(ClassStripTest, full_screen_mode_asks_the_schedule_windows_monitor_whatever_is_in_front) {
  // PowerPoint's presenter view: the slide show over the projector, where the schedule window
  // is, and the teacher's view maximised in the foreground on the laptop.
  const ui::Bounds laptop{0, 0, 1024 * 15, 768 * 15};
  const ui::Bounds projector{1024 * 15, 0, 1280 * 15, 1024 * 15};
  SettingsFile settings;
  settings.left = std::to_string(1100 * 15);
  GridRun run("", At(8, 10), settings, {}, {{0, 0, 1024, 768, 15}, {1024, 0, 1280, 1024, 15}});
  headless::HeadlessWindows& windows = run.windows();
  windows.OpenOtherWindow("slides", false, projector);
  windows.ActivateOtherWindow("slides");
  ui::StackedWindow maximised;
  maximised.maximisedWithCaption = true;
  windows.OpenOtherWindow("presenter", false, laptop, maximised);
  windows.ActivateOtherWindow("presenter");
  run.platform.Advance(1);
  ASSERT_TRUE(run.Shown());
  EXPECT_GE(run.Strip()->Left(), projector.left) << "seen by the class";
  EXPECT_EQ(windows.ForegroundName(), "presenter");
}

TEST(ClassStripTest, the_menus_mode_shows_it_keeps_it_above_a_whiteboard_and_off_costs_nothing) {
  GridRun run("strip=off\r\n", At(8, 10));
  headless::HeadlessWindows& windows = run.windows();
  windows.OpenOtherWindow("whiteboard", true);
  windows.ActivateOtherWindow("whiteboard");
  run.platform.Advance(2);
  EXPECT_EQ(run.Strip(), nullptr);
  EXPECT_EQ(run.platform.foreground().Hooks(), 0u) << "no watch of the foreground";

  run.Choose("始终显示");
  ASSERT_TRUE(run.Shown()) << "at once";
  const desktop::ClassStrip& strip = *run.Strip();
  EXPECT_FALSE(strip.takesFocus);
  EXPECT_FALSE(strip.showInTaskbar);
  // The whiteboard puts itself on top again: the strip is back above it within half a second,
  // and the whiteboard keeps the foreground.
  const std::vector<std::string> activated = windows.Activations();
  run.platform.AdvanceMs(600);
  windows.RaiseOtherWindow("whiteboard");
  EXPECT_EQ(windows.StackIndex(strip), 1);
  run.platform.AdvanceMs(500);
  EXPECT_EQ(windows.StackIndex(strip), 0);
  EXPECT_EQ(windows.ForegroundName(), "whiteboard");
  EXPECT_EQ(windows.Activations(), activated);
  // The teacher opens the whiteboard's right-click menu over the strip: it stays the window
  // seen there while it is open.
  ui::StackedWindow menu;
  menu.role = ui::WindowRole::Menu;
  windows.OpenOtherWindow("menu", true, strip.bounds(), menu);
  run.platform.AdvanceMs(1500);
  EXPECT_EQ(windows.StackIndex(strip), 1);

  // 关: the strip goes, and with it every cost.
  run.Choose("关");
  EXPECT_EQ(run.Strip(), nullptr);
  EXPECT_EQ(run.platform.FindForm("ClassStrip"), nullptr);
  EXPECT_EQ(run.platform.foreground().Hooks(), 0u);
}

// At chosen times of the Tuesday, with a swapped second period and the exam's countdown, the
// strip's window text and label are the line; within a period one new text comes a second.
template <class Program>
void ExpectTheLineEachSecond(const char* highlight) {
  SettingsFile settings;
  settings.highlight = highlight;
  StripRun<Program> run("strip=always\r\n", At(7, 0), settings,
                        "2009-09-01,调课,第二节,物理\r\n2010-06-07,倒计时,高考\r\n");
  struct Case {
    int now;
    const char* line;
  };
  const Case cases[] = {
      {At(18, 0), "星期二 · 距高考 279 天"},
      {At(8, 47, 50), "课间 · 距上课 07:10 · 下节 物理 · 距高考 279 天"},
      {At(9, 0), "第二节 物理 · 距下课 40:00 · 距高考 279 天"},
      {At(8, 10), "第一节 数学 · 距下课 35:00 · 距高考 279 天"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    run.platform.SetNow(kTuesday, c.now - 1);
    run.platform.Advance(1);
    ASSERT_TRUE(run.Shown());
    EXPECT_EQ(run.Strip()->Caption(), c.line);
    EXPECT_EQ(run.Strip()->LblLine.Caption(), c.line);
  }
  const desktop::ClassStrip& strip = *run.Strip();
  const int texts = run.platform.PeerOf(strip)->Changes(ui::Property::Text);
  run.platform.Advance(10);
  EXPECT_EQ(run.platform.PeerOf(strip)->Changes(ui::Property::Text), texts + 10);
  EXPECT_EQ(strip.Caption(), "第一节 数学 · 距下课 34:50 · 距高考 279 天");
  // The strip fits its line.
  EXPECT_LE(strip.LblLine.Left() +
                run.platform.metrics().TextWidth(strip.LblLine.font(), strip.Caption()),
            strip.Width());
}

TEST(ClassStripTest, its_window_text_is_the_line_in_both_editions_once_a_second) {
  // The grid edition on the schedule clock's tick, the classic one on the strip's own.
  ExpectTheLineEachSecond<app::GridProgram>("1");
  ExpectTheLineEachSecond<app::ClassicProgram>("0");
}

TEST(ClassStripTest, a_dragged_strip_keeps_its_place_in_classroom_ini_and_starts_there) {
  // The schedule window where it starts, at the top left of the screen (1024 × 768 pixels),
  // reaches past the middle.
  GridRun run("strip=always\r\n", At(8, 10));
  desktop::ClassStrip* strip = run.Strip();
  ASSERT_NE(strip, nullptr);
  // In the middle of the screen, just below the schedule window rather than over its columns.
  const ui::Bounds schedule = run.program->window().bounds();
  EXPECT_NEAR(Seen(run.platform, *strip).centrePx, 512, 1);
  EXPECT_GE(strip->Top(), schedule.top + schedule.height);
  EXPECT_LT(strip->Top(), schedule.top + schedule.height + 20 * 15);

  // Pressed and let go where it was, or pressed with the right button: nothing is written.
  ui::Label& label = strip->LblLine;
  label.UserMouseDown(ui::MouseButton::Left, 0, 100, 100);
  label.UserMouseDown(ui::MouseButton::Right, 0, 100, 100);
  EXPECT_EQ(Bytes(run.Classroom()), "strip=always\r\n");

  run.windows().SetDragDestination(headless::ScreenPoint{3000, 9000});
  label.UserMouseDown(ui::MouseButton::Left, 0, 100, 100);
  EXPECT_EQ(strip->Left(), 3000);
  EXPECT_EQ(strip->Top(), 9000);
  EXPECT_EQ(Bytes(run.Classroom()),
            "strip=always\r\nstripLeft=3000\r\nstripTop=9000\r\nspeech=off\r\n");
  EXPECT_EQ(run.windows().Window(*strip)->drags, 2);

  // A line of another length later leaves it where the user put it; so does the next start.
  run.platform.SetNow(kTuesday, At(18, 0));
  run.platform.Advance(1);
  EXPECT_EQ(run.Strip()->Left(), 3000);
  run.Restart();
  ASSERT_NE(run.Strip(), nullptr);
  EXPECT_EQ(run.Strip()->Left(), 3000);
  EXPECT_EQ(run.Strip()->Top(), 9000);

  // A start on a screen of 660 pixels with a taskbar of 40 at its bottom: just above the taskbar.
  run.platform.SetMonitors({{0, 0, 1280, 660, 15}});
  run.platform.SetWorkAreas({{0, 0, 1280 * 15, 620 * 15}});
  run.Restart();
  EXPECT_EQ(run.Strip()->Left(), 3000);
  EXPECT_EQ(run.Strip()->Top() + run.Strip()->Height(), 620 * 15);
}

TEST(ClassStripTest, it_comes_back_to_a_monitor_when_its_own_is_gone) {
  // The primary monitor of 1024 × 768 pixels, and a projector of 1920 × 1080 at 144 DPI to its
  // left.
  const headless::HeadlessMonitor primary{0, 0, 1024, 768, 15};
  const headless::HeadlessMonitor projector{-1920, 0, 1920, 1080, 10};
  struct Case {
    const char* what;
    std::vector<headless::HeadlessMonitor> monitors;
    const char* classroom;
    std::string scheduleLeft;        // twips
    std::optional<double> keptLeft;  // twips, at the top of 300; none: centred
    double centrePx = 0;             // where the middle of a centred strip is seen
  };
  const char* kOnTheProjector = "strip=always\r\nstripLeft=-28800\r\nstripTop=300\r\n";
  const Case cases[] = {
      {"its place on the projector", {primary, projector}, kOnTheProjector, "1500", -28800},
      // Brought inside the nearest monitor, the primary.
      {"the projector gone", {primary}, kOnTheProjector, "1500", 0},
      {"no place, the schedule window on the projector",
       {primary, projector},
       "strip=always\r\n",
       "-27000",
       std::nullopt,
       -1920 + 960},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SettingsFile settings;
    settings.left = c.scheduleLeft;
    settings.top = "1500";
    GridRun run(c.classroom, At(8, 10), settings, {}, c.monitors);
    ASSERT_TRUE(run.Shown());
    if (c.keptLeft) {
      EXPECT_EQ(run.Strip()->Left(), *c.keptLeft);
      EXPECT_EQ(run.Strip()->Top(), 300);
    } else {
      EXPECT_NEAR(Seen(run.platform, *run.Strip()).centrePx, c.centrePx, 1);
    }
    // classroom.ini keeps the place for the day the projector is back.
    EXPECT_EQ(Bytes(run.Classroom()), c.classroom);
  }
}

}  // namespace
}  // namespace orvel::test

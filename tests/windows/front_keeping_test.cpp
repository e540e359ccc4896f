// Seen in class: each program started for real with its window on "始终在上" and a reminder due
// a few seconds later, then a stand-in for a full-screen slide show or whiteboard program that
// takes the foreground and puts itself on top every 3 s. The reminder popup and the schedule
// window must be the windows seen at their centres for at least three quarters of the looks,
// and the stand-in must keep the foreground throughout: ours never take it. In the middle of a
// lesson the class strip comes above the stand-in with the time left, and goes with it.
#include <windows.h>

// First: it keeps the MessageBox macro of <windows.h> off the portable interface.
#include "platform/win32/services_win.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cwchar>
#include <filesystem>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "desktop/front_keeper.h"
#include "dib_capture.h"
#include "platform/ui/form.h"
#include "platform/win32/prepare_process.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_platform.h"
#include "process_runner.h"
#include "win_test_support.h"

namespace orvel {
namespace {

namespace fs = std::filesystem;

constexpr int kDaySeconds = 86400;
constexpr DWORD kStartTimeoutMs = 15000;
constexpr DWORD kCloseGraceMs = 10000;
// The reminder comes this long after the timetable is written: time for the program and the
// stand-in to start under Wine.
constexpr int kReminderDelaySeconds = 8;
constexpr int kReminderLeadSeconds = 180;
// Three of the stand-in's 3-second rounds, looked at four times a second.
constexpr int kLooks = 36;
constexpr DWORD kLookEveryMs = 250;

struct EditionFiles {
  const char* exe;
  const char* name;
  const char* settingsFile;
  bool fontLine;  // the grid edition's settings have a line for the grid's font
};

void PrintTo(const EditionFiles& edition, std::ostream* out) {
  *out << edition.name;
}

const EditionFiles kEditions[] = {{ORVEL2_EXE, "Orvel2", "Orvel2.ini", true},
                                  {SCHEDULE_EXE, "Schedule", "Schedule.ini", false}};

// A week with one period today, 数学, from `start` to `end` seconds after midnight; the window at
// 1500, 4500 twips on "始终在上", the clock on, reminders by popup, area "其他".
void WriteProgramFolder(const fs::path& folder, const EditionFiles& edition, const SYSTEMTIME& st,
                        int start, int end) {
  fs::create_directories(folder / "scd");
  std::vector<std::string> period(9);
  period[0] = "第一节";
  period[1] = wintest::TimeText(start) + "-" + wintest::TimeText(end);
  period[static_cast<std::size_t>(wintest::TodayColumn(st))] = "数学";
  std::string text = "2,9\r\n节次,上课时间,一,二,三,四,五,六,日\r\n";
  for (std::size_t c = 0; c < period.size(); ++c) text += (c ? "," : "") + period[c];
  wintest::WriteAnsi(folder / "scd" / "Schedule.csv", text + "\r\n");
  std::string settings = "1500,4500\r\nSchedule.csv\r\n0,0,0,0,1,0\r\n0,0,0,0,0,0,0,0\r\n";
  if (edition.fontLine) settings += "宋体,9,0\r\n";
  wintest::WriteAnsi(folder / edition.settingsFile, settings + "1,0,0,1,1\r\n");
}

RECT WindowRect(HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  return r;
}

// The top-level window a click at the centre of `hwnd` would reach.
HWND SeenAtCentre(HWND hwnd) {
  const RECT r = WindowRect(hwnd);
  const POINT centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  HWND hit = WindowFromPoint(centre);
  return hit ? GetAncestor(hit, GA_ROOT) : nullptr;
}

// Waits until the window has stopped moving (the popup's slide), at most `timeoutMs`.
void WaitUntilStill(HWND hwnd, DWORD timeoutMs) {
  RECT before = WindowRect(hwnd);
  const ULONGLONG until = GetTickCount64() + timeoutMs;
  while (GetTickCount64() < until) {
    Sleep(200);
    const RECT now = WindowRect(hwnd);
    if (EqualRect(&now, &before)) return;
    before = now;
  }
}

// The primary monitor as it looks, written as a BMP into the build's screenshot folder.
void SaveScreen(const std::string& name) {
  const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  const fs::path folder = wintest::HostPath(ORVEL_SCREENSHOT_DIR);
  std::error_code ec;
  fs::create_directories(folder, ec);
  const bool written = wintest::CaptureScreenArea(screen).WriteBmp(folder / name);
  std::printf("screenshot %s: %s\n", written ? "written" : "NOT written",
              (folder / name).string().c_str());
}

class FrontKeepingTest : public ::testing::TestWithParam<EditionFiles> {};

TEST_P(FrontKeepingTest, popup_and_topmost_window_stay_seen_over_a_self_raising_window) {
  const EditionFiles& edition = GetParam();
  SYSTEMTIME st{};
  const int now = wintest::SecondsNow(st);
  const int start = now + kReminderLeadSeconds + kReminderDelaySeconds;
  if (start + 2400 >= kDaySeconds) GTEST_SKIP() << "too close to midnight";
  wintest::TempFolder folder;
  const fs::path exe = folder.path() / (std::string(edition.name) + ".exe");
  ASSERT_TRUE(fs::copy_file(wintest::HostPath(edition.exe), exe)) << edition.exe;
  WriteProgramFolder(folder.path(), edition, st, start, start + 2400);

  // The program first, as it starts with Windows; then the slide show.
  wintest::ChildProcess program(exe, folder.path());
  ASSERT_TRUE(program.Started()) << "CreateProcess error " << program.LastError();
  const HWND schedule = program.WaitForWindow(nullptr, L"Form1", true, kStartTimeoutMs);
  ASSERT_TRUE(schedule) << "no schedule window";
  EXPECT_TRUE(GetWindowLongPtrW(schedule, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_FALSE(win32::FullScreenOverMonitorOf(schedule)) << "nothing full-screen yet";

  wintest::ChildProcess standIn(wintest::HostPath(STAND_IN_EXE), folder.path(), L"3000");
  ASSERT_TRUE(standIn.Started()) << "CreateProcess error " << standIn.LastError();
  const HWND slides =
      standIn.WaitForWindow(L"OrvelFullScreenStandIn", nullptr, true, kStartTimeoutMs);
  ASSERT_TRUE(slides) << "no stand-in window";

  const HWND popup =
      program.WaitForWindow(nullptr, L"提醒", true, (kReminderDelaySeconds + 10) * 1000);
  ASSERT_TRUE(popup) << "no reminder popup";
  WaitUntilStill(popup, 3000);
  EXPECT_TRUE(win32::FullScreenOverMonitorOf(schedule)) << "the stand-in covers the monitor";

  int popupSeen = 0, scheduleSeen = 0, foregroundKept = 0, looks = 0;
  for (; looks < kLooks && IsWindow(popup); ++looks) {
    popupSeen += SeenAtCentre(popup) == popup;
    scheduleSeen += SeenAtCentre(schedule) == schedule;
    foregroundKept += GetForegroundWindow() == slides;
    if (looks == kLooks / 2) SaveScreen(std::string("front_keeping_") + edition.name + ".bmp");
    Sleep(kLookEveryMs);
  }
  std::printf(
      "%s: popup seen %d, schedule window seen %d, stand-in in the foreground %d, of %d "
      "looks\n",
      edition.name, popupSeen, scheduleSeen, foregroundKept, looks);
  EXPECT_EQ(looks, kLooks) << "the popup closed before the looks were over";
  EXPECT_GE(popupSeen * 4, looks * 3);
  EXPECT_GE(scheduleSeen * 4, looks * 3);
  EXPECT_EQ(foregroundKept, looks);
  // Neither window is a program of its own on the taskbar.
  EXPECT_TRUE(GetWindowLongPtrW(popup, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
  EXPECT_TRUE(GetWindowLongPtrW(schedule, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);

  standIn.Close(slides, kCloseGraceMs);
  program.Close(schedule, kCloseGraceMs);
}

// A shown top-level window of the program's whose text has `part`; null when none.
HWND ShownWindowWith(const wintest::ChildProcess& program, const std::wstring& part) {
  for (HWND hwnd : wintest::TopLevelWindows(program.id()))
    if (IsWindowVisible(hwnd) && wintest::WindowCaption(hwnd).find(part) != std::wstring::npos)
      return hwnd;
  return nullptr;
}

// Waits up to `timeoutMs` for the strip, a shown window whose text tells the time left.
HWND WaitForStrip(const wintest::ChildProcess& program, DWORD timeoutMs) {
  const ULONGLONG until = GetTickCount64() + timeoutMs;
  for (;;) {
    if (HWND strip = ShownWindowWith(program, L"距下课")) return strip;
    if (GetTickCount64() >= until) return nullptr;
    Sleep(50);
  }
}

// The seconds left that a strip's "第一节 数学 · 距下课 12:05" tells; -1 when it tells none.
int SecondsLeftIn(const std::wstring& line) {
  const std::wstring prefix = L"第一节 数学 · 距下课 ";
  unsigned minutes = 0, seconds = 0;
  if (line.rfind(prefix, 0) != 0 ||
      swscanf(line.c_str() + prefix.size(), L"%u:%u", &minutes, &seconds) != 2)
    return -1;
  return static_cast<int>(minutes * 60 + seconds);
}

// The program first, in the middle of a lesson, then the stand-in: within 2 s the class strip
// (全屏时显示, as by default) shows above it with the time left, seen at its centre while the
// stand-in raises itself and keeps the foreground; once the stand-in has gone, the strip goes.
TEST_P(FrontKeepingTest, the_class_strip_shows_the_time_left_over_a_full_screen_window) {
  constexpr int kLessonLeft = 1800;
  constexpr DWORD kStripWithinMs = 2000;
  constexpr int kStripLooks = 12;  // one round of the stand-in
  const EditionFiles& edition = GetParam();
  SYSTEMTIME st{};
  const int now = wintest::SecondsNow(st);
  if (now < 600 || now + kLessonLeft + 60 >= kDaySeconds) GTEST_SKIP() << "too close to midnight";
  wintest::TempFolder folder;
  const fs::path exe = folder.path() / (std::string(edition.name) + ".exe");
  ASSERT_TRUE(fs::copy_file(wintest::HostPath(edition.exe), exe)) << edition.exe;
  const int end = now + kLessonLeft;
  WriteProgramFolder(folder.path(), edition, st, now - 600, end);

  wintest::ChildProcess program(exe, folder.path());
  ASSERT_TRUE(program.Started()) << "CreateProcess error " << program.LastError();
  const HWND schedule = program.WaitForWindow(nullptr, L"Form1", true, kStartTimeoutMs);
  ASSERT_TRUE(schedule) << "no schedule window";
  Sleep(1500);  // a tick or two on the desktop
  EXPECT_EQ(ShownWindowWith(program, L"距下课"), nullptr) << "no strip on the desktop";

  wintest::ChildProcess standIn(wintest::HostPath(STAND_IN_EXE), folder.path(), L"3000");
  ASSERT_TRUE(standIn.Started()) << "CreateProcess error " << standIn.LastError();
  const HWND slides =
      standIn.WaitForWindow(L"OrvelFullScreenStandIn", nullptr, true, kStartTimeoutMs);
  ASSERT_TRUE(slides) << "no stand-in window";
  const ULONGLONG covered = GetTickCount64();
  const HWND strip = WaitForStrip(program, kStripWithinMs);
  ASSERT_TRUE(strip) << "no strip within 2 s of the stand-in";
  std::printf("%s: the strip came %llu ms after the stand-in\n", edition.name,
              static_cast<unsigned long long>(GetTickCount64() - covered));
  const std::wstring line = wintest::WindowCaption(strip);
  const int left = SecondsLeftIn(line);
  SYSTEMTIME later{};
  EXPECT_NEAR(left, end - wintest::SecondsNow(later), 2) << win32::Narrow(line);
  const LONG_PTR ex = GetWindowLongPtrW(strip, GWL_EXSTYLE);
  EXPECT_EQ(ex & (WS_EX_TOPMOST | WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW),
            WS_EX_TOPMOST | WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW);

  int seen = 0, foregroundKept = 0;
  for (int look = 0; look < kStripLooks; ++look) {
    seen += SeenAtCentre(strip) == strip;
    foregroundKept += GetForegroundWindow() == slides;
    if (look == kStripLooks / 2) SaveScreen(std::string("class_strip_") + edition.name + ".bmp");
    Sleep(kLookEveryMs);
  }
  std::printf("%s: strip seen %d, stand-in in the foreground %d, of %d looks: %s\n", edition.name,
              seen, foregroundKept, kStripLooks,
              win32::Narrow(wintest::WindowCaption(strip)).c_str());
  EXPECT_GE(seen * 4, kStripLooks * 3);
  EXPECT_EQ(foregroundKept, kStripLooks);

  // The desktop back: the strip goes.
  standIn.Close(slides, kCloseGraceMs);
  const ULONGLONG until = GetTickCount64() + kStripWithinMs;
  while (IsWindowVisible(strip) && GetTickCount64() < until) Sleep(50);
  EXPECT_FALSE(IsWindowVisible(strip)) << "the strip stayed on the desktop";
  program.Close(schedule, kCloseGraceMs);
}

INSTANTIATE_TEST_SUITE_P(BothEditions, FrontKeepingTest, ::testing::ValuesIn(kEditions),
                         [](const ::testing::TestParamInfo<EditionFiles>& param) {
                           return std::string(param.param.name);
                         });

// The backend's parts on their own, in this process: the foreground hook hears another program
// come forward, the check sees a window of it over ours, and the raise puts ours back on top
// without taking the foreground.
TEST(front_services_test, hook_cover_check_and_raise_against_another_program) {
  win32::PrepareProcess();
  win32::Win32Platform platform;
  ui::Form notice(platform, "notice", ui::FormStyle::Borderless);
  notice.topmost = true;
  notice.takesFocus = false;
  notice.showInTaskbar = false;
  notice.Move(1500, 1500, 3000, 900);
  notice.Show();
  wintest::PumpFor(100);
  const HWND hwnd = wintest::FormHwnd(notice);
  ASSERT_TRUE(hwnd);
  int heard = 0;
  const std::unique_ptr<ui::ForegroundHook> hook =
      platform.foreground().Watch([&heard] { ++heard; });
  ASSERT_TRUE(hook);
  EXPECT_FALSE(platform.windows().CoveredByOther(notice));

  wintest::TempFolder folder;
  wintest::ChildProcess standIn(wintest::HostPath(STAND_IN_EXE), folder.path(), L"60000");
  ASSERT_TRUE(standIn.Started()) << "CreateProcess error " << standIn.LastError();
  const HWND slides =
      standIn.WaitForWindow(L"OrvelFullScreenStandIn", nullptr, true, kStartTimeoutMs);
  ASSERT_TRUE(slides);
  for (int i = 0; i < 20 && (heard == 0 || GetForegroundWindow() != slides); ++i)
    wintest::PumpFor(100);
  // Wine (8.0) raises no foreground events at all: there the 2 Hz check alone keeps the windows
  // in front, as the test of the programs above shows.
  if (wintest::InWinePrefix())
    std::printf("foreground events heard under Wine: %d\n", heard);
  else
    EXPECT_GT(heard, 0) << "no foreground event";
  ASSERT_EQ(GetForegroundWindow(), slides);
  EXPECT_TRUE(platform.windows().CoveredByOther(notice));
  EXPECT_TRUE(platform.windows().FullScreenOver(notice));
  EXPECT_EQ(SeenAtCentre(hwnd), slides);

  platform.windows().RaiseTopmost(notice);
  wintest::PumpFor(100);
  EXPECT_FALSE(platform.windows().CoveredByOther(notice));
  EXPECT_EQ(SeenAtCentre(hwnd), hwnd);
  EXPECT_EQ(GetForegroundWindow(), slides);
  // Whatever the shell says here, it says one of the states without failing.
  const ui::NotificationState state = platform.notifications().State();
  std::printf("notification state: %d\n", static_cast<int>(state));
  standIn.Close(slides, kCloseGraceMs);
  notice.Unload();
}

// A whiteboard's right-click menu, a real one of another process, opened over a kept window:
// for a second and a half of the keeper's checks the menu stays the window seen there.
TEST(front_services_test, another_programs_open_menu_stays_above_a_kept_window) {
  constexpr DWORD kMenuOpenMs = 6000;
  win32::PrepareProcess();
  win32::Win32Platform platform;
  desktop::FrontKeeper keeper(platform);
  ui::Form strip(platform, "strip", ui::FormStyle::Borderless);
  strip.topmost = true;
  strip.takesFocus = false;
  strip.showInTaskbar = false;
  strip.Move(1500, 1500, 6000, 900);
  desktop::FrontRegistration kept = keeper.Keep(strip, desktop::FrontOrder::Window);
  strip.Show();
  wintest::PumpFor(100);
  const HWND hwnd = wintest::FormHwnd(strip);
  ASSERT_TRUE(hwnd);
  const RECT r = WindowRect(hwnd);
  const POINT inBoth{r.left + 20, r.top + 20};

  wintest::TempFolder folder;
  const std::wstring at = std::to_wstring(r.left + 10) + L" " + std::to_wstring(r.top + 10) + L" " +
                          std::to_wstring(kMenuOpenMs);
  wintest::ChildProcess whiteboard(wintest::HostPath(MENU_STAND_IN_EXE), folder.path(), at);
  ASSERT_TRUE(whiteboard.Started()) << "CreateProcess error " << whiteboard.LastError();
  const HWND menu = whiteboard.WaitForWindow(L"#32768", nullptr, true, kStartTimeoutMs);
  ASSERT_TRUE(menu) << "no menu";
  wintest::PumpFor(100);
  ASSERT_EQ(GetAncestor(WindowFromPoint(inBoth), GA_ROOT), menu) << "the menu opened over it";

  wintest::PumpFor(1500);
  EXPECT_FALSE(platform.windows().CoveredByOther(strip));
  EXPECT_EQ(GetAncestor(WindowFromPoint(inBoth), GA_ROOT), menu) << "the strip climbed over it";
  EXPECT_TRUE(IsWindowVisible(menu));
  whiteboard.Kill();
  kept = {};
  strip.Unload();
}

}  // namespace
}  // namespace orvel

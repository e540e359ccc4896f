// The shutdown countdown on a real window: its caption, the shrinking bar, and closing when the
// pointer moves or the 15 seconds are over; it and the reminder popup open on top without taking
// the focus. Only the countdown window is shown; nothing here asks the system to shut down.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "desktop/frm_countdown.h"
#include "desktop/frm_tips.h"
#include "platform/win32/control_peer.h"
#include "platform/win32/dpi.h"
#include "platform/win32/prepare_process.h"
#include "platform/win32/win32_platform.h"
#include "win_test_support.h"

namespace orvel {
namespace {

std::wstring WindowText(HWND hwnd) {
  wchar_t buffer[128]{};
  const int n = GetWindowTextW(hwnd, buffer, 128);
  return std::wstring(buffer, static_cast<std::size_t>(n > 0 ? n : 0));
}

HWND ControlHwnd(const ui::Widget& widget) {
  const auto* peer = dynamic_cast<const win32::ControlPeer*>(widget.peer());
  return peer ? peer->hwnd() : nullptr;
}

int WindowWidth(HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  return r.right - r.left;
}

// The seconds a caption "关机倒计时N秒" shows; -1 for any other text.
int SecondsShown(const std::wstring& caption) {
  const std::wstring prefix = L"关机倒计时", suffix = L"秒";
  if (caption.size() <= prefix.size() + suffix.size() || caption.rfind(prefix, 0) != 0 ||
      caption.substr(caption.size() - suffix.size()) != suffix)
    return -1;
  const std::wstring digits =
      caption.substr(prefix.size(), caption.size() - prefix.size() - suffix.size());
  if (digits.find_first_not_of(L"0123456789") != std::wstring::npos) return -1;
  return std::stoi(digits);
}

class CountdownTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { win32::PrepareProcess(); }
  void SetUp() override {
    GetCursorPos(&start);
    form.Show();
    wintest::Pump();
    hwnd = wintest::FormHwnd(form);
    ASSERT_TRUE(hwnd);
    bar = ControlHwnd(form.bar);
    track = ControlHwnd(form.Labbarback);
    ASSERT_TRUE(bar && track);
    dpi = win32::WindowDpi(hwnd);
  }
  void TearDown() override {
    form.Unload();
    SetCursorPos(start.x, start.y);
  }

  win32::Win32Platform platform;
  desktop::FrontKeeper keeper{platform};
  desktop::FrmCountdown form{platform, keeper};
  HWND hwnd = nullptr, bar = nullptr, track = nullptr;
  UINT dpi = 96;
  POINT start{};
};

TEST_F(CountdownTest, opens_centred_with_its_caption_and_the_bar_over_the_track) {
  EXPECT_EQ(WindowText(hwnd), L"倒计时15秒");
  EXPECT_TRUE(IsWindowVisible(hwnd));
  RECT client{};
  GetClientRect(hwnd, &client);
  EXPECT_NEAR(client.right, win32::TwipsToPx(5340, dpi), 1);
  EXPECT_NEAR(client.bottom, win32::TwipsToPx(945, dpi), 1);
  // Centred on the work area of its monitor.
  RECT outer{};
  GetWindowRect(hwnd, &outer);
  MONITORINFO mi{};
  mi.cbSize = sizeof mi;
  ASSERT_TRUE(GetMonitorInfoW(MonitorFromWindow(hwnd, MONITOR_DEFAULTTOPRIMARY), &mi));
  EXPECT_NEAR(outer.left - mi.rcWork.left, mi.rcWork.right - outer.right, 1);
  EXPECT_NEAR(outer.top - mi.rcWork.top, mi.rcWork.bottom - outer.bottom, 1);
  // Laid out by the load: 4425 − 30 twips wide, starting one step into the track.
  EXPECT_NEAR(WindowWidth(bar), win32::TwipsToPx(4395, dpi), 1);
  EXPECT_NEAR(WindowWidth(track), win32::TwipsToPx(4425, dpi), 1);
  // The bar lies above the track in the stack of sibling windows, so it is the one drawn.
  bool trackBelow = false;
  for (HWND h = GetWindow(bar, GW_HWNDNEXT); h; h = GetWindow(h, GW_HWNDNEXT))
    trackBelow = trackBelow || h == track;
  EXPECT_TRUE(trackBelow);
}

TEST_F(CountdownTest, counts_down_and_closes_when_the_pointer_moves) {
  const int fullWidth = WindowWidth(bar);
  wintest::PumpFor(1000);
  ASSERT_TRUE(IsWindow(hwnd));
  const int shown = SecondsShown(WindowText(hwnd));
  EXPECT_GE(shown, 12) << WindowText(hwnd);
  EXPECT_LE(shown, 15);
  const int width = WindowWidth(bar);
  EXPECT_LT(width, fullWidth);
  EXPECT_GT(width, 0);

  POINT now{};
  GetCursorPos(&now);
  ASSERT_TRUE(SetCursorPos(now.x + 25, now.y + 10));
  wintest::PumpFor(400);
  EXPECT_FALSE(IsWindow(hwnd));
  EXPECT_FALSE(form.Loaded());
}

TEST_F(CountdownTest, runs_out_after_15_seconds_with_the_caption_at_0) {
  const DWORD begin = GetTickCount();
  std::wstring last;
  int lastWidth = WindowWidth(bar);
  // Wine's timers may run late; the window must be gone well within twice its time.
  while (IsWindow(hwnd) && GetTickCount() - begin < 30000) {
    last = WindowText(hwnd);
    const int width = WindowWidth(bar);
    EXPECT_LE(width, lastWidth);
    EXPECT_GE(width, 0);
    lastWidth = width;
    wintest::PumpFor(5);
  }
  const DWORD elapsed = GetTickCount() - begin;
  EXPECT_FALSE(IsWindow(hwnd));
  EXPECT_FALSE(form.Loaded());
  EXPECT_GE(elapsed, 14500u);
  EXPECT_EQ(SecondsShown(last), 0);
  EXPECT_LT(lastWidth, win32::TwipsToPx(100, dpi));
}

// A window the user is typing in.
class TypingForm : public ui::Form {
 public:
  explicit TypingForm(ui::Platform& platform)
      : ui::Form(platform, "typing", ui::FormStyle::Borderless), box(this, "box") {
    SetCaption("typing");
    // Low enough on the screen for the popup to come to rest above it.
    Move(1500, 4500);
    SetClientSize(4500, 1200);
    box.Move(120, 120, 3000, 315);
  }
  ui::TextBox box;
};

TEST(notice_focus_test, popup_and_countdown_open_on_top_and_leave_the_focus_where_it_is) {
  win32::PrepareProcess();
  POINT start{};
  GetCursorPos(&start);
  win32::Win32Platform platform;
  TypingForm typing(platform);
  typing.Show();
  const HWND typingHwnd = wintest::FormHwnd(typing);
  SetForegroundWindow(typingHwnd);
  typing.box.SetFocus();
  wintest::PumpFor(100);
  const HWND edit = ControlHwnd(typing.box);
  ASSERT_EQ(GetForegroundWindow(), typingHwnd);
  ASSERT_EQ(GetFocus(), edit);

  desktop::FrontKeeper keeper(platform);
  desktop::FrmTips popup(platform, typing, keeper);
  popup.ShowText("下节课有课：数学");
  desktop::FrmCountdown countdown(platform, keeper);
  countdown.Show();
  wintest::PumpFor(200);
  const ui::Form* notices[] = {&popup, &countdown};
  for (const ui::Form* notice : notices) {
    const HWND hwnd = wintest::FormHwnd(*notice);
    ASSERT_TRUE(hwnd) << notice->name();
    EXPECT_TRUE(IsWindowVisible(hwnd)) << notice->name();
    EXPECT_TRUE(GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) << notice->name();
  }
  EXPECT_EQ(GetForegroundWindow(), typingHwnd);
  EXPECT_EQ(GetFocus(), edit);

  // Once it has come to rest, a click closes the popup without activating anything either.
  for (int i = 0; i < 100 && popup.TimerMove.Enabled(); ++i) wintest::PumpFor(20);
  ASSERT_FALSE(popup.TimerMove.Enabled());
  wintest::ClickAt(wintest::FormHwnd(popup));
  wintest::PumpFor(300);
  EXPECT_FALSE(popup.Loaded());
  EXPECT_EQ(GetForegroundWindow(), typingHwnd);
  EXPECT_EQ(GetFocus(), edit);
  countdown.Unload();
  SetCursorPos(start.x, start.y);
}

}  // namespace
}  // namespace orvel

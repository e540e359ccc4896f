// The notification-area icon, its callback hook and the bottom hook on real windows.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "platform/ui/form.h"
#include "platform/win32/services_win.h"
#include "platform/win32/win32_platform.h"
#include "win_test_support.h"

namespace orvel {
namespace {

constexpr unsigned kCallback = WM_USER + 1001;

class PlainForm : public ui::Form {
 public:
  PlainForm(ui::Platform& p, const char* name, double left)
      : Form(p, name, ui::FormStyle::Borderless) {
    Move(left, 1500, 3000, 1500);
  }
};

// True when `lower` comes after `upper` in the stack of top-level windows.
bool IsBelow(HWND lower, HWND upper) {
  for (HWND h = GetWindow(upper, GW_HWNDNEXT); h; h = GetWindow(h, GW_HWNDNEXT))
    if (h == lower) return true;
  return false;
}

// Without activation: Wine without a window manager raises an activated window without asking
// the window, which no hook can see.
void RaiseToTop(HWND hwnd) {
  SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  wintest::Pump();
}

class TrayHookTest : public ::testing::Test {
 protected:
  void SetUp() override {
    a.Show();
    b.Show();
    wintest::Pump();
    ha = wintest::FormHwnd(a);
    hb = wintest::FormHwnd(b);
    ASSERT_TRUE(ha && hb);
    platform.tray().HookCallback(a, [this](ui::TrayMouse m) { mice.push_back(m); });
  }
  void TearDown() override {
    b.Unload();
    a.Unload();
  }
  // A click on the icon, as the shell reports it in the classic format.
  bool TrayStillHears() {
    mice.clear();
    PostMessageW(ha, kCallback, 1, WM_LBUTTONUP);
    wintest::Pump();
    return mice == std::vector<ui::TrayMouse>{ui::TrayMouse::LeftButtonUp};
  }

  win32::Win32Platform platform;
  PlainForm a{platform, "FrmA", 1500};
  PlainForm b{platform, "FrmB", 2500};
  HWND ha = nullptr, hb = nullptr;
  std::vector<ui::TrayMouse> mice;
};

TEST_F(TrayHookTest, icon_is_added_given_a_balloon_and_removed) {
  ui::TrayRecord record;
  record.callback = ui::TrayCallback::ProgramMessage;
  record.tipAnsi = "Tessaly2";
  const bool added = platform.tray().Add(a, record);
  EXPECT_TRUE(added) << "Shell_NotifyIconW(NIM_ADD) failed: no notification area?";
  record.balloonTextAnsi = "math";
  record.balloonTitleAnsi = "title";
  record.balloonIcon = ui::BalloonIcon::Info;
  EXPECT_EQ(platform.tray().ShowBalloon(a, record), added);
  EXPECT_EQ(platform.tray().Remove(a, record), added);
  // Gone: a second removal finds nothing.
  EXPECT_FALSE(platform.tray().Remove(a, record));
}

TEST_F(TrayHookTest, callback_hook_hands_the_mouse_message_to_the_handler) {
  EXPECT_TRUE(TrayStillHears());
  // Other messages and other mouse messages are told apart.
  mice.clear();
  PostMessageW(ha, kCallback + 1, 0, WM_LBUTTONUP);
  PostMessageW(ha, kCallback, 1, WM_RBUTTONUP);
  wintest::Pump();
  EXPECT_EQ(mice, std::vector<ui::TrayMouse>{ui::TrayMouse::Other});
  // The form's own handling still runs under the hook.
  int dbl = 0;
  a.onDblClick = [&] { ++dbl; };
  SendMessageW(ha, WM_LBUTTONDBLCLK, 0, 0);
  EXPECT_EQ(dbl, 1);
}

TEST_F(TrayHookTest, bottom_hook_keeps_the_window_below_the_other) {
  ASSERT_TRUE(IsBelow(ha, hb));
  // Without the hook, raising A puts it above B: the check below can fail.
  RaiseToTop(ha);
  EXPECT_TRUE(IsBelow(hb, ha));
  RaiseToTop(hb);

  platform.windows().SetBottomHook(a, true);
  EXPECT_TRUE(platform.windows().HasBottomHook(a));
  RaiseToTop(ha);
  EXPECT_TRUE(IsBelow(ha, hb));
  // Moving and resizing keep it at the bottom too.
  SetWindowPos(ha, HWND_TOP, 10, 10, 250, 120, SWP_NOACTIVATE);
  wintest::Pump();
  EXPECT_TRUE(IsBelow(ha, hb));
  EXPECT_TRUE(TrayStillHears());

  platform.windows().SetBottomHook(a, false);
  EXPECT_FALSE(platform.windows().HasBottomHook(a));
  RaiseToTop(ha);
  EXPECT_TRUE(IsBelow(hb, ha));
}

TEST_F(TrayHookTest, removing_the_bottom_hook_in_any_order_leaves_the_tray_hook) {
  // Tray hook first (SetUp), bottom hook on top of it, installed twice.
  platform.windows().SetBottomHook(a, true);
  platform.windows().SetBottomHook(a, true);
  platform.windows().SetBottomHook(a, false);
  EXPECT_FALSE(platform.windows().HasBottomHook(a));
  RaiseToTop(ha);
  EXPECT_TRUE(IsBelow(hb, ha)) << "a second install left a second hook behind";
  EXPECT_TRUE(TrayStillHears());

  // Removing when none is installed changes nothing.
  platform.windows().SetBottomHook(a, false);
  EXPECT_TRUE(TrayStillHears());

  // Bottom hook below a tray hook installed after it (start-up order), removed and put back
  // again the way the layer choice does.
  PlainForm c{platform, "FrmC", 3500};
  c.Show();
  wintest::Pump();
  HWND hc = wintest::FormHwnd(c);
  std::vector<ui::TrayMouse> cMice;
  platform.windows().SetBottomHook(c, true);
  platform.tray().HookCallback(c, [&](ui::TrayMouse m) { cMice.push_back(m); });
  platform.windows().SetBottomHook(c, false);
  platform.windows().SetBottomHook(c, true);
  RaiseToTop(hc);
  EXPECT_TRUE(IsBelow(hc, hb));
  platform.windows().SetBottomHook(c, false);
  RaiseToTop(hc);
  EXPECT_TRUE(IsBelow(hb, hc));
  PostMessageW(hc, kCallback, 1, WM_LBUTTONUP);
  wintest::Pump();
  EXPECT_EQ(cMice, std::vector<ui::TrayMouse>{ui::TrayMouse::LeftButtonUp});
  c.Unload();
  EXPECT_TRUE(TrayStillHears());
}

}  // namespace
}  // namespace orvel

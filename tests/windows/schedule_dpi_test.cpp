// The grid edition's window on a monitor whose DPI changes, on real windows: its place stays on
// the desktop's one scale (the system's DPI), its size and its rounded region follow the DPI of
// its monitor, and a place the user drags it to reads back as the twips that put it there again.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "app/grid_program.h"
#include "platform/win32/dpi.h"
#include "platform/win32/handles.h"
#include "platform/win32/win32_platform.h"
#include "win_test_support.h"

namespace orvel {
namespace {

RECT WindowRect(HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  return r;
}

RECT RegionBox(HWND hwnd) {
  win32::RegionHandle region(CreateRectRgn(0, 0, 0, 0));
  RECT box{};
  if (GetWindowRgn(hwnd, region.get()) != ERROR) GetRgnBox(region.get(), &box);
  return box;
}

TEST(schedule_dpi_test, size_and_region_follow_the_monitor_and_places_keep_the_desktops_scale) {
  wintest::TempFolder folder;
  std::filesystem::create_directories(folder.path() / "scd");
  wintest::WriteAnsi(folder.path() / "scd" / "Schedule.csv",
                     "3,4\r\n节次,时间,一,二\r\n1,8:00-8:45,语文,数学\r\n2,8:55-9:40,英语,物理\r\n");
  wintest::WriteAnsi(folder.path() / "Orvel2.ini",
                     "1500,1200\r\nSchedule.csv\r\n0,0,0,0,0,0\r\n0,0,0,0,0,0,0,0\r\n宋体,9,0\r\n"
                     "0,0,0,0,1\r\n");
  win32::Win32Platform platform;
  platform.SetProgramFolder(folder.path());
  app::GridProgram program(platform);
  program.Start();
  wintest::Pump();
  ui::Form& window = program.window();
  const HWND hwnd = wintest::FormHwnd(window);
  ASSERT_TRUE(hwnd);
  const UINT place = win32::SystemDpi();
  const RECT before = WindowRect(hwnd);
  ASSERT_EQ(before.left, win32::TwipsToPx(1500, place));
  ASSERT_EQ(before.top, win32::TwipsToPx(1200, place));

  // Its monitor set to twice the scale: the system suggests the same place at twice the size.
  const UINT dpi = 2 * win32::WindowDpi(hwnd);
  RECT suggested{before.left, before.top, before.left + 2 * (before.right - before.left),
                 before.top + 2 * (before.bottom - before.top)};
  SendMessageW(hwnd, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
  wintest::Pump();
  const RECT after = WindowRect(hwnd);
  EXPECT_EQ(after.left, before.left);
  EXPECT_EQ(after.top, before.top);
  EXPECT_EQ(after.right - after.left, win32::TwipsToPx(window.Width(), dpi));
  EXPECT_EQ(after.bottom - after.top, win32::TwipsToPx(window.Height(), dpi));
  EXPECT_EQ(window.Left(), 1500);
  EXPECT_EQ(window.Top(), 1200);
  // The rounded region covers the new size, up to its last pixel row and column.
  const RECT box = RegionBox(hwnd);
  EXPECT_NEAR(box.right, after.right - after.left, 1);
  EXPECT_NEAR(box.bottom, after.bottom - after.top, 1);

  // Dragged by the user: the place reads back on the desktop's scale, and puts it there again.
  SetWindowPos(hwnd, nullptr, 300, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  wintest::Pump();
  EXPECT_EQ(window.Left(), win32::PxToTwips(300, place));
  EXPECT_EQ(window.Top(), win32::PxToTwips(200, place));
  const double left = window.Left(), top = window.Top();
  window.Move(0, 0);
  window.Move(left, top);
  EXPECT_EQ(WindowRect(hwnd).left, 300);
  EXPECT_EQ(WindowRect(hwnd).top, 200);
}

}  // namespace
}  // namespace orvel

// The classic edition on real windows: ClassicProgram on the Win32 backend in a temporary
// program folder with a timetable around the real local time and the clock switched on. The
// matrix opens at the stored place, today's column shows the scheme's column colour on screen,
// a locked matrix lets the mouse through its boxes, and a double click on a box opens the panel.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/classic_program.h"
#include "dib_capture.h"
#include "platform/win32/control_peer.h"
#include "platform/win32/dpi.h"
#include "platform/win32/handles.h"
#include "platform/win32/win32_platform.h"
#include "win_test_support.h"

namespace orvel {
namespace {

namespace fs = std::filesystem;

constexpr int kDaySeconds = 86400;
constexpr COLORREF kColumnColour = 0x00FFFF;    // "方案1": today's column
constexpr COLORREF kClassNowColour = 0xFFFF00;  // "方案1": current period with a class
constexpr COLORREF kRowColour = 0x00FF00;       // "方案1": current period's row

using wintest::SecondsNow;
using wintest::TimeText;
using wintest::TodayColumn;
using wintest::WriteAnsi;

// Nine columns (Monday to Sunday), a period around now in row 1 with a subject every day, and
// two rows without times. Settings: at 1500, 3000 twips, always on top, "方案1", highlight on,
// area "其他", the lock as given.
void WriteProgramFolder(const fs::path& folder, int start, int end, const std::string& lock) {
  fs::create_directories(folder / "scd");
  std::string text = "4,9\r\n节次,上课时间,一,二,三,四,五,六,日\r\n";
  text +=
      "第一节," + TimeText(start) + "-" + TimeText(end) + ",数学,数学,数学,数学,数学,数学,数学\r\n";
  text += "第二节,,语文,语文,语文,语文,语文,语文,语文\r\n";
  text += "第三节,,英语,英语,英语,英语,英语,英语,英语\r\n";
  WriteAnsi(folder / "scd" / "Schedule.csv", text);
  WriteAnsi(folder / "Schedule.ini", "1500,3000\r\nSchedule.csv\r\n" + lock +
                                         ",0,0,0,1,0\r\n0,0,0,0,0,0,0,0\r\n1,0,0,0,1\r\n");
}

// What the screen shows at a point (the window is topmost, so it is the window's own pixel).
COLORREF ScreenPixel(POINT p) {
  win32::WindowDc screen(nullptr);
  return GetPixel(screen.get(), p.x, p.y);
}

// A point inside a box, clear of its centred text: near its left edge, half-way down.
POINT BesideText(HWND box) {
  RECT r{};
  GetWindowRect(box, &r);
  return POINT{r.left + 3, (r.top + r.bottom) / 2};
}

POINT Centre(HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// A real double click at a point of the screen.
void DoubleClickAt(POINT p) {
  SetCursorPos(p.x, p.y);
  INPUT inputs[4]{};
  for (int i = 0; i < 4; ++i) {
    inputs[i].type = INPUT_MOUSE;
    inputs[i].mi.dwFlags = i % 2 == 0 ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
  }
  SendInput(4, inputs, sizeof(INPUT));
}

class ClassicWindowTest : public ::testing::Test {
 protected:
  // A period from 10 minutes ago to 30 minutes from now; false too close to midnight.
  bool Start(const std::string& lock) {
    const int now = SecondsNow(st);
    if (now < 600 || now + 1800 >= kDaySeconds) return false;
    WriteProgramFolder(folder.path(), now - 600, now + 1800, lock);
    platform.SetProgramFolder(folder.path());
    program = std::make_unique<app::ClassicProgram>(platform);
    program->Start();
    wintest::PumpFor(2500);  // two ticks of the clock
    window = wintest::FormHwnd(program->window());
    return true;
  }
  void TearDown() override {
    program.reset();
    wintest::Pump();
  }
  // The native box of cell (row, col) counted from 0.
  HWND BoxHwnd(int row, int col) {
    ui::TextBox* box = program->window().Box(row * program->window().state().ScdCols + col + 1);
    auto* peer = box ? dynamic_cast<win32::ControlPeer*>(box->peer()) : nullptr;
    return peer ? peer->hwnd() : nullptr;
  }

  SYSTEMTIME st{};
  wintest::TempFolder folder;
  win32::Win32Platform platform;
  std::unique_ptr<app::ClassicProgram> program;
  HWND window = nullptr;
};

TEST_F(ClassicWindowTest, matrix_opens_at_its_place_and_paints_todays_column) {
  if (!Start("0")) GTEST_SKIP() << "too close to midnight for a period around now";
  ASSERT_TRUE(window);
  const UINT dpi = win32::WindowDpi(window);
  RECT rect{};
  GetWindowRect(window, &rect);
  EXPECT_EQ(rect.left, win32::TwipsToPx(1500, dpi));
  EXPECT_EQ(rect.top, win32::TwipsToPx(3000, dpi));
  EXPECT_EQ(rect.right - rect.left, win32::TwipsToPx(615 * 10, dpi));
  EXPECT_EQ(rect.bottom - rect.top, win32::TwipsToPx(285 * 4, dpi));

  const int today = TodayColumn(st);
  HWND column = BoxHwnd(2, today);
  HWND current = BoxHwnd(1, today);
  HWND rowCell = BoxHwnd(1, today == 2 ? 3 : 2);
  ASSERT_TRUE(column && current && rowCell);
  wchar_t cls[16]{};
  GetClassNameW(column, cls, 16);
  EXPECT_EQ(std::wstring(cls), L"Edit");
  // The model's colours, as the clock set them.
  EXPECT_EQ(program->window().Box(2 * 9 + today + 1)->BackColour(), kColumnColour);

  // On screen.
  EXPECT_EQ(ScreenPixel(BesideText(column)), kColumnColour);
  EXPECT_EQ(ScreenPixel(BesideText(current)), kClassNowColour);
  EXPECT_EQ(ScreenPixel(BesideText(rowCell)), kRowColour);
}

TEST_F(ClassicWindowTest, double_click_on_a_box_opens_the_control_panel) {
  if (!Start("0")) GTEST_SKIP() << "too close to midnight";
  HWND box = BoxHwnd(2, 4);
  ASSERT_TRUE(box);
  EXPECT_TRUE(IsWindowEnabled(box));
  EXPECT_EQ(wintest::OwnWindowStarting(L"课程表设置 - "), nullptr);
  DoubleClickAt(BesideText(box));
  HWND panel = nullptr;
  for (int i = 0; i < 100 && !panel; ++i) {
    wintest::PumpFor(20);
    panel = wintest::OwnWindowStarting(L"课程表设置 - ");
  }
  ASSERT_NE(panel, nullptr);
  wchar_t caption[128]{};
  GetWindowTextW(panel, caption, 128);
  EXPECT_EQ(std::wstring(caption), L"课程表设置 - Schedule.csv");
}

TEST_F(ClassicWindowTest, locked_boxes_let_the_double_click_through_to_the_window) {
  if (!Start("1")) GTEST_SKIP() << "too close to midnight";
  HWND box = BoxHwnd(2, 4);
  ASSERT_TRUE(box);
  // The frame's disabled state makes the boxes inside it inert: read-only and transparent to the
  // mouse, but not disabled, so that their text keeps the scheme's colour (black in "方案1")
  // instead of the system's grey.
  EXPECT_TRUE(IsWindowEnabled(box));
  EXPECT_TRUE(GetWindowLongPtrW(box, GWL_STYLE) & ES_READONLY);
  const wintest::Capture picture = wintest::CaptureSettledWindow(box, 2000);
  ASSERT_FALSE(picture.image.empty());
  // Dark pixels of the black text; a disabled box would draw it in the system's light grey.
  int dark = 0;
  for (int y = 0; y < picture.image.height(); ++y)
    for (int x = 0; x < picture.image.width(); ++x) {
      const COLORREF c = picture.image.Pixel(x, y);
      dark += GetRValue(c) < 0x60 && GetGValue(c) < 0x60 && GetBValue(c) < 0x60 ? 1 : 0;
    }
  EXPECT_GT(dark, 20) << "the text of a locked box is drawn in the scheme's text colour";
  const POINT p = Centre(box);
  EXPECT_EQ(SendMessageW(box, WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y)), HTTRANSPARENT);
  DoubleClickAt(BesideText(box));
  HWND panel = nullptr;
  for (int i = 0; i < 100 && !panel; ++i) {
    wintest::PumpFor(20);
    panel = wintest::OwnWindowStarting(L"课程表设置 - ");
  }
  EXPECT_NE(panel, nullptr);
  // Still locked: the box took no focus.
  EXPECT_NE(GetFocus(), box);
}

}  // namespace
}  // namespace orvel

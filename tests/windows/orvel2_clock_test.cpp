// The grid edition's schedule clock on real windows: GridProgram on the Win32 backend in a
// temporary program folder, with a timetable built around the real local time. The current
// period's cell is painted on screen, and a popup reminder opens a topmost "提醒" window above
// the schedule window. Screenshots are written as BMP files into the build folder.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/grid_program.h"
#include "platform/win32/dpi.h"
#include "platform/win32/grid_paint.h"
#include "platform/win32/grid_window.h"
#include "platform/win32/handles.h"
#include "platform/win32/win32_platform.h"
#include "timetable/colour_table.h"
#include "win_test_support.h"

namespace orvel {
namespace {

namespace fs = std::filesystem;

constexpr int kDaySeconds = 86400;

using wintest::SecondsNow;
using wintest::TimeText;
using wintest::TodayColumn;
using wintest::WriteAnsi;

// A week of nine columns with one period in row 1, holding `subject` today only.
void WriteProgramFolder(const fs::path& folder, const SYSTEMTIME& st, int start, int end,
                        const std::string& subject, const std::string& remindMode) {
  fs::create_directories(folder / "scd");
  std::vector<std::string> header = {"节次", "上课时间", "一", "二", "三", "四", "五", "六", "日"};
  std::vector<std::string> period(9);
  period[0] = "第一节";
  period[1] = TimeText(start) + "-" + TimeText(end);
  period[static_cast<std::size_t>(TodayColumn(st))] = subject;
  std::vector<std::string> later = {"第二节", "", "", "", "", "", "", "", ""};
  std::string text = "3,9\r\n";
  for (const auto* row : {&header, &period, &later}) {
    for (std::size_t c = 0; c < row->size(); ++c) text += (c ? "," : "") + (*row)[c];
    text += "\r\n";
  }
  WriteAnsi(folder / "scd" / "Schedule.csv", text);
  // Position 1500, 6000 twips; scheme "方案1"; highlight on; the reminder mode; area "其他".
  WriteAnsi(folder / "Orvel2.ini",
            "1500,6000\r\nSchedule.csv\r\n0,0,0,0,0,0\r\n0,0,0,0,0,0,0,0\r\n"
            "宋体,9,0\r\n1,0,0," +
                remindMode + ",1\r\n");
}

// The screenshot folder of the build, as a Windows path (the host's root is drive Z: in Wine).
fs::path ScreenshotFolder() {
  std::string folder = ORVEL_SCREENSHOT_DIR;
  if (!folder.empty() && folder.front() == '/') folder = "Z:" + folder;
  return fs::path(folder);
}

// A rectangle of the screen as 32-bit pixels, top row first.
struct ScreenImage {
  int width = 0, height = 0;
  std::vector<std::uint32_t> pixels;  // 0x00RRGGBB

  bool WriteBmp(const fs::path& file) const {
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = -height;  // top-down
    info.biPlanes = 1;
    info.biBitCount = 32;
    info.biCompression = BI_RGB;
    const DWORD bytes = static_cast<DWORD>(pixels.size() * sizeof(std::uint32_t));
    BITMAPFILEHEADER head{};
    head.bfType = 0x4D42;  // "BM"
    head.bfOffBits = sizeof head + sizeof info;
    head.bfSize = head.bfOffBits + bytes;
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(&head), sizeof head);
    out.write(reinterpret_cast<const char*>(&info), sizeof info);
    out.write(reinterpret_cast<const char*>(pixels.data()), bytes);
    return static_cast<bool>(out);
  }
};

ScreenImage CaptureScreen(RECT area) {
  ScreenImage image;
  image.width = area.right - area.left;
  image.height = area.bottom - area.top;
  if (image.width <= 0 || image.height <= 0) return image;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = image.width;
  info.bmiHeader.biHeight = -image.height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  win32::WindowDc screen(nullptr);
  win32::MemoryDc dc(CreateCompatibleDC(screen.get()));
  void* bits = nullptr;
  win32::BitmapHandle bmp(CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bmp || !bits) return image;
  {
    win32::SelectGuard select(dc.get(), bmp.get());
    BitBlt(dc.get(), 0, 0, image.width, image.height, screen.get(), area.left, area.top, SRCCOPY);
    GdiFlush();
  }
  const auto* first = static_cast<const std::uint32_t*>(bits);
  image.pixels.assign(first, first + static_cast<std::size_t>(image.width) * image.height);
  return image;
}

void SaveScreenshot(RECT area, const char* name) {
  const fs::path folder = ScreenshotFolder();
  std::error_code ec;
  fs::create_directories(folder, ec);
  const ScreenImage image = CaptureScreen(area);
  const fs::path file = folder / name;
  const bool written = !image.pixels.empty() && image.WriteBmp(file);
  std::printf("screenshot %s: %s\n", written ? "written" : "NOT written", file.string().c_str());
}

// The grid's client area as the window paints it, one COLORREF per pixel.
struct GridPicture {
  int width = 0, height = 0;
  std::vector<COLORREF> pixels;
  // How many pixels of `r` have exactly `colour`, and how many pixels `r` has.
  std::pair<int, int> Count(RECT r, COLORREF colour) const {
    int hits = 0, all = 0;
    for (int y = std::max(0L, r.top); y < std::min<long>(height, r.bottom); ++y)
      for (int x = std::max(0L, r.left); x < std::min<long>(width, r.right); ++x) {
        ++all;
        hits += pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                       static_cast<std::size_t>(x)] == colour;
      }
    return {hits, all};
  }
};

GridPicture PrintGrid(HWND grid) {
  GridPicture picture;
  RECT rc{};
  GetClientRect(grid, &rc);
  picture.width = rc.right;
  picture.height = rc.bottom;
  win32::WindowDc screen(grid);
  win32::MemoryDc dc(CreateCompatibleDC(screen.get()));
  win32::BitmapHandle bmp(CreateCompatibleBitmap(screen.get(), rc.right, rc.bottom));
  win32::SelectGuard select(dc.get(), bmp.get());
  SendMessageW(grid, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.get()), PRF_CLIENT);
  for (int y = 0; y < rc.bottom; ++y)
    for (int x = 0; x < rc.right; ++x) picture.pixels.push_back(GetPixel(dc.get(), x, y));
  return picture;
}

RECT WindowRect(HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  return r;
}

class Orvel2ClockTest : public ::testing::Test {
 protected:
  void Start() {
    platform.SetProgramFolder(folder.path());
    program = std::make_unique<app::GridProgram>(platform);
    program->Start();
    wintest::Pump();
    window = wintest::FormHwnd(program->window());
    grid = wintest::ChildOfClass(window, win32::kGridClassName);
  }
  void TearDown() override {
    // The program's windows go with it; the popup first, as the program owns it.
    program.reset();
    wintest::Pump();
  }

  wintest::TempFolder folder;
  win32::Win32Platform platform;
  std::unique_ptr<app::GridProgram> program;
  HWND window = nullptr, grid = nullptr;
};

TEST_F(Orvel2ClockTest, current_period_cell_is_painted_in_the_class_now_colour) {
  SYSTEMTIME st{};
  const int now = SecondsNow(st);
  if (now + 60 >= kDaySeconds) GTEST_SKIP() << "too close to midnight for a period around now";
  const int start = std::max(0, now - 600);
  const int end = std::min(kDaySeconds - 1, now + 1800);
  WriteProgramFolder(folder.path(), st, start, end, "数学", "0");
  Start();
  ASSERT_TRUE(window && grid);
  ASSERT_EQ(program->window().MSFlexGrid1.TextMatrix(1, TodayColumn(st)), "数学");
  wintest::PumpFor(2000);

  const ColourTable colours;
  const COLORREF classNow = colours.Get(SchemeChoice::First, kColourCurrentClass);
  const COLORREF background = colours.Get(SchemeChoice::First, kColourBackground);
  EXPECT_EQ(classNow, 0xFFFF00u);
  // The clock ran: the label of area "其他", and the cell in the grid's model.
  EXPECT_EQ(program->window().MSFlexGrid1.TextMatrix(0, 1), "时间");
  EXPECT_EQ(program->window().MSFlexGrid1.CellBackColour(1, TodayColumn(st)), classNow);

  // On screen: the cell is filled with the colour (its text aside); the cell beside it is not.
  const win32::GridGeometry geometry(program->window().MSFlexGrid1, win32::WindowDpi(grid));
  const GridPicture picture = PrintGrid(grid);
  const RECT today = geometry.CellRect(1, TodayColumn(st));
  const auto [hits, all] = picture.Count(today, classNow);
  ASSERT_GT(all, 0);
  EXPECT_GT(hits * 2, all) << hits << " of " << all << " pixels";
  const RECT label = geometry.CellRect(1, 0);
  EXPECT_EQ(picture.Count(label, classNow).first, 0);
  EXPECT_GT(picture.Count(label, background).first * 2, picture.Count(label, background).second);

  SaveScreenshot(WindowRect(window), "orvel2_clock_current_period.bmp");
  // No reminder in this mode.
  EXPECT_EQ(wintest::OwnWindow(L"提醒"), nullptr);
}

TEST_F(Orvel2ClockTest, popup_reminder_opens_a_topmost_window_above_the_schedule_window) {
  SYSTEMTIME st{};
  const int now = SecondsNow(st);
  const int lead = 180 + 4;  // the reminder comes 4 s from now
  if (now + lead + 2400 >= kDaySeconds) GTEST_SKIP() << "too close to midnight";
  WriteProgramFolder(folder.path(), st, now + lead, now + lead + 2400, "数学", "1");
  Start();
  ASSERT_TRUE(window);
  EXPECT_EQ(wintest::OwnWindow(L"提醒"), nullptr);

  HWND popup = nullptr;
  const ULONGLONG until = GetTickCount64() + 10000;
  while (!popup && GetTickCount64() < until) {
    wintest::PumpFor(50);
    popup = wintest::OwnWindow(L"提醒");
  }
  ASSERT_NE(popup, nullptr) << "no reminder within 10 s";
  EXPECT_TRUE(GetWindowLongPtrW(popup, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_FALSE(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
  // Above the schedule window in the Z order.
  bool scheduleBelow = false;
  for (HWND h = GetWindow(popup, GW_HWNDNEXT); h && !scheduleBelow; h = GetWindow(h, GW_HWNDNEXT))
    scheduleBelow = h == window;
  EXPECT_TRUE(scheduleBelow);
  // Its label shows the reminder.
  HWND label = wintest::ChildOfClass(popup, L"Static");
  ASSERT_TRUE(label);
  wchar_t text[64]{};
  GetWindowTextW(label, text, 64);
  EXPECT_EQ(std::wstring(text), L"下节课有课：数学");

  // The slide ends with the popup's bottom just over the schedule window's top edge.
  wintest::PumpFor(1500);
  ASSERT_TRUE(IsWindow(popup));
  const RECT schedule = WindowRect(window), tips = WindowRect(popup);
  const UINT dpi = win32::WindowDpi(window);
  EXPECT_LE(tips.bottom, schedule.top + win32::TwipsToPx(15, dpi) + 1);
  EXPECT_GT(tips.bottom, schedule.top - win32::TwipsToPx(80, dpi) - 1);
  EXPECT_EQ(tips.left, schedule.left);
  SaveScreenshot(RECT{schedule.left, tips.top, schedule.right, schedule.bottom},
                 "orvel2_clock_reminder.bmp");

  // A click closes it.
  PostMessageW(popup, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
  PostMessageW(popup, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
  wintest::PumpFor(300);
  EXPECT_FALSE(IsWindow(popup));
}

}  // namespace
}  // namespace orvel

// Orvel2.exe started for real in a temporary program folder: where its window opens, its size,
// its tray icon, what it draws, the message when no timetable can be read, and that start-up
// and closing write nothing.
#include <windows.h>

#include <shellapi.h>

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "dib_capture.h"
#include "platform/win32/grid_window.h"
#include "platform/win32/handles.h"
#include "process_runner.h"
#include "win_test_support.h"

namespace orvel {
namespace {

namespace fs = std::filesystem;

constexpr DWORD kStartTimeoutMs = 15000;
// Under Wine without a notification area on the display, removing a tray icon takes 2 s.
constexpr DWORD kCloseGraceMs = 10000;
constexpr DWORD kSettleTimeoutMs = 3000;
constexpr COLORREF kGridLineColour = RGB(192, 192, 192);  // the grid's line between cells
constexpr UINT kTrayIconId = 1;

// Text in code page 936, the system's ANSI code page the files are written in.
std::string Gbk(const std::wstring& text) {
  const int n = WideCharToMultiByte(936, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0,
                                    nullptr, nullptr);
  std::string out(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
  BOOL lossy = FALSE;
  WideCharToMultiByte(936, 0, text.c_str(), static_cast<int>(text.size()), out.data(), n, nullptr,
                      &lossy);
  return lossy ? std::string() : out;
}

std::string ReadBytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const fs::path& file, const std::string& bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out << bytes;
}

// Every file and folder below `root`, as relative paths.
std::set<std::wstring> Listing(const fs::path& root) {
  std::set<std::wstring> names;
  for (const auto& entry : fs::recursive_directory_iterator(root))
    names.insert(fs::relative(entry.path(), root).wstring());
  return names;
}

int ScreenDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;
}

int TwipsAt(double twips, int dpi) {
  return static_cast<int>(std::lround(twips * dpi / 1440.0));
}

RECT WindowRect(HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  return r;
}

SIZE ClientSize(HWND hwnd) {
  RECT r{};
  GetClientRect(hwnd, &r);
  return SIZE{r.right, r.bottom};
}

// The tray knows an icon of this window: a modification that changes nothing succeeds.
bool TrayHasIcon(HWND hwnd) {
  NOTIFYICONDATAW nid{};
  nid.cbSize = sizeof(nid);
  nid.hWnd = hwnd;
  nid.uID = kTrayIconId;
  return Shell_NotifyIconW(NIM_MODIFY, &nid) != FALSE;
}

// The grid lines between cells that run across the whole middle half of the picture: the
// right edges of the columns (vertical) or the bottom edges of the rows; text never spans that
// far. The last column's and row's edge lies on the last pixel, which the window's rounded
// region (0, 0)-(width, height) leaves out, so only the lines inside count.
std::vector<int> InnerLines(const wintest::Image& image, bool vertical) {
  std::vector<int> lines;
  const int along = vertical ? image.width() : image.height();
  const int across = vertical ? image.height() : image.width();
  for (int i = 0; i + 1 < along; ++i) {
    bool line = true;
    for (int j = across / 4; j < across * 3 / 4 && line; ++j)
      line = (vertical ? image.Pixel(i, j) : image.Pixel(j, i)) == kGridLineColour;
    if (line) lines.push_back(i);
  }
  return lines;
}

bool Dark(COLORREF c) {
  return GetRValue(c) + GetGValue(c) + GetBValue(c) < 3 * 96;
}

// The window's region (its rounded corners); null when it has none.
win32::RegionHandle WindowRegion(HWND hwnd) {
  win32::RegionHandle region(CreateRectRgn(0, 0, 0, 0));
  const int kind = GetWindowRgn(hwnd, region.get());
  if (kind == ERROR || kind == NULLREGION) region.reset();
  return region;
}

// Dark pixels inside a rectangle of the picture (right and bottom excluded) that the window's
// region shows; outside it the capture holds whatever lies behind the window.
int DarkPixels(const wintest::Image& image, HRGN region, int left, int top, int right, int bottom) {
  int n = 0;
  for (int y = top; y < bottom; ++y)
    for (int x = left; x < right; ++x)
      if (!region || PtInRegion(region, x, y)) n += Dark(image.Pixel(x, y)) ? 1 : 0;
  return n;
}

wintest::Capture CaptureAndSave(HWND hwnd, const char* name) {
  wintest::Capture capture = wintest::CaptureSettledWindow(hwnd, kSettleTimeoutMs);
  const fs::path folder = wintest::HostPath(ORVEL_SCREENSHOT_DIR);
  std::error_code ec;
  fs::create_directories(folder, ec);
  const fs::path file = folder / name;
  EXPECT_TRUE(capture.image.WriteBmp(file)) << file;
  std::printf("screenshot (%s, %dx%d): %s\n", capture.source.c_str(), capture.image.width(),
              capture.image.height(), file.string().c_str());
  return capture;
}

class StartupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    exe = folder.path() / "Orvel2.exe";
    ASSERT_TRUE(fs::copy_file(wintest::HostPath(ORVEL2_EXE), exe)) << ORVEL2_EXE;
  }

  wintest::TempFolder folder;
  fs::path exe;
};

const wchar_t kTimetable[] =
    L"5,7\r\n"
    L"节次,时间,星期一,星期二,星期三,星期四,星期五\r\n"
    L"第一节,8:00-8:45,语文,数学,英语,物理,化学\r\n"
    L"第二节,8:55-9:40,数学,语文,物理,英语,数学\r\n"
    L"第三节,10:00-10:45,英语,化学,语文,数学,语文\r\n"
    L"第四节,10:55-11:40,物理,,数学,语文,英语\r\n";

// Left 1500, Top 1200 twips; everything else as a first save writes it, highlighting off.
const wchar_t kSettings[] =
    L"1500,1200\r\n"
    L"Schedule.csv\r\n"
    L"0,0,0,0,0,0\r\n"
    L"0,0,0,0,0,0,0,0\r\n"
    L"宋体,9,0\r\n"
    L"0,0,0.5,0,0\r\n";

TEST_F(StartupTest, opens_the_timetable_at_the_stored_place_draws_it_and_writes_nothing) {
  const std::string timetable = Gbk(kTimetable), settings = Gbk(kSettings);
  ASSERT_FALSE(timetable.empty());
  ASSERT_FALSE(settings.empty());
  fs::create_directories(folder.path() / "scd");
  WriteBytes(folder.path() / "scd" / "Schedule.csv", timetable);
  WriteBytes(folder.path() / "Orvel2.ini", settings);
  const std::set<std::wstring> before = Listing(folder.path());

  wintest::ChildProcess program(exe, folder.path());
  ASSERT_TRUE(program.Started()) << "CreateProcess error " << program.LastError();
  HWND window = program.WaitForWindow(nullptr, L"Form1", true, kStartTimeoutMs);
  ASSERT_TRUE(window) << "no visible Form1 window";
  EXPECT_FALSE(program.WaitForWindow(L"#32770", nullptr, false, 0)) << "unexpected dialog";

  const int dpi = ScreenDpi();
  const RECT rect = WindowRect(window);
  EXPECT_EQ(rect.left, TwipsAt(1500, dpi));
  EXPECT_EQ(rect.top, TwipsAt(1200, dpi));

  HWND grid = FindWindowExW(window, nullptr, win32::kGridClassName, nullptr);
  ASSERT_TRUE(grid);
  const SIZE client = ClientSize(window), gridSize = ClientSize(grid);
  EXPECT_GT(client.cx, 0);
  EXPECT_GT(client.cy, 0);
  EXPECT_EQ(client.cx, gridSize.cx);
  EXPECT_EQ(client.cy, gridSize.cy);
  EXPECT_EQ(rect.right - rect.left, client.cx);  // borderless: the window is all client
  EXPECT_EQ(rect.bottom - rect.top, client.cy);
  EXPECT_TRUE(TrayHasIcon(window));

  // Rounded corners: the top-left pixel lies outside the region, the middle inside.
  const win32::RegionHandle region = WindowRegion(window);
  ASSERT_TRUE(region);
  EXPECT_FALSE(PtInRegion(region.get(), 0, 0));
  EXPECT_TRUE(PtInRegion(region.get(), client.cx / 2, client.cy / 2));

  const wintest::Capture shot = CaptureAndSave(window, "orvel2_startup.bmp");
  const wintest::Image& image = shot.image;
  ASSERT_EQ(image.width(), client.cx);
  ASSERT_EQ(image.height(), client.cy);
  // 7 columns and 5 rows: 6 and 4 lines between them.
  const std::vector<int> cols = InnerLines(image, true), rows = InnerLines(image, false);
  ASSERT_EQ(cols.size(), 6u);
  ASSERT_EQ(rows.size(), 4u);
  // The header "节次": the cell is not black, and its text draws dark pixels. The empty cell
  // (4, 3) draws none.
  const COLORREF headerBack = image.Pixel(cols[0] - 2, rows[0] - 2);
  EXPECT_FALSE(Dark(headerBack)) << std::hex << headerBack;
  const HRGN shown = region.get();
  EXPECT_GT(DarkPixels(image, shown, 0, 0, cols[0], rows[0]), 10);
  EXPECT_GT(DarkPixels(image, shown, cols[1] + 1, rows[0] + 1, cols[2], rows[1]), 10);  // 语文
  EXPECT_EQ(DarkPixels(image, shown, cols[2] + 1, rows[3] + 1, cols[3], image.height()), 0);

  const bool closedItself = program.Close(window, kCloseGraceMs);
  std::printf("ended on WM_CLOSE: %s\n", closedItself ? "yes" : "no, terminated");
  EXPECT_FALSE(program.Running());
  EXPECT_EQ(ReadBytes(folder.path() / "scd" / "Schedule.csv"), timetable);
  EXPECT_EQ(ReadBytes(folder.path() / "Orvel2.ini"), settings);
  EXPECT_EQ(Listing(folder.path()), before);
}

TEST_F(StartupTest, without_files_reports_the_read_failure_then_opens_empty_at_the_origin) {
  const std::set<std::wstring> before = Listing(folder.path());
  wintest::ChildProcess program(exe, folder.path());
  ASSERT_TRUE(program.Started()) << "CreateProcess error " << program.LastError();

  HWND box = program.WaitForWindow(L"#32770", L"错误", true, kStartTimeoutMs);
  ASSERT_TRUE(box) << "no message box";
  // The message box's text is the static control 0xFFFF, on Windows and on Wine alike.
  EXPECT_EQ(wintest::WindowCaption(GetDlgItem(box, 0xFFFF)),
            L"用户指定数据文件或默认数据文件(scd\\Schedule.csv)丢失或读取失败，即将新建一个默认格式"
            L"的空课表，修改后，请保存文件及设置！\nscd\\Schedule.csv：找不到这个文件。");
  HWND ok = GetDlgItem(box, IDOK);
  ASSERT_TRUE(ok);
  // The timetable window shows only once start-up is over.
  EXPECT_FALSE(program.WaitForWindow(nullptr, L"Form1", true, 0));
  PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(ok));

  HWND window = program.WaitForWindow(nullptr, L"Form1", true, kStartTimeoutMs);
  ASSERT_TRUE(window) << "no visible Form1 window after OK";
  EXPECT_FALSE(IsWindow(box));
  const RECT rect = WindowRect(window);
  EXPECT_EQ(rect.left, 0);
  EXPECT_EQ(rect.top, 0);

  // Wine's own notification area may lie over the screen's top-left corner; the picture is
  // taken elsewhere. Moving the window writes nothing either (checked below).
  const int away = TwipsAt(1500, ScreenDpi());
  SetWindowPos(window, nullptr, away, away, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  ASSERT_EQ(WindowRect(window).left, away);

  // The empty default timetable: 11 rows of 7 columns, no text anywhere.
  const wintest::Capture shot = CaptureAndSave(window, "orvel2_no_files.bmp");
  const wintest::Image& image = shot.image;
  ASSERT_FALSE(image.empty());
  EXPECT_EQ(InnerLines(image, true).size(), 6u);
  EXPECT_EQ(InnerLines(image, false).size(), 10u);
  const win32::RegionHandle region = WindowRegion(window);
  EXPECT_EQ(DarkPixels(image, region.get(), 0, 0, image.width(), image.height()), 0);

  const bool closedItself = program.Close(window, kCloseGraceMs);
  std::printf("ended on WM_CLOSE: %s\n", closedItself ? "yes" : "no, terminated");
  EXPECT_FALSE(program.Running());
  EXPECT_EQ(Listing(folder.path()), before);
}

// Settings a user copied from another PC: a place beyond the left and top edges of this one's
// screen, and font sizes the panel never offers. The window still opens on the screen, at a
// size that fits it.
TEST_F(StartupTest, a_stored_place_or_font_size_from_elsewhere_still_opens_the_window_on_screen) {
  const struct {
    const wchar_t* position;
    const wchar_t* fontSize;
  } cases[] = {{L"-30000,-30000", L"9"}, {L"1500,1200", L"2048"}, {L"1500,1200", L"0.001"}};
  fs::create_directories(folder.path() / "scd");
  WriteBytes(folder.path() / "scd" / "Schedule.csv", Gbk(kTimetable));
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
  for (const auto& c : cases) {
    const std::wstring settings = std::wstring(c.position) +
                                  L"\r\nSchedule.csv\r\n0,0,0,0,0,0\r\n0,0,0,0,0,0,0,0\r\n宋体," +
                                  c.fontSize + L",0\r\n0,0,0.5,0,0\r\n";
    WriteBytes(folder.path() / "Orvel2.ini", Gbk(settings));
    wintest::ChildProcess program(exe, folder.path());
    ASSERT_TRUE(program.Started()) << "CreateProcess error " << program.LastError();
    HWND window = program.WaitForWindow(nullptr, L"Form1", true, kStartTimeoutMs);
    ASSERT_TRUE(window) << "no visible Form1 window";
    const RECT rect = WindowRect(window);
    const std::wstring what = std::wstring(c.position) + L" " + c.fontSize;
    if (std::wstring(c.position) == L"-30000,-30000") {
      EXPECT_EQ(rect.left, 0) << what;
      EXPECT_EQ(rect.top, 0) << what;
    }
    // Seven columns of text at 9 to 15 points: wider than a few pixels, within the screen.
    EXPECT_GT(rect.right - rect.left, 100) << what;
    EXPECT_GT(rect.bottom - rect.top, 40) << what;
    EXPECT_LE(rect.right, screenWidth) << what;
    EXPECT_LE(rect.bottom, screenHeight) << what;
    program.Close(window, kCloseGraceMs);
    EXPECT_FALSE(program.Running());
  }
}

// The visible form window of the process other than `except`, or null.
HWND OtherFormWindow(DWORD processId, HWND except) {
  for (HWND hwnd : wintest::TopLevelWindows(processId))
    if (hwnd != except && IsWindowVisible(hwnd) && wintest::WindowClass(hwnd) == L"OrvelForm")
      return hwnd;
  return nullptr;
}

// Alt+F4 as the keyboard gives it to the active window.
void PressAltF4() {
  INPUT keys[4] = {};
  const WORD codes[4] = {VK_MENU, VK_F4, VK_F4, VK_MENU};
  for (int i = 0; i < 4; ++i) {
    keys[i].type = INPUT_KEYBOARD;
    keys[i].ki.wVk = codes[i];
    keys[i].ki.dwFlags = i < 2 ? 0 : KEYEVENTF_KEYUP;
  }
  SendInput(4, keys, sizeof(INPUT));
}

// Alt+F4 on the schedule window, or the end of the Windows session, while the control panel is
// open: the program ends by itself and takes its tray icon along, as the panel's Exit does.
class ProgramEndTest : public StartupTest, public ::testing::WithParamInterface<bool> {};

TEST_P(ProgramEndTest, ends_the_program_with_its_icon_and_its_panel) {
  const bool sessionEnd = GetParam();
  fs::create_directories(folder.path() / "scd");
  WriteBytes(folder.path() / "scd" / "Schedule.csv", Gbk(kTimetable));
  WriteBytes(folder.path() / "Orvel2.ini", Gbk(kSettings));
  wintest::ChildProcess program(exe, folder.path());
  ASSERT_TRUE(program.Started()) << "CreateProcess error " << program.LastError();
  HWND window = program.WaitForWindow(nullptr, L"Form1", true, kStartTimeoutMs);
  ASSERT_TRUE(window);
  ASSERT_TRUE(TrayHasIcon(window));

  HWND grid = FindWindowExW(window, nullptr, win32::kGridClassName, nullptr);
  ASSERT_TRUE(grid);
  PostMessageW(grid, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
  HWND panel = nullptr;
  for (int i = 0; i < 100 && !panel; ++i, Sleep(50)) panel = OtherFormWindow(program.id(), window);
  ASSERT_TRUE(panel) << "no control panel";

  if (sessionEnd) {
    SendMessageTimeoutW(window, WM_QUERYENDSESSION, 0, 0, SMTO_ABORTIFHUNG, 3000, nullptr);
    // The session ends: the program's windows hear it; the system would end the process.
    DWORD_PTR result = 0;
    SendMessageTimeoutW(window, WM_ENDSESSION, TRUE, 0, SMTO_ABORTIFHUNG, 3000, &result);
    EXPECT_FALSE(TrayHasIcon(window));
  } else {
    SetForegroundWindow(window);
    for (int i = 0; i < 40 && GetForegroundWindow() != window; ++i) Sleep(50);
    ASSERT_EQ(GetForegroundWindow(), window);
    PressAltF4();
  }
  DWORD exit = 0;
  const bool ended = WaitForSingleObject(program.Handle(), kCloseGraceMs) == WAIT_OBJECT_0;
  EXPECT_TRUE(ended) << "the program is still running";
  if (ended) {
    EXPECT_TRUE(GetExitCodeProcess(program.Handle(), &exit) && exit == 0) << exit;
  }
  EXPECT_FALSE(TrayHasIcon(window));
}

INSTANTIATE_TEST_SUITE_P(AltF4AndSessionEnd, ProgramEndTest, ::testing::Values(false, true));

}  // namespace
}  // namespace orvel

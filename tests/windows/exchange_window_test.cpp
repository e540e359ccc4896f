// Timetables in and out of the grid edition on real windows, as a user moves them: a CSES file
// dropped on the window (WM_DROPFILES carrying a real HDROP), the system's right-click menu
// picking its export with the keyboard, a broken file refused. Message boxes and the open and
// save dialogs are answered by the test; the menu is the system's. Pictures of the imported week
// and of the open menu land in the build folder, and the export beside them for the schema check.
#include <windows.h>

#include <shellapi.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "answering_platform.h"
#include "cses_week.h"
#include "dib_capture.h"
#include "exchange/cses_file.h"
#include "read_cses.h"
#include "shell/exchange_texts.h"
#include "app/grid_program.h"
#include "platform/file_io.h"
#include "platform/text_codec.h"
#include "platform/win32/grid_window.h"
#include "win_test_support.h"

namespace orvel {
namespace {

namespace fs = std::filesystem;

using wintest::Pump;
using wintest::PumpFor;

constexpr DWORD kSettleTimeoutMs = 3000;
constexpr int kMenuTimeoutMs = 5000;
// Keyboard steps from the menu's top to "导出为 CSES...", the third item.
constexpr int kDownsToExport = 3;

using Rows = std::vector<std::vector<std::string>>;

using test::kAlternatingTable;
using test::kAlternatingWeek;

// What the shell hands a window when files are dropped on it: DROPFILES, then the wide paths,
// each ended by a zero, and one zero more. The receiver frees it (DragFinish).
HDROP MakeDrop(const std::vector<fs::path>& files) {
  std::wstring list;
  for (const fs::path& file : files) list += file.wstring() + L'\0';
  list += L'\0';
  const std::size_t bytes = sizeof(DROPFILES) + list.size() * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GHND, bytes);
  if (!memory) return nullptr;
  auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
  drop->pFiles = sizeof(DROPFILES);
  drop->pt = POINT{10, 10};
  drop->fWide = TRUE;
  std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), list.data(),
              list.size() * sizeof(wchar_t));
  GlobalUnlock(memory);
  return static_cast<HDROP>(memory);
}

// The pop-up menu as the timer sees it while the system's menu loop runs in this thread.
struct MenuVisit {
  bool seen = false;
  wintest::Capture picture;
};
MenuVisit g_menuVisit;

// Once the menu is open: its picture with the window under it, then Down to the export and
// Enter, as a user's keys.
VOID CALLBACK PickExportFromMenu(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND menu = FindWindowW(L"#32768", nullptr);
  if (!menu || !IsWindowVisible(menu)) return;
  KillTimer(nullptr, timer);
  g_menuVisit.seen = true;
  g_menuVisit.picture = wintest::CaptureWindow(GetDesktopWindow());
  for (int i = 0; i < kDownsToExport; ++i) PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
  PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
}

class ExchangeWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(folder.path() / "scd");
    wintest::WriteAnsi(folder.path() / "scd" / "Schedule.csv",
                       "3,7\r\n节次,时间,一,二,三,四,五\r\n1,8:00-8:45,语文,数学,英语,物理,化学\r\n"
                       "2,8:55-9:40,数学,语文,体育,英语,音乐\r\n");
    fs::create_directories(desktop.path());
    platform.dialogs().realMenus = &platform.real.dialogs();
    program = std::make_unique<app::GridProgram>(platform);
    program->Start();
    Pump();
    form = wintest::FormHwnd(program->window());
    grid = wintest::ChildOfClass(form, win32::kGridClassName);
    ASSERT_NE(grid, nullptr);
  }
  void TearDown() override {
    program.reset();
    Pump();
  }

  fs::path OnDesktop(const std::string& name, const std::string& bytes) {
    const fs::path file = desktop.path() / PathFromUtf8(name);
    std::ofstream(file, std::ios::binary) << bytes;
    return file;
  }
  void Drop(const fs::path& file) {
    HDROP drop = MakeDrop({file});
    ASSERT_NE(drop, nullptr);
    ASSERT_TRUE(PostMessageW(form, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0));
    PumpFor(300);
  }
  Rows Cells() {
    const ui::Grid& g = program->window().MSFlexGrid1;
    Rows cells(static_cast<std::size_t>(g.Rows()));
    for (int r = 0; r < g.Rows(); ++r)
      for (int c = 0; c < g.Cols(); ++c)
        cells[static_cast<std::size_t>(r)].push_back(g.TextMatrix(r, c));
    return cells;
  }
  // Every file below the program folder with its bytes.
  std::vector<std::pair<fs::path, std::string>> Snapshot() const {
    return wintest::FilesWithBytes(folder.path());
  }

  wintest::TempFolder folder;
  wintest::TempFolder desktop;
  wintest::FolderPlatform platform{folder.path()};
  std::unique_ptr<app::GridProgram> program;
  HWND form = nullptr;
  HWND grid = nullptr;
};

TEST_F(ExchangeWindowTest, drop_a_week_export_it_from_the_menu_and_refuse_a_broken_file) {
  const fs::path shots = wintest::HostPath(ORVEL_SCREENSHOT_DIR);
  const fs::path exported = wintest::HostPath(ORVEL_EXPORT_DIR) / "dropped_week.yaml";
  fs::create_directories(shots);
  fs::create_directories(exported.parent_path());
  fs::remove(exported);
  RECT before{};
  GetWindowRect(form, &before);

  // Dropped: the week with its Saturday and its "odd/even" cell, on the screen.
  Drop(OnDesktop("初二(3)班.yaml", std::string(kAlternatingWeek)));
  EXPECT_TRUE(platform.dialogs().messages.empty());
  EXPECT_EQ(Cells(), kAlternatingTable);
  EXPECT_TRUE(fs::exists(folder.path() / "scd" / PathFromUtf8("初二(3)班.csv")));
  RECT after{};
  GetWindowRect(form, &after);
  EXPECT_GT(after.right - after.left, before.right - before.left);  // a Saturday column more
  const wintest::Capture week = wintest::CaptureSettledWindow(form, kSettleTimeoutMs);
  EXPECT_FALSE(week.image.Uniform());
  EXPECT_TRUE(week.image.WriteBmp(shots / "exchange_imported_week.bmp"));

  // A right click on a cell: the system's menu, its export chosen with the keyboard.
  RECT cell{};
  GetWindowRect(grid, &cell);
  SetCursorPos(cell.left + 40, cell.top + 30);
  platform.dialogs().fileNames.push_back(Utf8FromPath(exported));
  g_menuVisit = {};
  const UINT_PTR timer = SetTimer(nullptr, 0, 100, PickExportFromMenu);
  ASSERT_NE(timer, 0u);
  PostMessageW(grid, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(40, 30));
  PostMessageW(grid, WM_RBUTTONUP, 0, MAKELPARAM(40, 30));
  const ULONGLONG end = GetTickCount64() + kMenuTimeoutMs;
  while (platform.dialogs().messages.empty() && GetTickCount64() < end) PumpFor(50);
  KillTimer(nullptr, timer);

  ASSERT_TRUE(g_menuVisit.seen) << "the menu did not open";
  EXPECT_TRUE(g_menuVisit.picture.image.WriteBmp(shots / "exchange_menu_open.bmp"));
  ASSERT_EQ(platform.dialogs().menus, std::vector<std::string>{"mnu_schedule"});
  ASSERT_EQ(platform.dialogs().messages.size(), 1u);
  EXPECT_EQ(platform.dialogs().messages[0].title, "导出为 CSES");
  const exchange::CsesImport back = test::ReadCsesFile(exported);
  ASSERT_TRUE(back.timetable.has_value()) << shell::CsesRefusalText(back.refusal);
  for (int r = 1; r < 3; ++r)
    for (int c = 1; c < 8; ++c)
      EXPECT_EQ(back.timetable->cell(r, c), kAlternatingTable[r][c]) << r << "," << c;

  // A broken file: refused with its line, nothing on disk changes, the week stays.
  std::string broken(kAlternatingWeek);
  broken.replace(broken.find("\"09:40:00\""), 10, "\"9:60\"");
  const auto files = Snapshot();
  Drop(OnDesktop("坏.yaml", broken));
  ASSERT_EQ(platform.dialogs().messages.size(), 2u);
  EXPECT_EQ(platform.dialogs().messages[1].title, "导入课表失败");
  EXPECT_NE(platform.dialogs().messages[1].text.find("第 23 行"), std::string::npos)
      << platform.dialogs().messages[1].text;
  EXPECT_EQ(Snapshot(), files);
  EXPECT_EQ(Cells(), kAlternatingTable);
}

}  // namespace
}  // namespace orvel

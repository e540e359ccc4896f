// "调课与放假" on real windows: the grid edition in-process in a temporary program folder, the
// window opened from the system's right-click menu with the keyboard, a date picked in the
// system's date picker with the arrow keys, a holiday typed and added. The rule is in days.csv at
// once, beside the lines the window cannot read, and the clock shows it without a restart.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>

#include "answering_platform.h"
#include "app/grid_program.h"
#include "panel/frm_days.h"
#include "platform/file_io.h"
#include "platform/text_codec.h"
#include "platform/win32/control_peer.h"
#include "platform/win32/form_window.h"
#include "platform/win32/grid_window.h"
#include "timetable/day_list.h"
#include "win_test_support.h"

namespace orvel {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono;
using wintest::Pump;
using wintest::PumpFor;

// Keyboard steps from the menu's top to "调课与放假...", the fourth item.
constexpr int kDownsToDays = 4;
constexpr int kWaitMs = 5000;

HWND HwndOf(const ui::Widget& w) {
  return dynamic_cast<const win32::ControlPeer&>(*w.peer()).hwnd();
}

void Key(HWND window, WPARAM key) {
  SendMessageW(window, WM_KEYDOWN, key, 0);
  SendMessageW(window, WM_KEYUP, key, 0);
  Pump();
}

TEST(days_window_test, a_holiday_added_in_the_window_is_in_days_csv_and_shown_at_once) {
  wintest::TempFolder folder;
  fs::create_directories(folder.path() / "scd");
  wintest::WriteAnsi(folder.path() / "scd" / "Schedule.csv",
                     "2,7\r\n节次,时间,一,二,三,四,五\r\n1,8:00-8:45,语文,数学,英语,物理,化学\r\n");
  // The clock on, area "其他"; a note and a line the program cannot read.
  wintest::WriteAnsi(folder.path() / "Orvel2.ini",
                     "0,0\r\nSchedule.csv\r\n0,0,0,0,0,0\r\n0,0,0,0,0,0,0,0\r\n宋体,9,0\r\n"
                     "1,0,0.5,0,1\r\n");
  const std::string kept = "# 本学期\r\n2026-11-0x,放假\r\n";
  wintest::WriteAnsi(folder.path() / "days.csv", kept);

  wintest::FolderPlatform platform(folder.path());
  platform.dialogs().realMenus = &platform.real.dialogs();
  auto program = std::make_unique<app::GridProgram>(platform);
  program->Start();
  Pump();
  HWND grid = wintest::ChildOfClass(wintest::FormHwnd(program->window()), win32::kGridClassName);
  ASSERT_NE(grid, nullptr);

  // The right-click menu, its fourth item chosen with the keyboard.
  const HWND daysHwnd =
      wintest::ChooseFromRightClickMenu(grid, kDownsToDays, L"调课与放假", kWaitMs);
  ASSERT_NE(daysHwnd, nullptr) << "the window did not open";
  auto* days = dynamic_cast<panel::FrmDays*>(&win32::FormWindow::FromHwnd(daysHwnd)->form());
  ASSERT_NE(days, nullptr);

  // The date picker starts at today, shown as the list writes dates; to its third field, the
  // day, and a day on, then back, with the keys.
  SYSTEMTIME now{};
  wintest::SecondsNow(now);
  const year_month_day today{year{now.wYear}, month{now.wMonth}, day{now.wDay}};
  EXPECT_EQ(days->DtpDate.Value(), today);
  HWND picker = HwndOf(days->DtpDate);
  SetFocus(picker);
  for (int i = 0; i < 3; ++i) Key(picker, VK_RIGHT);
  Key(picker, VK_UP);
  EXPECT_EQ(days->DtpDate.Value(), year_month_day{sys_days{today} + std::chrono::days{1}});
  Key(picker, VK_DOWN);
  ASSERT_EQ(days->DtpDate.Value(), today);

  // 放假 is the first kind; its name typed, then 添加.
  for (wchar_t ch : std::wstring(L"运动会")) SendMessageW(HwndOf(days->TxtValue1), WM_CHAR, ch, 1);
  SendMessageW(HwndOf(days->CmdAdd), BM_CLICK, 0, 0);
  Pump();
  EXPECT_TRUE(platform.dialogs().messages.empty());

  DayRule added;
  added.kind = DayRuleKind::Holiday;
  added.date = today;
  added.name = "运动会";
  EXPECT_EQ(ReadWholeFile(folder.path() / "days.csv", 1 << 20).bytes,
            Utf8ToAnsi(kept + DayRuleLine(added) + "\r\n"));
  ASSERT_EQ(SendMessageW(HwndOf(days->LstDays), LB_GETCOUNT, 0, 0), 1);

  // The clock's next tick names the holiday in the time column's header.
  for (int waited = 0; waited < kWaitMs; waited += 100) {
    PumpFor(100);
    if (program->window().MSFlexGrid1.TextMatrix(0, 1) == "运动会") break;
  }
  EXPECT_EQ(program->window().MSFlexGrid1.TextMatrix(0, 1), "运动会");

  days->Unload();
  program.reset();
  Pump();
}

}  // namespace
}  // namespace orvel

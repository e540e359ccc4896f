// Next year's national holidays on real windows: both editions in-process in a temporary program
// folder, on a chosen date (the platform's clock runs from it in real time). A holidays\2027.json
// with 元旦 on 2027-01-01 keeps the reminders quiet that day and names the day in the header;
// on 2027-01-04 without any 2027 data the day window's status line and the one-time notice (a
// balloon in the grid edition, the popup in the classic one) name 2027.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "answering_platform.h"
#include "app/classic_program.h"
#include "app/grid_program.h"
#include "panel/frm_days.h"
#include "platform/text_codec.h"
#include "platform/win32/control_peer.h"
#include "platform/win32/form_window.h"
#include "platform/win32/grid_window.h"
#include "platform/win32/wide.h"
#include "win_test_support.h"

namespace orvel {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono;
using wintest::Pump;
using wintest::PumpFor;

constexpr int kDownsToDays = 4;  // "调课与放假..." is the menu's fourth item
constexpr int kWaitMs = 5000;
// The programs start at 7:56:55; the reminder of the 8:00 lesson is due at 7:57:00.
constexpr int kStart = 7 * 3600 + 56 * 60 + 55;

const std::wstring kMissing2027 =
    L"2027年的法定节假日安排尚未提供：请将 2027.json 放入程序的 holidays "
    L"文件夹，或由学校统一发布。";

// The local date the test chooses, the time of day running on from `secondsOfDay` as the real
// clock runs.
class DatedClock : public ui::Clock {
 public:
  explicit DatedClock(ui::Clock& real) : real_(real) {}
  void Set(year_month_day date, int secondsOfDay) {
    date_ = date;
    start_ = secondsOfDay;
    startMs_ = real_.SteadyMs();
  }
  ui::LocalTime Now() const override {
    const auto passed = static_cast<int>((real_.SteadyMs() - startMs_) / 1000);
    return {date_, std::min(start_ + passed, 86399)};
  }
  std::int64_t LocalMs() const override {
    const ui::LocalTime now = Now();
    return std::chrono::sys_days{now.date}.time_since_epoch().count() * std::int64_t{86'400'000} +
           now.secondsOfDay * std::int64_t{1000};
  }
  std::int64_t SteadyMs() const override { return real_.SteadyMs(); }

 private:
  ui::Clock& real_;
  year_month_day date_{};
  int start_ = 0;
  std::int64_t startMs_ = 0;
};

// The system's notification area, with the balloon texts it was handed.
class RecordingTray : public ui::Tray {
 public:
  explicit RecordingTray(ui::Tray& real) : real_(real) {}
  bool Add(ui::Form& form, const ui::TrayRecord& record) override {
    return real_.Add(form, record);
  }
  bool ShowBalloon(ui::Form& form, const ui::TrayRecord& record) override {
    const bool shown = real_.ShowBalloon(form, record);
    if (shown) balloons.push_back(AnsiToUtf8(record.balloonTextAnsi));
    return shown;
  }
  bool Remove(ui::Form& form, const ui::TrayRecord& record) override {
    return real_.Remove(form, record);
  }
  bool SetTip(ui::Form& form, const ui::TrayRecord& record) override {
    return real_.SetTip(form, record);
  }
  void HookCallback(ui::Form& form, std::function<void(ui::TrayMouse)> onMouse) override {
    real_.HookCallback(form, std::move(onMouse));
  }
  std::vector<std::string> balloons;

 private:
  ui::Tray& real_;
};

class DatedPlatform : public wintest::FolderPlatform {
 public:
  DatedPlatform(fs::path folder, year_month_day date, int secondsOfDay)
      : FolderPlatform(std::move(folder)) {
    clock_.Set(date, secondsOfDay);
  }
  ui::Clock& clock() override { return clock_; }
  ui::Tray& tray() override { return tray_; }

  DatedClock clock_{real.clock()};
  RecordingTray tray_{real.tray()};
};

// A period at 8:00 with 数学 every day, the clock on, popup reminders, the area "其他".
void WriteProgramFolder(const fs::path& folder) {
  fs::create_directories(folder / "scd");
  wintest::WriteAnsi(folder / "scd" / "Schedule.csv",
                     "2,9\r\n节次,上课时间,一,二,三,四,五,六,日\r\n"
                     "第一节,8:00:00-8:45:00,数学,数学,数学,数学,数学,数学,数学\r\n");
  wintest::WriteAnsi(folder / "Orvel2.ini",
                     "0,0\r\nSchedule.csv\r\n0,0,0,0,0,0\r\n0,0,0,0,0,0,0,0\r\n宋体,9,0\r\n"
                     "1,0,0,1,1\r\n");
  wintest::WriteAnsi(folder / "Schedule.ini",
                     "0,0\r\nSchedule.csv\r\n0,0,0,0,0,0\r\n0,0,0,0,0,0,0,0\r\n1,0,0,1,1\r\n");
}

void WriteNewYear2027(const fs::path& folder) {
  fs::create_directories(folder / "holidays");
  // UTF-8, as the data set publishes it.
  const std::string json =
      "{\"year\": 2027, \"papers\": [], \"days\": [\n"
      "  {\"name\": \"元旦\", \"date\": \"2027-01-01\", \"isOffDay\": true}\n]}\n";
  FILE* out = _wfopen((folder / "holidays" / "2027.json").wstring().c_str(), L"wb");
  ASSERT_NE(out, nullptr);
  std::fwrite(json.data(), 1, json.size(), out);
  std::fclose(out);
}

std::wstring TextOf(HWND hwnd) {
  wchar_t text[512]{};
  GetWindowTextW(hwnd, text, 512);
  return text;
}

HWND HwndOf(const ui::Widget& w) {
  const auto* peer = dynamic_cast<const win32::ControlPeer*>(w.peer());
  return peer ? peer->hwnd() : nullptr;
}

// Pumps until the reminder popup is up or `ms` have passed.
HWND WaitForPopup(int ms) {
  HWND popup = nullptr;
  for (int waited = 0; waited < ms && !popup; waited += 50) {
    PumpFor(50);
    popup = wintest::OwnWindow(L"提醒");
  }
  return popup;
}

TEST(holidays_window_test, a_new_years_day_from_a_file_is_quiet_in_both_editions) {
  for (const bool classic : {false, true}) {
    SCOPED_TRACE(classic ? "Schedule" : "Orvel2");
    wintest::TempFolder folder;
    WriteProgramFolder(folder.path());
    WriteNewYear2027(folder.path());
    DatedPlatform platform(folder.path(), 2027y / January / 1, kStart);
    std::unique_ptr<app::GridProgram> grid;
    std::unique_ptr<app::ClassicProgram> boxes;
    if (classic) {
      boxes = std::make_unique<app::ClassicProgram>(platform);
      boxes->Start();
    } else {
      grid = std::make_unique<app::GridProgram>(platform);
      grid->Start();
    }
    // The time column's header, as the window shows it.
    const auto header = [&] {
      if (grid) return grid->window().MSFlexGrid1.TextMatrix(0, 1);
      return win32::Narrow(TextOf(HwndOf(*boxes->window().Box(2))));
    };
    // The clock's first tick writes the header.
    PumpFor(1500);
    EXPECT_EQ(header(), "元旦");
    // Past the reminder's moment: no popup, nothing told.
    EXPECT_EQ(WaitForPopup(6500), nullptr);
    EXPECT_TRUE(platform.tray_.balloons.empty());

    // A week later, an ordinary Friday: the same lesson reminds.
    platform.clock_.Set(2027y / January / 8, kStart);
    HWND popup = WaitForPopup(10000);
    ASSERT_NE(popup, nullptr) << "no reminder on an ordinary day";
    EXPECT_EQ(TextOf(wintest::ChildOfClass(popup, L"Static")), L"下节课有课：数学");
    EXPECT_NE(header(), "元旦");
    grid.reset();
    boxes.reset();
    Pump();
  }
}

TEST(holidays_window_test, a_year_without_data_is_named_in_the_day_window_and_told_once) {
  wintest::TempFolder folder;
  WriteProgramFolder(folder.path());
  DatedPlatform platform(folder.path(), 2027y / January / 4, 10 * 3600);
  platform.dialogs().realMenus = &platform.real.dialogs();
  auto program = std::make_unique<app::GridProgram>(platform);
  program->Start();
  Pump();
  EXPECT_EQ(platform.tray_.balloons, std::vector<std::string>{win32::Narrow(kMissing2027)});

  // 调课与放假 from the real right-click menu, with the keyboard.
  HWND grid = wintest::ChildOfClass(wintest::FormHwnd(program->window()), win32::kGridClassName);
  ASSERT_NE(grid, nullptr);
  const HWND daysHwnd =
      wintest::ChooseFromRightClickMenu(grid, kDownsToDays, L"调课与放假", kWaitMs);
  ASSERT_NE(daysHwnd, nullptr) << "the window did not open";
  auto* days = dynamic_cast<panel::FrmDays*>(&win32::FormWindow::FromHwnd(daysHwnd)->form());
  ASSERT_NE(days, nullptr);
  HWND status = HwndOf(days->LblNational);
  ASSERT_NE(status, nullptr);
  EXPECT_EQ(TextOf(status), kMissing2027);
  // The whole sentence fits the window: two lines of the dialog's font.
  RECT box{};
  GetClientRect(status, &box);
  HDC dc = GetDC(status);
  const HGDIOBJ old =
      SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(status, WM_GETFONT, 0, 0)));
  RECT needed = box;
  DrawTextW(dc, kMissing2027.c_str(), -1, &needed, DT_CALCRECT | DT_WORDBREAK);
  SelectObject(dc, old);
  ReleaseDC(status, dc);
  EXPECT_LE(needed.bottom, box.bottom);
  days->Unload();
  program.reset();
  Pump();

  // Started again that year on this PC: not told again.
  DatedPlatform again(folder.path(), 2027y / January / 5, 10 * 3600);
  auto restarted = std::make_unique<app::GridProgram>(again);
  restarted->Start();
  PumpFor(1500);
  EXPECT_TRUE(again.tray_.balloons.empty());
  restarted.reset();
  Pump();

  // The classic edition tells it with its popup.
  wintest::TempFolder classicFolder;
  WriteProgramFolder(classicFolder.path());
  DatedPlatform classicPlatform(classicFolder.path(), 2027y / January / 4, 10 * 3600);
  auto classic = std::make_unique<app::ClassicProgram>(classicPlatform);
  classic->Start();
  HWND popup = WaitForPopup(kWaitMs);
  ASSERT_NE(popup, nullptr);
  EXPECT_EQ(TextOf(wintest::ChildOfClass(popup, L"Static")), kMissing2027);
  classic.reset();
  Pump();
}

}  // namespace
}  // namespace orvel

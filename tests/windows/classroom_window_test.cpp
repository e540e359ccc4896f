// 语音提醒 and 课堂条 on real windows: the system's speech under Wine (no Chinese voice there),
// and the grid edition in-process in a temporary program folder, both items chosen from the
// system's right-click menu with the keyboard, the strip's modes from its submenu.
#include <windows.h>

// First: it keeps the MessageBox macro of <windows.h> off the portable interface.
#include "platform/win32/services_win.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "answering_platform.h"
#include "app/grid_program.h"
#include "dib_capture.h"
#include "platform/file_io.h"
#include "platform/text_codec.h"
#include "platform/win32/grid_window.h"
#include "win_test_support.h"

namespace orvel {
namespace {

namespace fs = std::filesystem;
using wintest::Pump;
using wintest::PumpFor;

constexpr ULONGLONG kWaitMs = 10000;
// The menu's items from the top: 控制面板..., 导入课表..., 导出为 CSES..., 调课与放假..., 考试安排...,
// 考试看板, 通知, 课堂条, 语音提醒, 退出. The first Down lands on the first item.
constexpr int kDownsToStrip = 8;
constexpr int kDownsToSpeech = 9;
constexpr UINT kGetMenuHandle = 0x01E1;  // MN_GETHMENU

// What the keys do once the system's menu is open.
enum class MenuKeys { Speech, StripAlways, LookAndClose };
MenuKeys g_keys = MenuKeys::Speech;
struct MenuSeen {
  bool open = false;
  UINT speechState = 0;
  std::vector<UINT> stripStates;
  wintest::Capture picture;
  // The top menu's window: keys posted to a submenu's window are lost once it closes.
  HWND menu = nullptr;
} g_seen;

HWND OpenMenu() {
  HWND menu = FindWindowW(L"#32768", nullptr);
  return menu && IsWindowVisible(menu) ? menu : nullptr;
}

void Keys(HWND menu, int downs, std::vector<WPARAM> then) {
  for (int i = 0; i < downs; ++i) PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
  for (WPARAM key : then) PostMessageW(menu, WM_KEYDOWN, key, 0);
}

// With the submenu open: its picture, then both menus closed.
VOID CALLBACK CloseAfterPicture(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  g_seen.picture = wintest::CaptureWindow(GetDesktopWindow());
  Keys(g_seen.menu, 0, {VK_ESCAPE, VK_ESCAPE});
}

VOID CALLBACK PressMenuKeys(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND menu = OpenMenu();
  if (!menu) return;
  KillTimer(nullptr, timer);
  g_seen.open = true;
  g_seen.menu = menu;
  switch (g_keys) {
    case MenuKeys::Speech:
      Keys(menu, kDownsToSpeech, {VK_RETURN});
      break;
    case MenuKeys::StripAlways:
      // Right opens the submenu on its first item, 关.
      Keys(menu, kDownsToStrip, {VK_RIGHT, VK_DOWN, VK_DOWN, VK_RETURN});
      break;
    case MenuKeys::LookAndClose: {
      const auto hmenu = reinterpret_cast<HMENU>(SendMessageW(menu, kGetMenuHandle, 0, 0));
      g_seen.speechState = GetMenuState(hmenu, kDownsToSpeech - 1, MF_BYPOSITION);
      HMENU strip = GetSubMenu(hmenu, kDownsToStrip - 1);
      for (int i = 0; strip && i < GetMenuItemCount(strip); ++i)
        g_seen.stripStates.push_back(GetMenuState(strip, i, MF_BYPOSITION) & MF_CHECKED);
      Keys(menu, kDownsToStrip, {VK_RIGHT});
      SetTimer(nullptr, 0, 300, CloseAfterPicture);
      break;
    }
  }
}

TEST(classroom_window_test, the_systems_speech_answers_without_a_chinese_voice_and_never_blocks) {
  ASSERT_TRUE(wintest::InWinePrefix()) << "the expected answer is Wine's: no Chinese voice";
  auto speech = std::make_unique<win32::Win32Speech>();
  // Speaking with no voice found returns at once.
  const ULONGLONG asked = GetTickCount64();
  speech->Speak("下节课，语文");
  bool answered = false, found = true;
  speech->FindChineseVoice([&](bool f) {
    answered = true;
    found = f;
  });
  EXPECT_LT(GetTickCount64() - asked, 100u);
  const ULONGLONG end = asked + kWaitMs;
  while (!answered && GetTickCount64() < end) PumpFor(20);
  ASSERT_TRUE(answered) << "no answer through the window thread's message loop";
  EXPECT_FALSE(found);
  std::printf("speech lookup answered in %llu ms\n",
              static_cast<unsigned long long>(GetTickCount64() - asked));
  const ULONGLONG closing = GetTickCount64();
  speech.reset();
  EXPECT_LT(GetTickCount64() - closing, 2500u);
}

TEST(classroom_window_test, speech_without_a_voice_gives_the_notice_and_the_strips_mode_is_kept) {
  wintest::TempFolder folder;
  fs::create_directories(folder.path() / "scd");
  wintest::WriteAnsi(folder.path() / "scd" / "Schedule.csv",
                     "2,7\r\n节次,时间,一,二,三,四,五\r\n1,8:00-8:45,语文,数学,英语,物理,化学\r\n");
  wintest::FolderPlatform platform(folder.path());
  platform.dialogs().realMenus = &platform.real.dialogs();
  auto program = std::make_unique<app::GridProgram>(platform);
  program->Start();
  Pump();
  HWND grid = wintest::ChildOfClass(wintest::FormHwnd(program->window()), win32::kGridClassName);
  ASSERT_NE(grid, nullptr);
  const fs::path classroom = folder.path() / "classroom.ini";

  const auto rightClickWith = [&](MenuKeys keys, const auto& done) {
    g_keys = keys;
    g_seen = {};
    RECT cell{};
    GetWindowRect(grid, &cell);
    SetCursorPos(cell.left + 20, cell.top + 10);
    const UINT_PTR timer = SetTimer(nullptr, 0, 100, PressMenuKeys);
    PostMessageW(grid, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(20, 10));
    PostMessageW(grid, WM_RBUTTONUP, 0, MAKELPARAM(20, 10));
    const ULONGLONG end = GetTickCount64() + kWaitMs;
    while (!done() && GetTickCount64() < end) PumpFor(50);
    KillTimer(nullptr, timer);
    PumpFor(200);
    EXPECT_TRUE(g_seen.open) << "the menu did not open";
  };

  // 语音提醒: the notice in a balloon, and still off.
  const auto notice = [&] {
    return AnsiToUtf8(program->state().tray.record().balloonTextAnsi) ==
           "此电脑没有中文语音，语音提醒无法使用。";
  };
  rightClickWith(MenuKeys::Speech, notice);
  EXPECT_TRUE(notice()) << AnsiToUtf8(program->state().tray.record().balloonTextAnsi);
  EXPECT_EQ(AnsiToUtf8(program->state().tray.record().balloonTitleAnsi), "语音提醒");
  EXPECT_FALSE(program->state().classroom.speech);
  EXPECT_FALSE(fs::exists(classroom));

  // 课堂条 → 始终显示 from the submenu: kept in classroom.ini.
  rightClickWith(MenuKeys::StripAlways,
                 [&] { return program->state().classroom.strip == StripMode::Always; });
  EXPECT_EQ(program->state().classroom.strip, StripMode::Always);
  EXPECT_EQ(ReadWholeFile(classroom, 1 << 10).bytes, "strip=always\r\nspeech=off\r\n");

  // The menu shows it: 始终显示 checked, 语音提醒 not.
  rightClickWith(MenuKeys::LookAndClose, [&] { return !g_seen.picture.image.empty(); });
  EXPECT_EQ(g_seen.speechState & MF_CHECKED, 0u);
  EXPECT_EQ(g_seen.stripStates, (std::vector<UINT>{0, 0, MF_CHECKED}));
  const fs::path shots = ORVEL_SCREENSHOT_DIR;
  fs::create_directories(shots);
  EXPECT_TRUE(g_seen.picture.image.WriteBmp(shots / "classroom_menu.bmp"));

  program.reset();
  Pump();
}

}  // namespace
}  // namespace orvel

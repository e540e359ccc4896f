// The system services on Wine: registry, shortcuts, text metrics, the ANSI codec, system facts.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

#include "platform/text_codec.h"
#include "platform/win32/services_win.h"
#include "platform/win32/win32_platform.h"
#include "win_test_support.h"

namespace orvel {
namespace {

TEST(win32_registry_test, round_trip_under_current_user) {
  win32::Win32Platform platform;
  auto& reg = platform.registry();
  const std::string key = "Software\\OrvelWinTest\\" + std::to_string(GetCurrentProcessId());
  const auto root = ui::RegistryRoot::CurrentUser;
  EXPECT_FALSE(reg.ReadString(root, key, "q7Scd").has_value());
  ASSERT_TRUE(reg.WriteString(root, key, "q7Scd", "C:\\课程表\\Orvel2.exe"));
  EXPECT_EQ(reg.ReadString(root, key, "q7Scd"), "C:\\课程表\\Orvel2.exe");
  ASSERT_TRUE(reg.WriteString(root, key, "q7Scd", ""));
  EXPECT_EQ(reg.ReadString(root, key, "q7Scd"), "");
  EXPECT_TRUE(reg.DeleteValue(root, key, "q7Scd"));
  EXPECT_FALSE(reg.ReadString(root, key, "q7Scd").has_value());
  EXPECT_FALSE(reg.DeleteValue(root, key, "q7Scd"));
  RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\OrvelWinTest");
}

TEST(win32_shortcuts_test, link_is_created_read_and_removed) {
  win32::Win32Platform platform;
  wintest::TempFolder temp;
  auto& links = platform.shortcuts();
  const auto target = temp.path() / L"程序.exe";
  const auto link = temp.path() / L"课程表.lnk";
  EXPECT_FALSE(links.Target(link).has_value());
  ASSERT_TRUE(links.Create(link, target));
  EXPECT_TRUE(std::filesystem::exists(link));
  const auto read = links.Target(link);
  ASSERT_TRUE(read.has_value());
  EXPECT_TRUE(std::filesystem::equivalent(read->parent_path(), target.parent_path()));
  EXPECT_EQ(read->filename(), target.filename());
  EXPECT_TRUE(links.Remove(link));
  EXPECT_FALSE(std::filesystem::exists(link));
  EXPECT_FALSE(links.StartupFolder().empty());
}

TEST(win32_metrics_test, widths_grow_with_text_and_font_size) {
  win32::Win32Platform platform;
  const auto& m = platform.metrics();
  const ui::Font nine{"宋体", 9, false}, fifteen{"宋体", 15, false};
  const double shortWidth = m.TextWidth(nine, "数学");
  EXPECT_GT(shortWidth, 0);
  EXPECT_GT(m.TextWidth(nine, "数学数学"), shortWidth);
  EXPECT_GT(m.TextWidth(fifteen, "数学"), shortWidth);
  EXPECT_EQ(m.TextWidth(nine, ""), 0);
  EXPECT_GT(m.TextHeight(fifteen), m.TextHeight(nine));
  // Twips: a 9-point font is about 180 twips high on any screen.
  EXPECT_GT(m.TextHeight(nine), 150);
  EXPECT_LT(m.TextHeight(nine), 300);
}

TEST(win32_codec_test, ansi_code_page_is_gbk) {
  ASSERT_EQ(GetACP(), 936u) << "the tests expect LANG=zh_CN.UTF-8";
  EXPECT_EQ(Utf8ToAnsi("课程表"), "\xBF\xCE\xB3\xCC\xB1\xED");
  EXPECT_EQ(AnsiToUtf8("\xCF\xC2\xBD\xDA\xBF\xCE\xD3\xD0\xBF\xCE\xA3\xBA"), "下节课有课：");
  EXPECT_EQ(Utf8ToAnsi("Tessaly2"), "Tessaly2");
}

TEST(win32_system_test, facts_about_the_system_and_program) {
  win32::Win32Platform platform;
  auto& sys = platform.system();
  const auto exe = sys.ProgramPath();
  EXPECT_EQ(exe.filename(), L"win32_services_test.exe");
  EXPECT_TRUE(std::filesystem::exists(exe));
  EXPECT_EQ(platform.ProgramFolder(), exe.parent_path());
  // Short date and time of the executable, e.g. "2026/12/7 4:30".
  SYSTEMTIME now{};
  GetLocalTime(&now);
  const std::string stamp = sys.ProgramTimeText();
  EXPECT_NE(stamp.find(':'), std::string::npos) << stamp;
  EXPECT_NE(stamp.find(' '), std::string::npos) << stamp;
  EXPECT_GE(sys.WindowsVersion().major, 5);
  EXPECT_FALSE(sys.Environment("WINDIR").empty());
  SetEnvironmentVariableW(L"ORVEL_TEST_VALUE", L"课表");
  EXPECT_EQ(sys.Environment("ORVEL_TEST_VALUE"), "课表");
  EXPECT_EQ(sys.Environment("ORVEL_NO_SUCH_VARIABLE"), "");

  const auto clock = platform.clock().Now();
  EXPECT_EQ(static_cast<unsigned>(clock.date.day()), now.wDay);
  EXPECT_EQ(static_cast<int>(clock.date.year()), now.wYear);
  const auto t0 = platform.clock().SteadyMs();
  Sleep(100);  // the tick count moves in steps of about 16 ms
  EXPECT_GE(platform.clock().SteadyMs() - t0, 60);

  const auto& screen = platform.screen();
  EXPECT_NEAR(screen.WidthTwips(), GetSystemMetrics(SM_CXSCREEN) * screen.TwipsPerPixelX(), 0.01);
  EXPECT_GT(screen.TwipsPerPixelX(), 0);
}

TEST(win32_fonts_test, families_are_listed_once_each) {
  win32::Win32Platform platform;
  const auto fonts = platform.fonts().Installed();
  ASSERT_FALSE(fonts.empty());
  const std::set<std::string> unique(fonts.begin(), fonts.end());
  EXPECT_EQ(unique.size(), fonts.size());
}

TEST(win32_screen_test, the_primary_monitor_comes_first_on_the_screens_scale) {
  win32::Win32Platform platform;
  const ui::Screen& screen = platform.screen();
  const std::vector<ui::Bounds> monitors = screen.Monitors();
  ASSERT_FALSE(monitors.empty());
  EXPECT_EQ(monitors.front(), (ui::Bounds{0, 0, screen.WidthTwips(), screen.HeightTwips()}));
}

TEST(wine_guard_test, only_wines_system_library_lets_the_auto_start_tests_run) {
  EXPECT_FALSE(wintest::IsWineNtdll(GetModuleHandleW(nullptr)));  // this program's own module
  EXPECT_FALSE(wintest::IsWineNtdll(GetModuleHandleW(L"kernel32.dll")));
  EXPECT_FALSE(wintest::IsWineNtdll(nullptr));
  // ctest starts these programs with Wine and says so: the guarded tests must run then.
  if (std::getenv("ORVEL_RUN_BY_WINE")) {
    EXPECT_TRUE(wintest::InWinePrefix());
  }
}

}  // namespace
}  // namespace orvel

#include "desktop/auto_start.h"

#include <gtest/gtest.h>

#include "platform/file_io.h"
#include "platform/headless/headless_platform.h"

namespace orvel {
namespace {

namespace fs = std::filesystem;
using namespace desktop;

constexpr auto kMachine = ui::RegistryRoot::LocalMachine;
const std::string kKey(kRunKey);
const std::string kName(kRunValueName);

TEST(auto_start_test, version_number_and_mode) {
  EXPECT_EQ(WindowsVersionNumber({5, 1}), 5.1f);
  EXPECT_EQ(WindowsVersionNumber({6, 0}), 6.0f);
  EXPECT_EQ(WindowsVersionNumber({6, 1}), 6.1f);
  EXPECT_EQ(WindowsVersionNumber({10, 0}), 10.0f);
  EXPECT_FALSE(IsShortcutMode(WindowsVersionNumber({5, 1})));
  EXPECT_TRUE(IsShortcutMode(WindowsVersionNumber({6, 0})));
  EXPECT_FALSE(IsShortcutMode(WindowsVersionNumber({6, 1})));
  EXPECT_FALSE(IsShortcutMode(WindowsVersionNumber({6, 2})));
  EXPECT_FALSE(IsShortcutMode(WindowsVersionNumber({10, 0})));
}

TEST(auto_start_test, program_path_follows_the_folder_prefix_rule) {
  EXPECT_EQ(ProgramPathText("D:\\", "Orvel2"), "D:\\Orvel2.exe");
  EXPECT_EQ(ProgramPathText("C:\\课程表", "Schedule"), "C:\\课程表\\Schedule.exe");
  // The extension is always ".exe", whatever the file was called.
  headless::HeadlessPlatform platform("program");
  platform.system().SetProgramPath(PathFromUtf8("C:\\学校\\课程表") / "Orvel2.EXE");
  EXPECT_EQ(ProgramPathText(platform), "C:\\学校\\课程表\\Orvel2.exe");
}

TEST(auto_start_test, startup_shortcut_path) {
  const std::string legacy = LegacyStartupShortcutPath("C:\\WINDOWS", "王老师");
  EXPECT_EQ(legacy, "C:\\Documents and Settings\\王老师\\「开始」菜单\\程序\\启动\\课程表.lnk");
  EXPECT_EQ(LegacyStartupShortcutPath("D:\\Win", "a"),
            "D:\\Documents and Settings\\a\\「开始」菜单\\程序\\启动\\课程表.lnk");
  const fs::path startup = fs::path("Users") / "a" / "Startup";
  EXPECT_EQ(ChooseStartupShortcutPath(legacy, true, startup), PathFromUtf8(legacy));
  EXPECT_EQ(ChooseStartupShortcutPath(legacy, false, startup), startup / PathFromUtf8("课程表.lnk"));
}

TEST(auto_start_test, reg_routines_never_fail_and_read_empty_when_missing) {
  headless::HeadlessPlatform platform("program");
  auto& reg = platform.registry();
  EXPECT_EQ(GetRegString(reg, kMachine, kKey, kName), "");
  SetRegString(reg, kMachine, kKey, kName, "C:\\课程表\\Orvel2.exe");
  EXPECT_EQ(GetRegString(reg, kMachine, kKey, kName), "C:\\课程表\\Orvel2.exe");
  DeleteRegValue(reg, kMachine, kKey, kName);
  EXPECT_EQ(GetRegString(reg, kMachine, kKey, kName), "");
  DeleteRegValue(reg, kMachine, kKey, kName);  // nothing there: passes silently
  reg.SetWritable(kMachine, false);
  SetRegString(reg, kMachine, kKey, kName, "x");  // refused: passes silently
  EXPECT_EQ(GetRegString(reg, kMachine, kKey, kName), "");
}

TEST(auto_start_test, shortcut_routines) {
  headless::HeadlessPlatform platform("program");
  auto& links = platform.shortcuts();
  const fs::path link = fs::path("Startup") / PathFromUtf8("课程表.lnk");
  EXPECT_EQ(GetTargetPath(links, link), "");
  EXPECT_TRUE(AddStartupShortcut(links, link, "C:\\课程表\\Orvel2.exe"));
  EXPECT_EQ(GetTargetPath(links, link), "C:\\课程表\\Orvel2.exe");
  links.SetFailCreate(true);
  EXPECT_FALSE(AddStartupShortcut(links, fs::path("Startup") / "other.lnk", "x"));
}

// A program in its folder, on a chosen Windows version.
class auto_start_rule_test : public ::testing::TestWithParam<ui::VersionInfo> {
 protected:
  auto_start_rule_test() : platform_("program") {
    platform_.system().SetProgramPath(fs::path("C:\\school") / "Orvel2.exe");
    platform_.system().SetWindowsVersion(GetParam().major, GetParam().minor);
  }
  float Version() { return WindowsVersionNumber(platform_.system().WindowsVersion()); }
  bool Shortcut() { return IsShortcutMode(Version()); }
  std::string Program() { return ProgramPathText(platform_); }
  fs::path Link() { return StartupShortcutPath(platform_); }
  std::string Stored() { return GetRegString(platform_.registry(), kMachine, kKey, kName); }
  std::string Target() { return GetTargetPath(platform_.shortcuts(), Link()); }
  // Stores what a tick of the box would store, by the mode's own means.
  void StoreOn(const std::string& path) {
    if (Shortcut())
      AddStartupShortcut(platform_.shortcuts(), Link(), path);
    else
      SetRegString(platform_.registry(), kMachine, kKey, kName, path);
  }
  void MoveProgram() {
    platform_.system().SetProgramPath(fs::path("C:\\moved") / "Orvel2.exe");
  }

  headless::HeadlessPlatform platform_;
};

TEST_P(auto_start_rule_test, ticking_turns_on_and_clearing_turns_off_by_the_mode_of_the_version) {
  EXPECT_FALSE(AutoStartIsOn(platform_, Version()));
  ApplyAutoStart(platform_, Version(), 1, 0);
  EXPECT_TRUE(AutoStartIsOn(platform_, Version()));
  if (Shortcut()) {
    EXPECT_EQ(Target(), Program());
    EXPECT_EQ(platform_.registry().ValueCount(), 0u);
  } else {
    EXPECT_EQ(Stored(), Program());
    EXPECT_TRUE(platform_.shortcuts().Links().empty());
  }
  ApplyAutoStart(platform_, Version(), 0, 1);
  EXPECT_FALSE(AutoStartIsOn(platform_, Version()));
  EXPECT_EQ(platform_.registry().ValueCount(), 0u);
  EXPECT_TRUE(platform_.shortcuts().Links().empty());
}

TEST_P(auto_start_rule_test, a_moved_program_reports_off_and_ticking_stores_the_new_path) {
  StoreOn(Program());
  ASSERT_TRUE(AutoStartIsOn(platform_, Version()));
  MoveProgram();
  EXPECT_FALSE(AutoStartIsOn(platform_, Version()));
  ApplyAutoStart(platform_, Version(), 1, 0);
  EXPECT_TRUE(AutoStartIsOn(platform_, Version()));
  EXPECT_EQ(Shortcut() ? Target() : Stored(), "C:\\moved\\Orvel2.exe");
}

TEST_P(auto_start_rule_test, leaving_the_box_as_loaded_writes_nothing_even_if_stale) {
  StoreOn("C:\\elsewhere\\Orvel2.exe");
  ApplyAutoStart(platform_, Version(), 1, 1);
  ApplyAutoStart(platform_, Version(), 0, 0);
  EXPECT_EQ(Shortcut() ? Target() : Stored(), "C:\\elsewhere\\Orvel2.exe");
  EXPECT_FALSE(AutoStartIsOn(platform_, Version()));
}

TEST_P(auto_start_rule_test, letter_case_counts_only_in_shortcut_mode) {
  StoreOn("c:\\SCHOOL\\orvel2.EXE");
  EXPECT_EQ(AutoStartIsOn(platform_, Version()), !Shortcut());
}

INSTANTIATE_TEST_SUITE_P(versions, auto_start_rule_test,
                         ::testing::Values(ui::VersionInfo{5, 1}, ui::VersionInfo{6, 0},
                                           ui::VersionInfo{6, 1}, ui::VersionInfo{10, 0}),
                         [](const ::testing::TestParamInfo<ui::VersionInfo>& version) {
                           return "windows_" + std::to_string(version.param.major) + "_" +
                                  std::to_string(version.param.minor);
                         });

TEST(auto_start_test, ticking_in_shortcut_mode_keeps_a_link_that_already_points_here) {
  headless::HeadlessPlatform platform("program");
  platform.system().SetProgramPath(fs::path("C:\\school") / "Orvel2.exe");
  const fs::path link = StartupShortcutPath(platform);
  ASSERT_TRUE(AddStartupShortcut(platform.shortcuts(), link, ProgramPathText(platform)));
  // A refused write would show if the link were written again.
  platform.shortcuts().SetFailCreate(true);
  ApplyAutoStart(platform, 6.0f, 1, 0);
  EXPECT_EQ(GetTargetPath(platform.shortcuts(), link), ProgramPathText(platform));
  // Clearing removes it even though creating is refused.
  ApplyAutoStart(platform, 6.0f, 0, 1);
  EXPECT_EQ(GetTargetPath(platform.shortcuts(), link), "");
}

TEST(auto_start_test, registry_mode_writes_the_machine_run_key_only) {
  headless::HeadlessPlatform platform("program");
  ApplyAutoStart(platform, 6.1f, 1, 0);
  EXPECT_EQ(platform.registry().ReadString(ui::RegistryRoot::CurrentUser, kKey, kName), std::nullopt);
  EXPECT_EQ(platform.registry().ReadString(kMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run",
                                           "Q7SCD"),
            ProgramPathText(platform));
}

}  // namespace
}  // namespace orvel

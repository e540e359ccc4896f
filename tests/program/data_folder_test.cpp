// Where the program keeps its files: the folder an installation names, or its own folder.
#include <gtest/gtest.h>

#include <set>

#include "app/grid_program.h"
#include "panel/frm_control.h"
#include "program/data_folder.h"
#include "program_fixture.h"
#include "timetable/program_folder.h"

namespace orvel::test {
namespace {

// The disk as a table: folders there, folders that can be made, folders that can be written.
class TableChecks : public program::FolderChecks {
 public:
  std::set<std::filesystem::path> there, makeable, writable;
  bool Exists(const std::filesystem::path& f) override { return there.count(f) > 0; }
  bool Create(const std::filesystem::path& f) override {
    if (!makeable.count(f)) return false;
    there.insert(f);
    return true;
  }
  bool CanWrite(const std::filesystem::path& f) override {
    return there.count(f) && writable.count(f);
  }
};

TEST(data_folder_test, the_registry_names_it_else_the_program_folder) {
  using enum program::DataFolderProblem;
  // A full path as each system writes one: on Windows it has a drive.
#ifdef _WIN32
  const std::string full = "C:\\data\\Orvel2", trailing = full + "\\";
#else
  const std::string full = "/data/Orvel2", trailing = full + "/";
#endif
  const std::filesystem::path exe = PathFromUtf8("/pf/Orvel2"), data = PathFromUtf8(full);
  struct Case {
    const char* what;
    std::optional<std::string> value;
    bool there, makeable, writable;
    program::DataFolder expected;
  } cases[] = {
      {"unset", std::nullopt, false, false, false, {exe, false, None}},
      {"empty", "", true, true, true, {exe, false, None}},
      {"relative", "Orvel2", true, true, true, {exe, false, None}},
      {"set", full, true, false, true, {data, true, None}},
      {"trailing separator", trailing, true, false, true, {data, true, None}},
      {"missing, made", full, false, true, true, {data, true, None}},
      {"missing, cannot be made", full, false, false, true, {data, true, CannotCreate}},
      {"unwritable", full, true, false, false, {data, true, NotWritable}},
  };
  for (const Case& c : cases) {
    TableChecks checks;
    if (c.there) checks.there.insert(data);
    if (c.makeable) checks.makeable.insert(data);
    if (c.writable) checks.writable.insert(data);
    EXPECT_EQ(program::DecideDataFolder(c.value, exe, checks), c.expected) << c.what;
  }
}

// An installed PC: the program in one folder, the registry naming another.
class InstalledProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::remove_all(data.path());  // made by the first start
    std::ofstream(installed.path() / "scd" / "Schedule.csv") << "shipped";
    platform.registry().WriteString(ui::RegistryRoot::LocalMachine, std::string(kInstallationKey),
                                    std::string(kDataFolderValue), Utf8FromPath(data.path()));
  }
  ProgramFolder installed, data;
  headless::HeadlessPlatform platform{installed.path()};
};

TEST_F(InstalledProgramTest, first_start_copies_the_sample_and_every_file_goes_to_the_data_folder) {
  platform.registry().WriteString(ui::RegistryRoot::LocalMachine, std::string(kInstallationKey),
                                  std::string(kStartsWithWindowsValue), "Orvel2");
  const auto shipped = installed.Snapshot();
  {
    app::GridProgram program(platform);
    program.Start();
    program.window().form().UserDblClick();
    auto* panel = dynamic_cast<panel::FrmControl*>(platform.FindForm("FrmControl"));
    ASSERT_NE(panel, nullptr);
    // The installation starts it for every user: shown, and not the panel's to change.
    EXPECT_EQ(panel->ChkPowerStart.Value(), 1);
    EXPECT_FALSE(panel->ChkPowerStart.Enabled());
    platform.dialogs().QueueMenuChoice(0);  // 保存设置
    panel->CmdSaveSet.UserMouseUp(ui::MouseButton::Left, 0, 0, 0);
    panel->CmdOK.UserClick();
    EXPECT_TRUE(std::filesystem::exists(data.path() / "Orvel2.ini"));
  }
  EXPECT_EQ(installed.Snapshot(), shipped);
  EXPECT_EQ(platform.registry().ReadString(ui::RegistryRoot::LocalMachine,
                                           "software\\microsoft\\windows\\currentversion\\run",
                                           "q7Scd"),
            std::nullopt);
  std::ifstream copy(data.path() / "scd" / "Schedule.csv");
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(copy), {}), "shipped");
}

TEST_F(InstalledProgramTest, a_folder_that_cannot_be_made_is_named_once_and_the_program_runs) {
  std::ofstream(data.path()) << "a file where the folder would go";
  const std::string named = Utf8FromPath(data.path() / "Orvel2");
  platform.registry().WriteString(ui::RegistryRoot::LocalMachine, std::string(kInstallationKey),
                                  std::string(kDataFolderValue), named);
  app::GridProgram program(platform);
  program.Start();
  platform.Advance(30);  // the notices after it come and go
  int told = 0;
  for (const headless::TrayOp& op : platform.tray().Ops())
    told += AnsiToUtf8(op.record.balloonTextAnsi).find(named) != std::string::npos;
  EXPECT_EQ(told, 1);
  EXPECT_TRUE(program.window().form().Visible());
}

}  // namespace
}  // namespace orvel::test

#pragma once
// The grid edition built the way its start builds it (GridProgram), on the headless backend in a
// fresh program folder, with the control panel opened by a double click on the schedule window.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/grid_program.h"
#include "panel/frm_control.h"
#include "platform/file_io.h"
#include "platform/headless/headless_peers.h"
#include "program_fixture.h"

namespace orvel::test {

struct PanelProgram {
  explicit PanelProgram(const std::filesystem::path& folder)
      : platform(folder), program(platform) {}

  void Start() { program.Start(); }
  grid::FrmSchedule& window() { return program.window(); }
  ui::Grid& grid() { return program.window().MSFlexGrid1; }
  Rows Cells() { return GridCells(grid()); }
  program::ProgramState& state() { return program.state(); }
  headless::HeadlessDialogs& dialogs() { return platform.dialogs(); }

  // The loaded panel, or nullptr.
  panel::FrmControl* Panel() const {
    return dynamic_cast<panel::FrmControl*>(platform.FindForm("FrmControl"));
  }
  // A double click on the schedule window, as on its background around the grid.
  panel::FrmControl& Open() {
    program.window().UserDblClick();
    panel::FrmControl* p = Panel();
    if (!p) throw std::runtime_error("the control panel did not open");
    return *p;
  }
  // The texts of the message boxes shown so far, from index `from` on.
  std::vector<std::string> MessagesFrom(std::size_t from) {
    std::vector<std::string> texts;
    const auto& shown = platform.dialogs().Messages();
    for (std::size_t i = from; i < shown.size(); ++i) texts.push_back(shown[i].text);
    return texts;
  }

  headless::HeadlessPlatform platform;
  app::GridProgram program;
};

// A program folder with a timetable and settings, started at a chosen moment.
class PanelTest : public ::testing::Test {
 protected:
  // Wednesday 10 September 2025, 10:00.
  static constexpr std::chrono::year_month_day kWednesday{
      std::chrono::year{2025}, std::chrono::month{9}, std::chrono::day{10}};

  void StartWith(const Rows& table = WeekTable(), const SettingsFile& settings = {},
                 std::chrono::year_month_day date = kWednesday, int secondsOfDay = 10 * 3600) {
    WriteTimetable(folder.path(), "Schedule.csv", table);
    settings.Write(folder.path());
    app = std::make_unique<PanelProgram>(folder.path());
    app->platform.SetNow(date, secondsOfDay);
    app->Start();
  }

  std::filesystem::path Scd(const std::string& name) const {
    return folder.path() / "scd" / PathFromUtf8(name);
  }
  std::string Bytes(const std::filesystem::path& file) const {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  ProgramFolder folder;
  std::unique_ptr<PanelProgram> app;
};

}  // namespace orvel::test

// Start-up of the schedule window: settings, position, layer, timetable, lock, fonts,
// transparency, the clock switch and folding.
#include <gtest/gtest.h>

#include <chrono>

#include "app/grid_program.h"
#include "program_fixture.h"

namespace orvel::test {
namespace {

using namespace std::chrono;
using headless::HookKind;

TEST(schedule_startup_test, no_settings_file_gives_every_default) {
  ProgramFolder folder;
  WriteTimetable(folder.path(), "Schedule.csv", WeekTable());
  TestProgram program(folder.path());
  program.Start();
  const auto& window = program.window;

  EXPECT_TRUE(window.Visible());
  EXPECT_EQ(window.Caption(), "Form1");
  EXPECT_EQ(window.Left(), 0);
  EXPECT_EQ(window.Top(), 0);
  EXPECT_FALSE(program.platform.windows().IsTopmost(window));
  EXPECT_EQ(program.platform.windows().HookChain(window), std::vector<HookKind>{HookKind::Tray});
  EXPECT_TRUE(window.MSFlexGrid1.Enabled());
  EXPECT_EQ(window.MSFlexGrid1.FrameStyle(), 0);
  EXPECT_FALSE(program.Window().layered);
  EXPECT_FALSE(program.state.live.highlighting);
  EXPECT_FALSE(window.Timerduration.Enabled());
  EXPECT_FALSE(window.TxtFlex.Visible());
  EXPECT_EQ(program.state.live.area, CalendarArea::AtListIndex(0));
  EXPECT_EQ(program.state.values.ScdFileName, "Schedule.csv");
  EXPECT_EQ(program.state.values.scheme, SchemeChoice::First);
  EXPECT_EQ(program.state.values.remindMode, RemindMode::None);
  // An empty font size keeps the grid's design font.
  EXPECT_EQ(window.MSFlexGrid1.FontName(), "宋体");
  EXPECT_EQ(window.MSFlexGrid1.FontSize(), 9.0f);
  for (int c = 0; c < window.MSFlexGrid1.Cols(); ++c)
    EXPECT_EQ(window.MSFlexGrid1.ColAlignment(c), 3);

  EXPECT_EQ(program.Cells(), WeekTable());
  EXPECT_EQ(program.state.ScdRows, 5);
  EXPECT_EQ(program.state.ScdCols, 7);
  EXPECT_TRUE(program.platform.dialogs().Messages().empty());

  const auto& ops = program.platform.tray().Ops();
  ASSERT_EQ(ops.size(), 1u);
  EXPECT_EQ(ops[0].kind, headless::TrayOpKind::Add);
  EXPECT_TRUE(ops[0].ok);
  EXPECT_EQ(ops[0].record.tipAnsi, "Tessaly2");
  EXPECT_EQ(ops[0].record.callbackMessage, 2025u);
  EXPECT_EQ(ops[0].record.iconId, 1);
  EXPECT_FALSE(std::filesystem::exists(folder.path() / "Orvel2.ini"));
}

TEST(schedule_startup_test, stored_position_is_kept_unless_it_lies_beyond_every_monitor) {
  // The laptop's screen, 1024 × 768 pixels at 15 twips: 15360 × 11520 twips. The projector of
  // 1280 × 1024 to its right spans 15360 to 34560 across and 0 to 15360 down.
  const std::vector<headless::HeadlessMonitor> laptop = {{0, 0, 1024, 768, 15}};
  const std::vector<headless::HeadlessMonitor> withProjector = {{0, 0, 1024, 768, 15},
                                                                {1024, 0, 1280, 1024, 15}};
  // A second screen on the laptop's left: -15360 to 0 across.
  const std::vector<headless::HeadlessMonitor> withLeftScreen = {{0, 0, 1024, 768, 15},
                                                                 {-1024, 0, 1024, 768, 15}};
  struct Case {
    const std::vector<headless::HeadlessMonitor>& monitors;
    std::string left, top;
    double expectLeft, expectTop;
  };
  const Case cases[] = {
      {laptop, "3000", "1500", 3000, 1500},
      {laptop, "15361", "1500", 0, 0},  // Left beyond: both reset, though Top was valid
      {laptop, "3000", "11521", 0, 0},
      {laptop, "15360", "11520", 15360, 11520},  // on the edge is not beyond
      {laptop, "-300", "200", -300, 200},        // negative stays, partly off-screen
      {laptop, "abc", "", 0, 0},
      {withProjector, "20000", "1500", 20000, 1500},    // on the projector
      {withProjector, "20000", "12000", 20000, 12000},  // lower than the laptop's screen
      {withProjector, "34560", "15360", 34560, 15360},  // on the projector's far corner
      {withProjector, "34561", "1500", 0, 0},           // beyond both right edges
      {withProjector, "20000", "15361", 0, 0},          // below the projector, right of the laptop
      {withProjector, "-300", "200", -300, 200},
      // Beyond the left or top edge of every monitor, whatever the other value: the window
      // (WeekTable, about 5000 × 1500 twips) would show nothing.
      {laptop, "-30000", "-30000", 0, 0},
      {laptop, "-20000", "1500", 0, 0},  // the left screen unplugged
      {laptop, "3000", "-5000", 0, 0},
      {withLeftScreen, "-20000", "1500", -20000, 1500},
      {withLeftScreen, "-30000", "1500", 0, 0},
      {withProjector, "3000", "13000", 0, 0},  // below the laptop, left of the projector
  };
  for (const Case& c : cases) {
    ProgramFolder folder;
    WriteTimetable(folder.path(), "Schedule.csv", WeekTable());
    SettingsFile settings;
    settings.left = c.left;
    settings.top = c.top;
    settings.Write(folder.path());
    TestProgram program(folder.path());
    program.platform.SetMonitors(c.monitors);
    program.Start();
    const std::string where = c.left + "," + c.top + " on " + std::to_string(c.monitors.size()) +
                              " monitors, window " + std::to_string(program.window.Width()) +
                              " x " + std::to_string(program.window.Height());
    EXPECT_EQ(program.window.Left(), c.expectLeft) << where;
    EXPECT_EQ(program.window.Top(), c.expectTop) << where;
  }
}

TEST(schedule_startup_test, window_layer_is_restored) {
  ProgramFolder folder;
  WriteTimetable(folder.path(), "Schedule.csv", WeekTable());
  SettingsFile settings;
  {
    settings.layer = "1";
    settings.Write(folder.path());
    TestProgram program(folder.path());
    program.Start();
    EXPECT_TRUE(program.platform.windows().IsTopmost(program.window));
    EXPECT_EQ(program.platform.windows().HookChain(program.window),
              std::vector<HookKind>{HookKind::Tray});
  }
  {
    settings.layer = "2";
    settings.Write(folder.path());
    TestProgram program(folder.path());
    program.platform.windows().OpenOtherWindow("browser", false);
    program.Start();
    // The bottom hook first, the tray hook on top of it.
    EXPECT_EQ(program.platform.windows().HookChain(program.window),
              (std::vector<HookKind>{HookKind::Bottom, HookKind::Tray}));
    EXPECT_EQ(program.platform.windows().StackIndex(program.window), 1) << "shown at the bottom";
    program.window.BringToFront();
    EXPECT_EQ(program.platform.windows().StackIndex(program.window), 1);
  }
  {
    settings.layer = "7";  // unknown: nothing changes
    settings.Write(folder.path());
    TestProgram program(folder.path());
    program.Start();
    EXPECT_FALSE(program.platform.windows().IsTopmost(program.window));
    EXPECT_EQ(program.Window().topmostCalls, 0);
  }
}

TEST(schedule_startup_test, a_failed_read_shows_the_message_with_its_reason_and_the_empty_table) {
  const std::string failed =
      "用户指定数据文件或默认数据文件(scd\\Schedule.csv)丢失或读取失败，即将新建一个默认格式"
      "的空课表，修改后，请保存文件及设置！\n";
  const struct {
    std::string name;
    bool written;  // announces 2 × 2, holds 3 cells
    std::string reason;
  } cases[] = {
      {"week.csv", false, "scd\\week.csv：找不到这个文件。"},
      {"week.csv", true, "scd\\week.csv：第一行写的是 2 行 2 列，但文件中的单元格不够。"},
      {"nul.csv", true,
       "“nul.csv”是 Windows 保留的设备名（CON、PRN、AUX、NUL、COM1-COM9、LPT1-LPT9），"
       "不能用作课表文件名。"},
  };
  for (const auto& c : cases) {
    ProgramFolder folder;
    if (c.written) WriteTimetable(folder.path(), c.name, {{"a", "b"}, {"c"}});
    SettingsFile settings;
    settings.scdFileName = c.name;
    settings.fontName = "黑体";
    settings.fontSize = "12";
    settings.Write(folder.path());
    const auto before = folder.Snapshot();

    TestProgram program(folder.path());
    program.Start();

    const auto& messages = program.platform.dialogs().Messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, failed + c.reason);
    EXPECT_EQ(messages[0].title, "错误");
    EXPECT_EQ(messages[0].icon, ui::MessageIcon::Error);
    EXPECT_EQ(messages[0].buttons, ui::MessageButtons::Ok);

    EXPECT_EQ(program.Cells(), Rows(11, std::vector<std::string>(7)));
    EXPECT_EQ(program.state.ScdRows, 11);
    EXPECT_EQ(program.state.ScdCols, 7);
    EXPECT_EQ(program.state.values.ScdFileName, "Schedule.csv");
    EXPECT_EQ(program.window.MSFlexGrid1.FontName(), "宋体");
    EXPECT_EQ(program.window.MSFlexGrid1.FontSize(), 9.0f);
    EXPECT_EQ(program.state.values.fontName, "宋体");
    EXPECT_EQ(folder.Snapshot(), before) << "nothing is written";
    EXPECT_TRUE(program.platform.tray().Icon(program.window)) << "start-up goes on";
  }
}

TEST(schedule_startup_test, stored_fonts_frame_area_and_effect_reach_the_grid) {
  ProgramFolder folder;
  WriteTimetable(folder.path(), "Schedule.csv", WeekTable());
  SettingsFile settings;
  settings.fontName = "楷体";
  settings.fontSize = "12";
  settings.effect = "2";
  settings.frame = "1";
  settings.area = "1";
  settings.Write(folder.path());
  TestProgram program(folder.path());
  program.Start();
  const auto& grid = program.window.MSFlexGrid1;
  EXPECT_EQ(grid.FontName(), "楷体");
  EXPECT_EQ(grid.FontSize(), 12.0f);
  EXPECT_EQ(grid.TextEffect(), 2);
  EXPECT_EQ(grid.FrameStyle(), 1);
  EXPECT_EQ(program.state.live.area, CalendarArea::AtListIndex(1));
  // Columns are measured in the window's own 9-point font and scaled to 12 points; the outer
  // ones have the corners' room on top.
  EXPECT_EQ(grid.ColWidth(0) - grid.EdgeInset(), 853);  // widest "第一节", 540 twips: 12 × (540 + 100) / 9
}

TEST(schedule_startup_test, a_stored_font_size_the_panel_never_offers_becomes_the_nearest_offered) {
  const struct {
    std::string stored;
    float shown;
  } cases[] = {{"0.001", 9}, {"", 9},      {"abc", 9},      {"2048", 15},
               {"1e30", 15}, {"15.5", 15}, {"10.5", 10.5f}, {"12", 12}};
  for (const auto& c : cases) {
    ProgramFolder folder;
    WriteTimetable(folder.path(), "Schedule.csv", WeekTable());
    SettingsFile settings;
    settings.fontName = "";
    settings.fontSize = c.stored;
    settings.effect = "9";
    settings.Write(folder.path());
    TestProgram program(folder.path());
    program.Start();
    EXPECT_EQ(program.window.MSFlexGrid1.FontName(), "宋体") << c.stored;
    EXPECT_EQ(program.window.MSFlexGrid1.FontSize(), c.shown) << c.stored;
    EXPECT_EQ(program.window.MSFlexGrid1.TextEffect(), 0) << c.stored;
    // On the 1024 × 768 screen, and more than a sliver.
    EXPECT_GT(program.window.Width(), 3000) << c.stored;
    EXPECT_LT(program.window.Width(), 15360) << c.stored;
    EXPECT_GT(program.window.Height(), 1000) << c.stored;
    EXPECT_LT(program.window.Height(), 11520) << c.stored;
  }
}

TEST(schedule_startup_test, lock_disables_the_grid_but_not_the_window) {
  ProgramFolder folder;
  WriteTimetable(folder.path(), "Schedule.csv", WeekTable());
  SettingsFile settings;
  settings.lock = "1";
  settings.Write(folder.path());
  TestProgram program(folder.path());
  program.Start();
  auto& grid = program.window.MSFlexGrid1;
  EXPECT_FALSE(grid.Enabled());

  EXPECT_TRUE(headless::ClickCell(program.platform, grid, 2, 3));
  EXPECT_EQ(grid.Row(), 0);
  EXPECT_EQ(grid.Col(), 0);
  EXPECT_FALSE(program.window.TxtFlex.Visible());
  EXPECT_NE(program.platform.FocusedWidget(), &grid);

  EXPECT_TRUE(headless::DoubleClickCell(program.platform, grid, 2, 3));
  EXPECT_EQ(program.panelOpenings, 1);
  EXPECT_FALSE(program.window.TxtFlex.Visible());

  EXPECT_TRUE(headless::DragFromCell(program.platform, grid, 2, 3, ui::kAlt));
  EXPECT_EQ(program.Window().drags, 1);
}

TEST(schedule_startup_test, transparency_keys_out_the_background_of_the_stored_scheme) {
  ProgramFolder folder;
  WriteTimetable(folder.path(), "Schedule.csv", WeekTable());
  SettingsFile settings;
  settings.alpha = "1";
  settings.scheme = "2";
  settings.customColours = "1,1193046,3,4,5,6,7,8";  // background 0x123456
  settings.Write(folder.path());
  TestProgram program(folder.path());
  program.Start();
  EXPECT_TRUE(program.Window().layered);
  EXPECT_TRUE(program.Window().colourKey);
  EXPECT_EQ(program.Window().colour, 0x123456u);
  EXPECT_EQ(program.state.colours.Get(SchemeChoice::Custom, 2), 0x123456u);
  EXPECT_EQ(program.state.colours.Get(SchemeChoice::First, 2), 0xFFFFFFu) << "built-in schemes stay";
}

TEST(schedule_startup_test, the_highlight_switch_starts_the_schedule_clock) {
  for (const char* highlight : {"1", "0", ""}) {
    ProgramFolder folder;
    WriteTimetable(folder.path(), "Schedule.csv", WeekTable());
    SettingsFile settings;
    settings.highlight = highlight;
    settings.idle = "1";
    settings.idleHours = "0.1";
    settings.Write(folder.path());
    TestProgram program(folder.path());
    int idleTicks = 0;
    program.window.IdleCheck = [&] { ++idleTicks; };
    program.Start();
    program.platform.Advance(3);
    const bool on = std::string(highlight) == "1";
    EXPECT_EQ(program.state.live.highlighting, on) << highlight;
    EXPECT_EQ(idleTicks, 0) << "only the control panel starts the idle check";
  }
}

struct FoldCase {
  year_month_day date;
  Rows table;
  std::vector<int> visible;
};

TEST(schedule_startup_test, fold_shows_only_label_time_and_today) {
  const FoldCase cases[] = {
      {year{2025} / September / 3, FullWeekTable(), {0, 1, 4}},  // Wednesday
      {year{2025} / September / 7, FullWeekTable(), {0, 1, 8}},  // Sunday
      {year{2025} / September / 6, WeekTable(), {0, 1}},         // Saturday, 7 columns
  };
  for (const FoldCase& fold : cases) {
    ProgramFolder folder;
    WriteTimetable(folder.path(), "Schedule.csv", fold.table);
    SettingsFile settings;
    settings.fold = "1";
    settings.Write(folder.path());
    // The shell hands the window the day it folds to.
    headless::HeadlessPlatform platform(folder.path());
    platform.SetNow(fold.date, 10 * 3600);
    app::GridProgram program(platform);
    program.Start();
    const auto& grid = program.window().MSFlexGrid1;
    std::vector<int> visible;
    int sum = 0;
    for (int c = 0; c < grid.Cols(); ++c) {
      if (grid.ColWidth(c) > 0) visible.push_back(c);
      EXPECT_EQ(grid.ColAlignment(c), 1) << c;
      sum += grid.ColWidth(c);
    }
    EXPECT_EQ(visible, fold.visible);
    EXPECT_EQ(program.window().Width(), sum);
  }
}

}  // namespace
}  // namespace orvel::test

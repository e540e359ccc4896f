// The classic edition's schedule window run whole on the headless backend: the text-box matrix
// and its layout, start-up from the five-line settings file, fold, lock with the double click and
// the Alt drag, rebuilding for another size, and the classic reader against the grid edition's.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "classic/box_layout.h"
#include "classic_fixture.h"
#include "panel/frm_control.h"
#include "platform/headless/user_actions.h"
#include "platform/ui/containment.h"
#include "program/live_values.h"
#include "timetable/timetable_reader.h"
#include "timetable/timetable_writer.h"

namespace orvel::test {
namespace {

class ClassicWindowTest : public ::testing::Test {
 protected:
  void Start() { program.Start(); }
  classic::FrmSchedule& window() { return program.window(); }
  orvel::program::ProgramState& State() { return program.program->state(); }
  ui::TextBox& Box(int k) {
    ui::TextBox* box = window().Box(k);
    if (!box) throw std::logic_error("no box " + std::to_string(k));
    return *box;
  }
  const std::vector<headless::ShownMessage>& Messages() {
    return program.platform.dialogs().Messages();
  }
  // The boxes of the form named TxtSubject, the template included.
  int BoxControls() {
    int n = 0;
    for (const ui::Widget* w : window().Controls()) n += w->name() == "TxtSubject";
    return n;
  }
  const headless::RegionRecord& Region() { return program.Window().region.value(); }

  ProgramFolder folder;
  SettingsFile settings;
  ClassicTestProgram program{folder.path()};
};

TEST_F(ClassicWindowTest, missing_timetable_gives_the_message_and_an_empty_11_by_7_matrix) {
  const auto before = folder.Snapshot();
  Start();

  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].text,
            "用户指定数据文件或默认数据文件(scd\\Schedule.csv)丢失或读取失败，即将新建一个默认格式"
            "的空课表，修改后，请保存文件及设置！\nscd\\Schedule.csv：找不到这个文件。");
  EXPECT_EQ(Messages()[0].title, "错误");
  EXPECT_EQ(Messages()[0].icon, ui::MessageIcon::Error);
  EXPECT_EQ(program.program->state().ScdRows, 11);
  EXPECT_EQ(program.program->state().ScdCols, 7);
  EXPECT_EQ(program.program->state().values.ScdFileName, "Schedule.csv");
  EXPECT_EQ(BoxTexts(window()), Rows(11, std::vector<std::string>(7)));
  // Nothing is written until the user saves.
  EXPECT_EQ(folder.Snapshot(), before);
  EXPECT_EQ(window().Caption(), "Form1");
}

TEST_F(ClassicWindowTest,
       the_11_by_7_matrix_fills_4920_by_3135_twips_with_narrow_and_wide_columns) {
  Start();
  EXPECT_EQ(window().Width(), 4920);
  EXPECT_EQ(window().Height(), 3135);
  EXPECT_EQ(window().Frame1.bounds(), (ui::Bounds{0, 0, 4920, 3135}));
  // The template stays hidden under the first row's second column.
  ASSERT_EQ(window().TxtSubject.size(), 78u);
  EXPECT_FALSE(Box(0).Visible());
  EXPECT_EQ(Box(0).bounds(), (ui::Bounds{615, 0, 615, 285}));

  EXPECT_EQ(Box(1).bounds(), (ui::Bounds{0, 0, 430.5, 285}));
  EXPECT_EQ(Box(2).bounds(), (ui::Bounds{430.5, 0, 1414.5, 285}));
  EXPECT_EQ(Box(3).bounds(), (ui::Bounds{1845, 0, 615, 285}));
  EXPECT_EQ(Box(7).bounds(), (ui::Bounds{4305, 0, 615, 285}));
  // Row 2 starts one box height lower; the last box ends at the window's corner.
  EXPECT_EQ(Box(8).bounds(), (ui::Bounds{0, 285, 430.5, 285}));
  EXPECT_EQ(Box(77).Left() + Box(77).Width(), 4920);
  EXPECT_EQ(Box(77).Top() + Box(77).Height(), 3135);
  for (int k = 1; k <= 77; ++k) {
    EXPECT_TRUE(Box(k).Visible()) << k;
    EXPECT_EQ(Box(k).index(), k);
    // Each row's boxes touch without a gap.
    if (k % 7 != 0) {
      EXPECT_EQ(Box(k).Left() + Box(k).Width(), Box(k + 1).Left()) << k;
    }
  }
  // Rounded corners for the whole window, in pixels.
  EXPECT_EQ(Region(), (headless::RegionRecord{328, 209, 24}));
  // No icon at start: it comes only with a balloon.
  EXPECT_EQ(program.platform.tray().IconCount(), 0u);
  EXPECT_TRUE(program.platform.windows().HookChain(window()).empty());
}

TEST_F(ClassicWindowTest, stored_timetable_and_settings_are_restored) {
  WriteTimetable(folder.path(), "week.csv", WeekTable());
  settings.left = "1200";
  settings.top = "600";
  settings.scdFileName = "week.csv";
  settings.frame = "1";
  settings.area = "1";
  WriteClassicSettings(folder.path(), settings);
  // A grid edition's settings file beside it is not the classic edition's.
  SettingsFile grid;
  grid.scdFileName = "none.csv";
  grid.Write(folder.path());
  Start();

  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(BoxTexts(window()), WeekTable());
  EXPECT_EQ(window().Left(), 1200);
  EXPECT_EQ(window().Top(), 600);
  EXPECT_EQ(window().Height(), 5 * 285);
  EXPECT_EQ(State().live.area, CalendarArea::AtListIndex(1));
  for (int k = 1; k <= 35; ++k) EXPECT_EQ(Box(k).BorderStyle(), 1) << k;
  EXPECT_TRUE(window().Frame1.Enabled());
  EXPECT_FALSE(State().live.highlighting);
  EXPECT_FALSE(window().Timerduration.Enabled());
  EXPECT_FALSE(window().HasFonts());
}

TEST_F(ClassicWindowTest, frame_setting_0_draws_boxes_without_border_and_transparency_keys_white) {
  WriteTimetable(folder.path(), "Schedule.csv", WeekTable());
  settings.alpha = "1";
  settings.highlight = "1";
  WriteClassicSettings(folder.path(), settings);
  Start();
  for (int k = 1; k <= 35; ++k) EXPECT_EQ(Box(k).BorderStyle(), 0) << k;
  const headless::WindowRecord& record = program.Window();
  EXPECT_TRUE(record.layered);
  EXPECT_TRUE(record.colourKey);
  EXPECT_EQ(record.colour, 0xFFFFFFu);
  EXPECT_TRUE(State().live.highlighting);
}

TEST_F(ClassicWindowTest, ticking_the_frame_box_frames_the_next_matrix) {
  WriteTimetable(folder.path(), "Schedule.csv", WeekTable());
  WriteClassicSettings(folder.path(), settings);
  Start();
  window().UserDblClick();
  auto* panel = dynamic_cast<panel::FrmControl*>(program.platform.FindForm("FrmControl"));
  ASSERT_NE(panel, nullptr);
  panel->ChkFrame.UserClick();
  EXPECT_EQ(Box(1).BorderStyle(), 0) << "the matrix shown keeps its boxes";
  panel->Txtrc[0].SetText("2");
  panel->Txtrc[1].SetText("3");
  program.platform.dialogs().QueueInput("有框");
  panel->CmdNewFile.UserClick();
  for (int k = 1; k <= 6; ++k) EXPECT_EQ(Box(k).BorderStyle(), 1) << k;
}

TEST_F(ClassicWindowTest, fold_shows_columns_1_and_2_and_unfold_restores_the_width) {
  WriteTimetable(folder.path(), "Schedule.csv", WeekTable());
  settings.fold = "1";
  WriteClassicSettings(folder.path(), settings);
  Start();
  EXPECT_EQ(window().Width(), 1845);
  EXPECT_EQ(Region(), (headless::RegionRecord{123, 95, 24}));

  orvel::program::SetFold(State(), window(), false);
  EXPECT_EQ(window().Width(), 4920);
  EXPECT_EQ(Region(), (headless::RegionRecord{328, 95, 24}));
  orvel::program::SetFold(State(), window(), true);
  EXPECT_EQ(window().Width(), 1845);
  // Folding only narrows the window: the boxes and the frame stay where they are.
  EXPECT_EQ(Box(7).bounds(), (ui::Bounds{4305, 0, 615, 285}));
  EXPECT_EQ(window().Frame1.Width(), 4920);
}

TEST_F(ClassicWindowTest, lock_keeps_the_double_click_and_the_alt_drag_but_no_typing) {
  WriteTimetable(folder.path(), "Schedule.csv", WeekTable());
  settings.lock = "1";
  WriteClassicSettings(folder.path(), settings);
  Start();
  headless::HeadlessPlatform& platform = program.platform;
  ui::TextBox& cell = CellBox(window(), 2, 3);
  ASSERT_EQ(cell.Text(), "语文");
  EXPECT_FALSE(window().Frame1.Enabled());
  EXPECT_TRUE(cell.Enabled());  // its own state; the frame makes it inert
  EXPECT_FALSE(ui::ShownEnabled(cell));

  EXPECT_FALSE(headless::TypeInto(platform, cell, "数学"));
  EXPECT_EQ(cell.Text(), "语文");

  // Alt + left drag over the box moves the window.
  platform.windows().SetDragDestination(headless::ScreenPoint{3000, 1500});
  ASSERT_TRUE(headless::PressTextBox(platform, cell, ui::MouseButton::Left, ui::kAlt));
  EXPECT_EQ(program.Window().drags, 1);
  EXPECT_EQ(window().Left(), 3000);
  EXPECT_EQ(window().Top(), 1500);
  // Without Alt, or with Shift too, or with the right button: no drag.
  headless::PressTextBox(platform, cell, ui::MouseButton::Left, 0);
  headless::PressTextBox(platform, cell, ui::MouseButton::Left, ui::kAlt | ui::kShift);
  headless::PressTextBox(platform, cell, ui::MouseButton::Right, ui::kAlt);
  EXPECT_EQ(program.Window().drags, 1);

  // The double click on the box opens the control panel.
  ASSERT_TRUE(headless::DoubleClickTextBox(platform, cell));
  ui::Form* panel = platform.FindForm("FrmControl");
  ASSERT_NE(panel, nullptr);
  EXPECT_TRUE(panel->Visible());
  EXPECT_EQ(panel->Caption(), "课程表设置 - Schedule.csv");
}

TEST_F(ClassicWindowTest, unlocked_boxes_take_typing_and_their_own_alt_drag) {
  WriteTimetable(folder.path(), "Schedule.csv", WeekTable());
  WriteClassicSettings(folder.path(), settings);
  Start();
  headless::HeadlessPlatform& platform = program.platform;
  ui::TextBox& cell = CellBox(window(), 2, 3);
  ASSERT_TRUE(headless::TypeInto(platform, cell, "数学"));
  EXPECT_EQ(window().CurrentTimetable()->cell(2, 3), "数学");
  platform.windows().SetDragDestination(headless::ScreenPoint{450, 300});
  headless::PressTextBox(platform, cell, ui::MouseButton::Left, ui::kAlt);
  EXPECT_EQ(program.Window().drags, 1);
  EXPECT_EQ(window().Left(), 450);
  // A double click on the window itself opens the panel too.
  window().UserDblClick();
  EXPECT_NE(platform.FindForm("FrmControl"), nullptr);

  // Locking from the panel makes the same box inert.
  orvel::program::SetLock(State(), window(), true);
  EXPECT_FALSE(headless::TypeInto(platform, cell, "英语"));
  orvel::program::SetLock(State(), window(), false);
  EXPECT_TRUE(headless::TypeInto(platform, cell, "英语"));
}

TEST_F(ClassicWindowTest,
       a_dropped_cses_week_is_rebuilt_folded_and_the_locked_boxes_give_the_menu) {
  WriteTimetable(folder.path(), "Schedule.csv", WeekTable());
  settings.lock = "1";
  settings.fold = "1";
  WriteClassicSettings(folder.path(), settings);
  Start();
  headless::HeadlessPlatform& platform = program.platform;
  const std::filesystem::path file = folder.path() / PathFromUtf8("周六.yml");
  std::ofstream(file, std::ios::binary)
      << "version: 1\nsubjects: [{name: 物理}, {name: 化学}]\nschedules:\n"
         "  - {name: a, enable_day: 6, weeks: odd, classes: [\n"
         "      {subject: 物理, start_time: \"08:00:00\", end_time: \"08:45:00\"}]}\n"
         "  - {name: b, enable_day: 6, weeks: even, classes: [\n"
         "      {subject: 化学, start_time: \"08:00:00\", end_time: \"08:45:00\"}]}\n";

  ASSERT_TRUE(headless::DropFiles(window(), {Utf8FromPath(file)}));

  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(BoxTexts(window()),
            (Rows{{"节次", "时间", "星期一", "星期二", "星期三", "星期四", "星期五", "星期六"},
                  {"第1节", "8:00-8:45", "", "", "", "", "", "物理/化学"}}));
  EXPECT_EQ(program.program->state().values.ScdFileName, "周六.csv");
  EXPECT_EQ(window().Width(), 1845);  // still folded to columns 1 and 2
  EXPECT_FALSE(window().Frame1.Enabled());

  // A right click through an inert box opens the window's menu; a box that takes input keeps
  // its own edit menu.
  ASSERT_TRUE(headless::RightClickTextBox(platform, CellBox(window(), 1, 7)));
  ASSERT_EQ(platform.dialogs().Menus().size(), 1u);
  EXPECT_EQ(platform.dialogs().Menus()[0].captions.front(), "控制面板...");
  EXPECT_EQ(platform.dialogs().Menus()[0].captions.back(), "退出");
  orvel::program::SetLock(State(), window(), false);
  ASSERT_TRUE(headless::RightClickTextBox(platform, CellBox(window(), 1, 7)));
  EXPECT_EQ(platform.dialogs().Menus().size(), 1u);
}

TEST_F(ClassicWindowTest, loading_5_by_4_after_11_by_7_leaves_boxes_1_to_20) {
  settings.area = "1";
  WriteClassicSettings(folder.path(), settings);
  Start();  // no timetable: 11 x 7
  ASSERT_EQ(BoxControls(), 78);
  const Rows small = {{"节次", "时间", "一", "二"},
                      {"1", "8:00-8:45", "语文", "数学"},
                      {"2", "8:55-9:40", "英语", "物理"},
                      {"3", "10:00-10:45", "化学", "生物"},
                      {"4", "11:00-11:45", "体育", "美术"}};
  WriteTimetable(folder.path(), "small.csv", small);

  EXPECT_TRUE(window().LoadTimetableFile("small.csv"));
  EXPECT_EQ(window().TxtSubject.size(), 21u);
  for (int k = 1; k <= 20; ++k) EXPECT_TRUE(Box(k).Visible()) << k;
  EXPECT_EQ(BoxControls(), 21);
  EXPECT_EQ(BoxTexts(window()), small);
  EXPECT_EQ(window().Width(), 5 * 615);
  EXPECT_EQ(window().Height(), 5 * 285);
  EXPECT_EQ(Region(), (headless::RegionRecord{205, 95, 24}));
  EXPECT_EQ(program.program->state().values.ScdFileName, "small.csv");
  // The calendar area stays.
  EXPECT_EQ(State().live.area, CalendarArea::AtListIndex(1));

  // A new timetable rebuilds the matrix empty.
  window().NewTimetable(2, 3);
  EXPECT_EQ(window().TxtSubject.size(), 7u);
  EXPECT_EQ(BoxControls(), 7);
  EXPECT_EQ(BoxTexts(window()), Rows(2, std::vector<std::string>(3)));
  EXPECT_EQ(window().Width(), 4 * 615);
  EXPECT_EQ(State().live.area, CalendarArea::AtListIndex(1));
}

TEST_F(ClassicWindowTest, failed_load_shows_the_short_message_and_the_empty_matrix) {
  WriteTimetable(folder.path(), "Schedule.csv", WeekTable());
  WriteClassicSettings(folder.path(), settings);
  Start();
  ASSERT_TRUE(Messages().empty());

  EXPECT_FALSE(window().LoadTimetableFile("gone.csv"));
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(
      Messages()[0].text,
      "找不到数据文件或读取错误，即将新建一个默认格式的空课表\nscd\\gone.csv：找不到这个文件。");
  EXPECT_EQ(Messages()[0].title, "错误");
  EXPECT_EQ(Messages()[0].icon, ui::MessageIcon::Error);
  EXPECT_EQ(BoxTexts(window()), Rows(11, std::vector<std::string>(7)));
  EXPECT_EQ(program.program->state().values.ScdFileName, "Schedule.csv");
  EXPECT_EQ(window().Width(), 4920);
  EXPECT_EQ(BoxControls(), 78);
}

TEST_F(ClassicWindowTest, grid_tolerant_forms_are_read_failures_for_the_classic_reader) {
  WriteClassicSettings(folder.path(), settings);
  WriteTimetable(folder.path(), "Schedule.csv", WeekTable());
  Start();
  struct Case {
    std::string name;
    std::string text;
  };
  const std::vector<Case> cases = {
      // Twelve cells spread over lines as the grid edition's field stream allows.
      {"spread.csv", "3,4\r\na,b\r\nc,d,e,f,g\r\nh,i,j,k,l\r\n"},
      // Quoted counts.
      {"quoted_counts.csv", "\"3\",\"4\"\r\na,b,c,d\r\ne,f,g,h\r\ni,j,k,l\r\n"},
      // A quoted cell holding a line break.
      {"quoted_break.csv", "2,4\r\n\"早\r\n读\",b,c,d\r\ne,f,g,h\r\n"},
  };
  for (const Case& c : cases) {
    WriteAnsiFile(folder.path() / "scd" / c.name, c.text);
    // The grid edition reads each of them whole.
    const auto grid = LoadTimetable(folder.path(), c.name, Edition::Grid);
    ASSERT_TRUE(grid.has_value()) << c.name;
    EXPECT_GT(grid->rows(), 1) << c.name;

    const std::size_t shown = Messages().size();
    EXPECT_FALSE(window().LoadTimetableFile(c.name)) << c.name;
    EXPECT_EQ(Messages().size(), shown + 1) << c.name;
    EXPECT_EQ(BoxTexts(window()), Rows(11, std::vector<std::string>(7))) << c.name;
  }
}

TEST_F(ClassicWindowTest, files_written_by_either_edition_read_the_same_in_both) {
  WriteTimetable(folder.path(), "Schedule.csv", WeekTable());
  WriteClassicSettings(folder.path(), settings);
  Start();
  TestProgram grid(folder.path());
  grid.Start();
  ASSERT_EQ(grid.Cells(), WeekTable());
  ASSERT_EQ(BoxTexts(window()), WeekTable());

  // Edited in each edition (a blank inside, an emptied cell), then saved by it.
  CellBox(window(), 1, 2).UserSetText("自习 课");
  CellBox(window(), 2, 3).UserSetText("");
  grid.window.MSFlexGrid1.SetTextMatrix(2, 4, "体育(室外)");
  const auto fromClassic = window().CurrentTimetable();
  const auto fromGrid = grid.window.CurrentTimetable();
  ASSERT_TRUE(fromClassic && fromGrid);
  ASSERT_EQ(ScdSave(folder.path(), "classic.csv", *fromClassic, Edition::Classic).status,
            SaveStatus::Saved);
  ASSERT_EQ(ScdSave(folder.path(), "grid.csv", *fromGrid, Edition::Grid).status, SaveStatus::Saved);

  for (const std::string name : {"classic.csv", "grid.csv"}) {
    ASSERT_TRUE(window().LoadTimetableFile(name)) << name;
    ASSERT_TRUE(grid.window.LoadTimetableFile(name)) << name;
    const Timetable& saved = name == "classic.csv" ? *fromClassic : *fromGrid;
    EXPECT_EQ(window().CurrentTimetable(), saved) << name;
    EXPECT_EQ(grid.window.CurrentTimetable(), saved) << name;
  }
}

// rows × cols cells, each named by its place.
Rows PlacedTable(int rows, int cols) {
  Rows table(static_cast<std::size_t>(rows));
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < cols; ++c)
      table[static_cast<std::size_t>(r)].push_back(std::to_string(r) + "-" + std::to_string(c));
  return table;
}

TEST_F(ClassicWindowTest, a_table_of_more_boxes_than_appear_in_time_is_refused_at_the_read) {
  // The widest week that still fits, and the table that showed nothing for 36 s.
  const int fittingRows = kMaxClassicCells / 9;
  WriteTimetable(folder.path(), "fits.csv", PlacedTable(fittingRows, 9));
  WriteTimetable(folder.path(), "Schedule.csv", PlacedTable(150, 64));
  WriteClassicSettings(folder.path(), settings);
  Start();
  ASSERT_EQ(Messages().size(), 1u);
  const std::string reason =
      "scd\\Schedule.csv：课表有 150 行 64 列，超出了经典版的范围（1 到 256 行、1 到 64 列，最多 " +
      std::to_string(kMaxClassicCells) + " 格；更大的课表请用表格版打开）。";
  EXPECT_EQ(Messages()[0].text,
            "用户指定数据文件或默认数据文件(scd\\Schedule.csv)丢失或读取失败，即将新建一个默认格式"
            "的空课表，修改后，请保存文件及设置！\n" +
                reason);
  EXPECT_EQ(BoxTexts(window()), Rows(11, std::vector<std::string>(7)));

  EXPECT_TRUE(window().LoadTimetableFile("fits.csv"));
  EXPECT_EQ(BoxTexts(window()), PlacedTable(fittingRows, 9));
  EXPECT_EQ(Messages().size(), 1u);

  // The panel's load names the size and the limit too.
  window().UserDblClick();
  auto* panel = dynamic_cast<panel::FrmControl*>(program.platform.FindForm("FrmControl"));
  ASSERT_NE(panel, nullptr);
  EXPECT_FALSE(window().LoadTimetableFile("Schedule.csv"));
  ASSERT_EQ(Messages().size(), 2u);
  EXPECT_EQ(Messages()[1].text,
            "找不到数据文件或读取错误，即将新建一个默认格式的空课表\n" + reason);
  ASSERT_TRUE(window().LoadTimetableFile("fits.csv"));

  // Nor can the control panel make one.
  panel->Txtrc[0].SetText(std::to_string(fittingRows + 1));
  panel->Txtrc[1].SetText("9");
  program.platform.dialogs().QueueInput("大表");
  panel->CmdNewFile.UserClick();
  ASSERT_EQ(Messages().size(), 3u);
  EXPECT_EQ(Messages()[2].text, "“每日节数”或“周上课天数”设定非法，表格至少为1行2列！");
  EXPECT_EQ(program.program->state().ScdRows, fittingRows);
  EXPECT_EQ(program.program->state().values.ScdFileName, "fits.csv");
}

// Windows a control stands for on the system: a drop-down list has its edit box and its list,
// a timer has none.
int NativeWindows(const ui::Widget& widget) {
  if (dynamic_cast<const ui::Timer*>(&widget)) return 0;
  if (dynamic_cast<const ui::ComboBox*>(&widget)) return 3;
  return 1;
}

TEST_F(ClassicWindowTest, the_programs_other_windows_fit_in_what_the_matrix_leaves_them) {
  settings.highlight = "1";
  settings.remind = "1";
  WriteTimetable(folder.path(), "Schedule.csv", WeekTable());
  WriteClassicSettings(folder.path(), settings);
  // Wednesday 7:51:20: the idle shutdown armed now with 0.1 h shows its countdown at 7:57:06,
  // and 英语 at 8:00 is reminded at 7:57:00 by the popup.
  program.platform.SetNow(std::chrono::year_month_day{std::chrono::year{2025},
                                                      std::chrono::month{9}, std::chrono::day{10}},
                          7 * 3600 + 51 * 60 + 20);
  Start();
  window().UserDblClick();
  auto* panel = dynamic_cast<panel::FrmControl*>(program.platform.FindForm("FrmControl"));
  ASSERT_NE(panel, nullptr);
  panel->Chknodo.UserClick();
  panel->Comduration.UserSetText("0.1");
  panel->CmdOK.UserClick();
  program.platform.Advance(347);
  ASSERT_NE(program.platform.FindForm("frmTips"), nullptr);
  ASSERT_NE(program.program->idle().OpenCountdown(), nullptr);
  window().UserDblClick();
  ASSERT_NE(program.platform.FindForm("FrmControl"), nullptr);

  int windows = 0;
  for (const ui::Form* form : program.platform.LoadedForms()) {
    windows += 2;  // the form and a tooltip window it may own
    for (const ui::Widget* w : form->Controls())
      if (form != &window() || w->name() != "TxtSubject" || w->index() == 0)
        windows += NativeWindows(*w);
  }
  // The system's own dialogs on top: a colour dialog has about 60 windows.
  constexpr int kSystemDialogWindows = 100;
  EXPECT_LE(windows + kSystemDialogWindows, classic::kWindowObjectsBesideBoxes) << windows;
}

// A PC that follows its school's timetable (follow.ini) and cannot reach it.
TEST(ClassicFollowTest, the_classic_window_gets_its_icon_for_the_failure_balloon) {
  ProgramFolder folder;
  WriteTimetable(folder.path(), "Schedule.csv", WeekTable());
  WriteClassicSettings(folder.path(), SettingsFile());
  WriteAnsiFile(folder.path() / "follow.ini",
                "source=https://school.example/tt/{class}.yaml\r\nclass=初二3班\r\n");
  ClassicTestProgram app(folder.path());
  app.platform.http().Fail("https://school.example/tt/%E5%88%9D%E4%BA%8C3%E7%8F%AD.yaml",
                           ui::HttpFailure::Status, 500);
  app.Start();
  EXPECT_EQ(app.platform.tray().IconCount(), 0u);
  app.platform.Advance(1);
  const headless::ShellIconRecord* icon = app.platform.tray().Icon(app.window());
  ASSERT_NE(icon, nullptr);
  EXPECT_EQ(AnsiToUtf8(icon->tipAnsi), "课程表\n同步失败：服务器返回 500");
  EXPECT_EQ(AnsiToUtf8(icon->balloonTitleAnsi), "课表同步失败");
  EXPECT_EQ(BoxTexts(app.window()), WeekTable());
}

}  // namespace
}  // namespace orvel::test

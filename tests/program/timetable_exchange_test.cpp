// Timetables in and out of the grid edition as a user moves them: a file dropped on the window,
// the right-click menu's import, export, control panel and exit.
#include <gtest/gtest.h>

#include "cses_week.h"
#include "exchange/cses_file.h"
#include "panel_fixture.h"
#include "platform/headless/user_actions.h"
#include "read_cses.h"
#include "timetable/timetable_reader.h"

namespace orvel::test {
namespace {

using headless::DropFiles;
using headless::RightClickCell;

// Positions in the window's menu, as the user sees them from the top.
constexpr std::size_t kMenuPanel = 0, kMenuImport = 1, kMenuExport = 2, kMenuExit = 12;

class TimetableExchangeTest : public PanelTest {
 protected:
  // A file outside the program folder, as a user keeps one on the desktop.
  std::filesystem::path Outside(const std::string& name, std::string_view bytes) {
    const std::filesystem::path file = elsewhere.path() / PathFromUtf8(name);
    std::ofstream(file, std::ios::binary) << bytes;
    return file;
  }
  // A right click on a cell with the menu's answer scripted.
  void ChooseFromMenu(std::size_t item) {
    app->dialogs().QueueMenuChoice(item);
    ASSERT_TRUE(RightClickCell(app->platform, app->grid(), 1, 2));
  }
  const headless::ShownMessage& LastMessage() {
    if (app->dialogs().Messages().empty()) throw std::logic_error("no message was shown");
    return app->dialogs().Messages().back();
  }

  ProgramFolder elsewhere;
};

TEST_F(TimetableExchangeTest, a_dropped_cses_week_becomes_the_current_timetable_locked_and_folded) {
  SettingsFile s;
  s.lock = "1";
  s.fold = "1";
  s.area = "1";
  StartWith(WeekTable(), s);
  const auto file = Outside("初二(3)班.yaml", kAlternatingWeek);

  ASSERT_TRUE(DropFiles(app->window(), {Utf8FromPath(file)}));

  EXPECT_TRUE(app->dialogs().Messages().empty());
  EXPECT_EQ(app->Cells(), kAlternatingTable);
  EXPECT_EQ(app->state().values.ScdFileName, "初二(3)班.csv");
  EXPECT_EQ(app->state().ScdCols, 8);
  // Saved as both editions read it.
  for (Edition edition : {Edition::Grid, Edition::Classic}) {
    const std::optional<Timetable> saved = ReadTimetable(Scd("初二(3)班.csv"), edition);
    ASSERT_TRUE(saved.has_value());
    EXPECT_EQ(saved->cell(1, 2), "物理/化学");
    EXPECT_EQ(saved->cell(2, 7), "体育");
  }
  // As after the panel's load: calendar area kept, still locked, folded to Wednesday's column.
  EXPECT_EQ(app->state().live.area, CalendarArea::AtListIndex(1));
  EXPECT_FALSE(app->grid().Enabled());
  for (int c = 0; c < 8; ++c) EXPECT_EQ(app->grid().ColWidth(c) > 0, c < 2 || c == 4) << c;
  // The window shows the whole of it at once.
  EXPECT_EQ(app->window().Width(), app->grid().TotalWidth());
  EXPECT_EQ(app->window().Height(), app->grid().TotalHeight());
}

TEST_F(TimetableExchangeTest, the_menu_of_a_locked_grid_exports_and_imports_back_the_same_cells) {
  WriteTimetable(folder.path(), "全周.csv", FullWeekTable());
  SettingsFile s;
  s.lock = "1";
  s.scdFileName = "全周.csv";
  StartWith(WeekTable(), s);
  ASSERT_FALSE(app->grid().Enabled());
  const Rows before = app->Cells();
  const std::string exported = Utf8FromPath(elsewhere.path() / PathFromUtf8("全周 导出.yaml"));

  app->dialogs().QueueFileName(exported);
  ChooseFromMenu(kMenuExport);

  ASSERT_EQ(app->dialogs().Menus().size(), 1u);
  EXPECT_EQ(app->dialogs().Menus()[0].captions,
            (std::vector<std::string>{"控制面板...", "导入课表...", "导出为 CSES...",
                                      "调课与放假...", "考试安排...", "考试看板", "通知",
                                      "课堂条", "语音提醒", "校时...", "立即校时", "对齐铃声",
                                      "退出"}));
  ASSERT_EQ(app->dialogs().FileDialogs().size(), 1u);
  const headless::ShownFileDialog& save = app->dialogs().FileDialogs()[0];
  EXPECT_EQ(save.kind, headless::FileDialogKind::Save);
  EXPECT_EQ(save.request.fileName, "全周.yaml");
  EXPECT_EQ(save.request.defaultExtension, "yaml");
  EXPECT_EQ(LastMessage().icon, ui::MessageIcon::Information);
  EXPECT_NE(LastMessage().text.find(exported), std::string::npos) << LastMessage().text;
  ASSERT_TRUE(std::filesystem::exists(PathFromUtf8(exported)));

  // Back in under the export's own name, through the open dialog.
  app->dialogs().QueueFileName(exported);
  ChooseFromMenu(kMenuImport);
  const headless::ShownFileDialog& open = app->dialogs().FileDialogs().back();
  EXPECT_EQ(open.kind, headless::FileDialogKind::Open);
  ASSERT_EQ(open.request.filters.size(), 4u);
  EXPECT_EQ(open.request.filters[0].patterns, "*.yaml;*.yml");
  EXPECT_EQ(open.request.filters[1].patterns, "*.csv");
  EXPECT_EQ(app->state().values.ScdFileName, "全周 导出.csv");
  // Every body cell of the rows with times; the label column and the header are CSES's own.
  const Rows after = app->Cells();
  ASSERT_EQ(after.size(), before.size());
  for (std::size_t r = 1; r < before.size(); ++r) {
    EXPECT_EQ(after[r][1], before[r][1]) << r;
    for (std::size_t c = 2; c < before[r].size(); ++c) EXPECT_EQ(after[r][c], before[r][c]);
  }
}

TEST_F(TimetableExchangeTest, the_menus_export_keeps_off_the_programs_files_and_asks_over_others) {
  StartWith();
  SettingsFile().Write(folder.path());
  const auto files = folder.Snapshot();
  for (const std::filesystem::path& own : {Scd("Schedule.csv"), folder.path() / "Orvel2.ini"}) {
    app->dialogs().QueueFileName(Utf8FromPath(own));
    ChooseFromMenu(kMenuExport);
    EXPECT_EQ(LastMessage().title, "导出失败");
    EXPECT_EQ(LastMessage().icon, ui::MessageIcon::Error);
    EXPECT_NE(LastMessage().text.find("本程序自己的文件"), std::string::npos) << LastMessage().text;
    EXPECT_EQ(folder.Snapshot(), files);
  }

  // A file that is not CSES is replaced only when the user says yes.
  const auto notes = Outside("笔记.yaml", "购物清单\r\n");
  app->dialogs().QueueFileName(Utf8FromPath(notes));
  app->dialogs().QueueMessageAnswer(ui::MessageAnswer::No);
  ChooseFromMenu(kMenuExport);
  EXPECT_EQ(LastMessage().buttons, ui::MessageButtons::YesNo);
  EXPECT_NE(LastMessage().text.find("不是 CSES 课程表"), std::string::npos) << LastMessage().text;
  EXPECT_EQ(Bytes(notes), "购物清单\r\n");
  app->dialogs().QueueFileName(Utf8FromPath(notes));
  app->dialogs().QueueMessageAnswer(ui::MessageAnswer::Yes);
  ChooseFromMenu(kMenuExport);
  EXPECT_EQ(LastMessage().title, "导出为 CSES");
  EXPECT_TRUE(test::ReadCsesFile(notes).timetable.has_value());

  // Once it is CSES, the next export replaces it without a question.
  const std::size_t shown = app->dialogs().Messages().size();
  app->dialogs().QueueFileName(Utf8FromPath(notes));
  ChooseFromMenu(kMenuExport);
  EXPECT_EQ(app->dialogs().Messages().size(), shown + 1);
  EXPECT_EQ(LastMessage().buttons, ui::MessageButtons::Ok);
  EXPECT_EQ(folder.Snapshot(), files);
}

TEST_F(TimetableExchangeTest, a_broken_file_is_refused_with_its_line_and_nothing_changes) {
  StartWith();
  const std::string broken =
      std::string(kAlternatingWeek)
          .replace(std::string(kAlternatingWeek).find("\"09:40:00\""), 10, "\"9:60\"");
  const auto file = Outside("坏.yaml", broken);
  const auto files = folder.Snapshot();

  ASSERT_TRUE(DropFiles(app->window(), {Utf8FromPath(file)}));

  const headless::ShownMessage& refused = LastMessage();
  EXPECT_EQ(refused.icon, ui::MessageIcon::Error);
  EXPECT_EQ(refused.title, "导入课表失败");
  // The first class with the bad end time is on line 23.
  EXPECT_NE(refused.text.find("坏.yaml"), std::string::npos) << refused.text;
  EXPECT_NE(refused.text.find("第 23 行"), std::string::npos) << refused.text;
  EXPECT_EQ(folder.Snapshot(), files);
  EXPECT_EQ(app->Cells(), WeekTable());
  EXPECT_EQ(app->state().values.ScdFileName, "Schedule.csv");
}

TEST_F(TimetableExchangeTest, a_dropped_csv_is_copied_after_asking_before_it_replaces_a_file) {
  StartWith();
  panel::FrmControl& p = app->Open();
  // A spreadsheet's "CSV UTF-8" with the name of the timetable in scd.
  std::string utf8 = "3,9\r\n";
  for (const auto& row : FullWeekTable()) {
    for (std::size_t c = 0; c < row.size(); ++c) utf8 += (c ? "," : "") + row[c];
    utf8 += "\r\n";
  }
  const auto file = Outside("Schedule.csv", utf8);
  const auto files = folder.Snapshot();

  ASSERT_TRUE(DropFiles(app->window(), {Utf8FromPath(file)}));  // the question unanswered: No
  ASSERT_EQ(app->dialogs().Messages().size(), 1u);
  EXPECT_EQ(LastMessage().buttons, ui::MessageButtons::YesNo);
  EXPECT_EQ(LastMessage().title, "导入课表");
  EXPECT_NE(LastMessage().text.find("Schedule.csv"), std::string::npos);
  EXPECT_EQ(folder.Snapshot(), files);
  EXPECT_EQ(app->Cells(), WeekTable());

  // Dropped while a cell is being edited: the edit stays with the old table.
  ASSERT_TRUE(headless::ClickCell(app->platform, app->grid(), 1, 2));
  ASSERT_TRUE(headless::TypeInto(app->platform, app->window().TxtFlex, "自习"));
  app->dialogs().QueueMessageAnswer(ui::MessageAnswer::Yes);
  ASSERT_TRUE(DropFiles(app->window(), {Utf8FromPath(file)}));
  EXPECT_EQ(Bytes(Scd("Schedule.csv")), utf8);
  ASSERT_TRUE(app->platform.UserFocus(app->grid()));
  EXPECT_EQ(app->Cells(), FullWeekTable());

  // A file of scd dropped back on the window is loaded where it is, without a question.
  WriteTimetable(folder.path(), "周.csv", WeekTable());
  ASSERT_TRUE(DropFiles(app->window(), {Utf8FromPath(Scd("周.csv"))}));
  EXPECT_EQ(app->dialogs().Messages().size(), 2u);
  EXPECT_EQ(app->Cells(), WeekTable());
  // The open panel shows it as after its own load.
  EXPECT_EQ(p.Caption(), "课程表设置 - 周.csv");
  const auto& listed = p.FileSchedule.Items();
  EXPECT_NE(std::find(listed.begin(), listed.end(), "周.csv"), listed.end());
}

TEST_F(TimetableExchangeTest, the_menu_opens_the_panel_and_exits_like_the_panels_exit) {
  StartWith();
  ChooseFromMenu(kMenuPanel);
  ASSERT_NE(app->Panel(), nullptr);
  EXPECT_EQ(app->platform.tray().IconCount(), 1u);

  ChooseFromMenu(kMenuExit);
  EXPECT_EQ(app->Panel(), nullptr);
  EXPECT_FALSE(app->window().Loaded());
  EXPECT_EQ(app->platform.tray().IconCount(), 0u);
  EXPECT_EQ(app->platform.QuitRequests(), 1);
}

}  // namespace
}  // namespace orvel::test

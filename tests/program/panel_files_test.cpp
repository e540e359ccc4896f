// The file page: load, new, save and save as, with their messages, input boxes and edge cases.
#include <gtest/gtest.h>

#include <algorithm>

#include "panel_fixture.h"
#include "platform/headless/user_actions.h"

namespace orvel::test {
namespace {

using panel::FrmControl;
using ui::MessageIcon;

// The canonical bytes of a timetable file, in the ANSI code page.
std::string TimetableBytes(const Rows& rows) {
  std::string text = std::to_string(rows.size()) + "," + std::to_string(rows.at(0).size()) + "\r\n";
  for (const auto& row : rows) {
    for (std::size_t c = 0; c < row.size(); ++c) text += (c ? "," : "") + row[c];
    text += "\r\n";
  }
  return Utf8ToAnsi(text);
}

class PanelFilesTest : public PanelTest {
 protected:
  void ExpectLastMessage(const std::string& text, const std::string& title, MessageIcon icon) {
    const auto& shown = app->dialogs().Messages();
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(shown.back().text, text);
    EXPECT_EQ(shown.back().title, title);
    EXPECT_EQ(shown.back().icon, icon);
    EXPECT_EQ(shown.back().buttons, ui::MessageButtons::Ok);
  }
  void Choose(FrmControl& p, const std::string& name) {
    const auto& items = p.FileSchedule.Items();
    const auto it = std::find(items.begin(), items.end(), name);
    ASSERT_NE(it, items.end()) << name;
    p.FileSchedule.UserChoose(static_cast<int>(it - items.begin()));
  }
  // Started on a timetable file holding these bytes exactly.
  void StartWithFileBytes(const std::string& name, const std::string& ansi) {
    SettingsFile settings;
    settings.scdFileName = name;
    settings.Write(folder.path());
    std::ofstream(Scd(name), std::ios::binary) << ansi;
    app = std::make_unique<PanelProgram>(folder.path());
    app->platform.SetNow(kWednesday, 10 * 3600);
    app->Start();
  }
  // Types into a cell in place and leaves it, which commits the text.
  void TypeCell(int row, int col, const std::string& text) {
    ASSERT_TRUE(headless::ClickCell(app->platform, app->grid(), row, col));
    ASSERT_TRUE(headless::TypeInto(app->platform, app->window().TxtFlex, text));
    ASSERT_TRUE(app->platform.UserFocus(app->grid()));
  }
};

TEST_F(PanelFilesTest, load_without_a_selection_warns_and_leaves_the_window) {
  StartWith();
  FrmControl& p = app->Open();
  const Rows before = app->Cells();
  p.CmdLoadFile.UserClick();
  ExpectLastMessage("未选定课表文件无法加载", "加载课表失败", MessageIcon::Warning);
  EXPECT_EQ(app->Cells(), before);
  EXPECT_EQ(app->state().values.ScdFileName, "Schedule.csv");
  EXPECT_EQ(app->dialogs().Messages().size(), 1u);
}

TEST_F(PanelFilesTest, load_replaces_the_table_keeps_area_and_size_fields_and_reapplies) {
  WriteTimetable(folder.path(), "全周.csv", FullWeekTable());
  SettingsFile s;
  s.lock = "1";
  s.fold = "1";
  s.area = "1";
  StartWith(WeekTable(), s);
  FrmControl& p = app->Open();
  EXPECT_EQ(p.FileSchedule.Items(), (std::vector<std::string>{"Schedule.csv", "全周.csv"}));
  app->grid().SetEnabled(true);  // undone by the load's lock step
  Choose(p, "全周.csv");
  p.CmdLoadFile.UserClick();

  EXPECT_TRUE(app->dialogs().Messages().empty());
  EXPECT_EQ(app->Cells(), FullWeekTable());
  EXPECT_EQ(app->state().ScdRows, 3);
  EXPECT_EQ(app->state().ScdCols, 9);
  EXPECT_EQ(app->state().values.ScdFileName, "全周.csv");
  EXPECT_EQ(p.Caption(), "课程表设置 - 全周.csv");
  EXPECT_EQ(app->state().live.area, CalendarArea::AtListIndex(1));
  EXPECT_EQ(p.Txtrc[0].Text(), "5");
  EXPECT_EQ(p.Txtrc[1].Text(), "7");
  EXPECT_FALSE(app->grid().Enabled());
  // Folded on a Wednesday: columns 0, 1 and 4 only; the window takes the new size at once.
  for (int c = 0; c < 9; ++c) EXPECT_EQ(app->grid().ColWidth(c) > 0, c < 2 || c == 4) << c;
  EXPECT_EQ(app->window().Width(), app->grid().TotalWidth());
  EXPECT_EQ(app->window().Height(), app->grid().TotalHeight());

  // A double click on a name loads it too.
  Choose(p, "Schedule.csv");
  p.FileSchedule.UserDblClick();
  EXPECT_EQ(app->Cells(), WeekTable());
  EXPECT_EQ(p.Caption(), "课程表设置 - Schedule.csv");
}

TEST_F(PanelFilesTest, load_failure_shows_the_read_message_and_the_empty_default) {
  WriteAnsiFile(folder.path() / "scd" / PathFromUtf8("坏.csv"), "abc,def\r\n");
  SettingsFile s;
  s.area = "1";
  StartWith(WeekTable(), s);
  FrmControl& p = app->Open();
  Choose(p, "坏.csv");
  p.CmdLoadFile.UserClick();
  ExpectLastMessage(
      "用户指定数据文件或默认数据文件(scd\\Schedule.csv)"
      "丢失或读取失败，即将新建一个默认格式的空课表，"
      "修改后，请保存文件及设置！\nscd\\坏.csv：这不是课程表文件：第一行应是行数和列数（如“11,"
      "7”），"
      "其后每一行是一排单元格，用逗号隔开。",
      "错误", MessageIcon::Error);
  EXPECT_EQ(app->grid().Rows(), 11);
  EXPECT_EQ(app->grid().Cols(), 7);
  EXPECT_EQ(app->Cells(), Rows(11, std::vector<std::string>(7)));
  EXPECT_EQ(app->state().values.ScdFileName, "Schedule.csv");
  EXPECT_EQ(p.Caption(), "课程表设置 - Schedule.csv");
  EXPECT_EQ(app->state().live.area, CalendarArea::AtListIndex(1));
  // Nothing is written by a load, not even the default table.
  EXPECT_EQ(Bytes(Scd("Schedule.csv")), TimetableBytes(WeekTable()));

  // A save now would put the empty table over the real Schedule.csv: the user is asked first.
  app->dialogs().QueueMessageAnswer(ui::MessageAnswer::No);
  p.CmdSaveFile.UserClick();
  EXPECT_EQ(app->dialogs().Messages().back().buttons, ui::MessageButtons::YesNo);
  EXPECT_EQ(Bytes(Scd("Schedule.csv")), TimetableBytes(WeekTable()));
  app->dialogs().QueueMessageAnswer(ui::MessageAnswer::Yes);
  p.CmdSaveFile.UserClick();
  ExpectLastMessage("当前课表已保存为“Schedule.csv”\n原文件已保留为“Schedule.csv.bak”",
                    "课表已保存", MessageIcon::Information);
  EXPECT_NE(Bytes(Scd("Schedule.csv")), TimetableBytes(WeekTable()));
  EXPECT_EQ(Bytes(Scd("Schedule.csv.bak")), TimetableBytes(WeekTable()));
}

TEST_F(PanelFilesTest, new_with_an_invalid_size_shows_the_message_and_asks_nothing) {
  StartWith();
  FrmControl& p = app->Open();
  const std::pair<const char*, const char*> sizes[] = {
      {"0", "7"},   {"-1", "7"},  {"abc", "7"}, {"5", "1"},     {"", ""},     {"0.5", "7"},
      {"5", "1.9"}, {"257", "7"}, {"5", "65"},  {"40000", "7"}, {"5", "1e9"}, {"1e400", "7"}};
  std::size_t shown = 0;
  for (const auto& [rows, cols] : sizes) {
    p.Txtrc[0].SetText(rows);
    p.Txtrc[1].SetText(cols);
    p.CmdNewFile.UserClick();
    ASSERT_EQ(app->dialogs().Messages().size(), ++shown) << rows << " x " << cols;
    ExpectLastMessage("“每日节数”或“周上课天数”设定非法，表格至少为1行2列！", "错误的数据格式",
                      MessageIcon::Error);
  }
  EXPECT_TRUE(app->dialogs().Inputs().empty());
  EXPECT_EQ(app->Cells(), WeekTable());
  EXPECT_EQ(app->state().values.ScdFileName, "Schedule.csv");
}

TEST_F(PanelFilesTest, new_one_by_two_asks_a_name_and_makes_an_empty_table_in_memory) {
  SettingsFile s;
  s.lock = "1";
  StartWith(WeekTable(), s);
  FrmControl& p = app->Open();
  const auto files = folder.Snapshot();
  p.Txtrc[0].SetText("1");
  p.Txtrc[1].SetText("2");
  app->grid().SetEnabled(true);
  app->dialogs().QueueInput("一行");
  p.CmdNewFile.UserClick();

  ASSERT_EQ(app->dialogs().Inputs().size(), 1u);
  const headless::ShownInput& in = app->dialogs().Inputs()[0];
  EXPECT_EQ(in.prompt, "请输入课表文件名（不含扩展名）");
  EXPECT_EQ(in.title, "新建课表");
  EXPECT_EQ(in.defaultText, "新课表");
  EXPECT_EQ(app->Cells(), Rows(1, std::vector<std::string>(2)));
  EXPECT_EQ(app->state().ScdRows, 1);
  EXPECT_EQ(app->state().ScdCols, 2);
  EXPECT_EQ(app->state().values.ScdFileName, "一行.csv");
  EXPECT_EQ(p.Caption(), "课程表设置 - 一行.csv");
  ExpectLastMessage("已建立名为“一行.csv”的空课表，修改后勿忘保存", "课表已新键",
                    MessageIcon::Information);
  EXPECT_FALSE(app->grid().Enabled());  // lock applied again
  // The window is the new table's size at once, with no band of the old one beside it.
  EXPECT_EQ(app->window().Width(), app->grid().TotalWidth());
  EXPECT_EQ(app->window().Height(), app->grid().TotalHeight());
  EXPECT_EQ(folder.Snapshot(), files);  // nothing on disk until saved
}

TEST_F(PanelFilesTest, new_reads_leading_numbers_and_cuts_them_to_whole_numbers) {
  StartWith();
  FrmControl& p = app->Open();
  p.Txtrc[0].SetText("  12abc");
  p.Txtrc[1].SetText("9.9");
  app->dialogs().QueueInput("新课表.csv");  // used as typed
  p.CmdNewFile.UserClick();
  EXPECT_EQ(app->grid().Rows(), 12);
  EXPECT_EQ(app->grid().Cols(), 9);
  EXPECT_EQ(app->state().values.ScdFileName, "新课表.csv.csv");
}

TEST_F(PanelFilesTest, cancel_in_either_input_box_changes_nothing) {
  StartWith();
  FrmControl& p = app->Open();
  const auto files = folder.Snapshot();
  p.CmdNewFile.UserClick();  // unscripted: cancelled
  p.CmdSaveAs.UserClick();
  ASSERT_EQ(app->dialogs().Inputs().size(), 2u);
  EXPECT_EQ(app->dialogs().Inputs()[1].prompt, "请输入课表文件名（不含扩展名）");
  EXPECT_EQ(app->dialogs().Inputs()[1].title, "另存课表");
  EXPECT_EQ(app->dialogs().Inputs()[1].defaultText, "我的课表");
  EXPECT_TRUE(app->dialogs().Messages().empty());
  EXPECT_EQ(app->Cells(), WeekTable());
  EXPECT_EQ(app->state().values.ScdFileName, "Schedule.csv");
  EXPECT_EQ(p.Caption(), "课程表设置 - Schedule.csv");
  EXPECT_EQ(folder.Snapshot(), files);
}

TEST_F(PanelFilesTest, save_writes_the_cells_and_lists_a_new_file) {
  StartWith();
  FrmControl& p = app->Open();
  app->grid().SetTextMatrix(1, 2, "历史");
  p.CmdSaveFile.UserClick();
  Rows expected = WeekTable();
  expected[1][2] = "历史";
  EXPECT_EQ(Bytes(Scd("Schedule.csv")), TimetableBytes(expected));
  ExpectLastMessage("当前课表已保存为“Schedule.csv”", "课表已保存", MessageIcon::Information);

  // Save as: the answer 我的课表.csv gets a second extension; the list shows the new file.
  app->dialogs().QueueInput("我的课表.csv");
  p.CmdSaveAs.UserClick();
  EXPECT_EQ(Bytes(Scd("我的课表.csv.csv")), TimetableBytes(expected));
  ExpectLastMessage("当前课表已保存为“我的课表.csv.csv”", "课表已保存", MessageIcon::Information);
  EXPECT_EQ(p.Caption(), "课程表设置 - 我的课表.csv.csv");
  EXPECT_EQ(app->state().values.ScdFileName, "我的课表.csv.csv");
  EXPECT_NE(
      std::find(p.FileSchedule.Items().begin(), p.FileSchedule.Items().end(), "我的课表.csv.csv"),
      p.FileSchedule.Items().end());
  // The menu's "保存课表" is the same command.
  app->dialogs().QueueMenuChoice(1);
  p.CmdSaveSet.UserMouseUp(ui::MouseButton::Left, 0, 100, 100);
  ExpectLastMessage("当前课表已保存为“我的课表.csv.csv”", "课表已保存", MessageIcon::Information);
}

TEST_F(PanelFilesTest, save_onto_a_read_only_file_fails_names_it_and_keeps_the_list) {
  StartWith();
  FrmControl& p = app->Open();
  const std::string old = Bytes(Scd("Schedule.csv"));
  std::filesystem::permissions(Scd("Schedule.csv"), std::filesystem::perms::owner_read |
                                                        std::filesystem::perms::group_read |
                                                        std::filesystem::perms::others_read);
  WriteTimetable(folder.path(), "后来.csv", WeekTable());  // appeared after the list was read
  app->grid().SetTextMatrix(1, 2, "历史");
  p.CmdSaveFile.UserClick();
  ExpectLastMessage("当前课表“Schedule.csv”未被保存，文件只读或正在使用！", "保存失败",
                    MessageIcon::Error);
  EXPECT_EQ(Bytes(Scd("Schedule.csv")), old);
  EXPECT_EQ(p.FileSchedule.Items(), std::vector<std::string>{"Schedule.csv"});

  // Save as onto a read-only name: the message names it and the caption shows it anyway.
  WriteTimetable(folder.path(), "只读.csv", FullWeekTable());
  const std::string kept = Bytes(Scd("只读.csv"));
  std::filesystem::permissions(Scd("只读.csv"), std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::remove);
  app->dialogs().QueueInput("只读");
  p.CmdSaveAs.UserClick();
  ExpectLastMessage("当前课表“只读.csv”未被保存，文件只读或正在使用！", "保存失败",
                    MessageIcon::Error);
  EXPECT_EQ(p.Caption(), "课程表设置 - 只读.csv");
  EXPECT_EQ(app->state().values.ScdFileName, "只读.csv");
  EXPECT_EQ(Bytes(Scd("只读.csv")), kept);

  // A writable name again: saved, and now the list is read again.
  app->dialogs().QueueInput("可写");
  p.CmdSaveAs.UserClick();
  ExpectLastMessage("当前课表已保存为“可写.csv”", "课表已保存", MessageIcon::Information);
  EXPECT_EQ(p.FileSchedule.Items(),
            (std::vector<std::string>{"Schedule.csv", "只读.csv", "可写.csv", "后来.csv"}));
}

TEST_F(PanelFilesTest, a_typed_cell_that_would_read_back_differently_is_not_saved) {
  StartWith();
  const std::string old = Bytes(Scd("Schedule.csv"));
  TypeCell(2, 4, "\"体育\"");
  FrmControl& p = app->Open();
  p.CmdSaveFile.UserClick();
  const auto& shown = app->dialogs().Messages();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].title, "保存失败");
  EXPECT_EQ(shown[0].icon, MessageIcon::Error);
  // Which cell as the user counts, which character, and what to type instead.
  EXPECT_NE(shown[0].text.find("Schedule.csv"), std::string::npos) << shown[0].text;
  EXPECT_NE(shown[0].text.find("第3行第5列"), std::string::npos) << shown[0].text;
  EXPECT_NE(shown[0].text.find("“\"”"), std::string::npos) << shown[0].text;
  EXPECT_NE(shown[0].text.find("全角引号“”"), std::string::npos) << shown[0].text;
  EXPECT_EQ(Bytes(Scd("Schedule.csv")), old);

  // The full-width quotes the message suggests are saved and read back as typed.
  TypeCell(2, 4, "“体育”");
  p.CmdSaveFile.UserClick();
  ExpectLastMessage("当前课表已保存为“Schedule.csv”", "课表已保存", MessageIcon::Information);
  Rows expected = WeekTable();
  expected[2][4] = "“体育”";
  EXPECT_EQ(Bytes(Scd("Schedule.csv")), TimetableBytes(expected));
}

TEST_F(PanelFilesTest, an_unreadable_timetable_is_kept_as_bak_before_the_first_save_over_it) {
  const std::string broken = Utf8ToAnsi("3,4\r\n只有一行,数学\r\n");
  StartWithFileBytes("Schedule.csv", broken);
  ASSERT_EQ(app->dialogs().Messages().size(), 1u);  // the read-failure message
  FrmControl& p = app->Open();
  app->grid().SetTextMatrix(1, 1, "8:00-8:45");
  p.CmdSaveFile.UserClick();
  ExpectLastMessage("当前课表已保存为“Schedule.csv”\n原文件无法读取，已保留为“Schedule.csv.bak”",
                    "课表已保存", MessageIcon::Information);
  EXPECT_EQ(Bytes(Scd("Schedule.csv.bak")), broken);
  EXPECT_EQ(p.FileSchedule.Items(), std::vector<std::string>{"Schedule.csv"});

  // The file reads now: the next save keeps nothing more.
  app->grid().SetTextMatrix(1, 2, "语文");
  p.CmdSaveFile.UserClick();
  ExpectLastMessage("当前课表已保存为“Schedule.csv”", "课表已保存", MessageIcon::Information);
  EXPECT_EQ(Bytes(Scd("Schedule.csv.bak")), broken);
}

TEST_F(PanelFilesTest,
       a_save_over_rows_the_count_line_left_out_asks_first_and_keeps_the_old_bytes) {
#ifndef ORVEL_SAMPLE_TIMETABLE
  GTEST_SKIP() << "the sample is built only where iconv is found";
#else
  // The shipped sample with its count line changed from 11,7 to 3,7 in Notepad.
  std::string edited = Bytes(ORVEL_SAMPLE_TIMETABLE);
  ASSERT_EQ(edited.substr(0, 6), "11,7\r\n");
  edited.replace(0, 4, "3,7");
  StartWithFileBytes("Schedule.csv", edited);
  ASSERT_EQ(app->dialogs().Messages().size(), 1u) << "the load says so once";
  const headless::ShownMessage& told = app->dialogs().Messages()[0];
  EXPECT_EQ(told.title, "读取课表");
  EXPECT_EQ(told.icon, MessageIcon::Warning);
  EXPECT_NE(told.text.find("有 8 处内容没有显示"), std::string::npos) << told.text;
  EXPECT_NE(told.text.find("第一行写的是 3 行 7 列）：文件中另有 8 行。"), std::string::npos) << told.text;
  EXPECT_EQ(app->Cells().size(), 3u);

  FrmControl& p = app->Open();
  app->dialogs().QueueMessageAnswer(ui::MessageAnswer::No);
  p.CmdSaveFile.UserClick();
  EXPECT_EQ(app->dialogs().Messages().back().text,
            "文件中有 8 处内容未显示，保存会丢失这些内容。是否继续保存？");
  EXPECT_EQ(app->dialogs().Messages().back().buttons, ui::MessageButtons::YesNo);
  EXPECT_EQ(Bytes(Scd("Schedule.csv")), edited);
  EXPECT_FALSE(std::filesystem::exists(Scd("Schedule.csv.bak")));

  app->dialogs().QueueMessageAnswer(ui::MessageAnswer::Yes);
  p.CmdSaveFile.UserClick();
  ExpectLastMessage("当前课表已保存为“Schedule.csv”\n原文件已保留为“Schedule.csv.bak”",
                    "课表已保存", MessageIcon::Information);
  EXPECT_EQ(Bytes(Scd("Schedule.csv.bak")), edited);
  EXPECT_EQ(Bytes(Scd("Schedule.csv")).substr(0, 5), "3,7\r\n");

  // The file holds what the window shows now: the next save neither asks nor keeps.
  const std::size_t shown = app->dialogs().Messages().size();
  p.CmdSaveFile.UserClick();
  EXPECT_EQ(app->dialogs().Messages().size(), shown + 1);
  ExpectLastMessage("当前课表已保存为“Schedule.csv”", "课表已保存", MessageIcon::Information);
  EXPECT_EQ(Bytes(Scd("Schedule.csv.bak")), edited);
#endif
}

TEST_F(PanelFilesTest,
       notepads_unicode_timetable_and_settings_are_read_and_saved_in_the_code_page) {
  // UTF-16 little endian with its byte-order mark, as Notepad saves "Unicode".
  const auto utf16 = [](const std::u16string& text) {
    std::string bytes = "\xFF\xFE";
    for (const char16_t unit : text) {
      bytes += static_cast<char>(unit & 0xFF);
      bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
  };
  std::ofstream(folder.path() / "Orvel2.ini", std::ios::binary)
      << utf16(u"0,0\r\n周.csv\r\n1,0,0,0,0,0\r\n0,0,0,0,0,0,0,0\r\n宋体,12,0\r\n0,0,0,0,1\r\n");
  std::ofstream(Scd("周.csv"), std::ios::binary)
      << utf16(u"2,3\r\n节次,时间,星期一\r\n第一节,8:00-8:45,语文\r\n");
  app = std::make_unique<PanelProgram>(folder.path());
  app->Start();
  EXPECT_TRUE(app->dialogs().Messages().empty());
  EXPECT_EQ(app->Cells(), (Rows{{"节次", "时间", "星期一"}, {"第一节", "8:00-8:45", "语文"}}));
  EXPECT_FALSE(app->grid().Enabled()) << "locked by the settings";
  EXPECT_EQ(app->grid().FontSize(), 12.0f);
  EXPECT_EQ(app->state().live.area, CalendarArea::AtListIndex(1));

  FrmControl& p = app->Open();
  p.CmdSaveFile.UserClick();
  ExpectLastMessage("当前课表已保存为“周.csv”", "课表已保存", MessageIcon::Information);
  EXPECT_EQ(Bytes(Scd("周.csv")),
            TimetableBytes({{"节次", "时间", "星期一"}, {"第一节", "8:00-8:45", "语文"}}));
}

TEST_F(PanelFilesTest, names_outside_scd_are_refused_at_start_up_and_by_new_and_save_as) {
  WriteAnsiFile(folder.path() / "x.csv", "1,2\r\n外面,的课表\r\n");
  SettingsFile s;
  s.scdFileName = "../x.csv";
  StartWith(WeekTable(), s);
  ASSERT_EQ(app->dialogs().Messages().size(), 1u);
  EXPECT_EQ(app->dialogs().Messages()[0].title, "错误");
  EXPECT_EQ(app->Cells(), Rows(11, std::vector<std::string>(7)));
  EXPECT_EQ(app->state().values.ScdFileName, "Schedule.csv");

  FrmControl& p = app->Open();
  const auto files = folder.Snapshot();
  app->dialogs().QueueInput("..\\..\\逃出");
  p.CmdSaveAs.UserClick();
  ASSERT_EQ(app->dialogs().Messages().size(), 2u);
  EXPECT_EQ(app->dialogs().Messages()[1].title, "错误的数据格式");
  EXPECT_EQ(app->dialogs().Messages()[1].icon, MessageIcon::Error);
  p.Txtrc[0].SetText("5");
  p.Txtrc[1].SetText("7");
  app->dialogs().QueueInput("C:新课表");
  p.CmdNewFile.UserClick();
  ASSERT_EQ(app->dialogs().Messages().size(), 3u);
  EXPECT_EQ(app->dialogs().Messages()[2].text, app->dialogs().Messages()[1].text);
  // A device name is a name Windows opens as the device, in any folder.
  app->dialogs().QueueInput("com1");
  p.CmdSaveAs.UserClick();
  ASSERT_EQ(app->dialogs().Messages().size(), 4u);
  EXPECT_EQ(app->dialogs().Messages()[3].text,
            "“com1.csv”是 Windows 保留的设备名（CON、PRN、AUX、NUL、COM1-COM9、LPT1-LPT9），"
            "不能用作课表文件名。请换一个名字！");
  EXPECT_EQ(app->state().values.ScdFileName, "Schedule.csv");
  EXPECT_EQ(p.Caption(), "课程表设置 - Schedule.csv");
  EXPECT_EQ(folder.Snapshot(), files);
}

TEST_F(PanelFilesTest, save_into_a_missing_scd_folder_fails_without_a_crash) {
  StartWith();
  FrmControl& p = app->Open();
  std::filesystem::remove_all(folder.path() / "scd");
  p.CmdSaveFile.UserClick();
  ExpectLastMessage("当前课表“Schedule.csv”未被保存，文件只读或正在使用！", "保存失败",
                    MessageIcon::Error);
}

}  // namespace
}  // namespace orvel::test

// The control panel's window, its layout, the tabs, and what loading it shows and re-applies.
#include <gtest/gtest.h>

#include <algorithm>

#include "desktop/auto_start.h"
#include "panel_fixture.h"
#include "platform/ui/containment.h"

namespace orvel::test {
namespace {

using panel::FrmControl;

bool Inside(const ui::Bounds& inner, const ui::Bounds& outer) {
  return inner.left >= outer.left && inner.top >= outer.top &&
         inner.left + inner.width <= outer.left + outer.width &&
         inner.top + inner.height <= outer.top + outer.height;
}
bool Overlap(const ui::Bounds& a, const ui::Bounds& b) {
  return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
         b.top < a.top + a.height;
}

using PanelOpenTest = PanelTest;

TEST_F(PanelOpenTest, window_tabs_pages_and_buttons_stand_where_they_belong) {
  StartWith();
  FrmControl& p = app->Open();
  EXPECT_EQ(p.style(), ui::FormStyle::FixedDialog);
  EXPECT_EQ(p.Caption(), "课程表设置 - Schedule.csv");
  EXPECT_EQ(p.ClientWidth(), 4095);
  EXPECT_EQ(p.ClientHeight(), 4140);
  EXPECT_TRUE(p.centred);

  const char* tabs[] = {"文件", "界面", "功能", "关于"};
  const ui::Bounds tabRects[] = {
      {360, 135, 800, 255}, {1200, 135, 800, 255}, {2160, 135, 800, 255}, {3000, 135, 795, 255}};
  ASSERT_EQ(p.LblTab.size(), 4u);
  ASSERT_EQ(p.FrameSet.size(), 4u);
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(p.LblTab[i].Caption(), tabs[i]);
    EXPECT_EQ(p.LblTab[i].bounds(), tabRects[i]) << i;
    EXPECT_EQ(p.FrameSet[i].bounds(), (ui::Bounds{240, 360, 3600, 2895})) << i;
  }
  EXPECT_EQ(p.CmdOK.Caption(), "确定");
  EXPECT_EQ(p.CmdSaveSet.Caption(), "保存");
  EXPECT_EQ(p.CmdExit.Caption(), "退出");
  EXPECT_EQ(p.CmdOK.Left(), 240);
  EXPECT_EQ(p.CmdSaveSet.Left(), 1560);
  EXPECT_EQ(p.CmdExit.Left(), 2835);
  for (const ui::Button* b : {&p.CmdOK, &p.CmdSaveSet, &p.CmdExit}) {
    EXPECT_EQ(b->Top(), 3510);
    EXPECT_LE(b->Left() + b->Width(), p.ClientWidth());
    EXPECT_LE(b->Top() + b->Height(), p.ClientHeight());
  }
  EXPECT_EQ(p.mnu_save.Caption(), "保存");
  ASSERT_EQ(p.mnu_save.Items().size(), 2u);
  EXPECT_EQ(p.mnu_save.Items()[0].name, "mnu_save_set");
  EXPECT_EQ(p.mnu_save.Items()[0].caption, "保存设置");
  EXPECT_EQ(p.mnu_save.Items()[1].name, "mnu_save_file");
  EXPECT_EQ(p.mnu_save.Items()[1].caption, "保存课表");
}

TEST_F(PanelOpenTest, every_page_control_lies_inside_its_page_without_overlapping_another) {
  StartWith();
  FrmControl& p = app->Open();
  const std::vector<std::vector<const ui::Widget*>> pages = {
      {&p.FileSchedule, &p.Lblrc[0], &p.Lblrc[1], &p.Txtrc[0], &p.Txtrc[1], &p.CmdNewFile,
       &p.CmdLoadFile, &p.CmdSaveFile, &p.CmdSaveAs},
      {&p.ChkLock, &p.ChkFold, &p.ChkAlpha, &p.ChkFrame, &p.Lab[0], &p.CmbTopFloor, &p.Lab[1],
       &p.CmbColSet, &p.LabColor[0], &p.LabColor[1], &p.LabColor[2], &p.LabColor[3], &p.LabColor[4],
       &p.LabColor[5], &p.LabColor[6], &p.LabColor[7], &*p.CmbFontName, &*p.CmbFontSize,
       &*p.CmbFun},
      {&p.ChkTimerSchedule, &p.Lab[2], &p.CmbRemind, &p.ChkPowerStart, &p.Chknodo, &p.Comduration,
       &p.Lab[3], &p.Lab[4], &p.CmbArea, &p.CmbYears, &p.CmdXiaoliMake, &p.CmdXiaoliLook},
      {&p.LabAbout[0], &p.LabAbout[1], &p.LabAbout[2], &p.LabAbout[3], &p.LabAbout[4],
       &p.Imgabout[0]},
  };
  for (std::size_t page = 0; page < pages.size(); ++page) {
    for (std::size_t i = 0; i < pages[page].size(); ++i) {
      const ui::Widget* w = pages[page][i];
      EXPECT_GT(w->Width(), 0) << w->name() << w->index();
      EXPECT_GT(w->Height(), 0) << w->name() << w->index();
      EXPECT_TRUE(Inside(w->bounds(), p.FrameSet[page].bounds())) << w->name() << w->index();
      for (std::size_t j = i + 1; j < pages[page].size(); ++j)
        EXPECT_FALSE(Overlap(w->bounds(), pages[page][j]->bounds()))
            << w->name() << w->index() << " / " << pages[page][j]->name()
            << pages[page][j]->index();
    }
  }
  // The two pictures share one place: one hides the other, and they differ.
  EXPECT_EQ(p.Imgabout[0].bounds(), p.Imgabout[1].bounds());
  EXPECT_NE(p.Imgabout[0].ImageId(), p.Imgabout[1].ImageId());
  EXPECT_TRUE(p.Imgabout[0].Visible());
  EXPECT_FALSE(p.Imgabout[1].Visible());
}

TEST_F(PanelOpenTest, captions_and_list_items_as_designed) {
  StartWith();
  FrmControl& p = app->Open();
  EXPECT_EQ(p.Lblrc[0].Caption(), "行数");
  EXPECT_EQ(p.Lblrc[1].Caption(), "列数");
  EXPECT_EQ(p.CmdNewFile.Caption(), "新建");
  EXPECT_EQ(p.CmdSaveFile.Caption(), "保存");
  EXPECT_EQ(p.CmdLoadFile.Caption(), "加载");
  EXPECT_EQ(p.CmdSaveAs.Caption(), "另存");
  EXPECT_EQ(p.ChkLock.Caption(), "锁定");
  EXPECT_EQ(p.ChkFold.Caption(), "折叠");
  EXPECT_EQ(p.ChkAlpha.Caption(), "透明");
  EXPECT_EQ(p.ChkFrame.Caption(), "有框");
  const char* labs[] = {"窗口", "配色", "课前提醒方式", "小时关机", "校历"};
  for (std::size_t i = 0; i < 5; ++i) EXPECT_EQ(p.Lab[i].Caption(), labs[i]);
  const char* colours[] = {"表头", "背景", "亮列", "亮行", "无课", "有课", "课间", "字色"};
  for (std::size_t i = 0; i < 8; ++i) EXPECT_EQ(p.LabColor[i].Caption(), colours[i]);
  EXPECT_EQ(p.ChkTimerSchedule.Caption(), "课表加亮");
  EXPECT_EQ(p.ChkPowerStart.Caption(), "随机自启");
  EXPECT_EQ(p.Chknodo.Caption(), "无操作");
  EXPECT_EQ(p.CmdXiaoliMake.Caption(), "生成");
  EXPECT_EQ(p.CmdXiaoliLook.Caption(), "查看");
  EXPECT_EQ(p.LabAbout[2].Caption(), "程序");
  EXPECT_EQ(p.LabAbout[3].Caption(), "说明");
  EXPECT_EQ(p.LabAbout[4].Caption(), "帮助");

  using Items = std::vector<std::string>;
  EXPECT_EQ(p.CmbTopFloor.Items(), (Items{"普通模式", "始终在上", "始终在下"}));
  EXPECT_EQ(p.CmbColSet.Items(), (Items{"方案1", "方案2", "自定义"}));
  EXPECT_EQ(p.CmbRemind.Items(), (Items{"无上课提醒", "弹出框提醒", "气泡提醒"}));
  EXPECT_EQ(p.CmbArea.Items(), (Items{"上海", "其他"}));
  EXPECT_EQ(p.CmbFontSize->Items(), (Items{"9", "10", "11", "12", "13", "14", "15"}));
  EXPECT_EQ(p.CmbFun->Items(), (Items{"0", "1", "2", "3", "4"}));
  EXPECT_EQ(p.Comduration.Items(), (Items{"0.1", "0.5", "1", "1.5", "2"}));
  for (const ui::ComboBox* box :
       {&p.CmbTopFloor, &p.CmbColSet, &p.CmbRemind, &p.CmbArea, &p.CmbYears})
    EXPECT_FALSE(box->Editable()) << box->name();
  for (const ui::ComboBox* box : {&*p.CmbFontName, &*p.CmbFontSize, &*p.CmbFun, &p.Comduration})
    EXPECT_TRUE(box->Editable()) << box->name();
}

TEST_F(PanelOpenTest, load_shows_the_working_values_and_the_live_window) {
  SettingsFile s;
  s.lock = "1";
  s.frame = "1";
  s.layer = "1";
  s.scheme = "2";
  s.customColours = "1,2,3,4,5,6,7,16777215";
  s.highlight = "1";
  s.idle = "1";
  s.idleHours = "1.5";
  s.remind = "2";
  s.area = "1";
  s.fontName = "黑体";
  s.fontSize = "10.5";
  s.effect = "3";
  StartWith(WeekTable(), s);
  FrmControl& p = app->Open();

  EXPECT_EQ(p.Txtrc[0].Text(), "5");
  EXPECT_EQ(p.Txtrc[1].Text(), "7");
  EXPECT_EQ(p.ChkLock.Value(), 1);
  EXPECT_EQ(p.ChkFold.Value(), 0);
  EXPECT_EQ(p.ChkFrame.Value(), 1);
  EXPECT_EQ(p.ChkAlpha.Value(), 0);
  EXPECT_EQ(p.CmbTopFloor.ListIndex(), 1);
  EXPECT_EQ(p.CmbColSet.Text(), "自定义");
  const ui::Colour custom[] = {1, 2, 3, 4, 5, 6, 7, 0xFFFFFF};
  for (std::size_t i = 0; i < 8; ++i) EXPECT_EQ(p.LabColor[i].BackColour(), custom[i]) << i;
  EXPECT_EQ(p.ChkTimerSchedule.Value(), 1);
  EXPECT_EQ(p.CmbRemind.Text(), "气泡提醒");
  EXPECT_EQ(p.Chknodo.Value(), 1);
  EXPECT_EQ(p.Comduration.Text(), "1.5");
  EXPECT_EQ(p.CmbFontName->Text(), "黑体");
  EXPECT_EQ(p.CmbFontSize->Text(), "10.5");
  EXPECT_EQ(p.CmbFun->Text(), "3");
  EXPECT_EQ(p.CmbArea.Text(), "其他");
  EXPECT_EQ(app->state().live.area, CalendarArea::AtListIndex(1));
  // The file page is current, whatever was current before.
  EXPECT_TRUE(p.LblTab[0].Bold());
  EXPECT_EQ(p.LblTab[0].BorderStyle(), 1);
  EXPECT_TRUE(p.FrameSet[0].Visible());
  for (std::size_t i = 1; i < 4; ++i) {
    EXPECT_FALSE(p.FrameSet[i].Visible());
    EXPECT_EQ(p.LblTab[i].BorderStyle(), 0);
    EXPECT_FALSE(p.LblTab[i].Bold());
  }
  // The file list shows the timetables of "scd".
  EXPECT_EQ(p.FileSchedule.Path(), Utf8FromPath(folder.path() / "scd"));
  EXPECT_EQ(p.FileSchedule.Items(), std::vector<std::string>{"Schedule.csv"});
  EXPECT_EQ(p.FileSchedule.ListIndex(), -1);
}

TEST_F(PanelOpenTest, tabs_show_one_page_and_mark_their_label) {
  StartWith();
  FrmControl& p = app->Open();
  for (int tab : {2, 3, 1, 1, 0}) {
    p.LblTab[static_cast<std::size_t>(tab)].UserClick();
    for (int i = 0; i < 4; ++i) {
      const auto u = static_cast<std::size_t>(i);
      EXPECT_EQ(p.FrameSet[u].Visible(), i == tab) << tab << " " << i;
      EXPECT_EQ(p.LblTab[u].Bold(), i == tab) << tab << " " << i;
      EXPECT_EQ(p.LblTab[u].BorderStyle(), i == tab ? 1 : 0) << tab << " " << i;
    }
    // The pages share one rectangle; each control shows and takes input with its own page only.
    EXPECT_EQ(ui::ShownVisible(p.CmdLoadFile), tab == 0) << tab;
    EXPECT_EQ(ui::ShownVisible(p.ChkLock), tab == 1) << tab;
    EXPECT_EQ(ui::ShownVisible(*p.CmbFun), tab == 1) << tab;
    EXPECT_EQ(ui::ShownVisible(p.CmdXiaoliMake), tab == 2) << tab;
    EXPECT_EQ(ui::ShownVisible(p.LabAbout[4]), tab == 3) << tab;
    EXPECT_TRUE(ui::ShownVisible(p.CmdOK));
    EXPECT_EQ(app->platform.UserFocus(p.Txtrc[0]), tab == 0) << tab;
  }
  // Closed on the about page, opened again on the file page.
  p.LblTab[3].UserClick();
  p.UserClose();
  FrmControl& again = app->Open();
  EXPECT_TRUE(again.FrameSet[0].Visible());
  EXPECT_FALSE(again.FrameSet[3].Visible());
}

TEST_F(PanelOpenTest, a_second_double_click_brings_the_open_panel_forward_without_loading_it) {
  StartWith();
  FrmControl& p = app->Open();
  p.LblTab[2].UserClick();
  p.ChkFold.SetValue(1);
  const std::size_t tooltips = app->platform.tooltips().Records().size();
  // The grid's double click, the editor's and the window's all lead here.
  ASSERT_TRUE(headless::DoubleClickCell(app->platform, app->grid(), 1, 1));
  app->window().UserDblClick();
  EXPECT_EQ(app->Panel(), &p);
  EXPECT_TRUE(p.FrameSet[2].Visible());  // no new load
  EXPECT_EQ(p.ChkFold.Value(), 1);
  EXPECT_EQ(app->platform.tooltips().Records().size(), tooltips);
  EXPECT_EQ(app->platform.PeerOf(p)->Shows(), 1);
}

TEST_F(PanelOpenTest, closing_unloads_and_the_next_opening_loads_a_new_panel) {
  StartWith();
  app->Open().UserClose();
  EXPECT_EQ(app->Panel(), nullptr);
  ASSERT_EQ(app->platform.tooltips().Records().size(), 1u);
  EXPECT_TRUE(app->platform.tooltips().Records()[0].destroyed);
  FrmControl& p = app->Open();
  EXPECT_TRUE(p.Loaded());
  EXPECT_EQ(app->platform.tooltips().Records().size(), 2u);
  // Each load reads the working values again: a close box kept the old lock choice.
  p.ChkLock.SetValue(1);
  p.UserClose();
  EXPECT_EQ(app->Open().ChkLock.Value(), 0);
  EXPECT_FALSE(app->grid().Enabled());  // the window keeps what the click did
}

TEST_F(PanelOpenTest, stored_zeros_change_nothing_but_layer_and_scheme) {
  StartWith();
  const headless::WindowRecord before = *app->platform.windows().Window(app->window());
  std::vector<int> widths;
  for (int c = 0; c < app->grid().Cols(); ++c) widths.push_back(app->grid().ColWidth(c));
  const std::size_t hookEvents = app->platform.windows().HookEvents().size();

  app->Open();
  const headless::WindowRecord after = *app->platform.windows().Window(app->window());
  EXPECT_TRUE(app->grid().Enabled());
  EXPECT_EQ(app->grid().FrameStyle(), 0);
  EXPECT_EQ(after.layeredCalls, before.layeredCalls);
  EXPECT_EQ(after.regionCalls, before.regionCalls);
  for (int c = 0; c < app->grid().Cols(); ++c)
    EXPECT_EQ(app->grid().ColWidth(c), widths[static_cast<std::size_t>(c)]) << c;
  // The layer is applied again: not topmost, and no bottom hook.
  EXPECT_EQ(after.topmostCalls, before.topmostCalls + 1);
  EXPECT_FALSE(app->platform.windows().IsTopmost(app->window()));
  EXPECT_FALSE(app->platform.windows().HasBottomHook(app->window()));
  const auto& events = app->platform.windows().HookEvents();
  for (std::size_t i = hookEvents; i < events.size(); ++i) EXPECT_FALSE(events[i].installed);
  EXPECT_EQ(app->state().values.scheme, SchemeChoice::First);
  EXPECT_FALSE(app->state().live.highlighting);
}

TEST_F(PanelOpenTest, stored_ones_are_applied_again_at_each_opening) {
  SettingsFile s;
  s.lock = "1";
  s.fold = "1";
  s.frame = "1";
  s.alpha = "1";
  StartWith(WeekTable(), s);
  // Someone changed the window since start-up.
  app->grid().SetEnabled(true);
  app->grid().SetFrameStyle(0);
  for (int c = 0; c < app->grid().Cols(); ++c) app->grid().SetColWidth(c, 500);
  const int layered = app->platform.windows().Window(app->window())->layeredCalls;

  app->Open();
  EXPECT_FALSE(app->grid().Enabled());
  EXPECT_EQ(app->grid().FrameStyle(), 1);
  // Wednesday: columns 0, 1 and 4 (Wednesday) keep a width.
  for (int c = 0; c < app->grid().Cols(); ++c)
    EXPECT_EQ(app->grid().ColWidth(c) > 0, c < 2 || c == 4) << c;
  const headless::WindowRecord& w = *app->platform.windows().Window(app->window());
  EXPECT_EQ(w.layeredCalls, layered + 1);
  EXPECT_TRUE(w.colourKey);
  EXPECT_EQ(w.colour, 0xFFFFFFu);  // scheme 方案1's background
}

TEST_F(PanelOpenTest, bottom_layer_reinstalls_one_hook_at_each_opening) {
  SettingsFile s;
  s.layer = "2";
  StartWith(WeekTable(), s);
  const auto& windows = app->platform.windows();
  ASSERT_TRUE(windows.HasBottomHook(app->window()));
  for (int opening = 0; opening < 3; ++opening) {
    const std::size_t events = windows.HookEvents().size();
    app->Open().UserClose();
    const auto& ev = windows.HookEvents();
    ASSERT_EQ(ev.size(), events + 2) << opening;
    EXPECT_EQ(ev[events].kind, headless::HookKind::Bottom);
    EXPECT_FALSE(ev[events].installed);
    EXPECT_EQ(ev[events + 1].kind, headless::HookKind::Bottom);
    EXPECT_TRUE(ev[events + 1].installed);
    const auto chain = windows.HookChain(app->window());
    EXPECT_EQ(std::count(chain.begin(), chain.end(), headless::HookKind::Bottom), 1);
  }
}

TEST_F(PanelOpenTest, scheme_one_still_shows_the_custom_colours_on_the_labels) {
  SettingsFile s;
  s.scheme = "0";
  s.customColours = "255,65280,16711680,0,8421504,16777215,12632256,4210752";
  StartWith(WeekTable(), s);
  FrmControl& p = app->Open();
  EXPECT_EQ(p.CmbColSet.Text(), "方案1");
  const ui::Colour expected[] = {255, 65280, 16711680, 0, 8421504, 16777215, 12632256, 4210752};
  for (std::size_t i = 0; i < 8; ++i) EXPECT_EQ(p.LabColor[i].BackColour(), expected[i]) << i;
}

TEST_F(PanelOpenTest, font_list_holds_chinese_names_and_the_box_shows_the_grid_font) {
  SettingsFile s;
  s.fontName = "Arial";
  StartWith(WeekTable(), s);
  app->platform.fonts().SetInstalled(
      {"Arial", "宋体", "@宋体", "Courier New", "黑体", "微软雅黑", "Ｆｕｌｌ", "", "楷体"});
  FrmControl& p = app->Open();
  // "Ｆｕｌｌ" (full-width Latin) is double-byte in GBK too.
  EXPECT_EQ(p.CmbFontName->Items(),
            (std::vector<std::string>{"宋体", "黑体", "微软雅黑", "Ｆｕｌｌ", "楷体"}));
  EXPECT_EQ(p.CmbFontName->Text(), "Arial");
  EXPECT_EQ(p.CmbFontName->ListIndex(), -1);
  EXPECT_EQ(app->grid().FontName(), "Arial");

  // A Chinese grid font is both listed and shown; case matters for Latin names.
  p.UserClose();
  app->grid().SetFontName("arial");
  EXPECT_EQ(app->Open().CmbFontName->Text(), "");
}

TEST_F(PanelOpenTest, font_name_filter_reads_the_first_character_in_the_ansi_code_page) {
  EXPECT_TRUE(panel::FontNameListed("宋体"));
  EXPECT_TRUE(panel::FontNameListed("华文细黑"));
  EXPECT_FALSE(panel::FontNameListed("Arial"));
  EXPECT_FALSE(panel::FontNameListed("@SimSun"));
  EXPECT_FALSE(panel::FontNameListed(""));
  EXPECT_FALSE(panel::FontNameListed("A宋体"));
  EXPECT_FALSE(panel::FontNameListed("€Sans"));  // one byte in code page 936
}

TEST_F(PanelOpenTest, year_list_spans_five_years_each_way_within_1986_to_2100) {
  using std::chrono::year, std::chrono::month, std::chrono::day;
  struct Case {
    int y;
    std::string first, last;
  } cases[] = {{2025, "2020", "2030"}, {1988, "1986", "1993"}, {2098, "2093", "2100"}};
  for (const Case& c : cases) {
    ProgramFolder f;
    WriteTimetable(f.path(), "Schedule.csv", WeekTable());
    PanelProgram program(f.path());
    program.platform.SetNow(year{c.y} / month{1} / day{1}, 9 * 3600);
    program.Start();
    FrmControl& p = program.Open();
    ASSERT_FALSE(p.CmbYears.Items().empty());
    EXPECT_EQ(p.CmbYears.Items().front(), c.first) << c.y;
    EXPECT_EQ(p.CmbYears.Items().back(), c.last) << c.y;
    EXPECT_EQ(p.CmbYears.Text(), std::to_string(c.y));
  }
}

TEST_F(PanelOpenTest, tooltips_about_text_and_auto_start_state_at_load) {
  StartWith();
  auto& system = app->platform.system();
  system.SetWindowsVersion(6, 1);
  system.SetProgramTimeText("2025/9/1 10:30:00");
  app->platform.registry().WriteString(ui::RegistryRoot::LocalMachine,
                                       "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run", "q7Scd",
                                       desktop::ProgramPathText(app->platform));
  FrmControl& p = app->Open();
  EXPECT_FLOAT_EQ(p.WindowsVersion(), 6.1f);
  EXPECT_EQ(p.ChkPowerStart.Value(), 1);
  EXPECT_EQ(p.InitialPowerStart(), 1);

  const auto& tip = app->platform.tooltips().Records().back();
  EXPECT_EQ(tip.owner, &p);
  EXPECT_EQ(tip.maxWidth, 400);
  EXPECT_EQ(tip.autoPopMs, 7000);
  EXPECT_EQ(tip.initialMs, 500);
  ASSERT_EQ(tip.tools.size(), 3u);
  EXPECT_EQ(tip.tools[0].widget, &p.ChkLock);
  EXPECT_EQ(tip.tools[0].text, "锁定课表，防止修改");
  EXPECT_EQ(tip.tools[1].widget, &p.CmbColSet);
  EXPECT_EQ(tip.tools[1].text,
            "选择自定义设置用户配色方案\r\n1-表头色，2-背景色，3-当前星期列，4-当前时间行，\r\n"
            "5-当前节无课，6-当前节有课，7-课间休息，8-文字颜色");
  EXPECT_EQ(tip.tools[2].widget, &p.CmbRemind);
  EXPECT_EQ(tip.tools[2].text, "若下节有课，\r\n则提前三分钟提醒");
  for (const auto& tool : tip.tools) EXPECT_TRUE(tool.centred);

  // Nine lines parted by a carriage return alone.
  std::vector<std::string> lines(1);
  for (char c : p.LabAbout[0].Caption()) {
    if (c == '\r')
      lines.emplace_back();
    else
      lines.back() += c;
  }
  ASSERT_EQ(lines.size(), 9u);
  EXPECT_EQ(lines[0], "Schedule");
  EXPECT_EQ(lines[1].rfind("Tessaly2.0.", 0), 0u) << lines[1];
  EXPECT_EQ(lines[2], "Build2025/9/1 ");
  EXPECT_EQ(lines[3], "");
  for (std::size_t i = 4; i < 9; ++i) EXPECT_FALSE(lines[i].empty()) << i;
}

TEST_F(PanelOpenTest, missing_scd_folder_is_made_and_listed) {
  StartWith();
  std::filesystem::remove_all(folder.path() / "scd");
  FrmControl& p = app->Open();
  EXPECT_TRUE(std::filesystem::is_directory(folder.path() / "scd"));
  EXPECT_EQ(p.FileSchedule.Path(), Utf8FromPath(folder.path() / "scd"));
  EXPECT_TRUE(p.FileSchedule.Items().empty());
}

}  // namespace
}  // namespace orvel::test

// The function page and the buttons: highlight switch, OK against the close box, the save menu
// with "保存设置", auto-start, and Exit.
#include <gtest/gtest.h>

#include <cctype>

#include "desktop/auto_start.h"
#include "desktop/frm_tips.h"
#include "panel_fixture.h"

namespace orvel::test {
namespace {

using panel::FrmControl;
using ui::MessageIcon;

constexpr const char* kRunKey = "software\\microsoft\\windows\\currentversion\\run";

class PanelFunctionsTest : public PanelTest {
 protected:
  std::optional<std::string> RunValue() {
    return app->platform.registry().ReadString(ui::RegistryRoot::LocalMachine, kRunKey, "q7Scd");
  }
  std::string Settings() const { return Bytes(folder.path() / "Orvel2.ini"); }
};

TEST_F(PanelFunctionsTest, highlight_switch_starts_and_stops_the_clock_and_whitens_the_cells) {
  SettingsFile s;
  s.highlight = "1";
  StartWith(WeekTable(), s);
  FrmControl& p = app->Open();
  EXPECT_EQ(p.ChkTimerSchedule.Value(), 1);
  app->grid().SetCellBackColour(0, 0, 0x123456);
  app->grid().SetCellBackColour(4, 6, 0x654321);
  p.ChkTimerSchedule.UserClick();
  EXPECT_FALSE(app->state().live.highlighting);
  for (int r = 0; r < 5; ++r)
    for (int c = 0; c < 7; ++c) EXPECT_EQ(app->grid().CellBackColour(r, c), 0xFFFFFFu) << r << c;
  p.ChkTimerSchedule.UserClick();
  EXPECT_TRUE(app->state().live.highlighting);
}

TEST_F(PanelFunctionsTest, ok_copies_the_choices_arms_the_idle_timer_and_closes) {
  SettingsFile s;
  s.customColours = "1,2,3,4,5,6,7,8";
  StartWith(WeekTable(), s);
  FrmControl& p = app->Open();
  const auto files = folder.Snapshot();
  p.ChkLock.UserClick();
  p.ChkFrame.UserClick();
  p.CmbTopFloor.UserChoose(1);
  p.CmbColSet.UserChoose(2);
  app->dialogs().QueueColour(0xABCDEF);
  p.LabColor[7].UserClick();
  p.CmbRemind.UserChoose(2);
  p.Chknodo.UserClick();
  p.Comduration.UserSetText("1.5");
  p.CmdOK.UserClick();

  const WorkingValues& v = app->state().values;
  EXPECT_TRUE(v.lock);
  EXPECT_FALSE(v.fold);
  EXPECT_TRUE(v.frame);
  EXPECT_FALSE(v.transparency);
  EXPECT_EQ(v.layer, WindowLayer::AlwaysOnTop);
  EXPECT_EQ(v.scheme, SchemeChoice::Custom);
  EXPECT_EQ(v.remindMode, RemindMode::Balloon);
  EXPECT_TRUE(v.idleShutdown);
  EXPECT_FLOAT_EQ(v.idleHours, 1.5f);
  EXPECT_EQ(app->state().colours.Get(SchemeChoice::Custom, 8), 0xABCDEFu);
  EXPECT_TRUE(app->window().Timerduration.Enabled());
  EXPECT_EQ(app->Panel(), nullptr);
  EXPECT_TRUE(app->platform.tooltips().Records().back().destroyed);
  EXPECT_EQ(folder.Snapshot(), files);  // OK writes no file

  // An emptied idle-time box gives 1 hour; the switch off stops the timer.
  FrmControl& again = app->Open();
  EXPECT_EQ(again.ChkLock.Value(), 1);
  EXPECT_EQ(again.CmbTopFloor.ListIndex(), 1);
  again.Comduration.UserSetText("");
  again.CmdOK.UserClick();
  EXPECT_FLOAT_EQ(v.idleHours, 1.0f);
  EXPECT_TRUE(app->window().Timerduration.Enabled());
  FrmControl& third = app->Open();
  third.Chknodo.UserClick();
  third.CmdOK.UserClick();
  EXPECT_EQ(v.idleShutdown, 0);
  EXPECT_FALSE(app->window().Timerduration.Enabled());
}

TEST_F(PanelFunctionsTest, close_box_keeps_the_old_reminder_mode_and_ok_takes_the_new_one) {
  SettingsFile s;
  s.remind = "1";
  StartWith(WeekTable(), s);
  FrmControl& p = app->Open();
  p.CmbRemind.UserChoose(2);
  p.CmbColSet.UserChoose(1);  // the scheme is taken at once, without OK
  p.Chknodo.UserClick();
  p.UserClose();
  EXPECT_EQ(app->state().values.remindMode, RemindMode::Popup);
  EXPECT_FALSE(app->state().values.idleShutdown);
  EXPECT_FALSE(app->window().Timerduration.Enabled());
  EXPECT_EQ(app->state().values.scheme, SchemeChoice::Second);

  FrmControl& again = app->Open();
  EXPECT_EQ(again.CmbRemind.ListIndex(), 1);
  again.CmbRemind.UserChoose(2);
  again.CmdOK.UserClick();
  EXPECT_EQ(app->state().values.remindMode, RemindMode::Balloon);
}

TEST_F(PanelFunctionsTest, auto_start_acts_only_when_the_box_changed) {
  StartWith();
  app->platform.system().SetWindowsVersion(6, 1);
  const std::string program = desktop::ProgramPathText(app->platform);
  FrmControl& p = app->Open();
  EXPECT_EQ(p.ChkPowerStart.Value(), 0);
  p.ChkPowerStart.UserClick();
  p.CmdOK.UserClick();
  EXPECT_EQ(RunValue(), program);

  // A stale value is left alone when the box stays as it was.
  app->platform.registry().WriteString(ui::RegistryRoot::LocalMachine, kRunKey, "q7Scd",
                                       "C:\\elsewhere\\Orvel2.exe");
  FrmControl& again = app->Open();
  EXPECT_EQ(again.ChkPowerStart.Value(), 0);
  again.CmdOK.UserClick();
  EXPECT_EQ(RunValue(), "C:\\elsewhere\\Orvel2.exe");

  // Matching the path in another letter case counts as on; clearing the box deletes the value.
  std::string upper = program;
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  ASSERT_NE(upper, program);
  app->platform.registry().WriteString(ui::RegistryRoot::LocalMachine, kRunKey, "q7Scd", upper);
  FrmControl& third = app->Open();
  EXPECT_EQ(third.ChkPowerStart.Value(), 1);
  third.ChkPowerStart.UserClick();
  third.CmdOK.UserClick();
  EXPECT_EQ(RunValue(), std::nullopt);

  // Windows 6.0 uses the start-up shortcut instead.
  app->platform.system().SetWindowsVersion(6, 0);
  FrmControl& vista = app->Open();
  EXPECT_FLOAT_EQ(vista.WindowsVersion(), 6.0f);
  vista.ChkPowerStart.UserClick();
  vista.CmdOK.UserClick();
  EXPECT_EQ(RunValue(), std::nullopt);
  ASSERT_EQ(app->platform.shortcuts().Links().size(), 1u);
  EXPECT_EQ(app->platform.shortcuts().Links().begin()->first.filename(),
            PathFromUtf8("课程表.lnk"));
  EXPECT_EQ(Utf8FromPath(app->platform.shortcuts().Links().begin()->second), program);
  EXPECT_EQ(app->Open().ChkPowerStart.Value(), 1);
}

TEST_F(PanelFunctionsTest, save_button_opens_its_menu_for_the_left_button_only) {
  StartWith();
  FrmControl& p = app->Open();
  p.CmdSaveSet.UserMouseUp(ui::MouseButton::Right, 0, 10, 10);
  p.CmdSaveSet.UserMouseUp(ui::MouseButton::Middle, 0, 10, 10);
  p.CmdSaveSet.UserClick();  // no click action: the keyboard cannot trigger it
  EXPECT_TRUE(app->dialogs().Menus().empty());
  p.CmdSaveSet.UserMouseUp(ui::MouseButton::Left, ui::kShift, 10, 10);
  ASSERT_EQ(app->dialogs().Menus().size(), 1u);
  EXPECT_EQ(app->dialogs().Menus()[0].name, "mnu_save");
  EXPECT_EQ(app->dialogs().Menus()[0].captions, (std::vector<std::string>{"保存设置", "保存课表"}));
  EXPECT_TRUE(app->dialogs().Messages().empty());  // dismissed: nothing chosen
}

TEST_F(PanelFunctionsTest, save_settings_without_ok_writes_the_panel_choices) {
  SettingsFile s;
  s.left = "1200";
  s.top = "600";
  s.customColours = "1,2,3,4,5,6,7,8";
  StartWith(WeekTable(), s);
  app->platform.system().SetWindowsVersion(5, 1);
  FrmControl& p = app->Open();
  p.ChkLock.UserClick();
  p.ChkFrame.UserClick();
  p.CmbTopFloor.UserChoose(1);
  p.CmbColSet.UserChoose(2);
  app->dialogs().QueueColour(255);
  p.LabColor[0].UserClick();
  p.CmbFontSize->UserSetText("12");  // typed: stored, though the grid keeps its size
  p.ChkTimerSchedule.UserClick();
  p.Chknodo.UserClick();
  p.Comduration.UserChoose(3);
  p.CmbRemind.UserChoose(2);
  p.CmbArea.UserChoose(1);
  p.ChkPowerStart.UserClick();
  app->dialogs().QueueMenuChoice(0);
  p.CmdSaveSet.UserMouseUp(ui::MouseButton::Left, 0, 10, 10);

  EXPECT_EQ(Settings(), Utf8ToAnsi("1200,600\r\nSchedule.csv\r\n1,0,1,0,1,2\r\n"
                                   "255,2,3,4,5,6,7,8\r\n宋体,12,0\r\n1,1,1.5,2,1\r\n"));
  ASSERT_FALSE(app->dialogs().Messages().empty());
  EXPECT_EQ(app->dialogs().Messages().back().text, "当前设置已保存");
  EXPECT_EQ(app->dialogs().Messages().back().title, "保存成功");
  EXPECT_EQ(app->dialogs().Messages().back().icon, MessageIcon::Information);
  EXPECT_EQ(RunValue(), desktop::ProgramPathText(app->platform));
  // The working values were not touched: that is OK's job.
  EXPECT_FALSE(app->state().values.lock);
  EXPECT_EQ(app->state().values.remindMode, RemindMode::None);
  EXPECT_TRUE(p.Loaded());

  // Saving twice without a change writes the same file.
  const std::string first = Settings();
  app->dialogs().QueueMenuChoice(0);
  p.CmdSaveSet.UserMouseUp(ui::MouseButton::Left, 0, 10, 10);
  EXPECT_EQ(Settings(), first);

  // The next start uses them.
  p.CmdExit.UserClick();
  PanelProgram next(folder.path());
  next.platform.SetNow(kWednesday, 10 * 3600);
  next.Start();
  EXPECT_FALSE(next.grid().Enabled());
  EXPECT_EQ(next.grid().FrameStyle(), 1);
  EXPECT_EQ(next.state().values.layer, WindowLayer::AlwaysOnTop);
  EXPECT_EQ(next.state().values.scheme, SchemeChoice::Custom);
  EXPECT_EQ(next.state().values.remindMode, RemindMode::Balloon);
  EXPECT_EQ(next.state().colours.Get(SchemeChoice::Custom, 1), 255u);
  EXPECT_EQ(next.state().live.area, CalendarArea::AtListIndex(1));
  EXPECT_TRUE(next.state().live.highlighting);
}

TEST_F(PanelFunctionsTest, save_settings_onto_a_read_only_file_reports_and_keeps_the_old_file) {
  StartWith();
  app->platform.system().SetWindowsVersion(6, 1);
  const auto ini = folder.path() / "Orvel2.ini";
  const std::string old = Settings();
  std::filesystem::permissions(ini,
                               std::filesystem::perms::owner_write |
                                   std::filesystem::perms::group_write |
                                   std::filesystem::perms::others_write,
                               std::filesystem::perm_options::remove);
  FrmControl& p = app->Open();
  p.ChkLock.UserClick();
  p.ChkPowerStart.UserClick();
  app->dialogs().QueueMenuChoice(0);
  p.CmdSaveSet.UserMouseUp(ui::MouseButton::Left, 0, 10, 10);
  ASSERT_EQ(app->dialogs().Messages().size(), 1u);
  EXPECT_EQ(app->dialogs().Messages()[0].text, "当前设置未被保存，文件只读或正在使用！");
  EXPECT_EQ(app->dialogs().Messages()[0].title, "保存失败");
  EXPECT_EQ(app->dialogs().Messages()[0].icon, MessageIcon::Error);
  EXPECT_EQ(Settings(), old);
  EXPECT_EQ(RunValue(), std::nullopt);  // nothing of the save is applied
  EXPECT_TRUE(p.Loaded());
}

TEST_F(PanelFunctionsTest, save_settings_with_a_text_that_would_split_names_it_and_keeps_the_file) {
  StartWith();
  const std::string old = Settings();
  FrmControl& p = app->Open();
  p.CmbFontSize->UserSetText("10,5");
  app->dialogs().QueueMenuChoice(0);
  p.CmdSaveSet.UserMouseUp(ui::MouseButton::Left, 0, 10, 10);
  ASSERT_EQ(app->dialogs().Messages().size(), 1u);
  const std::string& text = app->dialogs().Messages()[0].text;
  EXPECT_EQ(app->dialogs().Messages()[0].title, "保存失败");
  EXPECT_NE(text.find("字号"), std::string::npos) << text;
  EXPECT_NE(text.find("“,”"), std::string::npos) << text;
  EXPECT_EQ(Settings(), old);
}

// The ways a program ends: the panel's Exit, a close request on the schedule window (Alt+F4 or
// another program's), the end of the Windows session.
enum class Ending { ExitButton, WindowClosed, SessionEnd };

class ProgramEndTest : public PanelFunctionsTest, public ::testing::WithParamInterface<Ending> {};

TEST_P(ProgramEndTest, closes_the_popup_the_countdown_the_window_the_icon_and_the_panel) {
  SettingsFile s;
  s.highlight = "1";
  s.remind = "1";
  // 英语 at 8:00 on a Wednesday is reminded at 7:57:00 by a popup that stays 15 s. The idle
  // shutdown armed at 7:51:20 with 0.1 h opens its countdown 15 s before 360 s, at 7:57:06.
  StartWith(WeekTable(), s, kWednesday, 7 * 3600 + 51 * 60 + 20);
  FrmControl& p = app->Open();
  p.Chknodo.UserClick();
  p.Comduration.UserSetText("0.1");
  p.CmdOK.UserClick();
  app->platform.Advance(347);  // 7:57:07
  ui::Form* popup = app->platform.FindForm("frmTips");
  ASSERT_NE(popup, nullptr);
  ASSERT_NE(app->program.idle().OpenCountdown(), nullptr);
  ASSERT_NE(app->platform.tray().Icon(app->window()), nullptr);

  FrmControl& panel = app->Open();
  const std::size_t trayOps = app->platform.tray().Ops().size();
  switch (GetParam()) {
    case Ending::ExitButton:
      panel.CmdExit.UserClick();
      break;
    case Ending::WindowClosed:
      app->window().UserClose();
      break;
    case Ending::SessionEnd:
      app->window().SessionEnding();
      break;
  }
  EXPECT_TRUE(app->platform.LoadedForms().empty());
  // Removed by the program: the system would keep the icon of a window that is gone.
  const auto& ops = app->platform.tray().Ops();
  ASSERT_EQ(ops.size(), trayOps + 1);
  EXPECT_EQ(ops.back().kind, headless::TrayOpKind::Delete);
  EXPECT_TRUE(ops.back().ok);
  EXPECT_EQ(app->platform.QuitRequests(), 1);
  EXPECT_EQ(app->platform.power().ShutdownRequests(), 0);
  EXPECT_EQ(app->Panel(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Endings, ProgramEndTest,
                         ::testing::Values(Ending::ExitButton, Ending::WindowClosed,
                                           Ending::SessionEnd));

}  // namespace
}  // namespace orvel::test

// The school-calendar row and the about page as the panel wires them, and the classic edition's
// panel over a schedule window of its own.
#include <gtest/gtest.h>

#include "desktop/auto_start.h"
#include "panel/about_links.h"
#include "panel_fixture.h"
#include "platform/ui/containment.h"
#include "timetable/program_folder.h"

namespace orvel::test {
namespace {

using panel::FrmControl;
using std::chrono::year, std::chrono::month, std::chrono::day;

using PanelCalendarTest = PanelTest;

TEST_F(PanelCalendarTest, year_choice_enables_view_and_generate_writes_and_offers_to_open) {
  StartWith();
  FrmControl& p = app->Open();
  EXPECT_EQ(p.CmbYears.Text(), "2025");
  EXPECT_FALSE(p.CmdXiaoliLook.Enabled());  // no calendar yet

  p.CmbArea.UserChoose(1);
  EXPECT_EQ(app->state().live.area, CalendarArea::AtListIndex(1));
  p.CmbYears.UserChoose(0);  // 2020
  app->dialogs().QueueMessageAnswer(ui::MessageAnswer::Yes);
  p.CmdXiaoliMake.UserClick();
  const auto file = folder.path() / "csv" / PathFromUtf8("其他2020~2021学年度校历.csv");
  ASSERT_TRUE(std::filesystem::exists(file));
  const std::string text = AnsiToUtf8(Bytes(file));
  EXPECT_EQ(text.substr(0, text.find("\r\n", text.find("\r\n") + 2) + 2),
            "其他2020~2021学年度校历,,,,,,,\r\n第一学期,,,,,,,\r\n");
  const auto& message = app->dialogs().Messages().back();
  EXPECT_EQ(message.title, "校历导出成功");
  EXPECT_EQ(message.buttons, ui::MessageButtons::YesNo);
  EXPECT_EQ(message.text, "其他2020~2021学年度校历已成功制作并导出到程序所在文件夹" +
                              Utf8FromPath(folder.path()) + "下，是否现在打开查看？");
  ASSERT_EQ(app->platform.shell().Opened().size(), 1u);
  EXPECT_EQ(app->platform.shell().Opened()[0], Utf8FromPath(file));
  // Generating leaves the view button alone; the next year choice enables it.
  EXPECT_FALSE(p.CmdXiaoliLook.Enabled());
  p.CmbYears.UserChoose(0);
  EXPECT_TRUE(p.CmdXiaoliLook.Enabled());
  p.CmdXiaoliLook.UserClick();
  EXPECT_EQ(app->platform.shell().Opened().size(), 2u);
  p.CmbYears.UserChoose(1);
  EXPECT_FALSE(p.CmdXiaoliLook.Enabled());

  // The next opening finds the calendar of the current year when there is one.
  p.CmbYears.UserChoose(5);  // 2025
  app->dialogs().QueueMessageAnswer(ui::MessageAnswer::No);
  p.CmdXiaoliMake.UserClick();
  EXPECT_EQ(app->platform.shell().Opened().size(), 2u);
  p.UserClose();
  app->state().live.area = CalendarArea::AtListIndex(1);
  EXPECT_TRUE(app->Open().CmdXiaoliLook.Enabled());
}

TEST_F(PanelCalendarTest, about_links_open_through_the_shell) {
  StartWith();
  FrmControl& p = app->Open();
  p.LblTab[3].UserClick();
  p.LabAbout[3].UserClick();
  p.LabAbout[4].UserClick();
  p.Imgabout[0].UserMouseDown(ui::MouseButton::Left, ui::kShift, 10, 10);
  EXPECT_FALSE(p.Imgabout[0].Visible());
  EXPECT_TRUE(p.Imgabout[1].Visible());
  p.Imgabout[1].onClick();
  const std::string prefix = ProgramFolderPrefix(desktop::ProgramFolderText(app->platform));
  const auto& opened = app->platform.shell().Opened();
  ASSERT_EQ(opened.size(), 3u);
  EXPECT_EQ(opened[0], prefix + "hlp\\readme.txt");
  EXPECT_EQ(opened[1], prefix + "hlp\\scdhlp.chm");
  EXPECT_EQ(opened[2], prefix + "hlp\\scdhlp.chm");
  EXPECT_EQ(app->platform.shell().Requests()[2].owner, &p);
  EXPECT_FALSE(ui::ShownVisible(p.LabAbout[1])) << "no mail link";
}

// A stand-in for the classic edition's window: it records what the panel asks of it.
class ClassicWindow : public ui::Form, public program::ScheduleWindow {
 public:
  explicit ClassicWindow(ui::Platform& platform)
      : ui::Form(platform, "FrmSchedule", ui::FormStyle::Borderless) {}
  ui::Form& form() override { return *this; }
  void RunClockTick(const clock::ClockSettings&, const clock::SchoolDay&, std::int32_t,
                    const RaiseReminder&) override {}
  void ShowSchoolDay(const clock::SchoolDay&) override {}
  void ComposeStripLine(const clock::SchoolDay&, std::int32_t, std::string&) const override {}
  void ShowLock(bool locked) override { lock = locked; }
  void ShowFold(bool folded) override { fold = folded; }
  void ApplyFrame(bool) override { ++frameCalls; }
  void MakeLayered(program::Layering, ui::Colour, int) override {}
  bool HasFonts() const override { return false; }
  std::string GridFontName() const override { return {}; }
  float GridFontSize() const override { return 0; }
  int GridTextEffect() const override { return 0; }
  void SetGridFontName(const std::string&) override { ++fontCalls; }
  void SetGridFontSize(float) override { ++fontCalls; }
  void SetGridTextEffect(int) override { ++fontCalls; }
  ui::Timer& IdleTimer() override { return idle; }
  void PaintCellsWhite() override { ++whitened; }
  bool LoadTimetableFile(const std::string&) override { return false; }
  TimetableRead LoadTimetableQuietly(const std::string&) override { return {}; }
  void ShowFetchedTimetable(const std::string&, const Timetable&) override {}
  bool CanHold(std::int16_t, std::int16_t) const override { return false; }
  void NewTimetable(std::int16_t, std::int16_t) override {}
  std::optional<Timetable> CurrentTimetable() const override { return Timetable(); }

  ui::Timer idle{this, "Timerduration", 1000, false};
  bool lock = false, fold = false;
  int frameCalls = 0, fontCalls = 0, whitened = 0;
};

TEST(PanelClassicTest, classic_panel_has_no_font_boxes_and_a_fourth_tooltip_on_the_frame_box) {
  ProgramFolder folder;
  headless::HeadlessPlatform platform(folder.path());
  platform.SetNow(year{2025} / month{9} / day{10}, 36000);
  program::ProgramState state(platform, Edition::Classic);
  state.values.frame = true;
  state.values.fold = true;
  ClassicWindow window(platform);
  window.Show();
  FrmControl p(window, state);
  p.Show();

  EXPECT_FALSE(p.CmbFontName.has_value());
  EXPECT_FALSE(p.CmbFontSize.has_value());
  EXPECT_FALSE(p.CmbFun.has_value());
  for (const ui::Widget* w : p.Controls())
    EXPECT_TRUE(w->name() != "CmbFontName" && w->name() != "CmbFontSize" && w->name() != "CmbFun");
  const auto& tip = platform.tooltips().Records().back();
  ASSERT_EQ(tip.tools.size(), 4u);
  EXPECT_EQ(tip.tools[0].widget, &p.ChkLock);
  EXPECT_EQ(tip.tools[1].widget, &p.ChkFrame);
  EXPECT_EQ(tip.tools[1].text, "下次重载课表时生效");
  EXPECT_TRUE(tip.tools[1].centred);
  EXPECT_EQ(tip.tools[2].widget, &p.CmbColSet);
  EXPECT_EQ(tip.tools[3].widget, &p.CmbRemind);
  // The frame box reaches the window, which records it for its next build; fold acts at once.
  EXPECT_EQ(p.ChkFrame.Value(), 1);
  EXPECT_EQ(window.frameCalls, 1);
  EXPECT_TRUE(window.fold);
  p.ChkTimerSchedule.SetValue(1);
  p.ChkTimerSchedule.SetValue(0);
  EXPECT_EQ(window.whitened, 1);
  EXPECT_EQ(window.fontCalls, 0);

  // The settings file has no font line.
  platform.dialogs().QueueMenuChoice(0);
  p.CmdSaveSet.UserMouseUp(ui::MouseButton::Left, 0, 0, 0);
  std::ifstream in(folder.path() / "Schedule.ini", std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), {});
  EXPECT_EQ(bytes, "0,0\r\nSchedule.csv\r\n0,1,1,0,0,0\r\n0,0,0,0,0,0,0,0\r\n0,0,0,0,0\r\n");
  p.Unload();
  window.Unload();
}

}  // namespace
}  // namespace orvel::test

// The settings file read at start-up and written again by the control panel's "保存设置", in
// both editions, with the odd values a hand-edited file may hold: what each value turns into on
// the way through the window and the panel.
#include <gtest/gtest.h>

#include <string>

#include "app/classic_program.h"
#include "classic_fixture.h"
#include "panel/frm_control.h"
#include "panel_fixture.h"

namespace orvel::test {
namespace {

struct RoundTrip {
  const char* what;
  SettingsFile in;
  // The lines the panel writes back, the font line left out.
  const char* position;
  const char* line3;
  const char* line6;
};

SettingsFile With(void (*change)(SettingsFile&)) {
  SettingsFile settings;
  change(settings);
  return settings;
}

std::string Expected(const RoundTrip& c, bool fontLine) {
  std::string text = std::string(c.position) + "\r\nSchedule.csv\r\n" + c.line3 + "\r\n" +
                     c.in.customColours + "\r\n";
  if (fontLine) text += c.in.fontName + "," + c.in.fontSize + "," + c.in.effect + "\r\n";
  return text + c.line6 + "\r\n";
}

// Saves the settings from the panel the program opens, and gives the file's bytes as UTF-8.
std::string SaveFromPanel(headless::HeadlessPlatform& platform, ui::Form& window,
                          const std::filesystem::path& file) {
  window.UserDblClick();
  auto* panel = dynamic_cast<panel::FrmControl*>(platform.FindForm("FrmControl"));
  if (!panel) return "<no panel>";
  platform.dialogs().QueueMenuChoice(0);  // 保存设置
  panel->CmdSaveSet.UserMouseUp(ui::MouseButton::Left, 0, 0, 0);
  std::ifstream in(file, std::ios::binary);
  return AnsiToUtf8(std::string(std::istreambuf_iterator<char>(in), {}));
}

const RoundTrip kCases[] = {
    {"a fresh program's file", {}, "0,0", "0,0,0,0,0,0", "0,0,0,0,0"},
    {"every switch on",
     With([](SettingsFile& s) {
       s.left = "1200";
       s.top = "600";
       s.lock = s.fold = s.frame = s.alpha = "1";
       s.layer = "2";
       s.scheme = "1";
       s.customColours = "16777215,0,255,65280,16711680,12632256,8421504,1";
       s.fontName = "楷体";
       s.fontSize = "12";
       s.effect = "2";
       s.highlight = "1";
       s.idleHours = "1.5";
       s.remind = "2";
       s.area = "1";
     }),
     "1200,600", "1,1,1,1,2,1", "1,0,1.5,2,1"},
    // Numbers the boxes and lists cannot show: a box shows only 1 as ticked, a list position
    // outside it leaves the list unselected (−1), an area the list cannot show stays as read.
    {"values outside the boxes and lists",
     With([](SettingsFile& s) {
       s.left = "300.5";
       s.top = "abc";
       s.lock = "2";
       s.layer = "5";
       s.scheme = "7";
       s.highlight = "0.5";
       s.idle = "2";
       s.remind = "9";
       s.area = "5";
     }),
     "300.5,0", "0,0,0,0,-1,-1", "1,0,0,-1,5"},
    {"an area between the list's positions", With([](SettingsFile& s) { s.area = "0.4"; }), "0,0",
     "0,0,0,0,0,0", "0,0,0,0,0"},
    {"an area of no position", With([](SettingsFile& s) { s.area = "-1"; }), "0,0", "0,0,0,0,0,0",
     "0,0,0,0,-1"},
    {"an area beyond 16 bits", With([](SettingsFile& s) { s.area = "7e4"; }), "0,0",
     "0,0,0,0,0,0", "0,0,0,0,7e+04"},
    {"an area that is no number", With([](SettingsFile& s) { s.area = "其他"; }), "0,0",
     "0,0,0,0,0,0", "0,0,0,0,0"},
};

TEST(settings_round_trip_test, the_grid_edition_writes_back_what_it_read) {
  for (const RoundTrip& c : kCases) {
    ProgramFolder folder;
    WriteTimetable(folder.path(), "Schedule.csv", WeekTable());
    c.in.Write(folder.path());
    PanelProgram app(folder.path());
    app.Start();
    EXPECT_EQ(SaveFromPanel(app.platform, app.window(), folder.path() / "Orvel2.ini"),
              Expected(c, true))
        << c.what;
  }
}

TEST(settings_round_trip_test, the_classic_edition_writes_back_what_it_read) {
  for (const RoundTrip& c : kCases) {
    ProgramFolder folder;
    WriteTimetable(folder.path(), "Schedule.csv", WeekTable());
    WriteClassicSettings(folder.path(), c.in);
    ClassicTestProgram app(folder.path());
    app.Start();
    EXPECT_EQ(SaveFromPanel(app.platform, app.window(), folder.path() / "Schedule.ini"),
              Expected(c, false))
        << c.what;
  }
}

}  // namespace
}  // namespace orvel::test

// The program's one clock set right by a time server, the followed source's Date or the bell,
// on the headless backend: the reminder, the strip and the 校时 window follow it; a silent server
// leaves the PC's clock; a jump of the clock never gives a reminder twice or late.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "../unit/schooltime/sntp_server.h"
#include "app/grid_program.h"
#include "desktop/class_strip.h"
#include "panel/frm_time.h"
#include "platform/file_io.h"
#include "platform/headless/user_actions.h"
#include "platform/text_codec.h"
#include "program_fixture.h"

namespace orvel::test {
namespace {

// 语文 starts at 8:55 on the tests' Tuesday; its reminder is due at 8:52:00.
class SchoolTimeTest : public ::testing::Test {
 protected:
  void Start(std::string_view classroom, int pcSeconds) {
    WriteTimetable(folder.path(), "Schedule.csv", WeekTable());
    SettingsFile settings;
    settings.highlight = "1";
    settings.remind = "1";
    settings.Write(folder.path());
    WriteAnsiFile(folder.path() / "classroom.ini", classroom);
    platform.SetNow(kTuesday, pcSeconds);
    app = std::make_unique<app::GridProgram>(platform);
    app->Start();
  }
  // A time server `aheadMs` ahead of the PC's clock, or silent.
  void TimeServer(int port, std::optional<std::int64_t> aheadMs) {
    headless::HeadlessTimeQueries::UdpScript script;
    if (aheadMs)
      script.reply = [this, ahead = *aheadMs](const std::string& request) {
        return ServerReply(request, platform.clock().LocalMs() + ahead + 10);
      };
    platform.timeQueries().ScriptUdp("127.0.0.1", port, script);
  }
  int Reminders() { return static_cast<int>(platform.sound().Beeps().size()) / 2; }
  panel::FrmTime& TimeWindow() {
    platform.dialogs().QueueMenuCaption("校时...");
    EXPECT_TRUE(headless::RightClickCell(platform, app->window().MSFlexGrid1, 1, 2));
    auto* window = dynamic_cast<panel::FrmTime*>(platform.FindForm("FrmTime"));
    EXPECT_NE(window, nullptr);
    return *window;
  }
  std::string StripLine() {
    desktop::ClassStrip* strip = app->shell().classStrip();
    return strip ? strip->Caption() : std::string();
  }

  ProgramFolder folder;
  headless::HeadlessPlatform platform{folder.path()};
  std::unique_ptr<app::GridProgram> app;
};

TEST_F(SchoolTimeTest, a_time_server_five_minutes_ahead_sets_the_reminder_the_strip_and_the_window) {
  TimeServer(1230, 5 * 60 * 1000);
  Start("strip=always\r\ntimeServers=127.0.0.1:1230\r\n", At(8, 46, 50));
  platform.Advance(9);  // the round's answer came with the first second
  EXPECT_EQ(Reminders(), 0);
  EXPECT_EQ(StripLine(), "课间 · 距上课 03:01 · 下节 语文");
  platform.Advance(1);  // 8:47:00 by the PC, 8:52:00 by the server
  EXPECT_EQ(Reminders(), 1);
  panel::FrmTime& window = TimeWindow();
  EXPECT_EQ(window.LblStandard.Caption(), "标准时间：127.0.0.1，8:51 校准");
  EXPECT_EQ(window.LblPcClock.Caption(), "本机时钟慢 5 分");
  EXPECT_EQ(window.LblNow.Caption(), "课表时间：8:52:00");
}

TEST_F(SchoolTimeTest, the_followed_servers_date_comes_first_and_a_silent_server_leaves_the_pc) {
  // 8:46:50 on the PC; the school's server says 8:44:50, two minutes behind.
  WriteAnsiFile(folder.path() / "follow.ini",
                "source=https://school.example/tt/a.csv\r\nminutes=30\r\n");
  platform.http().Serve("https://school.example/tt/a.csv", "2,3\r\n节次,时间,一\r\n1,8:55-9:40,语文\r\n",
                        "\"v1\"");
  platform.http().SetDate("Tue, 01 Sep 2009 08:44:50 GMT");
  TimeServer(1230, 5 * 60 * 1000);
  Start("timeServers=127.0.0.1:1230\r\n", At(8, 46, 50));
  platform.Advance(1);
  EXPECT_EQ(TimeWindow().LblPcClock.Caption(), "本机时钟快 2 分");
  EXPECT_TRUE(platform.timeQueries().Sent().empty()) << "the time server is not needed";

  // Elsewhere nothing answers: the PC's clock, and the seconds go on.
  ProgramFolder other;
  headless::HeadlessPlatform silent{other.path()};
  WriteTimetable(other.path(), "Schedule.csv", WeekTable());
  SettingsFile{}.Write(other.path());
  WriteAnsiFile(other.path() / "classroom.ini", "strip=always\r\ntimeServers=127.0.0.1:1230\r\n");
  silent.timeQueries().ScriptUdp("127.0.0.1", 1230, {});
  silent.SetNow(kTuesday, At(8, 50));
  app::GridProgram program(silent);
  program.Start();
  silent.Advance(1);
  EXPECT_GE(silent.timeQueries().WaitedMs(), 900);
  EXPECT_FALSE(program.state().time.standard().has_value());
  const std::string before = program.shell().classStrip()->Caption();
  silent.Advance(1);
  EXPECT_NE(program.shell().classStrip()->Caption(), before);
  EXPECT_EQ(program.state().now.secondsOfDay, At(8, 50, 2));
}

TEST_F(SchoolTimeTest, the_bell_is_aligned_to_the_nearest_boundary_within_five_minutes) {
  Start("time=off\r\n", At(8, 54, 23));
  platform.dialogs().QueueMenuCaption("对齐铃声");
  ASSERT_TRUE(headless::RightClickCell(platform, app->window().MSFlexGrid1, 1, 2));
  EXPECT_EQ(app->state().time.bellOffsetSeconds(), 37);
  EXPECT_EQ(app->state().time.Now().secondsOfDay, At(8, 55));
  EXPECT_NE(ReadWholeFile(folder.path() / "classroom.ini", 1 << 10).bytes.find("bellOffset=37"),
            std::string::npos);
  EXPECT_EQ(TimeWindow().LblBell.Caption(), "铃声比标准时间快 37 秒");

  // Far from every start and end: said so, nothing changed.
  platform.SetNow(kTuesday, At(10, 30));
  platform.dialogs().QueueMenuCaption("对齐铃声");
  ASSERT_TRUE(headless::RightClickCell(platform, app->window().MSFlexGrid1, 1, 2));
  EXPECT_EQ(app->state().time.bellOffsetSeconds(), 37);
}

TEST_F(SchoolTimeTest, a_jump_of_the_clock_gives_a_reminder_once_and_never_late) {
  Start("time=off\r\n", At(8, 51, 58));
  platform.Advance(3);
  EXPECT_EQ(Reminders(), 1);
  // Set back across the reminder's second: not again.
  platform.SetNow(kTuesday, At(8, 51, 55));
  platform.Advance(10);
  EXPECT_EQ(Reminders(), 1);
  // Forward over the next one (13:27:00): never late.
  platform.SetNow(kTuesday, At(13, 26, 50));
  platform.Advance(1);
  platform.SetNow(kTuesday, At(13, 27, 30));
  platform.Advance(5);
  EXPECT_EQ(Reminders(), 1);
}

}  // namespace
}  // namespace orvel::test

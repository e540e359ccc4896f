// School notices in the whole grid edition: which show at chosen instants and for which class,
// the balloon and the strip's turns for an ordinary one, the window and the voice for an urgent
// one, once across a restart, and the 通知 window's list and status line.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/grid_program.h"
#include "desktop/class_strip.h"
#include "desktop/notice_window.h"
#include "panel/frm_notices.h"
#include "program_fixture.h"

namespace orvel::test {
namespace {

constexpr std::string_view kNotices =
    "开始,结束,级别,内容,对象\r\n"
    "2009-09-01 08:00,2009-09-01 09:00,普通,下午大扫除,初二(3)班\r\n"
    "2009-09-01 08:10,2009-09-01 08:20,紧急,第三节课后全校到操场集合\r\n"
    "2009-09-01 08:00,2009-09-01 09:00,紧急,别班的通知,初三(1)班\r\n"
    "2009-09-01 07:00,2009-09-01 07:30,紧急,早已过去的通知\r\n"
    "2009-02-30 08:00,2009-09-01 09:00,普通,没有这一天\r\n";

class NoticeProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteTimetable(folder.path(), "Schedule.csv", WeekTable());
    SettingsFile settings;
    settings.highlight = "1";
    settings.Write(folder.path());
    WriteAnsiFile(folder.path() / "classroom.ini", "strip=always\r\nspeech=on\r\n");
    WriteAnsiFile(folder.path() / "notices.csv", kNotices);
    platform.SetNow(kTuesday, At(7, 59));
  }
  // A start of the program, after the one before has ended.
  void Start() {
    if (program) program->shell().ExitProgram();
    program.reset();
    program = std::make_unique<app::GridProgram>(platform);
    program->Start();
    program->shell().schoolNotices().SetAddressee({"初二(3)班", "PC-07"});
  }
  void RunTo(int h, int m, int s = 0) {
    platform.Advance(At(h, m, s) - program->state().now.secondsOfDay);
  }
  std::string UrgentText() {
    desktop::NoticeWindow* window = program->shell().schoolNotices().noticeWindow();
    return window ? window->LblText.Caption() : std::string();
  }
  std::string StripText() {
    desktop::ClassStrip* strip = program->shell().classStrip();
    return strip ? strip->Caption() : std::string();
  }
  int Balloons(std::string_view text) {
    int count = 0;
    for (const headless::TrayOp& op : platform.tray().Ops())
      count += op.kind == headless::TrayOpKind::Modify &&
               AnsiToUtf8(op.record.balloonTextAnsi) == text;
    return count;
  }
  std::vector<std::string> Spoken() {
    std::vector<std::string> texts;
    for (const headless::SpeechRecord& r : platform.speech().Requests()) texts.push_back(r.text);
    return texts;
  }

  ProgramFolder folder;
  headless::HeadlessPlatform platform{folder.path()};
  std::unique_ptr<app::GridProgram> program;
};

TEST_F(NoticeProgramTest, each_notice_in_its_span_for_this_class_once_across_restarts) {
  Start();
  RunTo(7, 59, 59);
  EXPECT_EQ(UrgentText(), "");
  EXPECT_EQ(Balloons("下午大扫除"), 0);

  RunTo(8, 0, 1);
  EXPECT_EQ(Balloons("下午大扫除"), 1);
  // The strip's own line, the notice's turn, its own line again.
  EXPECT_EQ(StripText().rfind("第一节 数学", 0), 0u) << StripText();
  RunTo(8, 0, 5);
  EXPECT_EQ(StripText(), "下午大扫除");
  RunTo(8, 0, 10);
  EXPECT_EQ(StripText().rfind("第一节 数学", 0), 0u) << StripText();

  RunTo(8, 10, 0);
  EXPECT_EQ(UrgentText(), "第三节课后全校到操场集合");
  EXPECT_EQ(Spoken(), std::vector<std::string>{"紧急通知：第三节课后全校到操场集合"});

  // Not answered: it must still reach someone after a restart; the ordinary one does not repeat.
  RunTo(8, 12, 0);
  Start();
  RunTo(8, 12, 1);
  EXPECT_EQ(UrgentText(), "第三节课后全校到操场集合");
  EXPECT_EQ(Balloons("下午大扫除"), 1);

  std::vector<std::string> answered;
  program->shell().schoolNotices().onAcknowledged = [&](const Notice& notice,
                                                       const LocalDateTime& at) {
    answered.push_back(notice.text);
    EXPECT_EQ(at.secondOfDay, At(8, 12, 1));
  };
  program->shell().schoolNotices().noticeWindow()->CmdAcknowledge.UserClick();
  EXPECT_EQ(UrgentText(), "");
  EXPECT_EQ(answered, std::vector<std::string>{"第三节课后全校到操场集合"});

  Start();
  RunTo(8, 15, 0);
  EXPECT_EQ(UrgentText(), "");
  RunTo(9, 30, 0);
  EXPECT_EQ(UrgentText(), "");
  for (const std::string& spoken : Spoken()) EXPECT_EQ(spoken.find("别班"), std::string::npos);
  EXPECT_EQ(Balloons("早已过去的通知"), 0);
}

TEST_F(NoticeProgramTest, an_urgent_notice_closes_at_its_end_unanswered) {
  Start();
  RunTo(8, 19, 59);
  EXPECT_EQ(UrgentText(), "第三节课后全校到操场集合");
  RunTo(8, 20, 0);
  EXPECT_EQ(UrgentText(), "");
}

TEST_F(NoticeProgramTest, a_file_changed_while_running_is_read_and_a_long_notice_scrolls) {
  Start();
  RunTo(8, 30, 4);
  const double ownWidth = program->shell().classStrip()->Width();
  std::string text;
  for (int i = 0; i < 40; ++i) text += "长";
  WriteAnsiFile(folder.path() / "notices.csv",
                "2009-09-01 08:31,2009-09-01 09:00,普通," + text + "\r\n");
  RunTo(8, 31, 5);
  desktop::ClassStrip* strip = program->shell().classStrip();
  ASSERT_EQ(StripText(), text);
  EXPECT_LE(strip->Width(), ownWidth);
  const double left = strip->LblLine.Left();
  platform.AdvanceMs(3000);
  EXPECT_LT(strip->LblLine.Left(), left);
  EXPECT_EQ(StripText(), text);
}

TEST_F(NoticeProgramTest, the_notices_window_lists_today_and_names_the_bad_line) {
  Start();
  RunTo(8, 11, 0);
  platform.dialogs().QueueMenuCaption("通知");
  ASSERT_TRUE(headless::RightClickCell(platform, program->window().MSFlexGrid1, 1, 2));
  auto* window = static_cast<panel::FrmNotices*>(platform.FindForm("FrmNotices"));
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->LstNotices.Items(),
            (std::vector<std::string>{"9月1日 07:00–07:30  紧急  早已过去的通知",
                                      "9月1日 08:00–09:00  普通  下午大扫除  已显示",
                                      "9月1日 08:10–08:20  紧急  第三节课后全校到操场集合  已显示"}));
  EXPECT_EQ(window->LblStatus.Caption(), "notices.csv 第 6 行开始的日期或时间不存在，已跳过。");
}

}  // namespace
}  // namespace orvel::test

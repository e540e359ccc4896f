// Exam days in the whole grid edition: the board opens and closes by itself around the day's
// exams, marks their moments once, and keeps the timetable quiet while an exam runs or the board
// is open; 缩小, 关闭 and 考试看板 as the user presses and chooses them.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "app/grid_program.h"
#include "desktop/class_strip.h"
#include "desktop/exam_board.h"
#include "desktop/frm_tips.h"
#include "program_fixture.h"

namespace orvel::test {
namespace {

// 数学 from 8:30 to 8:54 with a 5-minute alert: 语文's reminder (8:52, for 8:55) falls into it,
// 化学's (13:27, for 13:30) long after.
constexpr std::string_view kExams =
    R"({"examName": "九月月考", "message": "请保持安静", "examInfos": [)"
    R"({"name": "数学", "start": "2009-09-01T08:30:00", "end": "2009-09-01 08:54", "alertTime": 5}]})";

class ExamBoardProgramTest : public ::testing::Test {
 protected:
  void Start(int secondOfDay) {
    WriteTimetable(folder.path(), "Schedule.csv", WeekTable());
    SettingsFile settings;
    settings.highlight = "1";
    settings.remind = "1";  // the popup
    settings.idle = "1";
    settings.idleHours = "1";
    settings.area = "1";
    settings.Write(folder.path());
    WriteAnsiFile(folder.path() / "classroom.ini", "strip=off\r\nspeech=on\r\n");
    std::ofstream(folder.path() / "exams.json", std::ios::binary) << kExams;
    platform.SetNow(kTuesday, secondOfDay);
    program = std::make_unique<app::GridProgram>(platform);
    program->Start();
  }
  // Ticks on to h:m:s.
  void RunTo(int h, int m, int s = 0) {
    platform.Advance(At(h, m, s) - program->state().now.secondsOfDay);
  }
  desktop::ExamBoard* Board() { return program->shell().examBoard().board(); }
  std::string BoardText() {
    desktop::ExamBoard* board = Board();
    return board && board->Visible() ? board->Caption() : std::string();
  }
  std::vector<std::string> Spoken() {
    std::vector<std::string> texts;
    for (const headless::SpeechRecord& r : platform.speech().Requests()) texts.push_back(r.text);
    return texts;
  }
  bool PopupShown() { return platform.FindForm("frmTips") != nullptr; }
  headless::ShownMenu ChooseFromScheduleMenu(const std::string& caption) {
    platform.dialogs().QueueMenuCaption(caption);
    EXPECT_TRUE(headless::RightClickCell(platform, program->window().MSFlexGrid1, 1, 2));
    return platform.dialogs().Menus().back();
  }

  ProgramFolder folder;
  headless::HeadlessPlatform platform{folder.path()};
  std::unique_ptr<app::GridProgram> program;
};

TEST_F(ExamBoardProgramTest, a_day_of_one_exam_from_the_board_opening_to_the_reminders_again) {
  Start(At(8, 14, 59));
  EXPECT_EQ(BoardText(), "");
  struct Step {
    int h, m, s;
    std::string board;  // the window text; "" when closed
    bool quiet;
  } steps[] = {
      {8, 15, 0, "数学 · 距开考 15:00", true},
      {8, 30, 0, "数学 · 距结束 24:00", true},
      {8, 52, 0, "数学 · 距结束 02:00", true},  // 语文's reminder second, in the alert span
      {8, 54, 0, "数学 · 考试结束", true},
      {9, 3, 59, "数学 · 考试结束", true},
      {9, 4, 0, "", false},  // 10 minutes after the day's last exam
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.board);
    RunTo(step.h, step.m, step.s);
    EXPECT_EQ(BoardText(), step.board);
    EXPECT_EQ(platform.power().KeptAwake(), step.quiet);
    // Moving nothing for an hour would shut down; the exam holds the count.
    if (step.quiet) {
      EXPECT_EQ(program->idle().state().idleSeconds, 0);
    }
  }
  // Each moment once, and not a word of the timetable; no popup for 语文.
  EXPECT_EQ(Spoken(),
            (std::vector<std::string>{"考试开始", "距离考试结束还有五分钟", "考试结束，请停笔"}));
  EXPECT_FALSE(PopupShown());

  RunTo(13, 27, 0);
  EXPECT_TRUE(PopupShown()) << "化学's reminder";
  EXPECT_EQ(Spoken().back(), "下节课，化学");
}

TEST_F(ExamBoardProgramTest, shrunk_to_the_strip_closed_for_its_span_and_opened_from_the_menu) {
  // A start inside the exam shows the board at once, and says nothing of a start it missed.
  Start(At(8, 40, 0));
  EXPECT_EQ(BoardText(), "数学 · 距结束 14:00");
  EXPECT_TRUE(Spoken().empty());

  // 缩小: the strip shows the exam's line although its mode is 关; still quiet.
  Board()->CmdShrink.UserClick();
  RunTo(8, 40, 1);
  EXPECT_EQ(BoardText(), "");
  desktop::ClassStrip* strip = program->shell().classStrip();
  ASSERT_NE(strip, nullptr);
  EXPECT_TRUE(strip->Visible());
  EXPECT_EQ(strip->Caption(), "数学 · 距结束 13:59");
  EXPECT_TRUE(platform.power().KeptAwake());

  // A double click on the strip brings the board back; the strip follows its mode again.
  strip->UserDblClick();
  EXPECT_EQ(BoardText(), "数学 · 距结束 13:59");
  EXPECT_EQ(program->shell().classStrip(), nullptr);

  // 关闭 while the exam runs: closed for the rest of its span, the timetable still quiet.
  Board()->CmdClose.UserClick();
  RunTo(8, 52, 0);
  EXPECT_EQ(BoardText(), "");
  EXPECT_FALSE(PopupShown());
  EXPECT_TRUE(Spoken().size() == 1 && Spoken()[0] == "距离考试结束还有五分钟") << Spoken().size();

  // 考试看板 opens it at any time, checked while it is up, and closes it.
  const auto boardChecked = [this] {
    const std::vector<std::string> checked = ChooseFromScheduleMenu("考试看板").checked;
    return std::find(checked.begin(), checked.end(), "考试看板") != checked.end();
  };
  EXPECT_FALSE(boardChecked());
  EXPECT_EQ(BoardText(), "数学 · 距结束 02:00");
  EXPECT_TRUE(boardChecked());
  EXPECT_EQ(BoardText(), "");

  // After the day's exams the menu shows the day: no exam today.
  RunTo(10, 0, 0);
  EXPECT_FALSE(platform.power().KeptAwake());
  ChooseFromScheduleMenu("考试看板");
  EXPECT_EQ(BoardText(), "今天的考试已结束");
}

}  // namespace
}  // namespace orvel::test

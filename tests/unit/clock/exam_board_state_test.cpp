#include "clock/exam_board_state.h"

#include <gtest/gtest.h>

#include <vector>

#include "clock_fixtures.h"

namespace orvel::clock {
namespace {

using namespace std::chrono;
using test::At;

LocalDateTime On(year_month_day date, std::int32_t second) { return {date, second}; }

constexpr year_month_day kMon = 2026y / December / 21;
constexpr year_month_day kTue = 2026y / December / 22;
constexpr year_month_day kWed = 2026y / December / 23;

// Out of order, as a file may give them: an afternoon exam without alert, a night exam across
// midnight, and one on Friday whose alert is as long as the exam itself.
const std::vector<Exam> kExams = {
    {"数学", On(kMon, At(14, 0)), On(kMon, At(16, 0)), 0},
    {"语文", On(kMon, At(8, 0)), On(kMon, At(10, 30)), 15},
    {"英语", On(2026y / December / 25, At(9, 0)), On(2026y / December / 25, At(9, 30)), 30},
    {"夜考", On(kTue, At(23, 0)), On(kWed, At(0, 30)), 15},
};
constexpr int kMath = 0, kChinese = 1, kEnglish = 2, kNight = 3;

TEST(exam_board_state_test, the_line_the_alert_and_the_open_span_at_chosen_instants) {
  struct Case {
    LocalDateTime now;
    const char* line;
    bool alert, open;
  };
  const Case cases[] = {
      {On(kMon, At(7, 40)), "语文 · 距开考 20:00", false, false},
      {On(kMon, At(7, 45)), "语文 · 距开考 15:00", false, true},
      {On(kMon, At(8, 0)), "语文 · 距结束 2:30:00", false, true},
      {On(kMon, At(10, 14, 59)), "语文 · 距结束 15:01", false, true},
      {On(kMon, At(10, 15)), "语文 · 距结束 15:00", true, true},
      {On(kMon, At(10, 29, 59)), "语文 · 距结束 00:01", true, true},
      {On(kMon, At(10, 30)), "语文 · 考试结束", false, true},
      {On(kMon, At(10, 39, 59)), "语文 · 考试结束", false, true},
      // Between the exams of a day the board stays, counting down to the next.
      {On(kMon, At(10, 40)), "数学 · 距开考 3:20:00", false, true},
      {On(kMon, At(15, 59)), "数学 · 距结束 01:00", false, true},  // no alert asked for
      {On(kMon, At(16, 9, 59)), "数学 · 考试结束", false, true},
      {On(kMon, At(16, 10)), "今天的考试已结束 · 下一场 12月22日 夜考", false, false},
      // Across midnight the count goes on, the alert too.
      {On(kTue, At(23, 59)), "夜考 · 距结束 31:00", false, true},
      {On(kWed, At(0, 20)), "夜考 · 距结束 10:00", true, true},
      {On(kWed, At(0, 39, 59)), "夜考 · 考试结束", false, true},
      {On(kWed, At(0, 40)), "今天没有考试 · 下一场 12月25日 英语", false, false},
      {On(2026y / December / 24, At(10, 0)), "今天没有考试 · 下一场 12月25日 英语", false, false},
      {On(2026y / December / 26, At(10, 0)), "今天没有考试", false, false},
  };
  for (const Case& c : cases) {
    const ExamBoardState state = DecideExamBoard(kExams, c.now);
    EXPECT_EQ(ExamBoardLine(kExams, state), c.line) << c.now.secondOfDay;
    EXPECT_EQ(state.alert, c.alert) << c.line;
    EXPECT_EQ(state.withinOpenSpan, c.open) << c.line;
  }
}

TEST(exam_board_state_test, the_day_and_the_span_it_names) {
  const ExamBoardState between = DecideExamBoard(kExams, On(kMon, At(12, 0)));
  EXPECT_EQ(between.day, (std::vector<ExamOfDay>{{kChinese, ExamPhase::Ended},
                                                 {kMath, ExamPhase::Before}}));
  EXPECT_EQ(between.spanFirst, kChinese);
  EXPECT_FALSE(between.examRunning);
  // After midnight the night exam's list is still its own day's.
  const ExamBoardState night = DecideExamBoard(kExams, On(kWed, At(0, 10)));
  EXPECT_EQ(night.day, (std::vector<ExamOfDay>{{kNight, ExamPhase::Running}}));
  EXPECT_TRUE(night.examRunning);
  EXPECT_EQ(night.spanFirst, kNight);
  EXPECT_EQ(DecideExamBoard(kExams, On(kMon, At(7, 0))).spanFirst, -1);
  EXPECT_EQ(DecideExamBoard({}, On(kMon, At(7, 0))), ExamBoardState{});
}

TEST(exam_board_state_test, each_moment_once_and_late_ones_dropped) {
  using Kind = ExamMomentKind;
  const auto at = [](year_month_day date, std::int32_t second) {
    return WallSeconds(On(date, second));
  };
  struct Case {
    std::int64_t after, upTo;
    std::vector<ExamMoment> moments;
  };
  const Case cases[] = {
      {at(kMon, At(7, 59, 59)), at(kMon, At(8, 0)), {{kChinese, Kind::Start}}},
      {at(kMon, At(8, 0)), at(kMon, At(8, 0, 1)), {}},  // given once
      {at(kMon, At(7, 59)), at(kMon, At(8, 1)), {{kChinese, Kind::Start}}},
      {at(kMon, At(7, 0)), at(kMon, At(8, 1, 1)), {}},  // slept through it
      {at(kMon, At(10, 14, 59)), at(kMon, At(10, 15)), {{kChinese, Kind::Alert}}},
      {at(kMon, At(10, 29, 59)), at(kMon, At(10, 30)), {{kChinese, Kind::End}}},
      {at(kMon, At(15, 59)), at(kMon, At(16, 0)), {{kMath, Kind::End}}},  // alert 0
      {at(kWed, At(0, 14)), at(kWed, At(0, 15)), {{kNight, Kind::Alert}}},
      // An alert as long as the exam would fall on its start: only the start is given.
      {at(2026y / December / 25, At(8, 59)), at(2026y / December / 25, At(9, 0)),
       {{kEnglish, Kind::Start}}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ExamMomentsBetween(kExams, c.after, c.upTo), c.moments) << c.upTo;

  // One exam ending as the next starts: the end is heard first.
  const std::vector<Exam> backToBack = {
      {"物理", On(kMon, At(10, 0)), On(kMon, At(11, 0)), 15},
      {"化学", On(kMon, At(9, 0)), On(kMon, At(10, 0)), 15},
  };
  EXPECT_EQ(ExamMomentsBetween(backToBack, at(kMon, At(9, 59)), at(kMon, At(10, 0))),
            (std::vector<ExamMoment>{{1, Kind::End}, {0, Kind::Start}}));
}

TEST(exam_board_state_test, the_spoken_texts) {
  Exam exam;
  EXPECT_EQ(SpokenExamMoment(exam, ExamMomentKind::Start), "考试开始");
  EXPECT_EQ(SpokenExamMoment(exam, ExamMomentKind::End), "考试结束，请停笔");
  const std::pair<int, const char*> alerts[] = {
      {5, "距离考试结束还有五分钟"},         {10, "距离考试结束还有十分钟"},
      {15, "距离考试结束还有十五分钟"},      {30, "距离考试结束还有三十分钟"},
      {105, "距离考试结束还有一百零五分钟"}, {110, "距离考试结束还有一百一十分钟"},
      {120, "距离考试结束还有一百二十分钟"}, {600, "距离考试结束还有六百分钟"},
  };
  for (const auto& [minutes, text] : alerts) {
    exam.alertMinutes = minutes;
    EXPECT_EQ(SpokenExamMoment(exam, ExamMomentKind::Alert), text);
  }
}

}  // namespace
}  // namespace orvel::clock

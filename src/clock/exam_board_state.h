#pragma once
// What the exam board shows at one instant of the program's clock, and when it opens by itself,
// decided from the exam list alone, so that the board, the class strip and the shell's silence
// all read one answer.
//
//   before an exam   "距开考 12:00"
//   during it        "距结束 1:14:59", red in its last alertTime minutes
//   after it         "考试结束"
//
// Times left are minutes and seconds, with hours in front from an hour on, as the strip's.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "timetable/exam_list.h"

namespace orvel::clock {

// The board opens by itself this long before an exam starts...
inline constexpr std::int64_t kBoardOpensBeforeSeconds = 15 * 60;
// ...and closes this long after the last exam of its day ends; an ended exam is shown as ended
// for as long before the next one of the day is counted down to.
inline constexpr std::int64_t kBoardClosesAfterSeconds = 10 * 60;

enum class ExamPhase { Before, Running, Ended };

// One exam of the day as the board lists it.
struct ExamOfDay {
  int index = 0;  // in ExamList::exams
  ExamPhase phase = ExamPhase::Before;
  friend bool operator==(const ExamOfDay&, const ExamOfDay&) = default;
};

struct ExamBoardState {
  // The exam the board is about: the running one; else one ended less than
  // kBoardClosesAfterSeconds ago; else the next one of the day; else -1 (no exam today).
  int shown = -1;
  ExamPhase phase = ExamPhase::Before;
  // Until the start (Before) or the end (Running); 0 once ended.
  std::int64_t secondsLeft = 0;
  // Running, in the exam's last alertMinutes.
  bool alert = false;
  // An exam runs now (start <= now < end).
  bool examRunning = false;
  // Inside the span the board opens by itself for: from kBoardOpensBeforeSeconds before an
  // exam until kBoardClosesAfterSeconds after the last exam of its day, the time between the
  // exams of one day included.
  bool withinOpenSpan = false;
  // The first exam of that span, which names it: a board the user closed stays closed until
  // another span begins. -1 outside any span.
  int spanFirst = -1;
  // The next exam after today when no exam is left today (none shown), for "今天没有考试";
  // else -1.
  int nextDay = -1;
  // The day's exams (of the shown exam's start date, else of `now`'s date), by start.
  std::vector<ExamOfDay> day;
  friend bool operator==(const ExamBoardState&, const ExamBoardState&) = default;
};

// `exams` as the exam file gives them: each with start < end, none overlapping another, in any
// order. `now` is the program's clock.
ExamBoardState DecideExamBoard(const std::vector<Exam>& exams, const LocalDateTime& now);

// The state line: "距开考 12:00", "距结束 1:14:59" or "考试结束"; empty when no exam is shown.
std::string ExamStateLine(const ExamBoardState& state);
// The board's window text and the strip's line: "语文 · 距结束 1:14:59"; with no exam today
// "今天没有考试", once today's are over "今天的考试已结束", either followed by the next day's
// exam when there is one: "今天没有考试 · 下一场 12月21日 语文".
std::string ExamBoardLine(const std::vector<Exam>& exams, const ExamBoardState& state);

// The moments the board marks with a tone and, when speech is on, a voice.
enum class ExamMomentKind { Start, Alert, End };
struct ExamMoment {
  int index = 0;
  ExamMomentKind kind = ExamMomentKind::Start;
  friend bool operator==(const ExamMoment&, const ExamMoment&) = default;
};
// The moments in (`after`, `upTo`] of the program's clock, in time order. A moment more than
// kLateMomentSeconds behind `upTo` is not given (the PC slept through it). An exam's alert is
// its end less alertMinutes, given only when that lies after its start and alertMinutes > 0.
inline constexpr std::int64_t kLateMomentSeconds = 60;
std::vector<ExamMoment> ExamMomentsBetween(const std::vector<Exam>& exams, std::int64_t after,
                                           std::int64_t upTo);
// "考试开始", "距离考试结束还有十五分钟" (the exam's alertMinutes in Chinese numerals),
// "考试结束，请停笔".
std::string SpokenExamMoment(const Exam& exam, ExamMomentKind kind);

}  // namespace orvel::clock

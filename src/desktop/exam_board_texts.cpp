#include "desktop/exam_board_texts.h"

#include "clock/time_left.h"

namespace orvel::desktop {
namespace {

using clock::AppendHourMinute;
using clock::AppendNumber;

void AppendDate(std::string& text, const std::chrono::year_month_day& date) {
  clock::AppendMonthDay(text, date);
  text += ' ';
}

std::string_view PhaseText(clock::ExamPhase phase) {
  switch (phase) {
    case clock::ExamPhase::Before:
      return "未开始";
    case clock::ExamPhase::Running:
      return "进行中";
    case clock::ExamPhase::Ended:
      return "考试结束";
  }
  return {};
}

}  // namespace

void AppendClockTime(std::string& text, std::int32_t secondOfDay) {
  AppendHourMinute(text, secondOfDay);
  text += ':';
  AppendNumber(text, secondOfDay % 60, 2);
}

std::string ExamTimesText(const Exam& exam, const std::chrono::year_month_day& today) {
  std::string text;
  if (exam.start.date != today) AppendDate(text, exam.start.date);
  AppendHourMinute(text, exam.start.secondOfDay);
  text += " – ";
  if (exam.end.date != exam.start.date) AppendDate(text, exam.end.date);
  AppendHourMinute(text, exam.end.secondOfDay);
  return text;
}

std::string DayExamsText(const std::vector<Exam>& exams, const std::vector<clock::ExamOfDay>& day) {
  std::string text;
  for (const clock::ExamOfDay& entry : day) {
    if (entry.index < 0 || entry.index >= static_cast<int>(exams.size())) continue;
    const Exam& exam = exams[entry.index];
    if (!text.empty()) text += '\n';
    AppendHourMinute(text, exam.start.secondOfDay);
    text += "–";
    AppendHourMinute(text, exam.end.secondOfDay);
    text += "  ";
    text += exam.name;
    text += "  ";
    text += PhaseText(entry.phase);
  }
  return text;
}

}  // namespace orvel::desktop

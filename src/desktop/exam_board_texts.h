#pragma once
// The exam board's texts beside the decision's state line: the time now, an exam's start and
// end, and the day's exams with their states.
#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "clock/exam_board_state.h"
#include "timetable/exam_list.h"

namespace orvel::desktop {

// "08:15:02".
void AppendClockTime(std::string& text, std::int32_t secondOfDay);
// "08:00 – 10:30", a date in front of a time not of `today` ("12月22日 23:00 – 12月23日 00:30").
std::string ExamTimesText(const Exam& exam, const std::chrono::year_month_day& today);
// One line an exam of the day: "08:00–10:30  语文  考试结束".
std::string DayExamsText(const std::vector<Exam>& exams,
                         const std::vector<clock::ExamOfDay>& day);

}  // namespace orvel::desktop

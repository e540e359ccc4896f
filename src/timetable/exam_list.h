#pragma once
// The exam list as the program holds it: what exams.json gives, read by exchange/exam_file.h,
// shown by the exam board and changed by the 考试安排 window.
#include <chrono>
#include <compare>
#include <cstdint>
#include <string>
#include <vector>

namespace orvel {

inline constexpr int kDefaultAlertMinutes = 15;

// A wall-clock time of the PC's own time zone.
struct LocalDateTime {
  std::chrono::year_month_day date;
  std::int32_t secondOfDay = 0;
  friend bool operator==(const LocalDateTime&, const LocalDateTime&) = default;
  friend auto operator<=>(const LocalDateTime&, const LocalDateTime&) = default;
};

struct Exam {
  std::string name;
  LocalDateTime start, end;
  int alertMinutes = kDefaultAlertMinutes;
  friend bool operator==(const Exam&, const Exam&) = default;
};

struct ExamList {
  std::string examName, message;
  std::vector<Exam> exams;  // in the file's order
  friend bool operator==(const ExamList&, const ExamList&) = default;
};

// Seconds from 1970-01-01 00:00 of the same wall clock: what the board counts with, so that an
// exam across midnight counts on without a break.
std::int64_t WallSeconds(const LocalDateTime& time);
LocalDateTime WallTimeOf(std::int64_t wallSeconds);

}  // namespace orvel

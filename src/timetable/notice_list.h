#pragma once
// School notices as the program holds them: the lines of notices.csv (the followed source's and
// the PC's own), read by exchange/notice_file.h and shown by the clock's decision
// (clock/notice_schedule.h).
#include <cstdint>
#include <string>
#include <vector>

#include "timetable/exam_list.h"

namespace orvel {

enum class NoticeLevel { Ordinary, Urgent };  // 普通, 紧急

// What tells one notice from another: a hash of its line's text, so that a notice is the same
// notice while its line is unchanged, whichever file and code page it came in.
using NoticeIdentity = std::uint64_t;

struct Notice {
  LocalDateTime start;
  LocalDateTime end;  // the first instant the notice no longer shows
  NoticeLevel level = NoticeLevel::Ordinary;
  std::string text;                   // UTF-8, one line
  std::vector<std::string> audience;  // class and computer names; empty: every PC
  NoticeIdentity identity = 0;
  friend bool operator==(const Notice&, const Notice&) = default;
};

}  // namespace orvel

#pragma once
// School notices, notices.csv beside the timetable (a followed source's) or in the program folder
// (a PC's own), one notice a line:
//
//   开始,结束,级别,内容[,对象]
//   2026-12-09 07:30,2026-12-09 12:00,紧急,第三节课后全校到操场集合
//   2026-12-10 13:00,2026-12-10 17:00,普通,期末考试考场表已发到各班邮箱,初二(3)班;初二(4)班
//
// UTF-8 or the ANSI code page, decided for the whole file as for the program's other files.
// Fields are read as in the timetable: a field in double quotes may hold a comma, but a notice
// never spans lines (CR LF, LF or CR alone end one). Times are to the minute, the date as the day
// list writes it (2026-12-09, 2026/12/9) and the time as 07:30 or 7:30. 级别 is 普通 or 紧急.
// 对象 lists class and computer names separated by ";" (or "；"); without it the notice is for
// every PC. A first line beginning with 开始 is the header; blank lines and lines beginning with
// "#" are notes.
//
// A file that cannot be a notice list is refused whole; a line that is wrong on its own is
// skipped with its reason and the other lines are used.
#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "timetable/notice_list.h"

namespace orvel::exchange {

inline constexpr std::string_view kNoticeFileName = "notices.csv";
inline constexpr std::size_t kMaxNoticeFileBytes = 256 * 1024;
inline constexpr std::size_t kMaxNoticeFileLines = 1000;
inline constexpr std::size_t kMaxNoticeLineCharacters = 2000;

// Why the whole file cannot be used.
struct NoticeFileProblem {
  enum class Kind {
    None,
    TooLarge,      // over kMaxNoticeFileBytes
    TooManyLines,  // over kMaxNoticeFileLines
    LineTooLong,   // `line` is over kMaxNoticeLineCharacters characters
    NotText,       // neither UTF-8 nor text of the code page (a NUL byte, an image...)
  };
  Kind kind = Kind::None;
  int line = 0;
  friend bool operator==(const NoticeFileProblem&, const NoticeFileProblem&) = default;
};

// Why one line is skipped; `line` counts from 1.
struct SkippedNoticeLine {
  enum class Kind {
    TooFewFields,   // fewer than 开始, 结束, 级别 and 内容
    TooManyFields,  // more than five: a comma in 内容 that is not in quotes
    BadStart,       // no date and time that exists
    BadEnd,
    EndNotAfterStart,
    UnknownLevel,  // neither 普通 nor 紧急
    EmptyText,
  };
  int line = 0;
  Kind kind = Kind::TooFewFields;
  friend bool operator==(const SkippedNoticeLine&, const SkippedNoticeLine&) = default;
};

struct NoticeFileRead {
  // The usable notices in the file's order; nothing when the file is refused.
  std::optional<std::vector<Notice>> notices;
  NoticeFileProblem problem;  // kind None unless refused
  std::vector<SkippedNoticeLine> skipped;
};

NoticeFileRead ReadNoticeFile(std::string_view bytes);

}  // namespace orvel::exchange

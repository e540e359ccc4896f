#pragma once
// The exam list in the format the exam-board programs share, exams.json in the program folder:
//
//   {"examName": "高二期末考试", "message": "请保持安静", "examInfos": [{"name": "语文",
//    "start": "2026-12-21T08:00:00", "end": "2026-12-21T10:30:00", "alertTime": 15}]}
//
// Times are local, with "T" or a space between date and time, seconds optional; alertTime is in
// minutes, 15 when missing; other keys are ignored. Read with the YAML reader, JSON being YAML's
// flow form. A file that cannot be used is refused whole; an exam that is wrong on its own is
// skipped with its reason and the others are used.
#include <chrono>
#include <compare>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "timetable/exam_list.h"

namespace orvel::exchange {

inline constexpr std::string_view kExamFileName = "exams.json";
// A followed school's exams.json, as the program keeps it beside the PC's own.
inline constexpr std::string_view kSchoolExamFileName = "exams.school.json";
// Larger files, and files of more exams, are not read.
inline constexpr std::size_t kMaxExamFileBytes = 1u << 20;
inline constexpr std::size_t kMaxExams = 500;
inline constexpr int kMaxAlertMinutes = 600;
// Characters, not bytes, of a name or the message.
inline constexpr std::size_t kMaxExamTextLength = 200;

// Why the whole file cannot be used.
struct ExamFileProblem {
  enum class Kind {
    None,
    TooLarge,  // over kMaxExamFileBytes
    NotUtf8,
    NotJson,  // from `line` on
    NotAnObject,
    NoExamList,       // no examInfos list (at `line` when there is something else)
    TooManyExams,     // over kMaxExams, the list at `line`
    ExamNameNotText,  // at `line`: not one line of at most kMaxExamTextLength characters
    MessageNotText,   // at `line`: the same for the message
  };
  Kind kind = Kind::None;
  int line = 0;
  friend bool operator==(const ExamFileProblem&, const ExamFileProblem&) = default;
};

enum class ExamField { Name, Start, End, AlertTime };

// Why one exam is skipped; `index` is its place in examInfos (0 for the first), `line` where it
// begins.
struct ExamProblem {
  enum class Kind {
    NotAnObject,
    MissingField,  // `field` is not there
    NameNotText,   // not one line of 1 to kMaxExamTextLength characters
    BadDateTime,   // `field`, start or end, is no date and time that exists
    BadAlertTime,  // not a whole number from 0 to kMaxAlertMinutes
    EndNotAfterStart,
    Overlaps,  // with the exam at `earlierIndex`, one that is used
  };
  Kind kind = Kind::NotAnObject;
  int index = 0;
  int line = 0;
  ExamField field = ExamField::Name;
  int earlierIndex = 0;
  // The exam's name, to be named by, when it is one line of text; empty otherwise.
  std::string name;
  friend bool operator==(const ExamProblem&, const ExamProblem&) = default;
};

struct ExamFileRead {
  // The exams that can be used; nothing when the file is refused.
  std::optional<ExamList> list;
  // Why the file is refused; kind None when it is not.
  ExamFileProblem problem;
  // The exams left out, in the file's order.
  std::vector<ExamProblem> skipped;
};

ExamFileRead ReadExamFile(std::string_view bytes);

// The file's text for the list, in the same format: UTF-8, two-space indents, "T" times with
// seconds. What ReadExamFile gives back reads back the same.
std::string FormatExamFile(const ExamList& list);

}  // namespace orvel::exchange

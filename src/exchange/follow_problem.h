#pragma once
// What went wrong in following a school's source, as kinds and figures; the shell says it to the
// user and tells a failure once by comparing these.
#include <optional>
#include <string>

#include "exchange/exam_file.h"
#include "exchange/holiday_file.h"
#include "exchange/notice_file.h"
#include "exchange/timetable_import.h"
#include "platform/file_io.h"
#include "platform/ui/services.h"
#include "timetable/timetable_read.h"

namespace orvel::exchange {

struct FollowProblem {
  enum class Kind {
    None,
    // The source as written (ResolveSource); `name` is what the problem is about.
    NoSource,
    ControlCharacterInSource,
    ControlCharacterInClass,
    NoClassName,
    ClassNameNotAFileName,  // `name`: the class
    NoComputerName,         // {computer} but no name a file may carry: `name`, maybe empty
    NoFileInAddress,        // `name`: the address as shown
    NotWebOrFile,
    RawCharacterInPassword,  // `name`: the address's host
    NotATimetableFile,       // `name`: the source as shown
    UnusableFileName,        // `name`: the file's name
    // Fetching a file of the source.
    Network,         // `http`, with the server's `status` or the system's `errorCode`
    FileUnreadable,  // a file path: `fileStatus`
    NotFetched,      // the work never ran
    // The timetable.
    NoTimetable,           // the source has no file `name`
    TimetableRefused,      // `import`
    UnsavableCell,         // a cell the timetable file cannot carry
    CannotKeepOwnCopy,     // `name` of "scd"
    CannotWriteTimetable,  // `name` of "scd"
    CopyNotShown,          // the copy `name` of "scd" did not read back: `copyRead`
    // Another file of the source, `file` ("days.csv", "holidays/2027.json"): a fetch problem
    // above, or one of these.
    NotADayList,
    DayListLineUnreadable,  // `line`
    HolidayFileUnusable,    // `holiday`
    ExamFileUnusable,       // `exam`
    NoticeFileUnusable,     // `notice`
    CannotWriteCopy,        // the program's copy `name`
    // A notice's read receipt, `name` (notices.read\PC.csv), not written: `fileStatus`.
    ReceiptNotWritten,
  };
  Kind kind = Kind::None;
  std::string name;
  std::string file;  // empty for the timetable
  ui::HttpFailure http = ui::HttpFailure::None;
  int status = 0;
  unsigned long errorCode = 0;
  FileStatus fileStatus = FileStatus::Ok;
  int line = 0;
  TimetableRead copyRead;  // its fault and counts; never a table
  std::optional<ImportRefusal> import;
  HolidayFileProblem holiday;
  ExamFileProblem exam;
  NoticeFileProblem notice;

  bool Any() const { return kind != Kind::None; }
  friend bool operator==(const FollowProblem&, const FollowProblem&) = default;
};

// A problem of `kind` about `name`.
inline FollowProblem ProblemOf(FollowProblem::Kind kind, std::string name = {}) {
  FollowProblem problem;
  problem.kind = kind;
  problem.name = std::move(name);
  return problem;
}

}  // namespace orvel::exchange

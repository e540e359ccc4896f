#pragma once
// The exam list of the program folder: exams.json (the PC's own, written by the 考试安排 window
// or dropped in) above exams.school.json (a followed school's copy). The PC's own file wins while
// it can be used; one that is refused leaves the school's list in use, and says so.
#include <filesystem>
#include <string_view>
#include <vector>

#include "exchange/exam_file.h"
#include "platform/file_io.h"
#include "timetable/exam_list.h"

namespace orvel::program {

enum class ExamFileKind { Own, School };

// Where the exam list in use comes from.
enum class ExamsFrom { Nothing, OwnFile, SchoolFile };

// What is wrong with one file: refused whole (`problem`, or a `status` other than Ok when it
// cannot be read at all), or exams of it skipped.
struct ExamFileNote {
  ExamFileKind file = ExamFileKind::Own;
  FileStatus status = FileStatus::Ok;
  exchange::ExamFileProblem problem;
  std::vector<exchange::ExamProblem> skipped;
  // Refused, and the school's list is used in its place.
  bool schoolUsedInstead = false;

  bool Refused() const {
    return status != FileStatus::Ok || problem.kind != exchange::ExamFileProblem::Kind::None;
  }
  friend bool operator==(const ExamFileNote&, const ExamFileNote&) = default;
};

struct ExamFilesRead {
  ExamsFrom from = ExamsFrom::Nothing;
  ExamList list;
  std::vector<ExamFileNote> notes;  // the PC's own file's first
};

std::filesystem::path ExamFilePath(const std::filesystem::path& programFolder, ExamFileKind file);

// Both files read, the school's only when the PC's own is missing or refused.
ExamFilesRead ReadExamFiles(const std::filesystem::path& programFolder);

// A file read somewhere else (dropped, fetched, the window's list) as the list in use from
// `file`; a refused read gives nothing in use and its note.
ExamFilesRead ExamsOf(ExamFileKind file, const exchange::ExamFileRead& read);

// The school's copy has just been kept as `school`: it is the list in use, unless the PC's own
// file is.
ExamFilesRead WithSchoolExams(const ExamFilesRead& current, const exchange::ExamFileRead& school);

}  // namespace orvel::program

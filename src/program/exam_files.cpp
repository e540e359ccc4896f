#include "program/exam_files.h"

#include <utility>

namespace orvel::program {
namespace {

ExamFileNote NoteOf(ExamFileKind file, const exchange::ExamFileRead& read) {
  ExamFileNote note;
  note.file = file;
  note.problem = read.problem;
  note.skipped = read.skipped;
  return note;
}

// The file as it is on disk: nothing when it is not there.
std::optional<ExamFilesRead> ReadOne(const std::filesystem::path& programFolder,
                                     ExamFileKind file) {
  const FileBytes bytes =
      ReadWholeFile(ExamFilePath(programFolder, file), exchange::kMaxExamFileBytes);
  switch (bytes.status) {
    case FileStatus::NotFound:
      return std::nullopt;
    case FileStatus::Ok:
      return ExamsOf(file, exchange::ReadExamFile(bytes.bytes));
    case FileStatus::TooLarge: {
      exchange::ExamFileRead tooLarge;
      tooLarge.problem.kind = exchange::ExamFileProblem::Kind::TooLarge;
      return ExamsOf(file, tooLarge);
    }
    case FileStatus::AccessDenied:
    case FileStatus::Failed:
      break;
  }
  ExamFilesRead unreadable;
  unreadable.notes.push_back({file, bytes.status, {}, {}, false});
  return unreadable;
}

}  // namespace

std::filesystem::path ExamFilePath(const std::filesystem::path& programFolder, ExamFileKind file) {
  return programFolder / PathFromUtf8(file == ExamFileKind::Own ? exchange::kExamFileName
                                                                : exchange::kSchoolExamFileName);
}

ExamFilesRead ExamsOf(ExamFileKind file, const exchange::ExamFileRead& read) {
  ExamFilesRead exams;
  if (read.list) {
    exams.from = file == ExamFileKind::Own ? ExamsFrom::OwnFile : ExamsFrom::SchoolFile;
    exams.list = *read.list;
  }
  if (!read.list || !read.skipped.empty()) exams.notes.push_back(NoteOf(file, read));
  return exams;
}

ExamFilesRead ReadExamFiles(const std::filesystem::path& programFolder) {
  std::optional<ExamFilesRead> own = ReadOne(programFolder, ExamFileKind::Own);
  if (own && own->from == ExamsFrom::OwnFile) return std::move(*own);
  std::optional<ExamFilesRead> school = ReadOne(programFolder, ExamFileKind::School);
  if (!own) return school ? std::move(*school) : ExamFilesRead{};
  if (school) {
    own->from = school->from;
    own->list = std::move(school->list);
    own->notes.front().schoolUsedInstead = school->from == ExamsFrom::SchoolFile;
    own->notes.insert(own->notes.end(), school->notes.begin(), school->notes.end());
  }
  return std::move(*own);
}

ExamFilesRead WithSchoolExams(const ExamFilesRead& current, const exchange::ExamFileRead& school) {
  if (current.from == ExamsFrom::OwnFile) return current;
  ExamFilesRead exams = ExamsOf(ExamFileKind::School, school);
  // What the PC's own file was refused for still stands.
  for (const ExamFileNote& note : current.notes) {
    if (note.file != ExamFileKind::Own) continue;
    ExamFileNote own = note;
    own.schoolUsedInstead = exams.from == ExamsFrom::SchoolFile;
    exams.notes.insert(exams.notes.begin(), own);
  }
  return exams;
}

}  // namespace orvel::program

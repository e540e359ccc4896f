#include "exchange/school_exams.h"

#include "platform/file_io.h"

namespace orvel::exchange {

std::string SchoolExamLocation(const FollowedSource& source) {
  return source.folder + std::string(kExamFileName) + source.query;
}

FetchedExamFile FetchSchoolExams(ui::Http& http, const FollowedSource& source,
                                 const Validators& known) {
  FetchedExamFile fetched{FetchOptionalFile(http, source.kind, SchoolExamLocation(source), known),
                          {}};
  if (fetched.file.outcome == FetchOutcome::Fetched)
    fetched.read = ReadExamFile(fetched.file.bytes);
  return fetched;
}

ExamUpdate KeepSchoolExams(const FetchedExamFile& fetched,
                           const std::filesystem::path& programFolder) {
  ExamUpdate update;
  const std::string name(kExamFileName);
  switch (fetched.file.outcome) {
    case FetchOutcome::Unchanged:
    case FetchOutcome::Missing:
      return update;
    case FetchOutcome::Failed:
      update.problem = fetched.file.problem;
      update.problem.file = name;
      return update;
    case FetchOutcome::Fetched:
      break;
  }
  if (!fetched.read.list) {
    update.problem = ProblemOf(FollowProblem::Kind::ExamFileUnusable);
    update.problem.exam = fetched.read.problem;
    update.problem.file = name;
    return update;
  }
  const std::filesystem::path copy = programFolder / PathFromUtf8(kSchoolExamFileName);
  const FileBytes onDisk = ReadWholeFile(copy, fetched.file.bytes.size());
  if (onDisk.status == FileStatus::Ok && onDisk.bytes == fetched.file.bytes) return update;
  if (ReplaceFileContents(copy, fetched.file.bytes) != FileStatus::Ok) {
    update.problem =
        ProblemOf(FollowProblem::Kind::CannotWriteCopy, std::string(kSchoolExamFileName));
    return update;
  }
  update.changed = true;
  return update;
}

}  // namespace orvel::exchange

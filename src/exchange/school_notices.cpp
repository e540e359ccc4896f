#include "exchange/school_notices.h"

#include <system_error>

#include "platform/file_io.h"

namespace orvel::exchange {
namespace {

// A share that cannot be reached says "missing" of every file in it; only a folder that is
// there and lacks the file has withdrawn the notices.
bool FolderAnswers(const FollowedSource& source) {
  if (source.kind == SourceKind::Web) return true;
  std::error_code ec;
  const std::filesystem::path folder =
      PathFromUtf8(source.folder.empty() ? std::string(".") : source.folder);
  return std::filesystem::is_directory(folder, ec);
}

}  // namespace

std::string SchoolNoticeLocation(const FollowedSource& source) {
  return source.folder + std::string(kNoticeFileName) + source.query;
}

FetchedNoticeFile FetchSchoolNotices(ui::Http& http, const FollowedSource& source,
                                     const Validators& known) {
  FetchedNoticeFile fetched;
  fetched.file = FetchOptionalFile(http, source.kind, SchoolNoticeLocation(source), known);
  if (fetched.file.outcome == FetchOutcome::Fetched)
    fetched.read = ReadNoticeFile(fetched.file.bytes);
  else if (fetched.file.outcome == FetchOutcome::Missing)
    fetched.withdrawn = FolderAnswers(source);
  return fetched;
}

NoticeUpdate KeepSchoolNotices(const FetchedNoticeFile& fetched,
                               const std::filesystem::path& programFolder) {
  NoticeUpdate update;
  const std::filesystem::path copy = programFolder / PathFromUtf8(kSchoolNoticeFileName);
  switch (fetched.file.outcome) {
    case FetchOutcome::Unchanged:
      return update;
    case FetchOutcome::Missing: {
      if (!fetched.withdrawn) return update;
      std::error_code ec;
      if (!std::filesystem::exists(copy, ec)) return update;
      if (!std::filesystem::remove(copy, ec) || ec) {
        update.problem =
            ProblemOf(FollowProblem::Kind::CannotWriteCopy, std::string(kSchoolNoticeFileName));
        return update;
      }
      update.changed = true;
      update.read.notices.emplace();
      return update;
    }
    case FetchOutcome::Failed:
      update.problem = fetched.file.problem;
      update.problem.file = kNoticeFileName;
      return update;
    case FetchOutcome::Fetched:
      break;
  }
  if (!fetched.read.notices) {
    update.problem = ProblemOf(FollowProblem::Kind::NoticeFileUnusable);
    update.problem.notice = fetched.read.problem;
    update.problem.file = kNoticeFileName;
    return update;
  }
  const FileBytes onDisk = ReadWholeFile(copy, fetched.file.bytes.size());
  if (onDisk.status == FileStatus::Ok && onDisk.bytes == fetched.file.bytes) return update;
  if (ReplaceFileContents(copy, fetched.file.bytes) != FileStatus::Ok) {
    update.problem =
        ProblemOf(FollowProblem::Kind::CannotWriteCopy, std::string(kSchoolNoticeFileName));
    return update;
  }
  update.changed = true;
  update.read = fetched.read;
  return update;
}

}  // namespace orvel::exchange

#include "exchange/school_holidays.h"

#include <system_error>
#include <utility>

#include "exchange/holiday_file.h"
#include "platform/file_io.h"
#include "timetable/day_list.h"

namespace orvel::exchange {

std::string SchoolHolidayLocation(const FollowedSource& source, int year) {
  const char separator =
      source.kind == SourceKind::File && source.folder.find('\\') != std::string::npos ? '\\'
                                                                                       : '/';
  // A signed link's query goes with them, as with the day list.
  return source.folder + std::string(kHolidayFolderName) + separator +
         HolidayFileName(year, HolidaySource::LocalFile) + source.query;
}

std::filesystem::path SchoolHolidayCopy(const std::filesystem::path& programFolder, int year) {
  return programFolder / PathFromUtf8(kHolidayFolderName) /
         PathFromUtf8(HolidayFileName(year, HolidaySource::SchoolFile));
}

std::vector<FetchedHolidayFile> FetchSchoolHolidays(ui::Http& http, const FollowedSource& source,
                                                    const std::vector<HolidayFileAsk>& asks) {
  std::vector<FetchedHolidayFile> fetched;
  for (const HolidayFileAsk& ask : asks) {
    FetchedHolidayFile file{
        ask.year,
        FetchOptionalFile(http, source.kind, SchoolHolidayLocation(source, ask.year), ask.known),
        {}};
    if (file.file.outcome == FetchOutcome::Fetched)
      file.unusable = ParseHolidayFile(file.file.bytes, ask.year).problem;
    fetched.push_back(std::move(file));
  }
  return fetched;
}

std::vector<HolidayFileAsk> SchoolHolidayFiles::Asks(
    int year, const std::filesystem::path& programFolder) const {
  std::vector<HolidayFileAsk> asks;
  for (const int y : {year, year + 1}) {
    HolidayFileAsk ask{y, {}};
    std::error_code ec;
    const auto known = known_.find(y);
    // A copy that has gone from the disk is fetched whole again.
    if (known != known_.end() && std::filesystem::exists(SchoolHolidayCopy(programFolder, y), ec))
      ask.known = known->second;
    asks.push_back(ask);
  }
  return asks;
}

HolidayUpdate SchoolHolidayFiles::Keep(const std::vector<FetchedHolidayFile>& fetched,
                                       const std::filesystem::path& programFolder) {
  HolidayUpdate update;
  const auto fail = [&update](FollowProblem problem, const std::string& file) {
    problem.file = file;
    if (!update.problem.Any()) update.problem = std::move(problem);
  };
  for (const FetchedHolidayFile& file : fetched) {
    const std::string name = std::string(kHolidayFolderName) + "/" +
                             HolidayFileName(file.year, HolidaySource::LocalFile);
    switch (file.file.outcome) {
      case FetchOutcome::Unchanged:
        known_[file.year] = file.file.validators;
        continue;
      case FetchOutcome::Missing:
        continue;
      case FetchOutcome::Failed:
        fail(file.file.problem, name);
        continue;
      case FetchOutcome::Fetched:
        break;
    }
    if (file.unusable.kind != HolidayFileProblem::Kind::None) {
      FollowProblem unusable = ProblemOf(FollowProblem::Kind::HolidayFileUnusable);
      unusable.holiday = file.unusable;
      fail(std::move(unusable), name);
      continue;
    }
    const std::filesystem::path copy = SchoolHolidayCopy(programFolder, file.year);
    const FileBytes onDisk = ReadWholeFile(copy, file.file.bytes.size());
    if (onDisk.status != FileStatus::Ok || onDisk.bytes != file.file.bytes) {
      std::error_code ec;
      std::filesystem::create_directories(copy.parent_path(), ec);
      if (ReplaceFileContents(copy, file.file.bytes) != FileStatus::Ok) {
        fail(ProblemOf(FollowProblem::Kind::CannotWriteCopy,
                       std::string(kHolidayFolderName) + "\\" +
                           HolidayFileName(file.year, HolidaySource::SchoolFile)),
             {});
        continue;
      }
      update.changed = true;
    }
    known_[file.year] = file.file.validators;
  }
  return update;
}

}  // namespace orvel::exchange

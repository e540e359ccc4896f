#pragma once
// The notices a followed source publishes beside its timetable, notices.csv: asked for on a
// timer of their own (they change within the hour, the timetable within the term),
// conditionally and with the address's query, read off the window thread, and kept as
// notices.school.csv only when the file reads as a notice list. A source that no longer has
// the file (a 404, an object store's 403, a share's folder without it) has withdrawn its
// notices: the copy kept goes too. A file refused whole leaves the copy as it was.
#include <filesystem>
#include <string>
#include <string_view>

#include "exchange/followed_source.h"
#include "exchange/notice_file.h"
#include "platform/ui/services.h"

namespace orvel::exchange {

inline constexpr std::string_view kSchoolNoticeFileName = "notices.school.csv";

struct FetchedNoticeFile {
  FetchedFile file;
  NoticeFileRead read;     // Fetched: what the bytes read as
  bool withdrawn = false;  // Missing, and the source answered for its folder
};

// notices.csv in the folder of the source's timetable, with the address's query.
std::string SchoolNoticeLocation(const FollowedSource& source);

// Asked for and read; blocks, so it runs off the window thread.
FetchedNoticeFile FetchSchoolNotices(ui::Http& http, const FollowedSource& source,
                                     const Validators& known);

struct NoticeUpdate {
  bool changed = false;   // the copy was written or removed: `read` is what now applies
  NoticeFileRead read;    // changed: the notices kept (none once withdrawn)
  FollowProblem problem;  // the file could not be fetched, read, kept or removed
};

// What came into programFolder\notices.school.csv, written only when it differs.
NoticeUpdate KeepSchoolNotices(const FetchedNoticeFile& fetched,
                               const std::filesystem::path& programFolder);

}  // namespace orvel::exchange

#pragma once
// A timetable the school publishes, followed: where it and the day list beside it are, fetching
// them (conditionally, so that an unchanged file costs a 304 or a look at its size and time),
// and putting what came into the program folder through the import's checks and writer. Nothing
// fetched is ever run, and nothing that failed or was refused reaches the disk.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "exchange/follow_problem.h"
#include "exchange/timetable_import.h"
#include "platform/ui/services.h"
#include "timetable/day_list.h"
#include "timetable/edition.h"

namespace orvel::exchange {

// The largest file a source may hand over.
inline constexpr std::size_t kMaxFollowedFileBytes = 1u << 20;
// The day list of the timetable's folder is kDayListFileName; the program keeps its copy as
// kSchoolDayListFileName (timetable/day_list.h).

enum class SourceKind { Web, File };

struct FollowedSource {
  SourceKind kind = SourceKind::Web;
  std::string shown;        // the source with {class} and {computer} replaced and without a
                            // user name and password, for messages and the menu
  std::string timetable;    // the timetable's address (percent-encoded) or path
  std::string folder;       // the timetable's folder, up to and with its last separator
  std::string query;        // an address's query ("?v=2&sig=x"), which every file is asked with
  std::string dayList;      // days.csv in the same folder, with the address's query
  std::string fileName;     // the timetable file's name, which the import goes by
  std::string scdFileName;  // the file of "scd" it becomes
  std::string className;    // what {class} stood for, its {computer} replaced

  friend bool operator==(const FollowedSource&, const FollowedSource&) = default;
};

struct SourceResolution {
  std::optional<FollowedSource> source;
  FollowProblem problem;  // why not
};

// An http:// or https:// address or a file path naming a .yaml, .yml or .csv file, with
// "{class}" replaced by the class name and "{computer}" by the PC's name (percent-encoded in an
// address, where each is one part of the file's name); a class name may hold "{computer}" too. A
// file path is taken as it is written. A source or class name holding a line break or another
// control character is refused, and so is an address whose user name or password holds a raw "/",
// "?" or "#", which would send the rest of it to the wrong place; so is "{computer}" when the
// PC's name cannot be part of a file's name (or is unknown).
SourceResolution ResolveSource(std::string_view source, std::string_view className,
                               std::string_view computerName = {});

// An address as it may be shown: "https://user:pw@host/..." as "https://host/...". Nothing
// between "://" and the last "@" before the query or fragment is kept; these begin at the first
// "?" or "#" after the address's last "/", so that a password holding a raw "/", "?" or "#" is
// hidden whole (and at worst more than the password is). Other text stays as it is.
std::string WithoutCredentials(std::string_view address);

// What a copy held on the PC was fetched as: the server's validators, or a file's size and time.
struct Validators {
  std::string etag;
  std::string lastModified;
  std::uintmax_t size = 0;
  std::int64_t modified = 0;
  bool known = false;  // a copy fetched in this session is on disk
};

enum class FetchOutcome { Fetched, Unchanged, Missing, Failed };

struct FetchedFile {
  FetchOutcome outcome = FetchOutcome::Failed;
  std::string bytes;      // Fetched
  Validators validators;  // Fetched: what to ask with next time
  FollowProblem problem;  // Failed
};

// One file of the source; blocks, so it runs off the window thread.
FetchedFile FetchFile(ui::Http& http, SourceKind kind, const std::string& location,
                      const Validators& known);
// The same for a file the source may well not have (the day list, the holiday files): a web
// server's 403 is Missing too, since object stores answer so for an object they lack.
FetchedFile FetchOptionalFile(ui::Http& http, SourceKind kind, const std::string& location,
                              const Validators& known);

// One visit to the source: the timetable, and the day list when the source answered.
struct FetchRound {
  FetchedFile timetable;
  std::optional<FetchedFile> dayList;
};
FetchRound FetchSource(ui::Http& http, const FollowedSource& source, const Validators& timetable,
                       const Validators& dayList);

enum class UpdateOutcome { Changed, Unchanged, Failed };

struct Update {
  UpdateOutcome outcome = UpdateOutcome::Failed;
  FollowProblem problem;  // Failed
  // Changed: the name in "scd" under which a file of the timetable's name that was not the
  // source's copy was kept (followed_copy.h); empty when there was none.
  std::string keptAs{};
};

// A fetched timetable read and checked as a dropped file is, ready for "scd": the part of an
// update that may take its time on a large file, so it runs off the window thread.
struct CheckedTimetable {
  UpdateOutcome outcome = UpdateOutcome::Failed;  // Changed: `prepared` may differ from the copy
  std::optional<PreparedImport> prepared;
  std::string bytes;      // what the import writes
  FollowProblem problem;  // Failed
};
CheckedTimetable CheckTimetable(const FetchedFile& fetched, const FollowedSource& source,
                                Edition edition);

// A checked timetable into "scd" under source.scdFileName, as a dropped file goes there; the
// file is written only when its bytes differ, and a file there that the program did not write
// from this source is kept as .bak first. Missing, failed or refused: nothing is written.
Update UpdateTimetable(const CheckedTimetable& checked, const FollowedSource& source,
                       const std::filesystem::path& programFolder, Edition edition);
// Both steps at once, where no window waits.
Update UpdateTimetable(const FetchedFile& fetched, const FollowedSource& source,
                       const std::filesystem::path& programFolder, Edition edition);

// A fetched day list read and checked (DayListProblem), the part of its update that runs off the
// window thread: the list when it may be kept, else why not. Nothing for a file not fetched.
struct CheckedDayList {
  std::optional<DayList> list;
  std::optional<FollowProblem> problem;
};
CheckedDayList CheckDayList(const FetchedFile& fetched);

// A fetched day list into days.school.csv, written only when it differs. A source without one
// is no failure, and the copy kept stays.
Update UpdateSchoolDayList(const FetchedFile& fetched, const CheckedDayList& checked,
                           const std::filesystem::path& programFolder);
// Both steps at once, where no window waits.
Update UpdateSchoolDayList(const FetchedFile& fetched, const std::filesystem::path& programFolder);

// Why fetched day-list bytes may not be kept, or nothing when they may: within the size of a day
// list, text as the program's other files are (UTF-8, or the ANSI code page without bytes it
// cannot read), and every line a rule or a note. A PC's own list may hold a line it cannot read;
// a school's list that does (an error page served in its place) is not taken.
std::optional<FollowProblem> DayListProblem(std::string_view bytes);

}  // namespace orvel::exchange

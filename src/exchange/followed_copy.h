#pragma once
// The copies the program keeps of a followed source. The timetable's copy in "scd" and the file
// of that name it may replace: a teacher's own timetable is kept as <name>.bak before the first
// replacement. The program notes in
// follow.copy.ini which file it last wrote from which source, with the size and time it left
// it; a file of that name that differs from the note was not written from that source.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace orvel::exchange {

inline constexpr std::string_view kFollowCopyFileName = "follow.copy.ini";

// Before scd\scdFileName is replaced by the copy from `source`: a file there that the program
// did not write from that source is copied to <name>.bak (or <name>.2.bak ... when that exists).
// The backup's name in "scd", empty when none was needed; nothing when it could not be made.
std::optional<std::string> KeepOwnTimetable(const std::filesystem::path& programFolder,
                                            std::string_view scdFileName, std::string_view source);

// scd\scdFileName has just been written from `source`.
void NoteCopyWritten(const std::filesystem::path& programFolder, std::string_view scdFileName,
                     std::string_view source);

// Following stopped: the school's day list (days.school.csv) renamed to days.school.csv.bak, in
// place of an earlier one, so that it no longer applies. The new name, empty when there was no
// list; nothing when it could not be renamed.
std::optional<std::string> SetSchoolDayListAside(const std::filesystem::path& programFolder);

}  // namespace orvel::exchange

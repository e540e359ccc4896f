#pragma once
// Reading a timetable file. Every reader gives the whole timetable or nothing: a file that cannot
// be read completely never yields a partly filled table.
//
// Counts that are not numbers, not positive, or above kMaxRows / kMaxCols are read failures, and
// in the classic edition a table of more than kMaxClassicCells cells. The bytes are in the ANSI
// code page, or UTF-8 or UTF-16 when the whole file is (file_text.h).
//
// A read that succeeds also says what the file holds that the table does not show, which a save
// would lose (UnshownContent, timetable_read.h).
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string_view>

#include "timetable/edition.h"
#include "timetable/timetable.h"
#include "timetable/timetable_read.h"

namespace orvel {

// A real timetable file is a few kilobytes; a full kMaxRows x kMaxCols table of long texts still
// fits well below this. Anything larger is not a timetable.
inline constexpr std::size_t kMaxTimetableFileBytes = 8u << 20;

// The file's bytes read the edition's way: the grid edition the counts and then rows x cols
// cells as a stream of fields (field_reader.h); the classic edition line 1 split at commas for
// the counts, then each row one line split at commas with at least cols pieces (quotes are
// ordinary characters, blanks are kept, a line ends at CR LF, LF or CR).
TimetableRead ParseTimetableFile(std::string_view fileBytes, Edition edition);
TimetableRead ParseGridTimetableFile(std::string_view fileBytes);
TimetableRead ParseClassicTimetableFile(std::string_view fileBytes);

// The file at `file`.
TimetableRead ReadTimetableFile(const std::filesystem::path& file, Edition edition);

// The file scdFileName inside programFolder / "scd".
TimetableRead ReadScdTimetable(const std::filesystem::path& programFolder,
                               std::string_view scdFileName, Edition edition);

// The table alone, for callers that need no more.
inline std::optional<Timetable> ParseGridTimetable(std::string_view fileBytes) {
  return ParseGridTimetableFile(fileBytes).table;
}
inline std::optional<Timetable> ParseClassicTimetable(std::string_view fileBytes) {
  return ParseClassicTimetableFile(fileBytes).table;
}
inline std::optional<Timetable> ParseTimetable(std::string_view fileBytes, Edition edition) {
  return ParseTimetableFile(fileBytes, edition).table;
}
inline std::optional<Timetable> ReadTimetable(const std::filesystem::path& file, Edition edition) {
  return ReadTimetableFile(file, edition).table;
}
inline std::optional<Timetable> LoadTimetable(const std::filesystem::path& programFolder,
                                              std::string_view scdFileName, Edition edition) {
  return ReadScdTimetable(programFolder, scdFileName, edition).table;
}

// Nothing but what the clock writes by itself, the label of cell (0, 1): the empty table a failed
// load or a new command leaves.
bool HoldsNoTimetable(const Timetable& table);

}  // namespace orvel

#pragma once
// Reading a timetable file. Every reader gives the whole timetable or nothing: a file that cannot
// be read completely never yields a partly filled table.
//
// Counts that are not numbers, not positive, or above kMaxRows / kMaxCols are read failures, and
// in the classic edition a table of more than kMaxClassicCells cells. The bytes are in the ANSI
// code page, or UTF-8 or UTF-16 when the whole file is (file_text.h).
//
// A read that succeeds also says what the file holds that the table does not show, which a save
// would lose (UnshownContent).
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string_view>

#include "timetable/edition.h"
#include "timetable/timetable.h"

namespace orvel {

// A real timetable file is a few kilobytes; a full kMaxRows x kMaxCols table of long texts still
// fits well below this. Anything larger is not a timetable.
inline constexpr std::size_t kMaxTimetableFileBytes = 8u << 20;

// The classic edition makes a text box, a window of its own, for every cell, one after the
// other. Under Wine (bench/startup_time_win.cpp) a box takes 1 to 2.4 ms and the start itself
// up to 0.7 s: with 600 boxes one start in five took 2.2 s, with 400 none of fourteen took more
// than 1.9 s on a busy machine. The reader refuses larger tables.
inline constexpr int kMaxClassicCells = 400;

// Whether the edition shows a table of rows × cols cells (both at least 1).
bool EditionShows(int rows, int cols, Edition edition);

enum class ReadFault {
  None,
  Missing,       // no such file, or no "scd" folder
  Unreadable,    // access denied, or held by another program
  TooLarge,      // more bytes than kMaxTimetableFileBytes
  UnusableName,  // the name cannot be a file of "scd" (program_folder.h)
  NoCounts,      // line 1 does not begin with two numbers
  SizeRefused,   // a count below 1, above kMaxRows / kMaxCols, or too many boxes (classic)
  TooFewCells,   // the file ends before rows × cols cells, or (classic) a row's line is short
};

// What the file holds beyond the table the read gave, which a save of that table would lose.
// Fields and lines of nothing but blanks (and commas) hold nothing.
struct UnshownContent {
  // Lines holding text after the rows that line 1 announces.
  int rows = 0;
  // Fields beyond the column count on the rows' lines (and beyond the two counts on line 1). In
  // the grid edition, whose reader takes the fields as one stream, every such field moves each
  // later cell one place on, so all of them count; elsewhere only those holding text.
  int cells = 0;
  // Cells with bytes that are no character of the file's encoding, which show as "�".
  int undecodableCells = 0;
  // True when extra fields on the rows' lines moved the later cells (grid edition).
  bool shifted = false;

  int Places() const { return rows + cells + undecodableCells; }
  bool Any() const { return Places() > 0; }
  friend bool operator==(const UnshownContent&, const UnshownContent&) = default;
};

struct TimetableRead {
  std::optional<Timetable> table;  // the whole table, or nothing when the read failed
  ReadFault fault = ReadFault::None;
  Edition edition = Edition::Grid;
  int rows = 0;  // the counts of line 1, as far as they were read
  int cols = 0;
  UnshownContent unshown;
};

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

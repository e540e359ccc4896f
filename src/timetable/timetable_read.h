#pragma once
// What a read of a timetable file gives: the whole table or nothing, why not, and what the file
// holds beyond the table. The readers are in timetable_reader.h.
#include <optional>

#include "timetable/edition.h"
#include "timetable/timetable.h"

namespace orvel {

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
  friend bool operator==(const TimetableRead&, const TimetableRead&) = default;
};

}  // namespace orvel

#pragma once
// Writing a timetable file: line 1 "rows,cols", then one line per row with the cells joined by
// commas, every line ended by CR LF, text in the ANSI code page. Nothing is quoted: a table that
// either edition would read back differently is not written at all (field_writer.h).
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "platform/file_io.h"
#include "timetable/edition.h"
#include "timetable/field_writer.h"
#include "timetable/timetable.h"

namespace orvel {

// How a save ended: the file replaced, refused for being read-only or held by another program,
// or failed otherwise.
enum class SaveStatus { Saved, ReadOnly, Failed };

// The status of a file written with ReplaceFileContents.
SaveStatus SaveStatusOf(FileStatus status);

// A cell the file cannot carry unchanged; row and col counted from 0.
struct UnwritableCell {
  int row = 0;
  int col = 0;
  FieldRefusal refusal;

  friend bool operator==(const UnwritableCell&, const UnwritableCell&) = default;
};

// The first such cell, row by row.
std::optional<UnwritableCell> FindUnwritableCell(const Timetable& timetable);

// The file's bytes; nothing when FindUnwritableCell finds a cell.
std::optional<std::string> FormatTimetable(const Timetable& timetable);

// Why a save kept the old file's bytes as name + ".bak" before it replaced them.
enum class OldFileKept {
  No,
  Unreadable,      // `edition` cannot read it
  UnshownContent,  // it holds more than a read of it shows (UnshownContent)
  Timetable,       // it holds a timetable, and the table saved over it is empty
};

struct SaveResult {
  SaveStatus status = SaveStatus::Failed;
  std::optional<UnwritableCell> refusedCell;  // the cell that stopped the save (status Failed)
  OldFileKept keptOldFile = OldFileKept::No;
};

// Writes the whole timetable to programFolder / "scd" / scdFile, replacing the file only once the
// new content is safely on disk. Nothing at all is written when a cell cannot be carried. An
// existing file that would lose something is first kept byte for byte as scdFile + ".bak": one
// `edition` cannot read, one holding more than its read shows, and one holding a timetable when
// the table is empty (once saved over, the file reads whole, so only the first such save keeps
// it). Status ReadOnly when access is denied (read-only file, or held open by another program),
// Failed on any other failure, for instance a missing "scd" folder. A failed save
// leaves the old file as it was.
SaveResult ScdSave(const std::filesystem::path& programFolder, std::string_view scdFile,
                   const Timetable& timetable, Edition edition);

}  // namespace orvel

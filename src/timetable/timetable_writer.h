#pragma once
// Writing a timetable file: line 1 "rows,cols", then one line per row with the cells joined by
// commas, every line ended by CR LF, text in the ANSI code page.
#include <filesystem>
#include <string>
#include <string_view>

#include "timetable/timetable.h"

namespace orvel {

// The results of ScdSave; callers treat anything but kSaveSuccess as a failure.
inline constexpr std::string_view kSaveSuccess = "Success";
inline constexpr std::string_view kSaveFileReadOnly = "FileReadOnly";
inline constexpr std::string_view kSaveFailed = "";

// The file's bytes. A cell holding a comma or a line break is put in double quotes (see
// QuoteIfSplitting) so that the grid edition reads it back as one cell; other cells are written
// as they stand.
std::string FormatTimetable(const Timetable& timetable);

// Writes the whole timetable to programFolder / "scd" / scdFile, replacing the file only once the
// new content is safely on disk. Returns kSaveSuccess, kSaveFileReadOnly when access is denied
// (read-only file, or held open by another program), or kSaveFailed on any other failure, for
// instance a missing "scd" folder. A failed save leaves the old file as it was.
std::string ScdSave(const std::filesystem::path& programFolder, std::string_view scdFile,
                    const Timetable& timetable);

}  // namespace orvel

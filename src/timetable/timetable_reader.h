#pragma once
// Reading a timetable file. Every reader gives the whole timetable or nothing: a file that cannot
// be read completely never yields a partly filled table.
//
// Counts that are not numbers, not positive, or above kMaxRows / kMaxCols are read failures.
// The bytes are in the ANSI code page, or UTF-8 when the whole file is (file_text.h).
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

// Grid edition: the counts and then rows x cols cells as a stream of fields (field_reader.h).
std::optional<Timetable> ParseGridTimetable(std::string_view fileBytes);

// Classic edition: line 1 split at commas gives the counts; then each row is one line split at
// commas, with at least cols pieces. Quotes are ordinary characters and blanks are kept. A line
// ends at CR LF, LF or CR.
std::optional<Timetable> ParseClassicTimetable(std::string_view fileBytes);

std::optional<Timetable> ParseTimetable(std::string_view fileBytes, Edition edition);

// The file at `file`, read the edition's way; nothing if it is missing, unreadable or too large.
std::optional<Timetable> ReadTimetable(const std::filesystem::path& file, Edition edition);

// The file scdFileName inside programFolder / "scd".
std::optional<Timetable> LoadTimetable(const std::filesystem::path& programFolder,
                                       std::string_view scdFileName, Edition edition);

}  // namespace orvel

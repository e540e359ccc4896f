#include "timetable/timetable_reader.h"

#include "platform/file_io.h"
#include "timetable/number_text.h"
#include "timetable/program_folder.h"
#include "timetable/timetable_parse_steps.h"

namespace orvel {
namespace {

// A count as a number, also when it is too large or too small for a table: the message then
// says so instead of calling it no number.
std::optional<int> CountOf(std::string_view text) {
  if (const auto count = ToInt16(text)) return *count;
  return ToInt32(text);
}

}  // namespace

bool EditionShows(int rows, int cols, Edition edition) {
  if (rows < 1 || rows > kMaxRows || cols < 1 || cols > kMaxCols) return false;
  return edition == Edition::Grid || rows <= kMaxClassicCells / cols;
}

std::optional<Timetable> TableForCounts(std::string_view rowsText, std::string_view colsText,
                                        Edition edition, TimetableRead& read) {
  const std::optional<int> rows = CountOf(rowsText);
  const std::optional<int> cols = CountOf(colsText);
  // A count that ToInt16 refuses is not one the table can hold, whatever its value.
  if (!rows || !cols) {
    read.fault = ReadFault::NoCounts;
    return std::nullopt;
  }
  read.rows = *rows;
  read.cols = *cols;
  read.edition = edition;
  if (EditionShows(*rows, *cols, edition)) return Timetable::WithSize(*rows, *cols);
  read.fault = ReadFault::SizeRefused;
  return std::nullopt;
}

bool FieldHoldsText(std::string_view field) {
  return field.find_first_not_of(" \t") != std::string_view::npos;
}

bool LineHoldsText(std::string_view line) {
  return line.find_first_not_of(" \t,") != std::string_view::npos;
}

TimetableRead ParseTimetableFile(std::string_view fileBytes, Edition edition) {
  return edition == Edition::Grid ? ParseGridTimetableFile(fileBytes)
                                  : ParseClassicTimetableFile(fileBytes);
}

TimetableRead ReadTimetableFile(const std::filesystem::path& file, Edition edition) {
  const FileBytes content = ReadWholeFile(file, kMaxTimetableFileBytes);
  if (content.status == FileStatus::Ok) return ParseTimetableFile(content.bytes, edition);
  TimetableRead read;
  switch (content.status) {
    case FileStatus::NotFound:
      read.fault = ReadFault::Missing;
      break;
    case FileStatus::TooLarge:
      read.fault = ReadFault::TooLarge;
      break;
    default:
      read.fault = ReadFault::Unreadable;
      break;
  }
  return read;
}

TimetableRead ReadScdTimetable(const std::filesystem::path& programFolder,
                               std::string_view scdFileName, Edition edition) {
  const std::optional<std::filesystem::path> file = TimetableFilePath(programFolder, scdFileName);
  if (!file) {
    TimetableRead read;
    read.fault = ReadFault::UnusableName;
    return read;
  }
  return ReadTimetableFile(*file, edition);
}

bool HoldsNoTimetable(const Timetable& table) {
  for (int r = 0; r < table.rows(); ++r)
    for (int c = 0; c < table.cols(); ++c)
      if (!(r == 0 && c == 1) && !table.cell(r, c).empty()) return false;
  return true;
}

}  // namespace orvel

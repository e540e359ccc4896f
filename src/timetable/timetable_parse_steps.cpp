#include "timetable/timetable_parse_steps.h"

#include "timetable/number_text.h"

namespace orvel {
namespace {

// A count as a number, also when it is too large or too small for a table: the message then
// says so instead of calling it no number.
std::optional<int> CountOf(std::string_view text) {
  if (const auto count = ToInt16(text)) return *count;
  return ToInt32(text);
}

}  // namespace

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

}  // namespace orvel

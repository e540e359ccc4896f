#pragma once
// What the fuzz targets check beyond "no crash": whatever the writers accept reads back
// unchanged, in both editions where both read the file.
#include <cstdlib>
#include <optional>
#include <string>

#include "timetable/timetable_reader.h"
#include "timetable/timetable_writer.h"

namespace orvel::fuzz {

inline void Check(bool condition) {
  if (!condition) std::abort();
}

// A table read from any bytes: if the writer accepts it, both editions read the written file
// back as the same table; if it refuses it, the refused cell lies in the table.
inline void CheckRoundTrip(const Timetable& table) {
  Check(table.rows() >= 1 && table.rows() <= kMaxRows);
  Check(table.cols() >= 1 && table.cols() <= kMaxCols);
  const std::optional<std::string> written = FormatTimetable(table);
  if (!written) {
    const std::optional<UnwritableCell> refused = FindUnwritableCell(table);
    Check(refused && refused->row < table.rows() && refused->col < table.cols());
    return;
  }
  Check(ParseGridTimetable(*written) == table);
  Check(ParseClassicTimetable(*written) == table);
}

}  // namespace orvel::fuzz

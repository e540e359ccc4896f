// The grid edition's timetable reader on any bytes; a table whose cells can all be carried is
// written and must read back equal.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz_support.h"
#include "timetable/timetable_reader.h"
#include "timetable/timetable_writer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace orvel;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::optional<Timetable> table = ParseGridTimetable(bytes);
  if (!table) return 0;
  fuzz::Check(table->rows() >= 1 && table->rows() <= kMaxRows);
  fuzz::Check(table->cols() >= 1 && table->cols() <= kMaxCols);
  const std::string written = FormatTimetable(*table);
  for (int r = 0; r < table->rows(); ++r)
    for (int c = 0; c < table->cols(); ++c)
      if (!fuzz::Carried(table->cell(r, c))) return 0;
  fuzz::Check(ParseGridTimetable(written) == table);
  return 0;
}

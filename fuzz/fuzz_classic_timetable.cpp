// The classic edition's timetable reader on any bytes; what it reads is written and must read
// back equal, in the grid edition too when every cell can be carried by the field reader.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz_support.h"
#include "timetable/timetable_reader.h"
#include "timetable/timetable_writer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace orvel;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::optional<Timetable> table = ParseClassicTimetable(bytes);
  if (!table) return 0;
  fuzz::Check(table->rows() >= 1 && table->rows() <= kMaxRows);
  fuzz::Check(table->cols() >= 1 && table->cols() <= kMaxCols);
  bool carried = true;
  bool valid = true;
  for (int r = 0; r < table->rows(); ++r) {
    for (int c = 0; c < table->cols(); ++c) {
      const std::string& text = table->cell(r, c);
      valid = valid && text.find("\xEF\xBF\xBD") == std::string::npos;
      carried = carried && fuzz::Carried(text);
    }
  }
  if (!valid) return 0;
  const std::string written = FormatTimetable(*table);
  fuzz::Check(ParseClassicTimetable(written) == table);
  if (carried) fuzz::Check(ParseGridTimetable(written) == table);
  return 0;
}

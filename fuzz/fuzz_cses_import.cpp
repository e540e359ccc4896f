// The CSES import on any bytes (versions 1 and 2: the seeds hold both); an accepted file's
// timetable is exported and imported again and must give back every class cell, row by row
// (rows are found by their time text, since a row whose classes all have empty names is not
// exported).
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "exchange/cses.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace orvel;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const exchange::CsesImport first = exchange::ImportCses(bytes);
  fuzz::Check(first.timetable.has_value() ==
              (first.refusal.problem == exchange::CsesProblem::None));
  if (!first.timetable) return 0;
  const Timetable& table = *first.timetable;
  fuzz::Check(table.rows() >= 1 && table.rows() <= kMaxRows);
  fuzz::Check(table.cols() >= 7 && table.cols() <= 9);

  const exchange::CsesImport second = exchange::ImportCses(exchange::ExportCses(table).yaml);
  fuzz::Check(second.timetable.has_value());
  const Timetable& back = *second.timetable;
  for (int row = 1; row < table.rows(); ++row) {
    int found = 1;
    while (found < back.rows() && back.cell(found, 1) != table.cell(row, 1)) ++found;
    for (int col = 2; col < table.cols(); ++col) {
      const std::string& cell = table.cell(row, col);
      // A cell that names no class: empty, or only the odd/even separator.
      if (cell.find_first_not_of('/') == std::string::npos) continue;
      fuzz::Check(found < back.rows() && back.cell(found, col) == cell);
    }
  }
  return 0;
}

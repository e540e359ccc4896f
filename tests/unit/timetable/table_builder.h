#pragma once
// Timetables written out literally in tests, and readable failure output for them.
#include <initializer_list>
#include <optional>
#include <ostream>
#include <string>

#include "timetable/timetable.h"

namespace orvel {

// Lets GoogleTest show a timetable that differs from the expected one.
inline void PrintTo(const Timetable& table, std::ostream* os) {
  *os << table.rows() << "x" << table.cols() << " {";
  for (int r = 0; r < table.rows(); ++r) {
    *os << (r ? " | " : "");
    for (int c = 0; c < table.cols(); ++c) *os << (c ? "," : "") << '[' << table.cell(r, c) << ']';
  }
  *os << "}";
}

namespace test {

// Rows of cell texts; every row must have as many cells as the first.
inline Timetable MakeTable(std::initializer_list<std::initializer_list<std::string>> rows) {
  const int cols = static_cast<int>(rows.begin()->size());
  std::optional<Timetable> table = Timetable::WithSize(static_cast<int>(rows.size()), cols);
  int r = 0;
  for (const auto& row : rows) {
    int c = 0;
    for (const auto& text : row) table->SetCell(r, c++, text);
    ++r;
  }
  return *table;
}

}  // namespace test
}  // namespace orvel

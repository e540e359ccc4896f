#include "timetable/timetable.h"

#include <cstddef>
#include <utility>

namespace orvel {

Timetable::Timetable() : Timetable(kDefaultRows, kDefaultCols) {}

Timetable::Timetable(std::int16_t rows, std::int16_t cols)
    : rows_(rows), cols_(cols), cells_(static_cast<std::size_t>(rows) * cols) {}

std::optional<Timetable> Timetable::WithSize(int rows, int cols) {
  if (rows < 1 || rows > kMaxRows || cols < 1 || cols > kMaxCols) return std::nullopt;
  return Timetable(static_cast<std::int16_t>(rows), static_cast<std::int16_t>(cols));
}

bool Timetable::Contains(int row, int col) const {
  return row >= 0 && row < rows_ && col >= 0 && col < cols_;
}

const std::string& Timetable::cell(int row, int col) const {
  static const std::string kNone;
  if (!Contains(row, col)) return kNone;
  return cells_[static_cast<std::size_t>(row) * cols_ + col];
}

bool Timetable::SetCell(int row, int col, std::string text) {
  if (!Contains(row, col)) return false;
  cells_[static_cast<std::size_t>(row) * cols_ + col] = std::move(text);
  return true;
}

}  // namespace orvel

#pragma once
// The timetable: a rectangle of text cells (UTF-8), row 0 the header row.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace orvel {

// The empty timetable shown when no file could be read.
inline constexpr std::int16_t kDefaultRows = 11;
inline constexpr std::int16_t kDefaultCols = 7;

// A school day has at most about 15 periods and a week needs 9 columns (label, time, seven days);
// these bounds leave room for any real use (a file per term with a row per lesson, several weeks
// side by side) while keeping a corrupt count from asking for millions of cells, or the classic
// edition for millions of text boxes.
inline constexpr std::int16_t kMaxRows = 256;
inline constexpr std::int16_t kMaxCols = 64;

class Timetable {
 public:
  // The default timetable: kDefaultRows x kDefaultCols empty cells.
  Timetable();

  // Empty cells; nothing when a count is below 1 or above its bound.
  static std::optional<Timetable> WithSize(int rows, int cols);

  std::int16_t rows() const { return rows_; }
  std::int16_t cols() const { return cols_; }

  // The text of cell (row, col) counted from 0; empty outside the table.
  const std::string& cell(int row, int col) const;
  // False, changing nothing, outside the table.
  bool SetCell(int row, int col, std::string text);

  friend bool operator==(const Timetable&, const Timetable&) = default;

 private:
  Timetable(std::int16_t rows, std::int16_t cols);
  bool Contains(int row, int col) const;

  std::int16_t rows_;
  std::int16_t cols_;
  std::vector<std::string> cells_;  // row-major
};

}  // namespace orvel

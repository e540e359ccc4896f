#pragma once
// What the schedule clock reads of the timetable it shows: counts, cell texts and colours.
// Implemented over the grid (grid edition) or the text-box matrix (classic edition).
#include <string_view>

#include "timetable/colour_table.h"

namespace orvel::clock {

class ClockCells {
 public:
  virtual int Rows() const = 0;
  virtual int Cols() const = 0;
  // Only asked for cells inside Rows() x Cols(); the clock checks before it asks.
  virtual std::string_view Text(int row, int col) const = 0;
  virtual Colour BackColour(int row, int col) const = 0;
  virtual Colour ForeColour() const = 0;

 protected:
  ClockCells() = default;
  ClockCells(const ClockCells&) = default;
  ClockCells& operator=(const ClockCells&) = default;
  ~ClockCells() = default;
};

// The text of a cell, empty for a cell the table does not have.
inline std::string_view CellText(const ClockCells& cells, int row, int col) {
  if (row < 0 || col < 0 || row >= cells.Rows() || col >= cells.Cols()) return {};
  return cells.Text(row, col);
}

}  // namespace orvel::clock

#pragma once
// Carries a clock tick out on the grid edition's grid. The grid reaches a cell's colour through
// its current cell, so reading and painting move the current cell as the clock goes (and raise
// the grid's RowColChange, as the window expects).
#include "clock/clock_cells.h"
#include "grid/grid_clock.h"
#include "platform/ui/grid.h"

namespace orvel::grid {

// The clock's reading of a grid. The grid must outlive it and not change while it is read.
class GridClockCells final : public clock::ClockCells {
 public:
  explicit GridClockCells(const ui::Grid& grid) : grid_(grid) {}
  int Rows() const override { return grid_.Rows(); }
  int Cols() const override { return grid_.Cols(); }
  std::string_view Text(int row, int col) const override { return grid_.TextMatrix(row, col); }
  Colour BackColour(int row, int col) const override { return grid_.CellBackColour(row, col); }
  Colour ForeColour() const override { return grid_.ForeColour(); }

 private:
  const ui::Grid& grid_;
};

// Steps before the reminder: the label, the text colour, the header row, the body reset.
void ApplyClockColours(ui::Grid& grid, const ClockTick& tick);
// The step after it: the current or break cells.
void ApplyClockPainting(ui::Grid& grid, const ClockTick& tick);
// Both; for callers that raise the reminder afterwards.
void ApplyClockTick(ui::Grid& grid, const ClockTick& tick);

}  // namespace orvel::grid

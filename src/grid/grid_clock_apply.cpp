#include "grid/grid_clock_apply.h"

#include <string>

#include "clock/period_search.h"

namespace orvel::grid {

void ApplyClockColours(ui::Grid& grid, const ClockTick& tick) {
  if (tick.label) grid.SetTextMatrix(0, clock::kTimeColumn, std::string(tick.label->view()));
  if (tick.foreColour) grid.SetForeColour(*tick.foreColour);

  // Cell (0, 0) is read on every tick, which makes it the current cell.
  grid.SetRowCol(0, 0);
  if (tick.headerColour) {
    for (int c = 0; c < grid.Cols(); ++c) {
      grid.SetRowCol(0, c);
      grid.SetCellBackColour(*tick.headerColour);
    }
  }

  if (tick.bodyColour) {
    for (int r = 1; r < grid.Rows(); ++r)
      for (int c = 0; c < grid.Cols(); ++c) {
        grid.SetRowCol(r, c);
        if (grid.CellBackColour() != *tick.bodyColour) grid.SetCellBackColour(*tick.bodyColour);
      }
  }
}

void ApplyClockPainting(ui::Grid& grid, const ClockTick& tick) {
  for (int i = 0; i < tick.paintCount; ++i) {
    const CellPaint& paint = tick.paints[static_cast<std::size_t>(i)];
    grid.SetRowCol(paint.row, paint.col);
    grid.SetCellBackColour(paint.row, paint.col, paint.colour);
  }
}

void ApplyClockTick(ui::Grid& grid, const ClockTick& tick) {
  ApplyClockColours(grid, tick);
  ApplyClockPainting(grid, tick);
}

}  // namespace orvel::grid

#pragma once
// The classic clock over the window's text boxes: what it reads of them, and how a tick's
// decision is carried out on them.
#include "classic/classic_clock.h"
#include "classic/frm_schedule.h"
#include "clock/clock_cells.h"

namespace orvel::classic {

// The matrix as the clock reads it: cell (r, c) is box r × ScdCols + c + 1, the text colour is
// box 1's. A matrix with a missing box reads as empty, so the clock leaves it alone. The window
// must outlive the object and keep its matrix while it is read.
class BoxClockCells final : public clock::ClockCells {
 public:
  explicit BoxClockCells(const FrmSchedule& window);
  int Rows() const override { return rows_; }
  int Cols() const override { return cols_; }
  std::string_view Text(int row, int col) const override { return Cell(row, col).Text(); }
  Colour BackColour(int row, int col) const override { return Cell(row, col).BackColour(); }
  Colour ForeColour() const override { return Cell(0, 0).ForeColour(); }

 private:
  const ui::TextBox& Cell(int row, int col) const;

  const FrmSchedule& window_;
  int rows_ = 0;
  int cols_ = 0;
};

// The label, the text colour and every background that changes.
void ApplyClassicClockTick(FrmSchedule& window, const ClassicClockTick& tick);

}  // namespace orvel::classic

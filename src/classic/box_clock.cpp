#include "classic/box_clock.h"

#include <cstddef>
#include <string>

namespace orvel::classic {

BoxClockCells::BoxClockCells(const FrmSchedule& window) : window_(window) {
  const int rows = window.state().ScdRows;
  const int cols = window.state().ScdCols;
  for (int k = 1; k <= rows * cols; ++k)
    if (!window.Box(k)) return;
  rows_ = rows;
  cols_ = cols;
}

const ui::TextBox& BoxClockCells::Cell(int row, int col) const {
  return *window_.Box(row * cols_ + col + 1);
}

void ApplyClassicClockTick(FrmSchedule& window, const ClassicClockTick& tick) {
  const int count = window.state().ScdRows * window.state().ScdCols;
  if (tick.label)
    if (ui::TextBox* box = window.Box(2)) box->SetText(std::string(tick.label->view()));
  if (tick.foreColour)
    for (int k = 1; k <= count; ++k)
      if (ui::TextBox* box = window.Box(k)) box->SetForeColour(*tick.foreColour);
  // Setting a colour a box already has changes nothing and repaints nothing.
  for (std::size_t i = 0; i < tick.backColours.size(); ++i)
    if (ui::TextBox* box = window.Box(static_cast<int>(i) + 1)) box->SetBackColour(tick.backColours[i]);
}

}  // namespace orvel::classic
